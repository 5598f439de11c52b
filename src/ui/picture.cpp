#include "ui/picture.h"

#include <QIcon>
#include <QMouseEvent>
#include <QPainter>

namespace ui {

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
        pixmap_ = QIcon(resource_).pixmap(size(), dpr);
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
