#include "ui/pause.h"

#include <QEventLoop>
#include <QTimer>

namespace ui {

namespace {
bool g_disabled = false;
}

void pause(int ms) {
    if (g_disabled || ms <= 0) return;
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    // Paint and timer events run; mouse and keyboard wait until the pause is over.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void setPausesDisabled(bool disabled) { g_disabled = disabled; }
bool pausesDisabled() { return g_disabled; }

}  // namespace ui
