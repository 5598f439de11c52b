#include "ui/twips.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <cmath>
#include <optional>

#include "ui/elastic.h"

namespace ui {

namespace {

std::optional<QSizeF> g_screenOverride;

constexpr const char* kDesignRect = "ui_twipsRect";

bool isWindow(const QWidget* w) { return w->isWindow(); }

// The design rectangle: what code last set, or the current geometry if nothing was.
QRectF designRect(const QWidget* w) {
    const QVariant v = w->property(kDesignRect);
    if (v.isValid()) return v.toRectF();
    const QRect g = isWindow(w) ? w->frameGeometry() : w->geometry();
    return {toTwips(g.x()), toTwips(g.y()), toTwips(g.width()), toTwips(g.height())};
}

void apply(QWidget* w, const QRectF& r) {
    w->setProperty(kDesignRect, r);
    if (auto* panel = qobject_cast<ElasticPanel*>(w->parentWidget())) {
        panel->placeChild(w);
        return;
    }
    if (isWindow(w)) {
        // Outer size: take off what the frame adds around the client area.
        const QRect frame = w->frameGeometry();
        const QRect client = w->geometry();
        const int extraW = frame.width() - client.width();
        const int extraH = frame.height() - client.height();
        w->resize(std::max(1, toPixels(r.width()) - extraW), std::max(1, toPixels(r.height()) - extraH));
        w->move(toPixels(r.x()), toPixels(r.y()));
        return;
    }
    w->setGeometry(toPixels(r.x()), toPixels(r.y()), toPixels(r.width()), toPixels(r.height()));
}

}  // namespace

int toPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
double toTwips(int pixels) { return pixels * kTwipsPerPixel; }

double Screen::widthTwips() {
    if (g_screenOverride) return g_screenOverride->width();
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? toTwips(s->geometry().width()) : 0.0;
}

double Screen::heightTwips() {
    if (g_screenOverride) return g_screenOverride->height();
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? toTwips(s->geometry().height()) : 0.0;
}

void Screen::overrideSize(double w, double h) { g_screenOverride = QSizeF(w, h); }
void Screen::clearOverride() { g_screenOverride.reset(); }

QRectF geometryTwips(const QWidget* w) {
    if (isWindow(w)) {
        // A window's position and size follow the frame as it is now (the user may
        // have moved or resized it), unless code set them and nothing moved since.
        const QRect g = w->frameGeometry();
        const QRectF design = designRect(w);
        const QRect asPixels(toPixels(design.x()), toPixels(design.y()), toPixels(design.width()),
                             toPixels(design.height()));
        if (asPixels == g) return design;
        return {toTwips(g.x()), toTwips(g.y()), toTwips(g.width()), toTwips(g.height())};
    }
    return designRect(w);
}

double left(const QWidget* w) { return geometryTwips(w).x(); }
double top(const QWidget* w) { return geometryTwips(w).y(); }
double width(const QWidget* w) { return geometryTwips(w).width(); }
double height(const QWidget* w) { return geometryTwips(w).height(); }

void setLeft(QWidget* w, double t) {
    QRectF r = geometryTwips(w);
    r.moveLeft(t);
    apply(w, r);
}
void setTop(QWidget* w, double t) {
    QRectF r = geometryTwips(w);
    r.moveTop(t);
    apply(w, r);
}
void setWidth(QWidget* w, double t) {
    QRectF r = geometryTwips(w);
    r.setWidth(t);
    apply(w, r);
}
void setHeight(QWidget* w, double t) {
    QRectF r = geometryTwips(w);
    r.setHeight(t);
    apply(w, r);
}
void setGeometryTwips(QWidget* w, double l, double t, double wd, double ht) {
    apply(w, QRectF(l, t, wd, ht));
}

void setClientSizeTwips(QWidget* window, double w, double h) {
    window->resize(toPixels(w), toPixels(h));
    window->setProperty(kDesignRect, QVariant());
}

double textWidthTwips(const QFont& font, const QString& text) {
    return QFontMetricsF(font).horizontalAdvance(text) * kTwipsPerPixel;
}

double textHeightTwips(const QFont& font) { return QFontMetricsF(font).height() * kTwipsPerPixel; }

}  // namespace ui
