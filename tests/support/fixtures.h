#pragma once

// Fixtures shared by all tests: recorded message boxes, a switched locale, a
// pretended screen, zero pauses, modal windows that do not block.

#include <QLocale>
#include <QList>
#include <QTest>
#include <QWidget>

class QRandomGenerator;
class QScrollBar;

#include "ui/msgbox.h"

// One data row on a line: its name, then its values in column order.
template <typename... T>
void row(const char* name, T... values) {
    (QTest::newRow(name) << ... << values);
}

namespace testsupport {

// Records every message box instead of showing it; restores the real box on exit.
class MsgBoxRecorder {
public:
    MsgBoxRecorder();
    ~MsgBoxRecorder();
    MsgBoxRecorder(const MsgBoxRecorder&) = delete;
    MsgBoxRecorder& operator=(const MsgBoxRecorder&) = delete;

    const QList<ui::MsgRecord>& boxes() const { return boxes_; }
    void clear() { boxes_.clear(); }
    // Runs while the box is "open" (to check what happens meanwhile).
    void setWhileOpen(std::function<void()> f) { whileOpen_ = std::move(f); }

private:
    QList<ui::MsgRecord> boxes_;
    std::function<void()> whileOpen_;
};

class LocaleSwitch {
public:
    explicit LocaleSwitch(const QString& name) : saved_(QLocale()) { QLocale::setDefault(QLocale(name)); }
    ~LocaleSwitch() { QLocale::setDefault(saved_); }
    LocaleSwitch(const LocaleSwitch&) = delete;
    LocaleSwitch& operator=(const LocaleSwitch&) = delete;

private:
    QLocale saved_;
};

class ScreenOverride {
public:
    ScreenOverride(double widthTwips, double heightTwips);
    ~ScreenOverride();
    ScreenOverride(const ScreenOverride&) = delete;
    ScreenOverride& operator=(const ScreenOverride&) = delete;
};

// Call once in initTestCase(): zero pauses, modal windows shown without blocking,
// ending the program only counted.
void setUpHeadless();
int endProgramCalls();

// Top-level widgets still visible (a test's cleanup() expects none).
QList<QWidget*> visibleWindows();

// Shows a window and waits until it is exposed and active, so focus moves work.
bool showActive(QWidget& w);

// Presses Tab from the focused control until the focus comes back to it (at
// most `limit` presses) and returns the controls visited on the way, the start
// last; empty when the focus never came back (a trap).
QList<QWidget*> tabWalk(int limit = 400);
// Clicks a scroll bar's arrow at its end (forward) or its start.
void clickScrollArrow(QScrollBar* bar, bool forward);

// A text of the kinds of characters that reach fields by pasting (digits, both
// separators, marks, letters, other scripts, paired and lone surrogates), mostly
// short, now and then hundreds or thousands long.
QString pastedText(QRandomGenerator& rng);

}  // namespace testsupport
