#pragma once

// What the search window's tests share: opening the window as the main menu
// does with its message boxes recorded, a locale whose separator the vocabulary
// follows, and a filled orb table.

#include <QTest>
#include <memory>
#include <optional>

#include "fixtures.h"
#include "search/frmsearch.h"
#include "shell/orbs.h"
#include "shell/vocabulary.h"
#include "ui/form.h"

namespace searchtest {

using Slot = ui::FormSlot<search::frmSearch>;

inline void startUp() {
    testsupport::setUpHeadless();
    shell::FillVocabulary();
}

// Opens the window as the main menu does and makes it the active window.
inline search::frmSearch* open() {
    Slot::showModal();
    search::frmSearch* w = Slot::peek();
    return w && testsupport::showActive(*w) ? w : nullptr;
}

inline bool close() {
    if (Slot::exists())
        Slot::get().Unload();
    return QTest::qWaitFor([] { return !Slot::exists(); });
}

// One test's window and the message boxes it shows; the end leaves no window
// open and an empty orb table.
struct Session {
    search::frmSearch* w = nullptr;
    std::unique_ptr<testsupport::MsgBoxRecorder> boxes;

    bool begin() {
        boxes = std::make_unique<testsupport::MsgBoxRecorder>();
        w = open();
        return w != nullptr;
    }
    bool end() {
        const bool closed = close();
        boxes.reset();
        shell::OrbTable.clear();
        return closed && testsupport::visibleWindows().isEmpty();
    }
};

// Switches the locale and refills the vocabulary from it (the decimal separator
// is read once, as at start-up); both go back afterwards.
class VocabularyLocale {
public:
    explicit VocabularyLocale(const QString& name) : sw_(std::in_place, name) {
        shell::FillVocabulary();
    }
    ~VocabularyLocale() {
        sw_.reset();
        shell::FillVocabulary();
    }
    VocabularyLocale(const VocabularyLocale&) = delete;
    VocabularyLocale& operator=(const VocabularyLocale&) = delete;

private:
    std::optional<testsupport::LocaleSwitch> sw_;
};

// Fills the orb table as the customizing window would, with values that tell
// their cell: lights orb "a.10", planets orb "a.20" for aspect position a.
inline void fillOrbTable() {
    for (int a = 1; a <= 21; ++a) {
        shell::OrbTable(0, a) = QStringLiteral("%1.10").arg(a);
        shell::OrbTable(8, a) = QStringLiteral("%1.20").arg(a);
    }
}

// Clicks a check box on its box, as a user does.
inline void clickBox(QWidget* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
}

}  // namespace searchtest
