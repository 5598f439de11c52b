// The chart search window: its lists, the date rows, default orbs, the page
// switch, the sample search with its tool bar and menus, and the chart list.

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTimer>

#include "search/charts.h"
#include "searchfixture.h"
#include "ui/controls.h"
#include "ui/indextab.h"
#include "ui/twips.h"

using search::frmSearch;
using testsupport::MsgBoxRecorder;

namespace {

const QString kSearchHint = QStringLiteral(
    "To see an example of a search, click on the \"By Aspect\" tab, select \"Sun\" in the first "
    "list box, "
    "\"Trine\" in the second list box and Saturn in the third list box.  Then click on the search "
    "button.");

class TestSearch : public QObject {
    Q_OBJECT

    frmSearch* w = nullptr;
    std::unique_ptr<MsgBoxRecorder> boxes;

    ui::ComboBox* list(const QString& name) const {
        if (name == u"cboHPlanet")
            return w->cboHPlanet;
        if (name == u"cboSign")
            return w->cboSign;
        const int i = name.back().digitValue();
        if (name.startsWith(u"cboAPlanet1"))
            return w->cboAPlanet1[size_t(i)];
        if (name.startsWith(u"cboAPlanet2"))
            return w->cboAPlanet2[size_t(i)];
        if (name.startsWith(u"cboAspect"))
            return w->cboAspect[size_t(i)];
        if (name.startsWith(u"cboHouse"))
            return w->cboHouse[size_t(i)];
        return w->cboHRulers[size_t(i)];
    }
    bool undoIsOn() const {
        const bool on = w->cmdToolBar[2]->isEnabled();
        const QIcon& look = on ? w->UndoOnPicture : w->UndoOffPicture;
        return on && w->mnuUndo->isEnabled() &&
               w->cmdToolBar[2]->icon().cacheKey() == look.cacheKey();
    }
    bool undoIsOff() const {
        return !w->cmdToolBar[2]->isEnabled() && !w->mnuUndo->isEnabled() &&
               w->cmdToolBar[2]->icon().cacheKey() == w->UndoOffPicture.cacheKey();
    }
    QStringList chartLines() const {
        QStringList out;
        for (int i = 0; i < w->ChartListBox->count(); ++i) out << w->ChartListBox->List(i);
        return out;
    }

private slots:
    void initTestCase() {
        testsupport::setUpHeadless();
        shell::FillVocabulary();
    }
    void init() {
        boxes = std::make_unique<MsgBoxRecorder>();
        w = searchtest::open();
        QVERIFY(w);
    }
    void cleanup() {
        QVERIFY(searchtest::close());
        boxes.reset();
        shell::OrbTable.clear();
        QCOMPARE(testsupport::visibleWindows().size(), 0);
    }

    void opensInItsDesignState() {
        QCOMPARE(w->windowTitle(), QStringLiteral("Search for Charts in "));
        QCOMPARE(w->vstSearch->CurrTab(), 0);
        QVERIFY(undoIsOff());
        QCOMPARE(w->ChartListBox->count(), 59);
        QCOMPARE(w->lblRecordsFound->text(), QStringLiteral("Search found 59 Records"));
        QVERIFY(w->RulerContext);  // the last selection of the opening was a ruler list
        QVERIFY(w->Timer1->isActive());
        QCOMPARE(w->Timer1->interval(), 1000);
        QVERIFY(!w->Label18[0]->isVisible() && !w->Label18[1]->isVisible());
        for (auto* box :
             {w->chkOrbDef, w->chkOrbDef1, w->chkDay, w->chkMonth, w->chkYear, w->chkNoUnknowns})
            QCOMPARE(box->value(), Qt::Unchecked);
        for (auto* field : {w->txtDay, w->txtMonth, w->txtYear}) QVERIFY(!field->isEnabled());
        QCOMPARE(w->txtOrbDef[2]->text(), QStringLiteral("02.00"));
        QCOMPARE(w->txtHouseOrbDef[0]->text() + w->txtHouseOrbDef[1]->text(), QStringLiteral("00"));
        QCOMPARE(w->MFOp->selected(), 0);
        QCOMPARE((*w->MFOp)[0]->text(), QStringLiteral("Do not use"));
        QCOMPARE((*w->RulerOption)[3]->text(), QStringLiteral("Traditional"));
        QCOMPARE((*w->RulerOption)[3]->parentWidget(), w->RulerTypeFrame1);
        QStringList captions;
        for (int t = 0; t < w->vstSearch->count(); ++t) captions << w->vstSearch->caption(t);
        QCOMPARE(
            captions.join(u'|'),
            QStringLiteral("By H&ouse|By Sig&n|By &Longitude|By &Aspect|By &Birthday|"
                           "By &Remarks|Ruler in Aspec&t|Ruler &in House|&Midpoint in Aspect"));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(w->cmdToolBar[size_t(i)]->accessibleName(), frmSearch::toolBarDescription(i));
    }

    void listsHoldTheirEntries_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("probe");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("last");
        QTest::newRow("house page points") << "cboHPlanet" << 22 << 12 << "Moon's North Node" << "East Point";
        QTest::newRow("midpoint pair") << "cboAPlanet1_2" << 22 << 14 << "Part of Fortune" << "East Point";
        QTest::newRow("points then houses") << "cboAPlanet2_0" << 34 << 22 << "1st House" << "12th House";
        QTest::newRow("ruler page partner") << "cboAPlanet2_1" << 34 << 21 << "East Point" << "12th House";
        QTest::newRow("aspects") << "cboAspect_0" << 21 << 11 << "Septile (051.429)" << "Tredecile (108.000)";
        QTest::newRow("aspects of midpoints")
            << "cboAspect_2" << 21 << 18 << "Semi-Octile (022.500)" << "Tredecile (108.000)";
        QTest::newRow("houses") << "cboHouse_1" << 12 << 3 << "4th House" << "12th House";
        QTest::newRow("house rulers") << "cboHRulers_0" << 12 << 2 << "3rd House Ruler" << "12th House Ruler";
        QTest::newRow("signs") << "cboSign" << 12 << 8 << "Sagittarius" << "Pisces";
    }
    void listsHoldTheirEntries() {
        QFETCH(QString, name);
        QFETCH(int, count);
        QFETCH(int, probe);
        QFETCH(QString, entry);
        QFETCH(QString, last);
        ui::ComboBox* l = list(name);
        QCOMPARE(l->count(), count);
        QCOMPARE(l->ListIndex(), 0);
        QCOMPARE(l->itemText(probe), entry);
        QCOMPARE(l->itemText(count - 1), last);
        QCOMPARE(w->cboAspect[0]->itemText(0), QStringLiteral("Conjunct (000.000)"));
    }

    void birthdayRowsFollowTheShortDate_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("order");
        QTest::newRow("day first") << "en_GB" << "Day Month Year";
        QTest::newRow("year first") << "sv_SE" << "Year Month Day";
        QTest::newRow("month first") << "en_US" << "Month Day Year";
    }
    void birthdayRowsFollowTheShortDate() {
        QFETCH(QString, locale);
        QFETCH(QString, order);
        QVERIFY(searchtest::close());
        testsupport::LocaleSwitch sw(locale);
        w = searchtest::open();
        QVERIFY(w);
        const std::array<double, 3> tops{660, 1164, 1668};
        const QStringList names = order.split(u' ');
        for (size_t i = 0; i < 3; ++i) {
            const QString& n = names[qsizetype(i)];
            auto* box = n == u"Day" ? w->chkDay : n == u"Month" ? w->chkMonth : w->chkYear;
            auto* field = n == u"Day" ? w->txtDay : n == u"Month" ? w->txtMonth : w->txtYear;
            QCOMPARE(ui::top(box), tops[i]);
            QCOMPARE(ui::top(field), tops[i]);
            QCOMPARE(box->text(), n);
            QCOMPARE(box->nextInFocusChain(), field);  // Tab goes down the rows as shown
        }
    }

    void defaultOrbs_data() {
        QTest::addColumn<bool>("filled");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("aspect");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("orb");
        QTest::newRow("before customizing") << false << 0 << 2 << 6 << "0";
        QTest::newRow("Sun on the left") << true << 0 << 2 << 6 << "3.10";
        QTest::newRow("Moon on the left") << true << 1 << 0 << 4 << "1.10";
        QTest::newRow("Ascendant on the left") << true << 10 << 4 << 5 << "5.10";
        QTest::newRow("Moon on the right") << true << 4 << 3 << 1 << "4.10";
        QTest::newRow("Ascendant on the right") << true << 6 << 20 << 10 << "21.10";
        QTest::newRow("two planets") << true << 4 << 2 << 6 << "3.20";
        QTest::newRow("Midheaven is no light") << true << 11 << 1 << 6 << "2.20";
        QTest::newRow("a house is no light") << true << 3 << 5 << 22 << "6.20";
    }
    void defaultOrbs() {
        QFETCH(bool, filled);
        QFETCH(int, first);
        QFETCH(int, aspect);
        QFETCH(int, second);
        QFETCH(QString, orb);
        if (filled)
            searchtest::fillOrbTable();
        w->cboAPlanet1[0]->setListIndex(first);
        w->cboAspect[0]->setListIndex(aspect);
        w->cboAPlanet2[0]->setListIndex(second);
        QCOMPARE(w->txtOrbDef[0]->text(), QStringLiteral("0"));  // nothing until the box is checked
        w->chkOrbDef->setValue(Qt::Checked);
        QCOMPARE(w->txtOrbDef[0]->text(), orb);
        // While checked, each selection refreshes it.
        w->cboAPlanet1[0]->setListIndex(first);
        QCOMPARE(w->txtOrbDef[0]->text(), orb);
    }

    void rulerListsCountAsLightsOnlyRightAfterAPointList() {
        searchtest::fillOrbTable();
        w->chkOrbDef1->setValue(Qt::Checked);
        w->cboAspect[1]->setListIndex(2);
        w->cboAPlanet2[1]->setListIndex(6);
        w->cboAPlanet1[0]->setListIndex(4);  // a point list clears the ruler context
        QVERIFY(!w->RulerContext);
        w->cboHRulers[0]->setListIndex(1);  // position 1 reads as the Moon once more
        QCOMPARE(w->txtOrbDef[1]->text(), QStringLiteral("3.10"));
        QVERIFY(w->RulerContext);
        w->cboHRulers[0]->setListIndex(1);  // now it is a house ruler
        QCOMPARE(w->txtOrbDef[1]->text(), QStringLiteral("3.20"));
        w->cboAPlanet2[1]->setListIndex(0);  // the Sun on the right is always a light
        QCOMPARE(w->txtOrbDef[1]->text(), QStringLiteral("3.10"));
        QVERIFY(w->RulerContext);
        w->cboHRulers[1]->setListIndex(10);
        QCOMPARE(w->txtOrbDef[1]->text(), QStringLiteral("3.10"));
    }

    void defaultOrbBoxesMoveTogetherOneWay() {
        searchtest::fillOrbTable();
        w->cboAspect[1]->setListIndex(4);
        w->cboAPlanet2[1]->setListIndex(7);
        QTest::mouseClick(w->chkOrbDef1, Qt::LeftButton, {},
                          QPoint(5, w->chkOrbDef1->height() / 2));
        QCOMPARE(w->chkOrbDef->value(), Qt::Checked);
        QCOMPARE(w->txtOrbDef[0]->text(),
                 QStringLiteral("1.10"));  // Sun, Conjunct, Sun on the aspect page
        // The ruler page's own lists were chosen last, so its first list does not
        // count: Uranus alone decides.
        QCOMPARE(w->txtOrbDef[1]->text(), QStringLiteral("5.20"));
        w->chkOrbDef1->setValue(Qt::Unchecked);
        QCOMPARE(w->chkOrbDef->value(), Qt::Unchecked);
        w->chkOrbDef->setValue(Qt::Checked);
        QCOMPARE(w->chkOrbDef1->value(), Qt::Unchecked);
    }

    void dateBoxesSwitchTheirFields() {
        for (auto [box, field] : {std::pair{w->chkDay, w->txtDay},
                                  {w->chkMonth, w->txtMonth},
                                  {w->chkYear, w->txtYear}}) {
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
            QVERIFY(field->isEnabled());
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
            QVERIFY(!field->isEnabled());
        }
    }

    void byAspectPreparesTheSampleSearch() {
        searchtest::fillOrbTable();
        w->cboAPlanet1[0]->setListIndex(5);
        w->cboAspect[0]->setListIndex(7);
        w->cboAPlanet2[0]->setListIndex(20);
        w->chkOrbDef->setValue(Qt::Checked);
        QTest::keyClick(w, Qt::Key_A, Qt::AltModifier);
        QCOMPARE(w->vstSearch->CurrTab(), 3);
        QCOMPARE(w->cboAPlanet1[0]->currentText(), QStringLiteral("Sun"));
        QCOMPARE(w->cboAspect[0]->currentText(), QStringLiteral("Trine (120.000)"));
        QCOMPARE(w->cboAPlanet2[0]->currentText(), QStringLiteral("Saturn"));
        QCOMPARE(w->txtOrbDef[0]->text(), QStringLiteral("7"));  // written after the default orb
        QVERIFY(!w->RulerContext);
        QVERIFY(w->Label18[0]->isVisible());
        QTest::keyClick(w, Qt::Key_R, Qt::AltModifier);
        QVERIFY(w->txtSearch->hasFocus());
        QTest::keyClick(w, Qt::Key_O, Qt::AltModifier);
        QVERIFY(!w->Label18[0]->isVisible());
    }

    void searchDependsOnThePage_data() {
        QTest::addColumn<int>("page");
        QTest::newRow("by aspect") << 3;
        QTest::newRow("by house") << 0;
        QTest::newRow("ruler in aspect") << 6;
    }
    void searchDependsOnThePage() {
        QFETCH(int, page);
        w->vstSearch->setCurrTab(page);
        for (int press = 0; press < 2; ++press) {
            QTest::mouseClick(w->cmdToolBar[0], Qt::LeftButton);
            QVERIFY(undoIsOn());
            QVERIFY(!w->Label18[0]->isVisible());
            if (page == 3) {
                QCOMPARE(chartLines(), search::sampleResultLines());
                QCOMPARE(w->lblRecordsFound->text(), QStringLiteral("Search found 6 Records"));
                QVERIFY(boxes->boxes().isEmpty());
            } else {
                QCOMPARE(chartLines(), search::sampleChartLines());
                QCOMPARE(boxes->boxes().size(), press + 1);
                QCOMPARE(boxes->boxes().last(), (ui::MsgRecord{kSearchHint, ui::Icon::Information,
                                                               "Starwright for Windows Demo"}));
            }
        }
    }

    void refillKeepsUndoAndUndoSwitchesItOff() {
        w->vstSearch->setCurrTab(3);
        QTest::mouseClick(w->cmdToolBar[0], Qt::LeftButton);
        QTest::mouseClick(w->cmdToolBar[1], Qt::LeftButton);
        QCOMPARE(chartLines(), search::sampleChartLines());
        QCOMPARE(w->lblRecordsFound->text(), QStringLiteral("Search found 59 Records"));
        QVERIFY(undoIsOn());
        QTest::mouseClick(w->cmdToolBar[0], Qt::LeftButton);
        QTest::mouseClick(w->cmdToolBar[2], Qt::LeftButton);
        QCOMPARE(chartLines(), search::sampleChartLines());
        QCOMPARE(w->lblRecordsFound->text(), QStringLiteral("Search found 59 Records"));
        QVERIFY(undoIsOff());
        QTest::mouseClick(w->cmdToolBar[2], Qt::LeftButton);  // disabled: nothing
        QVERIFY(undoIsOff());
    }

    void menuCommandsPressTheButtons() {
        w->vstSearch->setCurrTab(3);
        w->mnuSearchBegin->trigger();
        QCOMPARE(w->ChartListBox->count(), 6);
        w->mnuRefill->trigger();
        QCOMPARE(w->ChartListBox->count(), 59);
        QVERIFY(undoIsOn());
        w->mnuUndo->trigger();
        QVERIFY(undoIsOff());
        w->mnuPrint->trigger();
        w->mnuCreateControl->trigger();
        QCOMPARE(boxes->boxes(),
                 QList<ui::MsgRecord>({{"This command will enable you to print out the search "
                                        "results, listing the name and birth "
                                        "information for each chart and summarizing the collective "
                                        "searches which resulted in the "
                                        "list.",
                                        ui::Icon::Information, "Starwright for Windows Demo"},
                                       {"You can automatically create your own control group from "
                                        "the results produced by a search.",
                                        ui::Icon::Exclamation, "Create a Control Group"}}));
        QStringList menus;
        for (QAction* a : w->menuBar->actions()) menus << a->text();
        QCOMPARE(menus.join(u'|'), QStringLiteral("&File|&Search|&Control Groups|&Help"));
    }

    void sampleChartFileIsInOrder() {
        const QStringList& lines = search::sampleChartLines();
        QCOMPARE(lines.size(), 59);
        QStringList surnames;
        int twoGivenNames = 0;
        for (int i = 0; i < lines.size(); ++i) {
            const QString& l = lines[i];
            QVERIFY2(l.endsWith(QStringLiteral("  # %1").arg(124 + i)), qPrintable(l));
            QCOMPARE(l.count(QStringLiteral("  ")), 1);
            QVERIFY2(l.indexOf(QStringLiteral(", ")) > 0, qPrintable(l));
            surnames << l.left(l.indexOf(u','));
            if (l.left(l.indexOf(QStringLiteral("  "))).count(u' ') == 2)
                ++twoGivenNames;
        }
        QStringList sorted = surnames;
        std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
        QCOMPARE(surnames, sorted);
        QVERIFY(twoGivenNames >= 5);
        QStringList numbers;
        for (const QString& r : search::sampleResultLines())
            numbers << r.section(u'#', 1).trimmed();
        QCOMPARE(numbers.join(u' '), QStringLiteral("132 135 136 137 141 164"));
        QCOMPARE(search::recordCountText(1), QStringLiteral("Search found 1 Record"));
        QCOMPARE(search::recordCountText(0), QStringLiteral("Search found 0 Records"));
    }

    void openingAChart_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<QString>("text");
        const QString start = QStringLiteral("You would now be viewing the chart of ");
        QTest::newRow("one given name, double click") << 1 << false << start + "Marcus Adler.";
        QTest::newRow("two given names, double click") << 0 << false << start + "Clara Louise Abernathy.";
        QTest::newRow("two given names, Enter") << 3 << true << start + "Theodore James Barrington.";
        QTest::newRow("hyphenated surname, Enter") << 9 << true << start + "Simone Delacroix-Moore.";
    }
    void openingAChart() {
        QFETCH(int, row);
        QFETCH(bool, byEnter);
        QFETCH(QString, text);
        ui::ListBox* l = w->ChartListBox;
        l->scrollToItem(l->item(row));
        const QPoint at = l->visualItemRect(l->item(row)).center();
        if (byEnter) {
            QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, at);
            QTest::keyClick(l, Qt::Key_Return);
        } else {
            QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, at);
        }
        QCOMPARE(boxes->boxes(),
                 QList<ui::MsgRecord>({{text, ui::Icon::Exclamation, "Starwright Demo"}}));
    }

    void enterWithoutASelectedLineDoesNothing() {
        w->ChartListBox->setFocus();
        w->ChartListBox->clearSelection();
        QTest::keyClick(w->ChartListBox, Qt::Key_Return);
        QTest::keyClick(w->ChartListBox, Qt::Key_Enter);
        QVERIFY(boxes->boxes().isEmpty());
        QCOMPARE(search::chartOpeningText(QStringLiteral("Nobody")),
                 QStringLiteral("You would now be viewing the chart of Nobody."));
    }

    void pointerOverTheListShowsTheHint() {
        QMouseEvent overList(QEvent::MouseMove, QPointF(20, 20), QPointF(20, 20), Qt::NoButton, {},
                             {});
        QApplication::sendEvent(w->ChartListBox->viewport(), &overList);
        QVERIFY(w->Label18[1]->isVisible());
        QCOMPARE(w->Label18[1]->text(),
                 QStringLiteral("In Starwright, double click on a name to see the chart."));
        QMouseEvent overBackground(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton,
                                   {}, {});
        QApplication::sendEvent(w->vseResults, &overBackground);
        QVERIFY(!w->Label18[1]->isVisible());
    }

    void closingAndReopeningStartsAfresh_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("close button") << "button";
        QTest::newRow("its access key") << "alt+c";
        QTest::newRow("file menu") << "menu";
    }
    void closingAndReopeningStartsAfresh() {
        QFETCH(QString, how);
        searchtest::fillOrbTable();
        w->chkOrbDef->setValue(Qt::Checked);
        w->chkDay->setValue(Qt::Checked);
        w->vstSearch->setCurrTab(3);
        w->mnuSearchBegin->trigger();
        w->cboHRulers[1]->setListIndex(5);
        if (how == u"button") {
            QTest::mouseClick(w->Command3D1, Qt::LeftButton);
        } else if (how == u"alt+c") {
            QTest::keyClick(w, Qt::Key_C, Qt::AltModifier);
        } else {
            w->mnuExit->trigger();
        }
        QTRY_VERIFY(!searchtest::Slot::exists());
        w = searchtest::open();
        QVERIFY(w);
        QCOMPARE(w->vstSearch->CurrTab(), 0);
        QCOMPARE(w->ChartListBox->count(), 59);
        QVERIFY(undoIsOff());
        QCOMPARE(w->chkOrbDef->value(), Qt::Unchecked);
        QVERIFY(!w->txtDay->isEnabled());
        QCOMPARE(w->cboHRulers[1]->ListIndex(), 0);
        QCOMPARE(w->cboAspect[0]->ListIndex(), 0);
        QCOMPARE(w->txtOrbDef[0]->text(), QStringLiteral("0"));
        QVERIFY(boxes->boxes().isEmpty());
    }
};

}  // namespace

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
