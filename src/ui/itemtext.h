#pragma once

// Item views' cells drawn as the toolkit's delegate draws them, text laid out
// once. The toolkit lays a cell's text out five times over (for the text's
// rectangle, the check's, the icon's, the eliding and the drawing), which made
// painting a window of report grids a third of opening it. A cell that needs
// more than plain text (a check, an icon, selection, focus, eliding, more than
// one line) goes to the toolkit's own drawing.

#include <QStyledItemDelegate>

namespace ui {

class PlainTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace ui
