#pragma once

// What the window tests share: opening a window as the main menu does, closing
// it again with no window left open, and clicking one of its tabs.

#include <QTabBar>
#include <QTest>

#include "fixtures.h"
#include "ui/form.h"
#include "ui/indextab.h"

namespace testsupport {

// Clicks a tab of an index tab control, as a user does.
inline void clickTab(ui::IndexTab* tabs, int tab) {
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
}

// A test class's window F, opened modally as the main menu opens it.
template <class F>
struct FormTest {
    using Slot = ui::FormSlot<F>;
    F* w = nullptr;

    // Opens the window and makes it the active window.
    bool open() {
        Slot::showModal();
        w = Slot::peek();
        return w && showActive(*w);
    }
    // Unloads the window if it is open and waits until it is gone.
    static bool close() {
        if (Slot::exists())
            Slot::get().Unload();
        return QTest::qWaitFor([] { return !Slot::exists(); });
    }
    // Closed, and no window left open: every window test's cleanup.
    static bool closedCleanly() { return close() && visibleWindows().isEmpty(); }
};

}  // namespace testsupport
