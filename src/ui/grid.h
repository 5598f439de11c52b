#pragma once

// The read-only report grid: rows and columns of text, the first FixedRows rows
// shown as a header that stays in view while the other rows scroll. Row numbers
// count the fixed rows (row 0 is the header when there is one).

#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>
#include <vector>

namespace ui {

class GridModel;

class Grid : public QTableView {
    Q_OBJECT
public:
    enum class Align { General, LeftTop, LeftCenter, LeftBottom, CenterCenter, RightCenter };

    explicit Grid(QWidget* parent = nullptr);
    ~Grid() override;

    // Changes made while a Batch lives reach the view at its end, at once.
    class Batch {
    public:
        explicit Batch(Grid& grid);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        GridModel& model_;
    };

    int Rows() const;
    void setRows(int rows);
    int Cols() const;
    void setCols(int cols);
    int FixedRows() const { return fixedRows_; }
    void setFixedRows(int rows);
    int FixedCols() const { return fixedCols_; }
    void setFixedCols(int cols);

    double ColWidth(int col) const;        // twips
    void setColWidth(int col, double twips);
    void setColAlignment(int col, Align align);
    Align ColAlignment(int col) const;

    int Row() const { return row_; }
    void setRow(int row) { row_ = row; }
    int Col() const { return col_; }
    void setCol(int col) { col_ = col; }
    QString Text() const { return TextMatrix(row_, col_); }
    void setText(const QString& text) { setTextMatrix(row_, col_, text); }

    QString TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);

    // Appends one row; cells separated by tabs, a trailing tab adds nothing.
    void AddItem(const QString& tabSeparatedRow);

    // First visible scrolling row (>= FixedRows).
    int TopRow() const;
    void setTopRow(int row);

    double RowHeight(int row) const;  // twips
    void Refresh();                   // paints now

private:
    void applyFixedRows();
    GridModel* model_;
    int fixedRows_ = 0;
    int fixedCols_ = 0;
    int row_ = 0;
    int col_ = 0;
    std::vector<Align> align_;
};

}  // namespace ui
