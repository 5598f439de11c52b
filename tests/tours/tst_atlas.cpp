// The atlas window: what each replay leaves behind, the typing itself, the
// atlas buttons' answers, and input that arrives while the sample is typed.

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "fixtures.h"
#include "tours/atlas_texts.h"
#include "formtest.h"
#include "tours/frmpcatlas.h"
#include "ui/controls.h"
#include "ui/elastic.h"
#include "ui/indextab.h"
#include "ui/pause.h"

using testsupport::MsgBoxRecorder;
using tours::frmPCAtlas;

namespace {

const QString kTry = QStringLiteral("Try clicking on the \"Read &Atlas\" Button.");
const QString kResult = QStringLiteral(
    "All the information returned by the PC Atlas is displayed almost immediately.  \r\n\n"
    "Try clicking on the other command buttons.");
const QString kTyped = QStringLiteral("Seattle, WA|11|27|1942|10|15|00");
const QString kEmpty = QStringLiteral("||||||");

class TestAtlas : public QObject, testsupport::FormTest<frmPCAtlas> {
    Q_OBJECT

    void clickTab(int tab) { testsupport::clickTab(w->VSIndexTab1, tab); }
    void act(const QString& step) {
        if (step == u"tick")
            w->Timer1_Timer();
        if (step == u"read")
            QTest::mouseClick(w->cmdAtlas[0], Qt::LeftButton);
        if (step == u"becomes")
            clickTab(1);
        if (step == u"back")
            clickTab(0);
    }
    template <class Array>
    static QString texts(const Array& controls) {
        QStringList out;
        for (auto* c : controls) out << c->text();
        return out.join(u'|');
    }

private slots:
    void init() { QVERIFY(open()); }
    void cleanup() { QVERIFY(closedCleanly()); }

    void whatAReplayLeaves_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<QString>("results");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("commentary");
        const QString shown = QStringLiteral("Seattle, King, Washington|11|27|1942|10|15|00");
        const QString found = QStringLiteral(
            "Seattle|King|Washington|47 n 36 23|122 w 19 51|8 hours from UT, War|+ 7 h 0 m 0 s");
        QTest::newRow("load: its tab click replays nothing") << "" << kEmpty << kEmpty << ""
                                                             << "";
        QTest::newRow("timer") << "tick" << kTyped << kEmpty << "" << kTry;
        QTest::newRow("read before the timer")
            << "read"
            << "Seattle, King, Washington||||||" << found << "PWT" << kResult;
        QTest::newRow("read, then the timer empties")
            << "read tick" << kTyped << kEmpty << "PWT" << kTry;
        QTest::newRow("read after the replay") << "tick read" << shown << found << "PWT" << kResult;
        QTest::newRow("read twice") << "tick read read" << shown << found << "PWT" << kResult;
        QTest::newRow("becomes alone") << "becomes" << kEmpty << kEmpty << ""
                                       << "";
        QTest::newRow("becomes and back")
            << "tick read becomes back" << kTyped << kEmpty << "PWT" << kTry;
        QTest::newRow("commentary stays through a replay")
            << "tick read becomes back becomes" << kTyped << kEmpty << "PWT" << kTry;
    }
    void whatAReplayLeaves() {
        QFETCH(QString, steps);
        QFETCH(QString, boxes);
        QFETCH(QString, results);
        QFETCH(QString, zone);
        QFETCH(QString, commentary);
        for (const QString& step : steps.split(u' ', Qt::SkipEmptyParts)) act(step);
        QCOMPARE(texts(w->txtBox), boxes);
        QCOMPARE(texts(w->lblReturn), results);
        QCOMPARE(w->ZoneAbbrev->text(), zone);
        QCOMPARE(w->Label18->text(), commentary);
        QCOMPARE(w->Option1->selected(), boxes == kEmpty || steps == u"read" ? -1 : 0);
    }

    void firstBoxSeesEachCharacterOnTheVisiblePage() {
        QCOMPARE(w->Timer1->interval(), 1250);
        QVERIFY(w->Timer1->isActive());
        act(QStringLiteral("tick"));
        QVERIFY(!w->Timer1->isActive());  // once only
        act(QStringLiteral("becomes"));
        QStringList seen;
        connect(w->txtBox[0], &QLineEdit::textChanged, w, [&](const QString& t) {
            seen << (w->vsePCAtlas->isVisible() ? t : QStringLiteral("hidden ") + t);
        });
        act(QStringLiteral("back"));
        QStringList expected{QString()};
        for (int n = 1; n <= 11; ++n) expected << QStringLiteral("Seattle, WA").left(n);
        QCOMPARE(seen, expected);
    }

    // Every atlas button but Read explains itself and changes nothing on the page.
    void atlasButtons_data() {
        QTest::addColumn<int>("index");
        for (int i = 1; i < int(tours::atlas::kAtlasButtons.size()); ++i)
            QTest::newRow(qPrintable(QString(tours::atlas::kAtlasButtons[size_t(i)]).remove(u'&'))) << i;
    }
    void atlasButtons() {
        QFETCH(int, index);
        const QString& message = tours::atlas::kAtlasMessages[size_t(index)];
        MsgBoxRecorder boxes;
        act(QStringLiteral("tick"));
        act(QStringLiteral("read"));
        const QString before =
            texts(w->txtBox) + texts(w->lblReturn) + w->ZoneAbbrev->text() + w->Label18->text();
        QTest::mouseClick(w->cmdAtlas[size_t(index)], Qt::LeftButton);
        QCOMPARE(boxes.boxes(), QList<ui::MsgRecord>({{message, ui::Icon::Information,
                                                       "Starwright for Windows Demo"}}));
        QCOMPARE(
            texts(w->txtBox) + texts(w->lblReturn) + w->ZoneAbbrev->text() + w->Label18->text(),
            before);
        QVERIFY(w->isVisible());
    }

    void inputDuringTheReplayWaitsForIt() {
        // Real, short pauses: a timer tick and a press through assistive
        // technology arrive while the first character is on screen.
        w->charPauseMs = 2;
        QStringList seen;
        connect(w->txtBox[0], &QLineEdit::textChanged, w, [&](const QString& t) { seen << t; });
        bool arrived = false;
        QTimer::singleShot(0, w, [&] {
            w->Timer1_Timer();
            QAccessible::queryAccessibleInterface(w->cmdAtlas[0])
                ->actionInterface()
                ->doAction(QAccessibleActionInterface::pressAction());
            arrived = true;
        });
        ui::setPausesDisabled(false);
        w->Timer1_Timer();
        ui::setPausesDisabled(true);
        QVERIFY(arrived);
        QCOMPARE(seen.last(), QStringLiteral("Seattle, WA"));  // one replay, uninterrupted
        QCOMPARE(seen.count(QStringLiteral("S")), 1);
        QCOMPARE(w->ZoneAbbrev->text(), QString());  // no results written meanwhile
        // Afterwards the press, then the tick's own replay.
        QTRY_COMPARE(seen.count(QStringLiteral("S")), 2);
        QTRY_COMPARE(seen.last(), QStringLiteral("Seattle, WA"));
        QVERIFY(seen.contains(QStringLiteral("Seattle, King, Washington")));
        QCOMPARE(seen.indexOf(QStringLiteral("Seattle, King, Washington")),
                 seen.indexOf(QStringLiteral("S"), 1) - 2);
        QCOMPARE(w->ZoneAbbrev->text(), QStringLiteral("PWT"));
        QCOMPARE(texts(w->lblReturn), kEmpty);
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    testsupport::setUpHeadless();
    TestAtlas t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_atlas.moc"
