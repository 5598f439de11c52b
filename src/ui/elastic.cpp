#include "ui/elastic.h"

#include <QMouseEvent>
#include <QResizeEvent>

#include "ui/twips.h"

namespace ui {

ElasticPanel::ElasticPanel(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void ElasticPanel::setDesignSizeTwips(double w, double h) {
    design_ = QSizeF(w, h);
    placeAll();
}

void ElasticPanel::placeChild(QWidget* child) {
    const QRectF r = geometryTwips(child);
    double sx = 1.0;
    double sy = 1.0;
    if (!design_.isEmpty() && width() > 0 && height() > 0) {
        // Only grow: shrinking below the design would clip the children's texts,
        // and the windows keep their design size as their minimum anyway.
        sx = std::max(1.0, toTwips(width()) / design_.width());
        sy = std::max(1.0, toTwips(height()) / design_.height());
    }
    child->setGeometry(toPixels(r.x() * sx), toPixels(r.y() * sy), toPixels(r.width() * sx),
                       toPixels(r.height() * sy));
}

void ElasticPanel::placeAll() {
    for (QObject* o : children()) {
        if (auto* w = qobject_cast<QWidget*>(o); w && !w->isWindow()) placeChild(w);
    }
}

void ElasticPanel::resizeEvent(QResizeEvent* e) {
    if (design_.isEmpty()) design_ = QSizeF(toTwips(e->size().width()), toTwips(e->size().height()));
    QWidget::resizeEvent(e);
    placeAll();
}

void ElasticPanel::mouseMoveEvent(QMouseEvent* e) {
    emit MouseMove();
    QWidget::mouseMoveEvent(e);
}

}  // namespace ui
