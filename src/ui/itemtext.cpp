#include "ui/itemtext.h"

#include <QApplication>
#include <QPainter>
#include <QTextLayout>
#include <QtMath>

namespace ui {

namespace {

// Draws an initialised option as the toolkit would; false (nothing drawn) when
// the cell is not plain text that fits.
bool paintPlainText(QPainter* painter, const QStyleOptionViewItem& opt) {
    constexpr auto kPlain = QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_Editing;
    if ((opt.state & kPlain) ||
        (opt.features & (QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDecoration |
                         QStyleOptionViewItem::WrapText)))
        return false;
    const QWidget* widget = opt.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;

    // The toolkit lays the text out in the cell less its margins, aligned there,
    // and elides it when it is wider; the line's own layout does the aligning.
    const QRect textRect = opt.rect.adjusted(margin, 0, -margin, 0);
    QTextOption textOption;
    textOption.setWrapMode(QTextOption::ManualWrap);
    textOption.setTextDirection(opt.direction);
    textOption.setAlignment(QStyle::visualAlignment(opt.direction, opt.displayAlignment));
    QTextLayout layout(opt.text, opt.font);
    layout.setTextOption(textOption);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) {
        line.setLineWidth(textRect.width());
        line.setPosition(QPointF(0, 0));
    }
    const bool fits = line.isValid() && !layout.createLine().isValid() &&
                      line.naturalTextWidth() <= textRect.width() && qCeil(line.height()) <= textRect.height();
    layout.endLayout();
    if (!fits)
        return false;
    const QRect laidOut = QStyle::alignedRect(Qt::LayoutDirectionAuto, opt.displayAlignment,
                                              layout.boundingRect().size().toSize(), textRect);

    painter->save();
    painter->setClipRect(opt.rect);
    if (opt.backgroundBrush.style() != Qt::NoBrush) {
        painter->setBrushOrigin(opt.rect.topLeft());
        painter->fillRect(opt.rect, opt.backgroundBrush);
    }
    QPalette::ColorGroup group = opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !(opt.state & QStyle::State_Active))
        group = QPalette::Inactive;
    painter->setPen(opt.palette.color(group, QPalette::Text));
    layout.draw(painter, QPointF(textRect.x(), laidOut.top()));
    painter->restore();
    return true;
}

}  // namespace

void PlainTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    if (paintPlainText(painter, opt))
        return;
    // What the toolkit's delegate does, with the option already filled in.
    const QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
}

}  // namespace ui
