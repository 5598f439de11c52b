#include "shell/reportgrid.h"

#include <QFont>
#include <QFontMetrics>
#include <QStyle>

#include "shell/screen.h"
#include "ui/controls.h"
#include "ui/twips.h"

namespace shell {

void setColumns(ui::Grid& grid, std::initializer_list<double> widths) {
    grid.setCols(static_cast<int>(widths.size()));
    int c = 0;
    for (double w : widths) grid.setColWidth(c++, w);
}

void writeHeader(ui::Grid& grid, std::initializer_list<const char*> header) {
    int c = 0;
    for (const char* h : header) grid.setTextMatrix(0, c++, QString::fromUtf8(h));
}

void appendRow(ui::Grid& grid, std::span<const char* const> cells) {
    QString row;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i) row += u'\t';
        row += QString::fromUtf8(cells[i]);
    }
    grid.AddItem(row);
}

void spillIntoEmptyCells(ui::Grid& grid) {
    const QFontMetrics metrics(grid.font());
    // The item view's text margins, left and right.
    const int margins = 2 * (grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 1);
    for (int r = grid.FixedRows(); r < grid.Rows(); ++r) {
        for (int c = 0; c < grid.Cols(); ++c) {
            const QString text = grid.TextMatrix(r, c);
            if (text.isEmpty()) continue;
            // All the empty cells that follow, so such rows line up with each other.
            int span = 1;
            while (c + span < grid.Cols() && grid.TextMatrix(r, c + span).isEmpty()) ++span;
            // Measured only where it could spill: shaping every cell's text was a
            // tenth of opening a window of reports.
            if (span > 1 && metrics.horizontalAdvance(text) + margins > grid.columnWidth(c)) {
                grid.setSpan(r - grid.FixedRows(), c, 1, span);
                c += span - 1;
            }
        }
    }
}

void layOutGrid(ui::Grid& grid, double width, double heightFraction, double bottom, double containerWidth,
                bool exactHalving) {
    ui::setWidth(&grid, width);
    ui::setHeight(&grid, heightFraction * (bottom - ui::top(&grid)));
    ui::setLeft(&grid, exactHalving ? (containerWidth - width) / 2 : centredOffset(containerWidth, width, 2));
}

void centreAcross(QWidget& control, double containerWidth) {
    ui::setLeft(&control, centredOffset(containerWidth, ui::width(&control), 2));
}

void placeUnderGrid(QWidget& button, const ui::Grid& grid) {
    ui::setTop(&button, ui::top(&grid) + ui::height(&grid));
    ui::setLeft(&button, ui::left(&grid));
    ui::setWidth(&button, ui::width(&grid));
}

ui::Label* fittedLabel(const QString& text, QWidget* parent, double left, double top) {
    auto* label = new ui::Label(text, parent);
    ui::setGeometryTwips(label, left, top, ui::textWidthTwips(label->font(), text) + 45,
                         ui::textHeightTwips(label->font()) + 30);
    return label;
}

ui::Label* reportTitle(const QString& text, QWidget* parent, double top) {
    auto* title = new ui::Label(text, parent);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    title->setFont(bold);
    ui::setGeometryTwips(title, 0, top, ui::textWidthTwips(bold, text) + 45, ui::textHeightTwips(bold) + 30);
    return title;
}

}  // namespace shell
