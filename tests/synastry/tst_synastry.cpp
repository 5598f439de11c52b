// The synastry window: its reports on their pages, the sort notices, opening centred;
// and its sample reports checked for transcription slips (counts, the
// index rows, orbs and positions that must agree, the stated orders).

#include <QFontMetrics>
#include <QRegularExpression>
#include <QTest>

#include "fixtures.h"
#include "formtest.h"
#include "reports.h"
#include "shell/screen.h"
#include "shell/vocabulary.h"
#include "synastry/frmsynastry.h"
#include "synastry/synastry_rows.h"
#include "ui/controls.h"
#include "ui/grid.h"
#include "ui/indextab.h"
#include "ui/twips.h"

using synastry::frmSynastry;

namespace {

using testsupport::aspectMinutes;
using testsupport::separation;
using testsupport::splitAt;

// "22Gem00" (or an asteroid's "17Aqu10 R") -> arc minutes from 00Ari00; -1 if no position.
int arcMinutes(const QString& text) { return testsupport::positionMinutes(text, true); }

// "61°44'" -> arc minutes.
int angleMinutes(const QString& text) {
    static const QRegularExpression re(QStringLiteral("^(\\d+)°(\\d\\d)'$"));
    const auto m = re.match(text);
    return m.hasMatch() ? m.captured(1).toInt() * 60 + m.captured(2).toInt() : -1;
}


QStringList allCells(const ui::Grid& g) {
    QStringList cells;
    for (int r = 0; r < g.Rows(); ++r)
        for (int c = 0; c < g.Cols(); ++c) cells << g.TextMatrix(r, c);
    return cells;
}

const QStringList kPointOrder{"Sun", "Moo", "Mer", "Ven", "Mar", "Jup", "Sat", "Ura", "Nep",
                              "Plu", "Asc", "Mid", "MNN", "MSN", "PF",  "Vtx", "EPt"};

class TestSynastry : public QObject, testsupport::FormTest<frmSynastry> {
    Q_OBJECT

    ui::Grid* grid(const QString& name) const { return w->findChild<ui::Grid*>(name); }

private slots:
    void initTestCase() {
        testsupport::setUpHeadless();
        shell::FillVocabulary();
    }
    void init() { QVERIFY(open()); }
    void cleanup() { QVERIFY(closedCleanly()); }

    // Each report shows its stated number of rows under the one header row, within
    // its page, with its sort button under it and cut to the page (the layout
    // rules themselves are tst_shell's); no text is clipped: each fits its cell or
    // the empty cells it runs on over.
    void reportsShowTheirRowsWhole_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::newRow("chart") << "grdChart" << 84 << testsupport::texts(synastry::chartSynastryRows());
        QTest::newRow("midpoint") << "grdMidpoint" << 135 << testsupport::texts(synastry::midpointSynastryRows());
        QTest::newRow("arabic") << "grdArab" << 16 << testsupport::texts(synastry::arabicSynastryRows());
        QTest::newRow("asteroid") << "grdAsteroid" << 19 << testsupport::texts(synastry::asteroidSynastryRows());
    }
    void reportsShowTheirRowsWhole() {
        QFETCH(QString, name);
        QFETCH(int, count);
        QFETCH(QList<QStringList>, rows);
        ui::Grid& g = *grid(name);
        QWidget* page = g.parentWidget();
        QCOMPARE(rows.size(), count);
        QCOMPARE(g.Rows(), count + 1);
        QCOMPARE(g.FixedRows(), 1);
        for (int r = 0; r < count; ++r)
            for (int c = 0; c < g.Cols(); ++c) QCOMPARE(g.TextMatrix(r + 1, c), rows[r].value(c));
        QVERIFY(g.isVisibleTo(page));
        QVERIFY(ui::left(&g) >= 0 && ui::left(&g) + ui::width(&g) <= ui::width(page));
        auto* button = page->findChildren<ui::CommandButton*>().value(0);
        QCOMPARE(ui::top(button), ui::top(&g) + ui::height(&g));
        QVERIFY(ui::top(button) + ui::height(button) <= ui::height(page));

        const QFontMetrics fm(g.font());
        for (int r = 1; r < g.Rows(); ++r) {
            for (int c = 0; c < g.Cols(); ++c) {
                int room = 0;
                for (int s = 0; s < g.columnSpan(r - 1, c); ++s) room += g.columnWidth(c + s);
                QVERIFY2(fm.horizontalAdvance(g.TextMatrix(r, c)) < room, qPrintable(g.TextMatrix(r, c)));
            }
        }
    }

    // 79 aspect rows, grouped by the #2 point, then by the #1 point, both in point
    // order, each orb the distance from the aspect's angle; then an empty row and
    // the four index rows.
    void chartSynastryRows() {
        const ui::Grid& g = *w->grdChart;
        static const QRegularExpression value(QStringLiteral("^[+-]\\d+\\.\\d$"));
        std::pair<qsizetype, qsizetype> previous{-1, -1};
        for (int r = 1; r <= 79; ++r) {
            const QStringList words = g.TextMatrix(r, 0).split(u' ', Qt::SkipEmptyParts);
            QCOMPARE(words.size(), 3);
            const int aspect = aspectMinutes(words[1]);
            const int angle = angleMinutes(g.TextMatrix(r, 1));
            QVERIFY2(aspect >= 0 && angle >= 0, qPrintable(g.TextMatrix(r, 0)));
            QCOMPARE(angleMinutes(g.TextMatrix(r, 2)), std::abs(angle - aspect));
            QVERIFY2(value.match(g.TextMatrix(r, 3)).hasMatch(), qPrintable(g.TextMatrix(r, 3)));
            const std::pair order{kPointOrder.indexOf(words[0]), kPointOrder.indexOf(words[2])};
            QVERIFY2(order.second >= 0 && order > previous, qPrintable(g.TextMatrix(r, 0)));
            previous = order;
        }
        for (int c = 0; c < 4; ++c) QVERIFY(g.TextMatrix(80, c).isEmpty());
        static const QRegularExpression index(QStringLiteral("^[+-]?\\d+(\\.\\d+)?$"));
        for (int r = 81; r <= 84; ++r) {
            QVERIFY(g.TextMatrix(r, 0).endsWith(u':'));
            QVERIFY(g.TextMatrix(r, 1).isEmpty() && g.TextMatrix(r, 2).isEmpty());
            QVERIFY2(index.match(g.TextMatrix(r, 3)).hasMatch(), qPrintable(g.TextMatrix(r, 3)));
        }
    }

    void positionsLieWithinADegreeOfTheAspect_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("midpoint") << "grdMidpoint";
        QTest::newRow("arabic") << "grdArab";
        QTest::newRow("asteroid") << "grdAsteroid";
    }
    void positionsLieWithinADegreeOfTheAspect() {
        QFETCH(QString, name);
        const ui::Grid& g = *grid(name);
        QHash<QString, QString> positionOf;  // a point, midpoint, part or asteroid stands at one place
        for (int r = 1; r < g.Rows(); ++r) {
            const auto [planet, at2] = splitAt(g.TextMatrix(r, 0));
            const auto [other, at1] = splitAt(g.TextMatrix(r, 2));
            const int a = arcMinutes(at2);
            const int b = arcMinutes(at1);
            const int aspect = aspectMinutes(g.TextMatrix(r, 1));
            QVERIFY2(a >= 0 && b >= 0 && aspect >= 0, qPrintable(QString::number(r)));
            QVERIFY2(std::abs(separation(a, b) - aspect) <= 60, qPrintable(QString::number(r)));
            QCOMPARE(positionOf.value(u'2' + planet, at2), at2);
            QCOMPARE(positionOf.value(u'1' + other, at1), at1);
            positionOf.insert(u'2' + planet, at2);
            positionOf.insert(u'1' + other, at1);
        }
    }

    void midpointsCountedByAspectAndOrderedByPlace() {
        const ui::Grid& g = *w->grdMidpoint;
        QMap<QString, int> perAspect;
        std::pair<qsizetype, int> previous{-1, -1};
        for (int r = 1; r < g.Rows(); ++r) {
            ++perAspect[g.TextMatrix(r, 1)];
            const auto [planet, at2] = splitAt(g.TextMatrix(r, 0));
            const std::pair order{kPointOrder.indexOf(planet.trimmed()),
                                  arcMinutes(splitAt(g.TextMatrix(r, 2)).second)};
            QVERIFY2(order.first >= 0 && order >= previous, qPrintable(QString::number(r)));
            previous = order;
        }
        const QMap<QString, int> stated{{"CJN", 16}, {"SOK", 23}, {"SSQ", 24}, {"SQR", 24}, {"SES", 35}, {"OPP", 13}};
        QCOMPARE(perAspect, stated);
    }

    void asteroidsStandInAlphabeticalOrder() {
        QStringList names;
        for (int r = 1; r < w->grdAsteroid->Rows(); ++r) names << splitAt(w->grdAsteroid->TextMatrix(r, 2)).first;
        QVERIFY(std::is_sorted(names.begin(), names.end()));
    }

    void sortButtonsExplainAndChangeNothing_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        const QString location = QStringLiteral("Sort by Location");
        const QString byLocation = QStringLiteral("Clicking here will sort the report by the location of the %1.");
        QTest::newRow("chart") << "cmdChart"
                               << "Sort By Values"
                               << "Sort by Value"
                               << "Clicking here will sort the report by the value of the aspect from the greatest "
                                  "to the least.";
        QTest::newRow("midpoint") << "cmdMidpoint" << location << location << byLocation.arg("Midpoint");
        QTest::newRow("arabic") << "cmdArabic" << location << location << byLocation.arg("Arabic Part");
        QTest::newRow("asteroid") << "cmdAstLoc" << location << location << byLocation.arg("Asteroid");
    }
    void sortButtonsExplainAndChangeNothing() {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(QString, title);
        QFETCH(QString, text);
        testsupport::MsgBoxRecorder boxes;
        auto* b = w->findChild<ui::CommandButton*>(button);
        QCOMPARE(b->text(), caption);
        const auto* g = b->parentWidget()->findChild<ui::Grid*>();
        const QStringList before = allCells(*g);
        for (int t = 0; t < w->VSIndexTab1->count(); ++t) {
            if (w->VSIndexTab1->page(t) == b->parentWidget()) w->VSIndexTab1->setCurrTab(t);
        }
        for (int press = 1; press <= 2; ++press) {
            QTest::mouseClick(b, Qt::LeftButton);
            QCOMPARE(boxes.boxes().size(), press);
            QCOMPARE(boxes.boxes().last(), (ui::MsgRecord{text, ui::Icon::Information, title}));
            QCOMPARE(allCells(*g), before);
        }
    }

    // Opened as the main menu opens it (its buttons: tst_shell; a new opening is
    // a new window: tst_ui), centred, and closed by its button.
    void opensCentredAndCloses() {
        QVERIFY(close());
        testsupport::ScreenOverride screen(30000, 24000);
        QVERIFY(open());
        QCOMPARE(w->windowTitle(), QStringLiteral("Starwright Synastry Tables"));
        QCOMPARE(w->VSIndexTab1->CurrTab(), 0);
        // Placed while it loaded, before the window system framed it.
        QCOMPARE(ui::left(w), double(shell::centredOffset(30000, ui::toTwips(w->width()), 2)));
        QCOMPARE(ui::top(w), double(shell::centredOffset(24000, ui::toTwips(w->height()), 3)));
        QTest::mouseClick(w->Command3D1, Qt::LeftButton);
        QTRY_VERIFY(!Slot::exists());
    }
};

}  // namespace

QTEST_MAIN(TestSynastry)
#include "tst_synastry.moc"
