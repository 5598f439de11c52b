#pragma once

// Laying out and filling a report grid page, shared by the windows that show the
// full product's reports: column widths from a list, the header row, appended
// data rows, the page title and the button under the grid.

#include <QString>
#include <array>
#include <initializer_list>
#include <span>

#include "ui/grid.h"

namespace ui {
class Label;
}  // namespace ui

namespace shell {

// Sets the column count and the width of each column, in twips.
void setColumns(ui::Grid& grid, std::initializer_list<double> widths);

// Writes the header texts cell by cell on row 0 (UTF-8, blanks kept).
void writeHeader(ui::Grid& grid, std::initializer_list<const char*> header);

// Appends one row as a tab-separated text of its cells (UTF-8).
void appendRow(ui::Grid& grid, std::span<const char* const> cells);

// Appends the data rows; the header row then becomes the one fixed row.
template <size_t N>
void appendRows(ui::Grid& grid, std::span<const std::array<const char*, N>> rows) {
    const ui::Grid::Batch batch(grid);
    for (const std::array<const char*, N>& cells : rows) appendRow(grid, cells);
    grid.setFixedRows(1);
}

// Lets a text wider than its cell run on over the empty cells to its right, as
// on the printed report (the cells keep their texts; only the view joins them).
// A text that does not fit even so stays clipped at the last empty cell.
void spillIntoEmptyCells(ui::Grid& grid);

// Gives the grid its width and height = fraction x (bottom - grid top), and
// centres it in the container's width: the difference rounded to a whole number
// and halved with truncation, or halved exactly. The grid's top stays.
void layOutGrid(ui::Grid& grid, double width, double heightFraction, double bottom, double containerWidth,
                bool exactHalving = false);

// Centres a control across a container's width by the same whole-number rule.
void centreAcross(QWidget& control, double containerWidth);

// Puts a button directly under the grid, as wide as the grid.
void placeUnderGrid(QWidget& button, const ui::Grid& grid);

// A label exactly as wide and high as its text, so centring it by its width
// centres the text.
ui::Label* fittedLabel(const QString& text, QWidget* parent, double left, double top);

// A report page's title: bold, a little larger than the page text, fitted.
ui::Label* reportTitle(const QString& text, QWidget* parent, double top);

}  // namespace shell
