// The chart search window: its lists, the date rows, default orbs, the sample
// search with its tool bar and menus, the chart list, and reopening afresh.

#include <QMouseEvent>
#include <QTimer>

#include "search/charts.h"
#include "searchfixture.h"
#include "ui/controls.h"
#include "ui/indextab.h"
#include "ui/twips.h"

using search::frmSearch;

namespace {

const QString kTitle = QStringLiteral("Starwright for Windows Demo");
const QString kSearchHint = QStringLiteral(
    "To see an example of a search, click on the \"By Aspect\" tab, select \"Sun\" in the first "
    "list box, \"Trine\" in the second list box and Saturn in the third list box.  Then click on "
    "the search button.");

class TestSearch : public QObject, searchtest::Session {
    Q_OBJECT

    ui::ComboBox* list(const QString& name) const {
        const size_t i = size_t(name.back().digitValue());
        return name == u"cboHPlanet"             ? w->cboHPlanet
               : name == u"cboSign"              ? w->cboSign
               : name.startsWith(u"cboAPlanet1") ? w->cboAPlanet1[i]
               : name.startsWith(u"cboAPlanet2") ? w->cboAPlanet2[i]
               : name.startsWith(u"cboAspect")   ? w->cboAspect[i]
               : name.startsWith(u"cboHouse")    ? w->cboHouse[i]
                                                 : w->cboHRulers[i];
    }
    // Undo on or off: button, menu entry and picture agree.
    bool undoIs(bool on) const {
        const QIcon& look = on ? w->UndoOnPicture : w->UndoOffPicture;
        return w->cmdToolBar[2]->isEnabled() == on && w->mnuUndo->isEnabled() == on &&
               w->cmdToolBar[2]->icon().cacheKey() == look.cacheKey();
    }
    QStringList chartLines() const {
        QStringList out;
        for (int i = 0; i < w->ChartListBox->count(); ++i) out << w->ChartListBox->List(i);
        return out;
    }
    void showsAllCharts() const {
        QCOMPARE(chartLines(), search::sampleChartLines());
        QCOMPARE(w->lblRecordsFound->text(), QStringLiteral("Search found 59 Records"));
    }

private slots:
    void initTestCase() { searchtest::startUp(); }
    void init() { QVERIFY(begin()); }
    void cleanup() { QVERIFY(end()); }

    void listsHoldTheirEntries_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("probe");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("last");
        // clang-format off
        QTest::newRow("house page points") << "cboHPlanet" << 22 << 12 << "Moon's North Node" << "East Point";
        QTest::newRow("midpoint pair") << "cboAPlanet1_2" << 22 << 14 << "Part of Fortune" << "East Point";
        QTest::newRow("points then houses") << "cboAPlanet2_0" << 34 << 22 << "1st House" << "12th House";
        QTest::newRow("ruler page partner") << "cboAPlanet2_1" << 34 << 21 << "East Point" << "12th House";
        QTest::newRow("aspects start with conjunct") << "cboAspect_0" << 21 << 0 << "Conjunct (000.000)" << "Tredecile (108.000)";
        QTest::newRow("aspects") << "cboAspect_0" << 21 << 11 << "Septile (051.429)" << "Tredecile (108.000)";
        QTest::newRow("aspects of midpoints") << "cboAspect_2" << 21 << 18 << "Semi-Octile (022.500)" << "Tredecile (108.000)";
        QTest::newRow("houses") << "cboHouse_1" << 12 << 3 << "4th House" << "12th House";
        QTest::newRow("house rulers") << "cboHRulers_0" << 12 << 2 << "3rd House Ruler" << "12th House Ruler";
        QTest::newRow("signs") << "cboSign" << 12 << 8 << "Sagittarius" << "Pisces";
        // clang-format on
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
        QVERIFY(close());
        testsupport::LocaleSwitch sw(locale);
        QVERIFY(open());
        const QStringList names = order.split(u' ');
        for (int i = 0; i < 3; ++i) {
            const QString& n = names[i];
            auto* box = n == u"Day" ? w->chkDay : n == u"Month" ? w->chkMonth : w->chkYear;
            auto* field = n == u"Day" ? w->txtDay : n == u"Month" ? w->txtMonth : w->txtYear;
            QCOMPARE(ui::top(box), 660 + 504 * i);
            QCOMPARE(ui::top(field), 660 + 504 * i);
            QCOMPARE(box->text(), n);
            QCOMPARE(box->nextInFocusChain(), field);  // Tab goes down the rows as shown
            searchtest::clickBox(box);
            QVERIFY(field->isEnabled());  // each box switches its own field
            searchtest::clickBox(box);
            QVERIFY(!field->isEnabled());
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
        w->cboAPlanet1[0]->setListIndex(first);  // while checked, each selection refreshes it
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
        w->cboHRulers[1]->setListIndex(10);
        QCOMPARE(w->txtOrbDef[1]->text(), QStringLiteral("3.10"));
    }

    void defaultOrbBoxesMoveTogetherOneWay() {
        searchtest::fillOrbTable();
        w->cboAspect[1]->setListIndex(4);
        w->cboAPlanet2[1]->setListIndex(7);
        searchtest::clickBox(w->chkOrbDef1);
        QCOMPARE(w->chkOrbDef->value(), Qt::Checked);
        QCOMPARE(w->txtOrbDef[0]->text(), QStringLiteral("1.10"));  // Sun, Conjunct, Sun
        // The ruler page's own lists were chosen last, so its first list does not
        // count: Uranus alone decides.
        QCOMPARE(w->txtOrbDef[1]->text(), QStringLiteral("5.20"));
        w->chkOrbDef1->setValue(Qt::Unchecked);
        QCOMPARE(w->chkOrbDef->value(), Qt::Unchecked);
        w->chkOrbDef->setValue(Qt::Checked);
        QCOMPARE(w->chkOrbDef1->value(), Qt::Unchecked);
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

    // Search, Refill and Undo, from the tool bar or from the menu, on the sample
    // page and on others.
    void searchRefillAndUndo_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("by aspect, tool bar") << 3 << false;
        QTest::newRow("by aspect, menu") << 3 << true;
        QTest::newRow("by house, tool bar") << 0 << false;
        QTest::newRow("ruler in aspect, menu") << 6 << true;
    }
    void searchRefillAndUndo() {
        QFETCH(int, page);
        QFETCH(bool, byMenu);
        const auto press = [&](int b) {
            if (byMenu)
                std::array{w->mnuSearchBegin, w->mnuRefill, w->mnuUndo}[size_t(b)]->trigger();
            else
                QTest::mouseClick(w->cmdToolBar[size_t(b)], Qt::LeftButton);
        };
        w->vstSearch->setCurrTab(page);
        for (int time = 1; time <= 2; ++time) {
            press(0);
            QVERIFY(undoIs(true));
            QVERIFY(!w->Label18[0]->isVisible());
            if (page == 3) {
                QCOMPARE(chartLines(), search::sampleResultLines());
                QCOMPARE(w->lblRecordsFound->text(), QStringLiteral("Search found 6 Records"));
                QVERIFY(boxes->boxes().isEmpty());
            } else {
                showsAllCharts();
                QCOMPARE(boxes->boxes().size(), time);
                QCOMPARE(boxes->boxes().last(),
                         (ui::MsgRecord{kSearchHint, ui::Icon::Information, kTitle}));
            }
        }
        press(1);  // Refill keeps Undo
        showsAllCharts();
        QVERIFY(undoIs(true));
        press(0);
        press(2);  // Undo switches itself off
        showsAllCharts();
        QVERIFY(undoIs(false));
        press(2);  // disabled: nothing
        QVERIFY(undoIs(false));
    }

    void printAndControlGroupExplainThemselves() {
        w->mnuPrint->trigger();
        w->mnuCreateControl->trigger();
        QCOMPARE(boxes->boxes(),
                 QList<ui::MsgRecord>(
                     {{"This command will enable you to print out the search results, listing the "
                       "name and birth information for each chart and summarizing the collective "
                       "searches which resulted in the list.",
                       ui::Icon::Information, kTitle},
                      {"You can automatically create your own control group from the results "
                       "produced by a search.",
                       ui::Icon::Exclamation, "Create a Control Group"}}));
    }

    void sampleChartFileIsInOrder() {
        const QStringList& lines = search::sampleChartLines();
        QCOMPARE(lines.size(), 59);
        QStringList surnames;
        for (int i = 0; i < lines.size(); ++i) {
            const QString& l = lines[i];
            QVERIFY2(l.endsWith(QStringLiteral("  # %1").arg(124 + i)) && l.indexOf(u',') > 0,
                     qPrintable(l));
            surnames << l.left(l.indexOf(u','));
        }
        QStringList sorted = surnames;
        std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
        QCOMPARE(surnames, sorted);
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
        QTest::addColumn<QString>("name");
        QTest::newRow("one given name, double click") << 1 << false << "Marcus Adler";
        QTest::newRow("two given names, double click") << 0 << false << "Clara Louise Abernathy";
        QTest::newRow("two given names, Enter") << 3 << true << "Theodore James Barrington";
        QTest::newRow("hyphenated surname, Enter") << 9 << true << "Simone Delacroix-Moore";
        QTest::newRow("Enter on no line does nothing") << -1 << true << "";
    }
    void openingAChart() {
        QFETCH(int, row);
        QFETCH(bool, byEnter);
        QFETCH(QString, name);
        ui::ListBox* l = w->ChartListBox;
        if (row < 0) {
            l->setFocus();
            l->clearSelection();
            QTest::keyClick(l, Qt::Key_Enter);
        } else {
            l->scrollToItem(l->item(row));
            const QPoint at = l->visualItemRect(l->item(row)).center();
            QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, at);
        }
        if (byEnter)
            QTest::keyClick(l, Qt::Key_Return);
        else
            QTest::mouseDClick(l->viewport(), Qt::LeftButton, {},
                               l->visualItemRect(l->item(row)).center());
        QList<ui::MsgRecord> expected;
        if (!name.isEmpty())
            expected << ui::MsgRecord{"You would now be viewing the chart of " + name + ".",
                                      ui::Icon::Exclamation, "Starwright Demo"};
        QCOMPARE(boxes->boxes(), expected);
    }

    void pointerOverTheListShowsTheHint() {
        const auto moveOver = [](QWidget* target, QPointF at) {
            QMouseEvent e(QEvent::MouseMove, at, at, Qt::NoButton, {}, {});
            QApplication::sendEvent(target, &e);
        };
        moveOver(w->ChartListBox->viewport(), QPointF(20, 20));
        QVERIFY(w->Label18[1]->isVisible());
        QCOMPARE(w->Label18[1]->text(),
                 QStringLiteral("In Starwright, double click on a name to see the chart."));
        moveOver(w->vseResults, QPointF(2, 2));
        QVERIFY(!w->Label18[1]->isVisible());
    }

    // The window as first opened, and as reopened after a session that changed
    // pages, boxes, lists and the chart list.
    void opensInItsDesignState_data() {
        QTest::addColumn<QString>("closedBy");
        QTest::newRow("first opening") << "";
        QTest::newRow("reopened after its access key") << "alt+c";
    }
    void opensInItsDesignState() {
        QFETCH(QString, closedBy);
        if (!closedBy.isEmpty()) {
            searchtest::fillOrbTable();
            w->chkOrbDef->setValue(Qt::Checked);
            w->chkDay->setValue(Qt::Checked);
            w->vstSearch->setCurrTab(3);
            w->mnuSearchBegin->trigger();
            w->cboHRulers[1]->setListIndex(5);
            // Alt+C is shared with the "&Control Groups" menu: it reaches the
            // button in tab order, and Enter presses it.
            w->cboAPlanet1[0]->setFocus();
            QTest::keyClick(w, Qt::Key_C, Qt::AltModifier);
            QVERIFY(w->Command3D1->hasFocus());
            QTest::keyClick(w->Command3D1, Qt::Key_Return);
            QTRY_VERIFY(!Slot::exists());
            QVERIFY(open());
        }
        QCOMPARE(w->windowTitle(), QStringLiteral("Search for Charts in "));
        QCOMPARE(w->vstSearch->CurrTab(), 0);
        QVERIFY(undoIs(false));
        showsAllCharts();
        QVERIFY(w->RulerContext);  // the last selection of the opening was a ruler list
        QVERIFY(w->Timer1->isActive());
        QCOMPARE(w->Timer1->interval(), 1000);
        QVERIFY(!w->Label18[0]->isVisible() && !w->Label18[1]->isVisible());
        for (auto* box :
             {w->chkOrbDef, w->chkOrbDef1, w->chkDay, w->chkMonth, w->chkYear, w->chkNoUnknowns})
            QCOMPARE(box->value(), Qt::Unchecked);
        for (auto* field : {w->txtDay, w->txtMonth, w->txtYear}) QVERIFY(!field->isEnabled());
        QCOMPARE(w->cboHRulers[1]->ListIndex(), 0);
        QCOMPARE(w->cboAspect[0]->ListIndex(), 0);
        QCOMPARE(w->txtOrbDef[0]->text(), QStringLiteral("0"));
        QCOMPARE(w->txtOrbDef[2]->text(), QStringLiteral("02.00"));
        QCOMPARE(w->txtHouseOrbDef[0]->text() + w->txtHouseOrbDef[1]->text(), QStringLiteral("00"));
        QCOMPARE(w->MFOp->selected(), 0);
        QVERIFY(boxes->boxes().isEmpty());
    }
};

}  // namespace

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
