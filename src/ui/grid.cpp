#include "ui/grid.h"

#include <QHeaderView>
#include <QLocale>
#include <QPainter>
#include <QScrollBar>

#include "ui/itemtext.h"
#include "ui/locale.h"
#include "ui/twips.h"

namespace ui {

// All cells, fixed rows included; the view sees the fixed rows as its header.
class GridModel : public QAbstractTableModel {
public:
    explicit GridModel(QObject* parent) : QAbstractTableModel(parent) {}

    int rows() const { return static_cast<int>(cells_.size()); }
    int cols() const { return cols_; }

    // While a batch runs the view hears of nothing; its end is one reset, so
    // filling a grid row by row costs one layout pass instead of one per row.
    void beginBatch() {
        if (batch_++ == 0)
            beginResetModel();
    }
    void endBatch() {
        if (--batch_ == 0)
            endResetModel();
    }

    void resizeTo(int rows, int cols) {
        beginResetModel();
        cols_ = std::max(0, cols);
        cells_.resize(static_cast<size_t>(std::max(0, rows)));
        for (QStringList& r : cells_) {
            while (r.size() < cols_) r.append(QString());
            while (r.size() > cols_) r.removeLast();
        }
        endResetModel();
    }

    void beginResetModel() {
        if (batch_ == 0)
            QAbstractTableModel::beginResetModel();
    }
    void endResetModel() {
        if (batch_ == 0)
            QAbstractTableModel::endResetModel();
    }

    void setFixed(int fixedRows, int fixedCols) {
        beginResetModel();
        fixedRows_ = fixedRows;
        fixedCols_ = fixedCols;
        endResetModel();
    }

    QString cell(int r, int c) const {
        if (r < 0 || r >= rows() || c < 0 || c >= cols_) return {};
        return cells_[static_cast<size_t>(r)][c];
    }

    void setCell(int r, int c, const QString& text) {
        if (r < 0 || r >= rows() || c < 0 || c >= cols_) return;
        cells_[static_cast<size_t>(r)][c] = text;
        if (batch_ > 0)
            return;
        if (r < fixedRows_) {
            emit headerDataChanged(Qt::Horizontal, c, c);
        } else {
            const QModelIndex i = index(r - fixedRows_, c);
            emit dataChanged(i, i);
        }
    }

    void appendRow(const QStringList& row) {
        const int viewRow = rows() - fixedRows_;
        if (batch_ == 0)
            beginInsertRows({}, viewRow, viewRow);
        QStringList r = row;
        while (r.size() < cols_) r.append(QString());
        while (r.size() > cols_) r.removeLast();
        cells_.push_back(r);
        if (batch_ == 0)
            endInsertRows();
    }

    void setAlignments(const std::vector<Grid::Align>* align) { align_ = align; }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : std::max(0, rows() - fixedRows_);
    }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : cols_; }

    QVariant data(const QModelIndex& index, int role) const override {
        const int r = index.row() + fixedRows_;
        const int c = index.column();
        if (role == Qt::DisplayRole) return cell(r, c);
        if (role == Qt::TextAlignmentRole) return QVariant::fromValue(alignment(r, c));
        if (role == Qt::BackgroundRole && c < fixedCols_) return QColor(0xc0, 0xc0, 0xc0);
        return {};
    }

    QVariant headerData(int section, Qt::Orientation o, int role) const override {
        if (o == Qt::Horizontal && role == Qt::DisplayRole && fixedRows_ > 0) return cell(0, section);
        if (o == Qt::Horizontal && role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
        return {};
    }

    Qt::ItemFlags flags(const QModelIndex&) const override { return Qt::ItemIsEnabled; }

private:
    Qt::Alignment alignment(int r, int c) const {
        const Grid::Align a =
            align_ && c < static_cast<int>(align_->size()) ? (*align_)[static_cast<size_t>(c)] : Grid::Align::General;
        switch (a) {
            case Grid::Align::LeftTop: return Qt::AlignLeft | Qt::AlignTop;
            case Grid::Align::LeftCenter: return Qt::AlignLeft | Qt::AlignVCenter;
            case Grid::Align::LeftBottom: return Qt::AlignLeft | Qt::AlignBottom;
            case Grid::Align::CenterCenter: return Qt::AlignHCenter | Qt::AlignVCenter;
            case Grid::Align::RightCenter: return Qt::AlignRight | Qt::AlignVCenter;
            case Grid::Align::General: break;
        }
        // General: numbers to the right, text to the left.
        bool isNumber = false;
        QLocale::c().toDouble(cell(r, c).trimmed(), &isNumber);
        return (isNumber ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    }

    std::vector<QStringList> cells_;
    int cols_ = 0;
    int fixedRows_ = 0;
    int fixedCols_ = 0;
    const std::vector<Grid::Align>* align_ = nullptr;
    int batch_ = 0;
};

// The fixed row as a grey band with dark lines right and below, drawn directly:
// a style sheet would do the same at many times the cost of building the grid.
class GridHeader : public QHeaderView {
public:
    explicit GridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

protected:
    void paintSection(QPainter* p, const QRect& rect, int logicalIndex) const override {
        if (!rect.isValid())
            return;
        p->save();
        p->fillRect(rect, QColor(0xc0, 0xc0, 0xc0));
        p->setPen(QColor(0x80, 0x80, 0x80));
        p->drawLine(rect.topRight(), rect.bottomRight());
        p->drawLine(rect.bottomLeft(), rect.bottomRight());
        p->setPen(Qt::black);
        const QRect text = rect.adjusted(3, 0, -1, -1);
        const QString caption = model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
        p->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                    fontMetrics().elidedText(caption, textElideMode(), text.width()));
        p->restore();
    }
};

Grid::Grid(QWidget* parent) : QTableView(parent), model_(new GridModel(this)) {
    setHorizontalHeader(new GridHeader(this));
    setItemDelegate(new PlainTextDelegate(this));
    model_->setAlignments(&align_);
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::StrongFocus);
    setTabKeyNavigation(false);  // one stop in the tab chain: Tab leaves, arrows move inside
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setFixedHeight(fontMetrics().height() + 6);
    // The last column takes up what the columns leave of the width, so a grid
    // grown with its window shows no bare strip beside its rows.
    horizontalHeader()->setStretchLastSection(true);
    applyFixedRows();
}

Grid::~Grid() = default;

Grid::Batch::Batch(Grid& grid) : model_(*grid.model_) { model_.beginBatch(); }
Grid::Batch::~Batch() { model_.endBatch(); }

int Grid::Rows() const { return model_->rows(); }
void Grid::setRows(int rows) { model_->resizeTo(rows, model_->cols()); }
int Grid::Cols() const { return model_->cols(); }
void Grid::setCols(int cols) {
    model_->resizeTo(model_->rows(), cols);
    align_.resize(static_cast<size_t>(std::max(0, cols)), Align::General);
}

void Grid::setFixedRows(int rows) {
    fixedRows_ = std::max(0, rows);
    applyFixedRows();
}

void Grid::setFixedCols(int cols) {
    fixedCols_ = std::max(0, cols);
    model_->setFixed(fixedRows_, fixedCols_);
}

void Grid::applyFixedRows() {
    model_->setFixed(fixedRows_, fixedCols_);
    horizontalHeader()->setVisible(fixedRows_ > 0);
}

double Grid::ColWidth(int col) const { return toTwips(columnWidth(col)); }
void Grid::setColWidth(int col, double twips) { setColumnWidth(col, toPixels(twips)); }

void Grid::setColAlignment(int col, Align align) {
    if (col < 0) return;
    if (col >= static_cast<int>(align_.size())) align_.resize(static_cast<size_t>(col) + 1, Align::General);
    align_[static_cast<size_t>(col)] = align;
    viewport()->update();
}

Grid::Align Grid::ColAlignment(int col) const {
    return col >= 0 && col < static_cast<int>(align_.size()) ? align_[static_cast<size_t>(col)] : Align::General;
}

QString Grid::TextMatrix(int row, int col) const { return model_->cell(row, col); }
void Grid::setTextMatrix(int row, int col, const QString& text) { model_->setCell(row, col, text); }

void Grid::AddItem(const QString& tabSeparatedRow) {
    QStringList cells = tabSeparatedRow.split(u'\t');
    if (cells.size() > 1 && cells.last().isEmpty()) cells.removeLast();
    model_->appendRow(cells);
}

int Grid::TopRow() const { return verticalScrollBar()->value() + fixedRows_; }

void Grid::setTopRow(int row) {
    const int value = std::max(0, row - fixedRows_);
    // The scroll range is laid out lazily; make sure it knows the rows added so far.
    if (verticalScrollBar()->maximum() < value) updateGeometries();
    verticalScrollBar()->setValue(value);
}

double Grid::RowHeight(int) const { return toTwips(verticalHeader()->defaultSectionSize()); }

void Grid::Refresh() {
    viewport()->repaint();
    verticalScrollBar()->repaint();
}

}  // namespace ui
