#pragma once

// Keyboard rules every window shares, made true once for the whole program by an
// application-wide event filter:
// - an access key (Alt+letter) owned by one control of the window acts at once:
//   a button, check box or option is clicked, a caption label focuses its field,
//   a tab becomes current, a menu opens; a key that several controls share moves
//   the focus to the next of them in tab order on each press, so every one is
//   reached (a tab is selected and a menu opens when its turn comes);
// - Tab and Shift+Tab follow the reading order of what is visible (top to bottom,
//   left to right, a frame's or page's controls together); a grid or list is one
//   stop, an option group is one stop that lands on its selected option;
// - Enter presses the focused button;
// - Ctrl+Tab / Ctrl+PgDn and Ctrl+Shift+Tab / Ctrl+PgUp switch pages of the
//   window's index tab with the same Click as a user click.

#include <QList>

class QWidget;

namespace ui {

// Installs the rules (idempotent; windows call it when they are built).
void installKeyboardRules();

// The tab stops of a window in the order Tab visits them.
QList<QWidget*> tabStops(QWidget* window);

// A window whose tab order is part of its design (set with QWidget::setTabOrder)
// keeps it instead of the reading order.
void keepDesignedTabOrder(QWidget* window);

}  // namespace ui
