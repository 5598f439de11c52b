#pragma once

// A picture control: shows an SVG picture scaled to the control (aspect kept,
// centred), drawn afresh for each size so it stays sharp when a window grows.
// The picture is rendered on first paint, so pictures on pages never shown cost
// nothing. A left click inside the control raises Click.
//
// At the size a window's design gives the control, the picture comes from one
// rendered at build time beside ":/a/b.svg" (":/a/b.png" and ":/a/b@2x.png", or
// ".argb" raw pixels for the small pictures start-up shows): a window opens
// without running the SVG renderer. Other sizes render the SVG.

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace ui {

// The picture fitted into box (aspect kept) at the device pixel ratio: the
// build-time picture when one has exactly that size, else the SVG rendered.
QPixmap renderPicture(const QString& resource, QSize box, qreal dpr);

// The picture rendered at build time for scale 1 or 2 beside an SVG resource,
// or an empty path when there is none.
QString rasterOf(const QString& svg, int scale);

// A build-time picture or any PNG, read as what it is: raw pixels in place, a
// PNG without asking every image plugin first (probing loads them all, which
// costs more than the picture). Null or empty when unreadable.
QImage readRaster(const QString& path);
QSize rasterSize(const QString& path);
QPixmap rasterPixmap(const QString& path, qreal ratio = 1.0);

// An icon of the build-time pictures at 1x and 2x (the SVG itself when there are
// none); sameWhenDisabled keeps the picture as it is on a disabled control.
QIcon pictureIcon(const QString& resource, bool sameWhenDisabled = false);

class Picture : public QWidget {
    Q_OBJECT
public:
    explicit Picture(const QString& resource = {}, QWidget* parent = nullptr);

    void setPicture(const QString& resource);
    QString picture() const { return resource_; }

    // The rendered picture as last painted (empty before the first paint).
    const QPixmap& rendered() const { return pixmap_; }

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QString resource_;
    QPixmap pixmap_;
    QSize renderedFor_;
    bool pressed_ = false;
};

}  // namespace ui
