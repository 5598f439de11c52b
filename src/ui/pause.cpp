#include "ui/pause.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <vector>

namespace ui {

namespace {

bool g_disabled = false;
double g_scale = 1.0;

// One entry per running pause, innermost last: the windows that existed when it
// began. Input for them waits; windows opened since are free (a message box
// shown during a pause must close, or the pause would wait for the box and the
// box for the pause).
std::vector<std::vector<QPointer<QWidget>>> g_running;

struct HeldInput {
    QPointer<QWidget> target;
    std::function<void()> run;
};
std::vector<HeldInput> g_held;
bool g_releaseScheduled = false;

bool heldBack(const QWidget* w) {
    const QWidget* window = w->window();
    return std::any_of(g_running.begin(), g_running.end(), [window](const auto& windows) {
        return std::any_of(windows.begin(), windows.end(),
                           [window](const auto& p) { return p == window; });
    });
}

void releaseHeld() {
    g_releaseScheduled = false;
    auto pending = std::move(g_held);
    g_held.clear();
    for (HeldInput& h : pending) {
        if (!h.target)
            continue;  // its window is gone: nothing to deliver to
        // A replay pauses again and again; what reaches this point during one of
        // its later pauses waits for the next end.
        if (heldBack(h.target)) {
            g_held.push_back(std::move(h));
            continue;
        }
        h.run();
    }
}

void scheduleRelease() {
    if (g_releaseScheduled)
        return;
    g_releaseScheduled = true;
    // Back in the replay's own code at this point; the input arrives once it
    // returns to the event loop.
    QTimer::singleShot(0, qApp, &releaseHeld);
}

// A window closed while a replay pauses would be deleted under the loop that is
// replaying into it: its close request waits like any other input.
class CloseHolder : public QObject {
protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Close && o->isWidgetType()) {
            auto* w = static_cast<QWidget*>(o);
            if (w->isWindow() && heldBack(w)) {
                g_held.push_back({w, [w = QPointer<QWidget>(w)] {
                                      if (w)
                                          w->close();
                                  }});
                e->ignore();
                return true;
            }
        }
        return QObject::eventFilter(o, e);
    }
};

CloseHolder& closeHolder() {
    static CloseHolder holder;
    return holder;
}

}  // namespace

HoldInput::HoldInput() {
    if (g_running.empty())
        qApp->installEventFilter(&closeHolder());
    const QWidgetList windows = QApplication::topLevelWidgets();
    g_running.emplace_back(windows.begin(), windows.end());
}

HoldInput::~HoldInput() {
    g_running.pop_back();
    if (g_running.empty())
        qApp->removeEventFilter(&closeHolder());
    if (!g_held.empty())
        scheduleRelease();
}

void pause(int ms) {
    if (g_disabled || ms <= 0)
        return;
    if (g_scale != 1.0)
        ms = std::max(1, static_cast<int>(std::lround(ms * g_scale)));
    const HoldInput hold;
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    // Paint and timer events run; mouse and keyboard wait until the pause is over.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void deliverInput(QWidget* target, std::function<void()> action) {
    if (target && heldBack(target)) {
        g_held.push_back({target, std::move(action)});
        return;
    }
    action();
}

void setPausesDisabled(bool disabled) {
    g_disabled = disabled;
}
bool pausesDisabled() {
    return g_disabled;
}

void setPauseScale(double factor) {
    g_scale = factor;
}

}  // namespace ui
