// The report grid: row model with its fixed header row, appending, scrolling.

#include <array>

#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTest>

#include "fixtures.h"
#include "tests.h"
#include "ui/controls.h"
#include "ui/grid.h"
#include "ui/twips.h"

namespace {

class TestGrid : public QObject {
    Q_OBJECT
private slots:
    void rowsCellsAndColumns() {
        ui::Grid g;
        g.setRows(1);
        g.setCols(3);
        g.setTextMatrix(0, 0, QStringLiteral("A "));
        g.AddItem(QStringLiteral("x\ty\tz"));
        g.AddItem(QStringLiteral("p\tq\t"));  // a trailing separator adds nothing
        g.AddItem(QStringLiteral("\t\t"));    // an empty row stays three empty cells
        g.AddItem(QStringLiteral("only"));
        g.setFixedRows(1);
        QCOMPARE(g.Rows(), 5);  // the header row counts
        QCOMPARE(g.TextMatrix(0, 0), QStringLiteral("A "));
        QCOMPARE(g.TextMatrix(2, 1), QStringLiteral("q"));
        QCOMPARE(g.TextMatrix(2, 2), QString());
        QCOMPARE(g.TextMatrix(3, 0), QString());
        QCOMPARE(g.TextMatrix(4, 0), QStringLiteral("only"));
        QCOMPARE(g.model()->rowCount(), 4);  // the view scrolls the data rows only
        QCOMPARE(g.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("A "));
        QVERIFY(!g.horizontalHeader()->isHidden());
        QCOMPARE(g.TextMatrix(9, 9), QString());  // out of range reads as empty
        // Cell by cell through the current row and column.
        g.setRow(2);
        g.setCol(1);
        g.setText(QStringLiteral("Jupiter/Neptune"));
        QCOMPARE(g.TextMatrix(2, 1), QStringLiteral("Jupiter/Neptune"));
        QCOMPARE(g.Text(), QStringLiteral("Jupiter/Neptune"));
        g.setColWidth(0, 2000);
        QCOMPARE(g.ColWidth(0), 2000.0 - std::fmod(2000.0, ui::kTwipsPerPixel));
        g.setTextMatrix(1, 0, QStringLiteral("0.48"));
        g.setColAlignment(1, ui::Grid::Align::LeftBottom);
        const auto align = [&](int c) {
            return g.model()->data(g.model()->index(0, c), Qt::TextAlignmentRole).value<Qt::Alignment>();
        };
        QCOMPARE(align(0), Qt::AlignRight | Qt::AlignVCenter);  // general: numbers right
        QCOMPARE(align(1), Qt::AlignLeft | Qt::AlignBottom);
    }

    void topRowScrollsBelowTheHeader() {
        ui::Grid g;
        g.setCols(1);
        g.setRows(1);
        for (int i = 1; i <= 60; ++i) g.AddItem(QString::number(i));
        g.setFixedRows(1);
        g.resize(200, 200);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        QCOMPARE(g.TopRow(), 1);
        g.setTopRow(25);
        QCOMPARE(g.TopRow(), 25);
        QCOMPARE(g.rowAt(0), 24);  // view row 24 is grid row 25, right under the header
        g.setTopRow(1);
        QCOMPARE(g.TopRow(), 1);
        QVERIFY(g.RowHeight(1) > 0);
        g.close();
    }

    // Cells and list lines are drawn with the text laid out once; every pixel must
    // match the toolkit's own delegate: each alignment, numbers and text, a grey
    // fixed column, a spanned cell, text too long for its cell, a selected and
    // current line, a disabled control.
    void cellsDrawAsTheToolkitDraws_data() {
        QTest::addColumn<bool>("enabled");
        QTest::newRow("enabled") << true;
        QTest::newRow("disabled") << false;
    }
    void cellsDrawAsTheToolkitDraws() {
        QFETCH(bool, enabled);
        ui::Grid g;
        g.setCols(7);
        g.setRows(1);
        g.setFixedCols(1);
        const std::array aligns{ui::Grid::Align::General, ui::Grid::Align::General, ui::Grid::Align::LeftTop,
                                ui::Grid::Align::LeftCenter, ui::Grid::Align::LeftBottom,
                                ui::Grid::Align::CenterCenter, ui::Grid::Align::RightCenter};
        for (int c = 0; c < 7; ++c) {
            g.setColAlignment(c, aligns[static_cast<size_t>(c)]);
            g.setTextMatrix(0, c, QStringLiteral("Head %1").arg(c));
            g.setColWidth(c, 900 + 150 * c);
        }
        g.AddItem(QStringLiteral("Sun\t12.5\tMoon\tConjunction\tTrine\t0.48\t-3"));
        g.AddItem(QStringLiteral("Mercury/Venus\t  7 Gem 05\tA text far too long for its narrow cell\t\t\tx\t"));
        g.AddItem(QStringLiteral("\t1E-05\t\tSpills over the empty cells beside it\t\t\t"));
        g.setFixedRows(1);
        g.setSpan(2, 3, 1, 4);
        g.resize(900, 160);
        ui::ListBox list;
        for (const char* line : {"Natal Chart", "A line far too long for the narrow list that shows it", "Transits"})
            list.AddItem(QString::fromLatin1(line));
        list.setListIndex(2);
        list.resize(150, 80);
        for (QAbstractItemView* view : std::initializer_list<QAbstractItemView*>{&g, &list}) {
            view->setEnabled(enabled);
            view->grab();  // lays the view out; a view's first grab shows its scroll bars unsized
            const QImage fast = view->grab().toImage();
            view->setItemDelegate(new QStyledItemDelegate(view));
            QVERIFY(fast == view->grab().toImage());
        }
    }
};

}  // namespace

QObject* makeGridTest() { return new TestGrid; }

#include "tst_grid.moc"
