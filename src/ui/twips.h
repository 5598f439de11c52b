#pragma once

// Geometry in twips, the unit the windows were designed in (1440 per inch).
// A control's design rectangle is kept in twips on the widget itself, so that an
// elastic parent can rescale it and code can read back exactly what it wrote.

#include <QRect>
#include <QRectF>

class QFont;
class QString;
class QWidget;

namespace ui {

inline constexpr double kTwipsPerPixel = 15.0;  // 96 dpi logical pixels

int toPixels(double twips);
double toTwips(int pixels);

// The screen as the windows see it. Tests may pretend another screen size.
class Screen {
public:
    static double widthTwips();
    static double heightTwips();
    static double twipsPerPixelX() { return kTwipsPerPixel; }
    static double twipsPerPixelY() { return kTwipsPerPixel; }
    static void overrideSize(double widthTwips, double heightTwips);
    static void clearOverride();
};

// Left/Top/Width/Height of a control (relative to its parent) or of a top-level
// window (its outer frame on the screen), in twips.
double left(const QWidget* w);
double top(const QWidget* w);
double width(const QWidget* w);
double height(const QWidget* w);
QRectF geometryTwips(const QWidget* w);

void setLeft(QWidget* w, double twips);
void setTop(QWidget* w, double twips);
void setWidth(QWidget* w, double twips);
void setHeight(QWidget* w, double twips);
void setGeometryTwips(QWidget* w, double l, double t, double wd, double ht);

// Client area of a top-level window, in twips.
void setClientSizeTwips(QWidget* window, double w, double h);

// Width and height of a text in a font, in twips (the windows' TextWidth).
double textWidthTwips(const QFont& font, const QString& text);
double textHeightTwips(const QFont& font);

}  // namespace ui
