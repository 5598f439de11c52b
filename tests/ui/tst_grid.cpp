// The report grid: row model with its fixed header row, appending, scrolling.

#include <QHeaderView>
#include <QTest>

#include "fixtures.h"
#include "tests.h"
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

};

}  // namespace

QObject* makeGridTest() { return new TestGrid; }

#include "tst_grid.moc"
