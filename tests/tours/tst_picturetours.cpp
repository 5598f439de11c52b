// The picture tours: the tool bar shows exactly the current tab's description,
// pictures render when their tab first shows and do nothing when clicked, and
// every opening starts on the first tab.

#include <QTabBar>
#include <QTest>

#include "fixtures.h"
#include "tours/picturetour.h"
#include "ui/controls.h"
#include "ui/indextab.h"
#include "ui/picture.h"

using tours::frmEdit;
using tours::frmReports;
using tours::PictureTour;

namespace {

class TestPictureTours : public QObject {
    Q_OBJECT

    testsupport::MsgBoxRecorder boxes;

    static PictureTour& open(const QString& window) {
        if (window == QLatin1String("frmReports")) {
            ui::FormSlot<frmReports>::showModal();
            return ui::FormSlot<frmReports>::get();
        }
        ui::FormSlot<frmEdit>::showModal();
        return ui::FormSlot<frmEdit>::get();
    }

    static QList<int> shownDescriptions(const PictureTour& w) {
        QList<int> shown;
        for (size_t i = 0; i < w.lblToolBar.size(); ++i) {
            if (w.lblToolBar[i]->isVisibleTo(&w))
                shown << int(i);
        }
        return shown;
    }

private slots:
    void initTestCase() { testsupport::setUpHeadless(); }
    void cleanup() {
        if (auto* w = ui::FormSlot<frmReports>::peek())
            w->Unload();
        if (auto* w = ui::FormSlot<frmEdit>::peek())
            w->Unload();
        QTRY_VERIFY(!ui::FormSlot<frmReports>::exists() && !ui::FormSlot<frmEdit>::exists());
        QCOMPARE(testsupport::visibleWindows().size(), 0);
        boxes.clear();
    }

    void opensOnTheFirstTab_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("descriptions");
        QTest::newRow("reports") << "frmReports"
                                 << "Starwright Scribeline Interpretation Features" << 10;
        QTest::newRow("edit") << "frmEdit"
                              << "Edit Interpretations program - companion to Starwright Scribeline"
                              << 3;
    }
    void opensOnTheFirstTab() {
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QFETCH(int, descriptions);
        for (int opening = 0; opening < 2; ++opening) {
            PictureTour& w = open(window);
            QVERIFY(testsupport::showActive(w));
            QCOMPARE(w.windowTitle(), caption);
            QCOMPARE(int(w.lblToolBar.size()), descriptions);
            QCOMPARE(w.VSIndexTab1->CurrTab(), 0);
            QCOMPARE(shownDescriptions(w), QList<int>{0});
            // Only the first picture has been drawn; the others wait for their tab.
            QTRY_VERIFY(!w.imgTab[0]->rendered().isNull());
            for (size_t t = 1; t < w.imgTab.size(); ++t) QVERIFY(w.imgTab[t]->rendered().isNull());
            // Nothing is cut: the tab row fits, every description fits the tool bar.
            QVERIFY(w.VSIndexTab1->tabBar()->sizeHint().width() <= w.VSIndexTab1->width());
            for (ui::Label* lbl : w.lblToolBar)
                QVERIFY(lbl->heightForWidth(lbl->width()) <= lbl->height());

            w.VSIndexTab1->setCurrTab(2);
            QTest::keyClick(&w, Qt::Key_C, Qt::AltModifier);
            QTRY_VERIFY(!ui::FormSlot<frmReports>::exists() && !ui::FormSlot<frmEdit>::exists());
        }
    }

    void everyTabShowsItsOwnDescription_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("part");  // of the description, or of the page text on "&Import"
        QTest::addColumn<int>("length");
        const QString r = QStringLiteral("frmReports");
        const QString e = QStringLiteral("frmEdit");
        QTest::newRow("create report") << r << 0 << "Create &Report" << int(Qt::Key_R)
                                       << "Interpret menu to the Chart Information screen" << 213;
        QTest::newRow("select interp.")
            << r << 1 << "&Select Interp." << int(Qt::Key_S) << "is context- sensitive in" << 333;
        QTest::newRow("natal sample") << r << 2 << "&Natal Sample" << int(Qt::Key_N)
                                      << "$100 Inner Compass(tm) interpretation set.  Also" << 348;
        QTest::newRow("report options") << r << 3 << "Report &Options" << int(Qt::Key_O)
                                        << "color, etc. for six different parts" << 304;
        QTest::newRow("options 2") << r << 4 << "Options &2" << int(Qt::Key_2)
                                   << "before selecting File and Print." << 342;
        QTest::newRow("options 3") << r << 5 << "Options &3" << int(Qt::Key_3)
                                   << "the two Intermediate templates.  The Standard" << 239;
        QTest::newRow("options 4") << r << 6 << "Options &4" << int(Qt::Key_4)
                                   << "36 compatibility commands, 38 transits" << 307;
        QTest::newRow("compat. sample")
            << r << 7 << "Co&mpat. Sample" << int(Qt::Key_M) << "$100 Twin Beacon(tm)" << 321;
        QTest::newRow("transits sample") << r << 8 << "&Transits Sample" << int(Qt::Key_T)
                                         << "$100 Meridian Currents(tm)" << 313;
        QTest::newRow("progress sample")
            << r << 9 << "&Progress Sample" << int(Qt::Key_P) << "$100 Lantern Cycles (tm)" << 306;
        QTest::newRow("file") << e << 0 << "Create/Select Interpretation &File" << int(Qt::Key_F)
                              << "File Dialog screen. If you want" << 370;
        QTest::newRow("edit text") << e << 1 << "Select && &Edit Text" << int(Qt::Key_E)
                                   << "fill the Search Titles listbox.  Just" << 349;
        QTest::newRow("add new") << e << 2 << "&Add New Delineations" << int(Qt::Key_A)
                                 << "very personal combo delineations." << 341;
        QTest::newRow("import") << e << 3 << "&Import" << int(Qt::Key_I)
                                << "using Control-V to paste" << 375;
    }
    void everyTabShowsItsOwnDescription() {
        QFETCH(QString, window);
        QFETCH(int, tab);
        QFETCH(QString, caption);
        QFETCH(int, key);
        QFETCH(QString, part);
        QFETCH(int, length);
        PictureTour& w = open(window);
        QVERIFY(testsupport::showActive(w));
        QCOMPARE(w.VSIndexTab1->caption(tab), caption);

        // Come from another tab whose description shows, then take the access key.
        w.VSIndexTab1->setCurrTab(tab == 1 ? 2 : 1);
        QTest::keyClick(&w, Qt::Key(key), Qt::AltModifier);
        QCOMPARE(w.VSIndexTab1->CurrTab(), tab);

        const bool described = size_t(tab) < w.lblToolBar.size();
        QCOMPARE(shownDescriptions(w), described ? QList<int>{tab} : QList<int>{});
        const QString text =
            described ? w.lblToolBar[size_t(tab)]->text() : w.lblPage[size_t(tab)]->text();
        QVERIFY2(text.contains(part), qPrintable(text));
        QCOMPARE(text.size(), length);
        if (!described)
            QVERIFY(static_cast<frmEdit&>(w).Label2->isVisible());

        // The tab's picture is drawn and a click on it explains nothing.
        ui::Picture* img = w.imgTab[size_t(tab)];
        QTRY_VERIFY(!img->rendered().isNull());
        QTest::mouseClick(img, Qt::LeftButton);
        QVERIFY(boxes.boxes().isEmpty());
        QVERIFY(w.isVisible());
    }
};

}  // namespace

QTEST_MAIN(TestPictureTours)
#include "tst_picturetours.moc"
