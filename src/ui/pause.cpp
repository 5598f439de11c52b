#include "ui/pause.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <vector>

namespace ui {

namespace {

bool g_disabled = false;
int g_depth = 0;
std::vector<QPointer<QWidget>> g_closeLater;

void closeDeferredWindows();

// A window closed while a replay pauses would be deleted under the loop that is
// replaying into it. Close requests wait until no pause is running.
class CloseHolder : public QObject {
protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Close && g_depth > 0 && o->isWidgetType()) {
            auto* w = static_cast<QWidget*>(o);
            if (w->isWindow()) {
                g_closeLater.emplace_back(w);
                e->ignore();
                return true;
            }
        }
        return QObject::eventFilter(o, e);
    }
};

void closeDeferredWindows() {
    if (g_depth > 0) return;  // a further pause began: its end tries again
    auto pending = std::move(g_closeLater);
    g_closeLater.clear();
    for (const QPointer<QWidget>& w : pending) {
        if (w) w->close();
    }
}

}  // namespace

void pause(int ms) {
    if (g_disabled || ms <= 0) return;
    static CloseHolder holder;
    if (g_depth == 0) qApp->installEventFilter(&holder);
    ++g_depth;
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    // Paint and timer events run; mouse and keyboard wait until the pause is over.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    --g_depth;
    if (g_depth == 0) {
        qApp->removeEventFilter(&holder);
        // Back in the replay's own code; the closes run once it returns to the
        // event loop (or at the end of its next pause, if it pauses again).
        if (!g_closeLater.empty()) QTimer::singleShot(0, qApp, &closeDeferredWindows);
    }
}

void setPausesDisabled(bool disabled) { g_disabled = disabled; }
bool pausesDisabled() { return g_disabled; }

}  // namespace ui
