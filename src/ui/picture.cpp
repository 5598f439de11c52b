#include "ui/picture.h"

#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <cstdlib>

namespace ui {

namespace {
// ":/a/b.svg" -> ":/a/b.png" (scale 1) or ":/a/b@2x.png".
QString rasterPath(const QString& svg, int scale) {
    if (!svg.endsWith(QLatin1String(".svg")))
        return {};
    return svg.chopped(4) + (scale == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png"));
}
}  // namespace

QPixmap pngPixmap(const QString& path, qreal ratio) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    QPixmap pm = QPixmap::fromImage(reader.read());
    pm.setDevicePixelRatio(ratio);
    return pm;
}

QIcon pictureIcon(const QString& resource, bool sameWhenDisabled) {
    QIcon icon;
    for (int scale : {1, 2}) {
        const QString path = rasterPath(resource, scale);
        if (path.isEmpty() || !QFile::exists(path))
            continue;
        const QPixmap pm = pngPixmap(path, scale);
        icon.addPixmap(pm);
        if (sameWhenDisabled)
            icon.addPixmap(pm, QIcon::Disabled);
    }
    if (icon.isNull()) {
        icon.addFile(resource);
        if (sameWhenDisabled)
            icon.addFile(resource, {}, QIcon::Disabled);
    }
    return icon;
}

QPixmap renderPicture(const QString& resource, QSize box, qreal dpr) {
    const QSize device = (QSizeF(box) * dpr).toSize();
    for (int scale : {1, 2}) {
        const QString path = rasterPath(resource, scale);
        if (path.isEmpty() || !QFile::exists(path))
            continue;
        // Read as PNG without asking every image plugin first.
        QImageReader reader(path, "png");
        reader.setAutoDetectImageFormat(false);
        const QSize raster = reader.size();
        const QSize fitted = raster.scaled(device, Qt::KeepAspectRatio);
        if (std::abs(fitted.width() - raster.width()) <= 1 && std::abs(fitted.height() - raster.height()) <= 1) {
            QPixmap pm = QPixmap::fromImage(reader.read());
            pm.setDevicePixelRatio(dpr);
            return pm;
        }
    }
    return QIcon(resource).pixmap(box, dpr);
}

Picture::Picture(const QString& resource, QWidget* parent) : QWidget(parent), resource_(resource) {}

void Picture::setPicture(const QString& resource) {
    resource_ = resource;
    pixmap_ = QPixmap();
    update();
}

void Picture::paintEvent(QPaintEvent*) {
    if (resource_.isEmpty() || width() <= 0 || height() <= 0)
        return;
    const qreal dpr = devicePixelRatioF();
    if (pixmap_.isNull() || renderedFor_ != size() ||
        !qFuzzyCompare(pixmap_.devicePixelRatio(), dpr)) {
        pixmap_ = renderPicture(resource_, size(), dpr);
        renderedFor_ = size();
    }
    if (pixmap_.isNull())
        return;
    const QSizeF s = pixmap_.deviceIndependentSize();
    QPainter p(this);
    p.drawPixmap(QPointF((width() - s.width()) / 2, (height() - s.height()) / 2), pixmap_);
}

void Picture::mousePressEvent(QMouseEvent* e) {
    pressed_ = e->button() == Qt::LeftButton;
    QWidget::mousePressEvent(e);
}

void Picture::mouseReleaseEvent(QMouseEvent* e) {
    // A press that is dragged off the picture before release is no click.
    const bool click =
        pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    QWidget::mouseReleaseEvent(e);
    if (click)
        emit Click();
}

}  // namespace ui
