// The tables window: protected sample inputs, the sunrise button, the courtesy
// block's justification, the reports on their pages and the scroll preview.

#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "fixtures.h"
#include "formtest.h"
#include "shell/vocabulary.h"
#include "reports.h"
#include "tables/frmtables.h"
#include "tables/report_rows.h"
#include "ui/controls.h"
#include "ui/elastic.h"
#include "ui/grid.h"
#include "ui/indextab.h"
#include "ui/twips.h"

using tables::frmTables;

namespace {

class TestTables : public QObject, testsupport::FormTest<frmTables> {
    Q_OBJECT

    // The first visible row each time the grid scrolled.
    static QList<int> topRowsDuring(ui::Grid& g, const std::function<void()>& action) {
        QList<int> rows;
        QObject guard;
        QObject::connect(g.verticalScrollBar(), &QScrollBar::valueChanged, &guard,
                         [&](int) { rows << g.TopRow(); });
        action();
        return rows;
    }

    static ui::TextBox* box(frmTables& f, int i) { return f.txtInput[size_t(i)]; }

private slots:
    void initTestCase() {
        testsupport::setUpHeadless();
        shell::FillVocabulary();
    }
    void init() { QVERIFY(open()); }
    void cleanup() { QVERIFY(closedCleanly()); }

    void opensOnTheSunrisePageWithTheSampleInputs() {
        QCOMPARE(w->windowTitle(), QStringLiteral("Starwright Tables"));
        QCOMPARE(w->VSIndexTab1->CurrTab(), 0);
        QStringList inputs;
        for (int i = 0; i < 10; ++i) inputs << box(*w, i)->text();
        QCOMPARE(inputs.join(u' '), QStringLiteral("10 10 1994 00 00 00 118 32 34 10"));
        QVERIFY(!w->VSElastic4->isVisible());
        for (auto* options : {w->ADBC, w->AMPM, w->EWOp, w->NSOp}) QCOMPARE(options->selected(), 0);
        for (int t = 2; t <= 7; ++t)
            QCOMPARE(w->Label9[size_t(t)]->text(), QStringLiteral("To view the report use the scroll bar."));
        for (int tab : {0, 7, 0}) {  // no preview, at the opening nor on the sunrise and courtesy pages
            w->VSIndexTab1->setCurrTab(tab);
            QCOMPARE(w->VSIndexTab1->CurrTab(), tab);
            for (int t = 2; t <= 7; ++t) QVERIFY(!w->Label9[size_t(t)]->isVisibleTo(w));
        }
    }

    void protectedOptionsSnapBack_data() {
        QTest::addColumn<QString>("array");
        QTest::addColumn<int>("index");
        QTest::newRow("B.C.") << "ADBC" << 1;
        QTest::newRow("PM") << "AMPM" << 1;
        QTest::newRow("Unknown") << "AMPM" << 2;
        QTest::newRow("East") << "EWOp" << 1;
        QTest::newRow("South") << "NSOp" << 1;
    }
    void protectedOptionsSnapBack() {
        QFETCH(QString, array);
        QFETCH(int, index);
        ui::OptionArray* options = array == u"ADBC"   ? w->ADBC
                                   : array == u"AMPM" ? w->AMPM
                                   : array == u"EWOp" ? w->EWOp
                                                      : w->NSOp;
        QTest::mouseClick((*options)[index], Qt::LeftButton);
        QCOMPARE(options->selected(), 0);
        QVERIFY((*options)[0]->isChecked());
        QVERIFY(!(*options)[index]->isChecked());
    }

    void typingChangesNoSampleInput() {
        for (int i = 0; i < 10; ++i) {
            ui::TextBox* b = box(*w, i);
            const QString before = b->text();
            b->setFocus();
            QTest::keyClicks(b, QStringLiteral("9x,"));
            QTest::keyClick(b, Qt::Key_Backspace);
            QTest::keyClick(b, Qt::Key_Delete);
            QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(b->text(), before);
        }
    }

    void sunriseShowsTheTimeAndThePicture() {
        for (int press = 0; press < 2; ++press) {
            QTest::mouseClick(w->Sunrise, Qt::LeftButton);
            QCOMPARE(box(*w, 3)->text() + box(*w, 4)->text() + box(*w, 5)->text(), QStringLiteral("065926"));
            QVERIFY(w->VSElastic4->isVisible());
            QCOMPARE(box(*w, 0)->text(), QStringLiteral("10"));  // the date stays
        }
    }

    void justificationIsIdempotent_data() {
        QTest::addColumn<int>("option");
        QTest::newRow("right") << 1;
        QTest::newRow("center") << 2;
    }
    void justificationIsIdempotent() {
        QFETCH(int, option);
        w->BlockLine[1]->setText(QStringLiteral("   Nora Keswick  "));
        w->Justify1->select(option);
        QStringList once;
        for (auto* line : w->BlockLine) once << line->text();
        w->Justify1->select(option);
        QStringList twice;
        for (auto* line : w->BlockLine) twice << line->text();
        QCOMPARE(twice, once);

        const QFont f = w->font();
        for (auto* line : w->BlockLine) {
            const QString text = line->text();
            const QString s = text.trimmed();
            const QString pad = text.left(text.size() - s.size());
            QVERIFY2(!pad.isEmpty() && pad.trimmed().isEmpty(), qPrintable(text));  // empty lines too
            // The text now sits at the right edge (less three blanks) or centred.
            const double boxW = ui::width(line);
            const double end = option == 1 ? ui::textWidthTwips(f, pad + QStringLiteral("   ")) + ui::textWidthTwips(f, s)
                                            : ui::textWidthTwips(f, pad) + ui::textWidthTwips(f, s) / 2;
            const double goal = option == 1 ? boxW : boxW / 2;
            const double blank = ui::textWidthTwips(f, QStringLiteral(" "));
            QVERIFY2(end >= goal && end < goal + blank + 1, qPrintable(text));
        }
        w->Justify1->select(0);  // Left removes the padding again
        QCOMPARE(w->BlockLine[1]->text(), QStringLiteral("Nora Keswick"));
        QCOMPARE(w->BlockLine[6]->text(), QString());
    }

    // Each report shows its rows under the one header row, on a page as wide as
    // the tab control's, within the tab control; a sort button sits under its grid.
    // The layout rules are tst_shell's, the rows' own consistency tst_report_data_*'s.
    void reportsShowTheirRows_data() {
        using testsupport::texts;
        QTest::addColumn<int>("tab");
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<bool>("sorts");
        QTest::newRow("midpoints") << 1 << texts(tables::midpointRows()) << false;
        QTest::newRow("midpoint aspects") << 2 << texts(tables::midpointAspectRows()) << true;
        QTest::newRow("chart analysis") << 3 << texts(tables::chartAnalysisRows()) << false;
        QTest::newRow("angles") << 4 << texts(tables::angleRows()) << false;
        QTest::newRow("arabic parts") << 5 << texts(tables::arabicPartRows()) << true;
        QTest::newRow("arabic aspects") << 6 << texts(tables::arabicAspectRows()) << true;
    }
    void reportsShowTheirRows() {
        QFETCH(int, tab);
        QFETCH(QList<QStringList>, rows);
        QFETCH(bool, sorts);
        ui::Grid& g = *w->reportGrid(tab);
        QCOMPARE(g.Rows(), rows.size() + 1);
        QCOMPARE(g.FixedRows(), 1);
        for (int r = 0; r < rows.size(); ++r)
            for (int c = 0; c < g.Cols(); ++c) QCOMPARE(g.TextMatrix(r + 1, c), rows[r].value(c));
        QCOMPARE(ui::width(g.parentWidget()), w->VSIndexTab1->pageSizeTwips().width());
        QVERIFY(g.isVisibleTo(g.parentWidget()));
        QVERIFY(ui::left(&g) >= 0 && ui::left(&g) + ui::width(&g) <= ui::width(w->VSIndexTab1));
        const auto buttons = g.parentWidget()->findChildren<ui::CommandButton*>();
        QCOMPARE(buttons.size(), sorts ? 1 : 0);
        for (ui::CommandButton* b : buttons) {
            QCOMPARE(ui::top(b), ui::top(&g) + ui::height(&g));
            QCOMPARE(ui::left(b), ui::left(&g));
        }
    }

    void previewScrollsInFifthsAndEndsOnRowOne_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<double>("taller");  // the window's height grown by
        for (int t = 1; t <= 6; ++t) QTest::newRow(qPrintable(QStringLiteral("tab %1").arg(t))) << t << 1.0;
        QTest::newRow("chart analysis, window taller") << 3 << 1.5;
    }
    void previewScrollsInFifthsAndEndsOnRowOne() {
        QFETCH(int, tab);
        QFETCH(double, taller);
        ui::Grid& g = *w->reportGrid(tab);
        if (taller > 1.0) {
            w->resize(w->width(), int(w->height() * taller));
            w->VSIndexTab1->setCurrTab(tab);  // a page takes its new size when shown
            w->VSIndexTab1->setCurrTab(0);
            QVERIFY(ui::toTwips(g.height()) > ui::height(&g) * 1.2);
        }
        // The rows hidden below the grid as it is now.
        const int hidden = g.Rows() - int(ui::toTwips(g.height()) / g.RowHeight(1));
        QVERIFY(hidden >= 5);
        const int step = hidden / 5;
        for (int selection = 0; selection < 2; ++selection) {  // every selection previews again
            QList<int> expected;
            for (int top = 1; top <= hidden; top += step) expected << top;
            expected << 1;
            if (expected.first() == 1) expected.removeFirst();  // already on row 1: no scroll signal
            const QList<int> seen = topRowsDuring(g, [&] {
                QTest::mouseClick(w->VSIndexTab1->tabBar(), Qt::LeftButton, {},
                                  w->VSIndexTab1->tabBar()->tabRect(tab).center());
            });
            // The view cannot scroll past its last full page; the preview asks for
            // those rows all the same.
            const int maxTop = g.verticalScrollBar()->maximum() + 1;
            for (int& r : expected) r = std::min(r, maxTop);
            expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
            QCOMPARE(seen, expected);
            QCOMPARE(g.TopRow(), 1);
            QCOMPARE(w->VSIndexTab1->CurrTab(), tab);
            if (selection == 0) QTest::mouseClick(w->VSIndexTab1->tabBar(), Qt::LeftButton, {},
                                                  w->VSIndexTab1->tabBar()->tabRect(0).center());
        }
        QLabel* arrow = w->imgDownArrow[size_t(tab + 1)];
        ui::Label* hint = w->Label9[size_t(tab + 1)];
        QVERIFY(arrow->isVisible());
        QVERIFY(hint->isVisible());
        QCOMPARE(ui::left(arrow) + ui::width(arrow), ui::left(&g) + ui::width(&g));
        QCOMPARE(ui::left(hint) + ui::width(hint), ui::left(arrow));
        for (int other = 1; other <= 6; ++other) {
            if (other != tab) QVERIFY(!w->Label9[size_t(other + 1)]->isVisibleTo(w));
        }
    }

    void previewWithFewHiddenRowsStepsByOne() {
        ui::Grid& g = *w->grdMP;
        const int visible = int(ui::toTwips(g.height()) / g.RowHeight(1));
        g.setRows(visible + 3);
        w->VSIndexTab1->setCurrTab(1);
        const QList<int> seen = topRowsDuring(g, [&] { w->PreviewScroll(g, 0, 1); });
        QVERIFY(!seen.isEmpty());
        QCOMPARE(seen.last(), 1);
        QCOMPARE(g.TopRow(), 1);
    }

    void sortNoticeOnlyOnTheArabicPartsPage() {
        testsupport::MsgBoxRecorder boxes;
        const QString firstRow = w->grdArabic->TextMatrix(1, 0);
        w->VSIndexTab1->setCurrTab(5);
        QTest::mouseClick(w->cmdSortArabic, Qt::LeftButton);
        w->VSIndexTab1->setCurrTab(6);
        QTest::mouseClick(w->cmdSortArabicAspects, Qt::LeftButton);
        w->VSIndexTab1->setCurrTab(2);
        QTest::mouseClick(w->cmdSortMP, Qt::LeftButton);
        QCOMPARE(boxes.boxes().size(), 1);
        QCOMPARE(boxes.boxes()[0],
                 (ui::MsgRecord{"Clicking here will sort the report by the location of the Arabic Part.",
                                ui::Icon::Information, "Sort by Location"}));
        QCOMPARE(w->grdArabic->TextMatrix(1, 0), firstRow);
    }

    // Unloaded, so the next opening is a new window (the slot's rule: tst_ui).
    void closeUnloads() {
        QTest::mouseClick(w->Command3D1, Qt::LeftButton);
        QTRY_VERIFY(!Slot::exists());
    }
};

}  // namespace

QTEST_MAIN(TestTables)
#include "tst_tables.moc"
