// The synastry window: report layout, the sort notices, opening from the main
// menu; and its sample reports checked for transcription slips (counts, the
// index rows, orbs and positions that must agree, the stated orders).

#include <QFontMetrics>
#include <QRegularExpression>
#include <QTest>

#include "fixtures.h"
#include "shell/mainmenu.h"
#include "shell/screen.h"
#include "shell/vocabulary.h"
#include "synastry/frmsynastry.h"
#include "ui/controls.h"
#include "ui/grid.h"
#include "ui/indextab.h"
#include "ui/twips.h"

using synastry::frmSynastry;

namespace {

constexpr int kCircle = 360 * 60;  // arc minutes

// "22Gem00" (or an asteroid's "17Aqu10 R") -> arc minutes from 00Ari00; -1 if no position.
int arcMinutes(const QString& text) {
    static const QRegularExpression re(QStringLiteral("^(\\d\\d)([A-Z][a-z]{2})(\\d\\d)( R)?$"));
    const auto m = re.match(text);
    const int sign = shell::SignAbbr.left(36).indexOf(m.captured(2));
    const int degrees = m.captured(1).toInt();
    const int minutes = m.captured(3).toInt();
    if (!m.hasMatch() || sign < 0 || sign % 3 || degrees > 29 || minutes > 59) return -1;
    return (sign / 3 * 30 + degrees) * 60 + minutes;
}

// "61°44'" -> arc minutes.
int angleMinutes(const QString& text) {
    static const QRegularExpression re(QStringLiteral("^(\\d+)°(\\d\\d)'$"));
    const auto m = re.match(text);
    return m.hasMatch() ? m.captured(1).toInt() * 60 + m.captured(2).toInt() : -1;
}

// The aspect's angle in arc minutes, from the program's aspect table; -1 if unknown.
int aspectMinutes(const QString& code) {
    for (const QString& def : shell::AspectDef) {
        if (def.left(3) == code) return def.mid(3, 3).toInt() * 60 + def.mid(6, 3).toInt() * 60 / 1000;
    }
    return -1;
}

int separation(int a, int b) {
    const int d = std::abs(a - b) % kCircle;
    return std::min(d, kCircle - d);
}

// "Sat/PF  at 21Gem18" -> {"Sat/PF ", "21Gem18"}.
std::pair<QString, QString> splitAt(const QString& cell) {
    const qsizetype at = cell.indexOf(QStringLiteral(" at "));
    return at < 0 ? std::pair<QString, QString>{} : std::pair{cell.left(at), cell.mid(at + 4)};
}

QStringList allCells(const ui::Grid& g) {
    QStringList cells;
    for (int r = 0; r < g.Rows(); ++r)
        for (int c = 0; c < g.Cols(); ++c) cells << g.TextMatrix(r, c);
    return cells;
}

const QStringList kPointOrder{"Sun", "Moo", "Mer", "Ven", "Mar", "Jup", "Sat", "Ura", "Nep",
                              "Plu", "Asc", "Mid", "MNN", "MSN", "PF",  "Vtx", "EPt"};

class TestSynastry : public QObject {
    Q_OBJECT

    frmSynastry* w = nullptr;

    ui::Grid* grid(const QString& name) const { return w->findChild<ui::Grid*>(name); }

private slots:
    void initTestCase() {
        testsupport::setUpHeadless();
        shell::FillVocabulary();
    }
    void init() {
        ui::FormSlot<frmSynastry>::showModal();
        w = ui::FormSlot<frmSynastry>::peek();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    void cleanup() {
        if (ui::FormSlot<frmSynastry>::exists()) ui::FormSlot<frmSynastry>::get().Unload();
        QTRY_VERIFY(!ui::FormSlot<frmSynastry>::exists());
        QCOMPARE(testsupport::visibleWindows().size(), 0);
    }

    void reportsAreLaidOutAsStated_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("dataRows");
        QTest::addColumn<double>("width");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("title");
        QTest::newRow("chart") << "grdChart" << 84 << 5230.0 << "#2  ASPECTS  #1|ANGLES|ORBS|VALUES"
                               << "Label3";
        QTest::newRow("midpoint") << "grdMidpoint" << 135 << 5740.0
                                  << "#2 Planet & Position |Aspect |#1 Midpoint & Location "
                                  << "Label4";
        QTest::newRow("arabic") << "grdArab" << 16 << 7730.0
                                << "#2 Planet & Position |Aspect |#1 Arabic Part & Location "
                                << "Label7";
        QTest::newRow("asteroid") << "grdAsteroid" << 19 << 6340.0
                                  << "#2 Planet & Position |Aspect |#1 Asteroid & Location "
                                  << "";
    }
    void reportsAreLaidOutAsStated() {
        QFETCH(QString, name);
        QFETCH(int, dataRows);
        QFETCH(double, width);
        QFETCH(QString, header);
        QFETCH(QString, title);
        ui::Grid& g = *grid(name);
        QWidget* page = g.parentWidget();
        QCOMPARE(g.Rows(), dataRows + 1);
        QCOMPARE(g.FixedRows(), 1);
        QStringList head;
        for (int c = 0; c < g.Cols(); ++c) head << g.TextMatrix(0, c);
        QCOMPARE(head.join(u'|'), header);

        QCOMPARE(ui::width(&g), width);
        QCOMPARE(ui::height(&g), 0.9 * (ui::height(page) - ui::top(&g)));
        QCOMPARE(ui::left(&g), double(shell::centredOffset(ui::width(page), width, 2)));
        QVERIFY(g.isVisibleTo(page));
        if (!title.isEmpty()) {
            auto* label = page->findChild<ui::Label*>(title);
            QCOMPARE(ui::left(label), double(shell::centredOffset(ui::width(page), ui::width(label), 2)));
        }
        auto* button = page->findChildren<ui::CommandButton*>().value(0);
        QCOMPARE(ui::top(button), ui::top(&g) + ui::height(&g));
        QCOMPARE(ui::left(button), ui::left(&g));
        QCOMPARE(ui::width(button), width);
        QVERIFY(ui::top(button) + ui::height(button) <= ui::height(page));

        // Nothing is clipped: every text fits its cell, or the empty cells it runs on over.
        const QFontMetrics fm(g.font());
        for (int r = 1; r < g.Rows(); ++r) {
            for (int c = 0; c < g.Cols(); ++c) {
                int room = 0;
                for (int s = 0; s < g.columnSpan(r - 1, c); ++s) room += g.columnWidth(c + s);
                QVERIFY2(fm.horizontalAdvance(g.TextMatrix(r, c)) < room, qPrintable(g.TextMatrix(r, c)));
            }
        }
    }

    void chartSynastryEndsWithAnEmptyRowAndTheIndexRows() {
        const ui::Grid& g = *w->grdChart;
        static const QRegularExpression value(QStringLiteral("^[+-]\\d+\\.\\d$"));
        for (int r = 1; r <= 79; ++r)
            QVERIFY2(value.match(g.TextMatrix(r, 3)).hasMatch(), qPrintable(g.TextMatrix(r, 3)));
        for (int c = 0; c < 4; ++c) QVERIFY(g.TextMatrix(80, c).isEmpty());
        static const QRegularExpression index(QStringLiteral("^[+-]?\\d+(\\.\\d+)?$"));
        for (int r = 81; r <= 84; ++r) {
            QVERIFY(g.TextMatrix(r, 0).endsWith(u':'));
            QVERIFY(g.TextMatrix(r, 1).isEmpty() && g.TextMatrix(r, 2).isEmpty());
            QVERIFY2(index.match(g.TextMatrix(r, 3)).hasMatch(), qPrintable(g.TextMatrix(r, 3)));
        }
    }

    void chartOrbsAreTheDistanceFromTheAspectAngle() {
        const ui::Grid& g = *w->grdChart;
        std::pair<qsizetype, qsizetype> previous{-1, -1};
        for (int r = 1; r <= 79; ++r) {
            const QStringList words = g.TextMatrix(r, 0).split(u' ', Qt::SkipEmptyParts);
            QCOMPARE(words.size(), 3);
            const int aspect = aspectMinutes(words[1]);
            const int angle = angleMinutes(g.TextMatrix(r, 1));
            QVERIFY2(aspect >= 0 && angle >= 0, qPrintable(g.TextMatrix(r, 0)));
            QCOMPARE(angleMinutes(g.TextMatrix(r, 2)), std::abs(angle - aspect));
            // Grouped by the #2 point, then by the #1 point, both in point order.
            const std::pair order{kPointOrder.indexOf(words[0]), kPointOrder.indexOf(words[2])};
            QVERIFY2(order.second >= 0 && order > previous, qPrintable(g.TextMatrix(r, 0)));
            previous = order;
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

    void theMainMenuOpensAFreshCentredWindowEachTime() {
        w->Unload();
        QTRY_VERIFY(!ui::FormSlot<frmSynastry>::exists());
        testsupport::ScreenOverride screen(30000, 24000);
        shell::Form1 menu;
        menu.Form_Load();
        menu.setFeature(7, &ui::FormSlot<frmSynastry>::showModal);
        for (int opening = 0; opening < 2; ++opening) {
            QVERIFY(testsupport::showActive(menu));
            QTest::keyClick(&menu, Qt::Key_S, Qt::AltModifier);
            QVERIFY(ui::FormSlot<frmSynastry>::exists());
            w = ui::FormSlot<frmSynastry>::peek();
            QVERIFY(w->isVisible());
            QCOMPARE(w->windowTitle(), QStringLiteral("Starwright Synastry Tables"));
            QCOMPARE(w->VSIndexTab1->CurrTab(), 0);
            QCOMPARE(w->grdChart->Rows(), 85);
            // Placed while it loaded, before the window system framed it.
            QCOMPARE(ui::left(w), double(shell::centredOffset(30000, ui::toTwips(w->width()), 2)));
            QCOMPARE(ui::top(w), double(shell::centredOffset(24000, ui::toTwips(w->height()), 3)));
            QTest::mouseClick(w->Command3D1, Qt::LeftButton);
            QTRY_VERIFY(!ui::FormSlot<frmSynastry>::exists());
        }
        menu.close();
    }
};

}  // namespace

QTEST_MAIN(TestSynastry)
#include "tst_synastry.moc"
