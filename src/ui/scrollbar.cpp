#include "ui/scrollbar.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStyleOptionSlider>

namespace ui {

HScrollBar::HScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
    // A click takes the focus before the bar steps, so a number box the user
    // leaves for its bar is checked (and its bar set) first.
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QScrollBar::valueChanged, this, [this] { emit Change(); });
}

void HScrollBar::setRange(int min, int max, int smallChange, int largeChange) {
    setMinimum(min);
    setMaximum(max);
    setSingleStep(smallChange);
    setPageStep(largeChange);
}

void HScrollBar::keyPressEvent(QKeyEvent* e) {
    // The keys of a scroll bar with the focus, whatever the style's own mapping:
    // up and page up move toward the minimum, as on a vertical bar.
    SliderAction action = SliderNoAction;
    switch (e->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up: action = SliderSingleStepSub; break;
        case Qt::Key_Right:
        case Qt::Key_Down: action = SliderSingleStepAdd; break;
        case Qt::Key_PageUp: action = SliderPageStepSub; break;
        case Qt::Key_PageDown: action = SliderPageStepAdd; break;
        case Qt::Key_Home: action = SliderToMinimum; break;
        case Qt::Key_End: action = SliderToMaximum; break;
        default: QScrollBar::keyPressEvent(e); return;
    }
    if (e->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier)) {
        e->ignore();  // Ctrl+PgDn and kin belong to the window
        return;
    }
    triggerAction(action);
    e->accept();
}

// The toolkit's scroll bar shows no sign of the focus; the keys act on it, so
// the user sees where they go: a focus frame round the thumb.
void HScrollBar::paintEvent(QPaintEvent* e) {
    QScrollBar::paintEvent(e);
    if (!hasFocus())
        return;
    QStyleOptionSlider bar;
    initStyleOption(&bar);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = style()->subControlRect(QStyle::CC_ScrollBar, &bar, QStyle::SC_ScrollBarSlider, this).adjusted(2, 2, -2, -2);
    QPainter p(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
}

}  // namespace ui
