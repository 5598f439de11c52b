#include "ui/elastic.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>

#include "ui/twips.h"

namespace ui {

ElasticPanel::ElasticPanel(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void ElasticPanel::setDesignSizeTwips(double w, double h) {
    design_ = QSizeF(w, h);
    placeAll();
}

namespace {
// Controls of one line of text need no more height when the panel grows: they
// keep their design height, centred in the room their rectangle grew to.
bool keepsItsHeight(const QWidget* w) {
    return qobject_cast<const QPushButton*>(w) || qobject_cast<const QCheckBox*>(w) ||
           qobject_cast<const QRadioButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w);
}

void placeScaled(QWidget* w, double sx, double sy) {
    const QRectF r = geometryTwips(w);
    double top = r.y() * sy;
    double height = r.height() * sy;
    if (keepsItsHeight(w)) {
        top += (height - r.height()) / 2;
        height = r.height();
    }
    w->setGeometry(toPixels(r.x() * sx), toPixels(top), toPixels(r.width() * sx), toPixels(height));
    // A frame's contents grow with the frame.
    if (qobject_cast<QGroupBox*>(w)) {
        for (QObject* o : w->children()) {
            if (auto* c = qobject_cast<QWidget*>(o); c && !c->isWindow()) placeScaled(c, sx, sy);
        }
    }
}
}  // namespace

void ElasticPanel::placeChild(QWidget* child) {
    double sx = 1.0;
    double sy = 1.0;
    if (!design_.isEmpty() && width() > 0 && height() > 0) {
        // Only grow: shrinking below the design would clip the children's texts,
        // and the windows keep their design size as their minimum anyway.
        sx = std::max(1.0, toTwips(width()) / design_.width());
        sy = std::max(1.0, toTwips(height()) / design_.height());
    }
    placeScaled(child, sx, sy);
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
