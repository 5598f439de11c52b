#pragma once

// Screen routines every window shares.

#include <QIcon>
#include <QString>

class QWidget;

namespace shell {

// Title of the picture notice and of most feature windows' message boxes.
inline const QString DemoTitle = QStringLiteral("Starwright for Windows Demo");

// (total - part) rounded to a whole number (halves to even), then divided by
// divisor with the remainder dropped: how the windows centre things.
int centredOffset(double total, double part, int divisor);

// Centres a window across the screen, one third of the free height down.
void CenterForm(QWidget& window);

// The program's icon, from the pictures rendered at build time.
QIcon ProgramIcon();

// A main menu button's picture (":/buttons/<name>"), at 1x and 2x.
QIcon ButtonPicture(const QString& name);

// The answer to a click on a picture of the full product's screens.
void ShowPictureNotice();

}  // namespace shell
