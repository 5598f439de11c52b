// The picture tours: the tool bar shows exactly the current tab's description,
// pictures render when their tab first shows and do nothing when clicked, and
// the window opens on the first tab (a new opening is a new window: tst_ui).

#include <QSet>
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

    // Every tab is reached by its caption's access key and shows its own
    // description (described tabs come first; the others show their page text).
    void everyTabShowsItsOwnDescription_data() {
        QTest::addColumn<QString>("window");
        for (const char* window : {"frmReports", "frmEdit"}) QTest::newRow(window) << window;
    }
    void everyTabShowsItsOwnDescription() {
        QFETCH(QString, window);
        PictureTour& w = open(window);
        QVERIFY(testsupport::showActive(w));
        QSet<QString> seen;
        for (int tab = 0; tab < w.VSIndexTab1->count(); ++tab) {
            // Come from another tab whose description shows, then take the access key.
            w.VSIndexTab1->setCurrTab(tab == 1 ? 2 : 1);
            const QString caption = w.VSIndexTab1->caption(tab);
            const QChar key = QString(caption).remove(QStringLiteral("&&")).section(u'&', 1).at(0).toLower();
            QTest::keyClick(&w, key.toLatin1(), Qt::AltModifier);
            QCOMPARE(w.VSIndexTab1->CurrTab(), tab);
            const bool described = size_t(tab) < w.lblToolBar.size();
            QCOMPARE(shownDescriptions(w), described ? QList<int>{tab} : QList<int>{});
            const QString text = described ? w.lblToolBar[size_t(tab)]->text() : w.lblPage[size_t(tab)]->text();
            QVERIFY2(text.size() > 100 && !seen.contains(text), qPrintable(caption));
            seen << text;
            if (!described) QVERIFY(static_cast<frmEdit&>(w).Label2->isVisible());

            // The tab's picture is drawn and a click on it explains nothing.
            ui::Picture* img = w.imgTab[size_t(tab)];
            QTRY_VERIFY(!img->rendered().isNull());
            QTest::mouseClick(img, Qt::LeftButton);
            QVERIFY(boxes.boxes().isEmpty());
            QVERIFY(w.isVisible());
        }
    }
};

}  // namespace

QTEST_MAIN(TestPictureTours)
#include "tst_picturetours.moc"
