// The list options window: load state, date fields by locale, number boxes and
// their bars, point lists, progression types, user rates, messages, tool bar.

#include <QLineEdit>
#include <QTest>

#include "fixtures.h"
#include "formtest.h"
#include "options/frmop.h"
#include "options/options_data.h"
#include "shell/vocabulary.h"
#include "ui/controls.h"
#include "ui/elastic.h"
#include "ui/indextab.h"
#include "ui/locale.h"
#include "ui/picture.h"
#include "ui/scrollbar.h"
#include "ui/twips.h"

using options::frmOp;

namespace {

QString selection(const ui::ListBox* list) {
    QStringList on;
    for (int i = 0; i < list->ListCount(); ++i) {
        if (list->Selected(i)) on << QString::number(i);
    }
    return on.join(u',') + u'@' + QString::number(list->TopIndex());
}

class TestOptions : public QObject, testsupport::FormTest<frmOp> {
    Q_OBJECT

    void clickTab(int tab) { testsupport::clickTab(w->VSIndexTab1, tab); }
    void type(ui::TextBox* box, const QString& text) {
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    void chooseType(const char* t) { w->cmbProgType->setListIndex(w->cmbProgType->findText(QLatin1String(t))); }

private slots:
    void initTestCase() {
        testsupport::setUpHeadless();
        ui::Locale::overrideToday(QDate(2024, 3, 7));
        shell::FillVocabulary();
    }
    void init() { QVERIFY(open()); }
    void cleanup() { QVERIFY(closedCleanly()); }

    void loadsTheSampleState() {
        for (ui::ListBox* list : w->PlanetList) {
            QCOMPARE(list->ListCount(), 20);
            const QStringList picks{list->List(0), list->List(3), list->List(15), list->List(17), list->List(19)};
            QCOMPARE(picks.join(u','), QStringLiteral("Moon,Sun,MNNode,BML,Midheaven"));
        }
        QCOMPARE(selection(w->PlanetList[0]) + u' ' + selection(w->PlanetList[1]),
                 QStringLiteral("4,5,6,7,8,9@4 5,6,7,8,9@5"));
        QVERIFY((*w->TranProgOption)[1]->isEnabled());
        QCOMPARE(w->TimeUnit->selected(), 2);
        QCOMPARE(QStringList({w->PeriodBox->text(), w->OrbTextBox[0]->text(), w->OrbTextBox[1]->text(),
                              QString::number(w->OrbScroll[1]->Value()), w->cboTimeZones->Text(),
                              QString::number(w->cboTimeZones->count())}),
                 QStringList({"1", "100", "50", "50", "Eastern Standard Time - EST (05:00)", "0"}));
        QVERIFY(w->cmbUserRate->isHidden() && w->cmdSaveUserRate->isHidden());
        QCOMPARE(w->PMon->text() + w->PDay->text() + w->Pyear->text(), QStringLiteral("03072024"));
        QVERIFY(w->lblToolBar[0]->isHidden() && w->lblToolBar[1]->isHidden());
        const double free = ui::width(w->vseResult) - ui::width(w->imgResult);
        QVERIFY(std::abs(ui::left(w->imgResult) - std::max(0.0, free / 2)) <= 1);
    }

    void dateFieldsFollowTheShortDate_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("order");  // from the left, which is also the Tab order
        QTest::addColumn<QString>("caption");
        row("month first", "en_US", "TMonth TDay TYear", "Mo.   Day  Year");
        row("day first", "de_DE", "TDay TMonth TYear", "Day  Mo.   Year");
        row("year first", "sv_SE", "TYear TMonth TDay", " Year     Mo.  Day");
        row("C library", "C", "TMonth TDay TYear", "Mo.   Day  Year");
    }
    void dateFieldsFollowTheShortDate() {
        QFETCH(QString, locale);
        QFETCH(QString, order);
        QFETCH(QString, caption);
        QVERIFY(close());
        {
            testsupport::LocaleSwitch sw(locale);
            shell::FillVocabulary();
            QVERIFY(open());
            QCOMPARE(w->LongMin->text() + u' ' + w->LatMin->text() + u' ' + w->LongDeg->text(),
                     QStringLiteral("00.38 42.85 074"));  // literals, whatever the locale
        }
        shell::FillVocabulary();
        QList<ui::TextBox*> f;
        for (const QString& n : order.split(u' ')) f << w->findChild<ui::TextBox*>(n);
        QCOMPARE(ui::left(f[0]), 240.0);
        QVERIFY(ui::left(f[0]) < ui::left(f[1]) && ui::left(f[1]) < ui::left(f[2]));
        QCOMPARE(f[0]->nextInFocusChain(), f[1]);
        QCOMPARE(f[1]->nextInFocusChain(), f[2]);
        QCOMPARE(w->Label21->text(), caption);
        QCOMPARE(w->TMonth->text() + u'/' + w->TDay->text() + u'/' + w->TYear->text(), QStringLiteral("03/07/2024"));
    }

    // A number box is checked on leaving, by Tab or by a click on its bar, which
    // then steps from the value the check wrote.
    void numberBoxesKeepToTheirBars_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("box");  // 0, 1: the orb boxes; 2: the period box
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("leave");  // Tab, or the bar's right or left arrow, or PageUp on it
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("value");
        row("above the maximum, bar already there", "en_US", 0, "250", "tab", " 100", 100);
        row("below the minimum, bar moves", "en_US", 1, "2", "tab", "5", 5);
        row("below a minimum of 0", "en_US", 0, "-7", "tab", "0", 0);
        row("letters read as 0", "en_US", 2, "abc", "tab", " 1", 1);
        row("zero period", "en_US", 2, "0", "tab", " 1", 1);
        row("period above the maximum", "en_US", 2, "250", "tab", "100", 100);
        row("half goes down to even", "en_US", 0, "2.5", "tab", "2", 2);
        row("half goes up to even", "en_US", 0, "3.5", "tab", "4", 4);
        row("comma ends the number", "de_DE", 0, "3,5", "tab", "3", 3);
        row("bar unmoved keeps the text", "en_US", 1, "50.2", "tab", "50.2", 50);
        row("typed, then the right arrow", "en_US", 2, "50", "right", "51", 51);
        row("clamped, then the left arrow", "en_US", 2, "250", "left", "99", 99);
        row("PageUp at the minimum changes nothing", "en_US", 2, "abc", "PageUp", " 1", 1);
    }
    void numberBoxesKeepToTheirBars() {
        QFETCH(QString, locale);
        QFETCH(int, box);
        QFETCH(QString, typed);
        QFETCH(QString, leave);
        QFETCH(QString, shown);
        QFETCH(int, value);
        testsupport::LocaleSwitch sw(locale);
        ui::TextBox* field = box == 2 ? w->PeriodBox : w->OrbTextBox[size_t(box)];
        ui::HScrollBar* bar = box == 2 ? w->PeriodScroll : w->OrbScroll[size_t(box)];
        type(field, typed);
        if (leave == u"tab") {
            QTest::keyClick(field, Qt::Key_Tab);
        } else if (leave == u"PageUp") {
            QTest::keyClick(field, Qt::Key_Backtab);  // the bar stands before its box
            QTest::keyClick(bar, Qt::Key_PageUp);
        } else {
            testsupport::clickScrollArrow(bar, leave == u"right");
        }
        QVERIFY(leave == u"tab" || bar->hasFocus());
        QCOMPARE(field->text(), shown);
        QCOMPARE(bar->Value(), value);
    }

    void switchingListTypeOnlyAddsSelections() {
        type(w->PeriodBox, QStringLiteral("7"));
        QTest::mouseClick((*w->TranProgOption)[1], Qt::LeftButton);
        QCOMPARE(selection(w->PlanetList[0]), QStringLiteral("0,1,2,3,4,5,6,7,8,9@0"));
        QCOMPARE(selection(w->PlanetList[1]), QStringLiteral("0,1,2,3,4,5,6,7,8,9@0"));
        QCOMPARE(w->TimeUnit->selected(), 3);
        QCOMPARE(w->PeriodBox->text() + QString::number(w->PeriodScroll->Value()), QStringLiteral("11"));
        ui::ListBox* l = w->PlanetList[1];
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(2)).center());
        QTest::keyClick(w, Qt::Key_T, Qt::AltModifier);
        QCOMPARE(selection(w->PlanetList[0]), QStringLiteral("0,1,2,3,4,5,6,7,8,9@4"));
        QCOMPARE(selection(l), QStringLiteral("0,1,3,4,5,6,7,8,9@5"));  // the user's own change stays
        QCOMPARE(w->TimeUnit->selected(), 2);
    }

    void progressionTypesOfferAUserRate_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("rate");  // empty: box and button hidden
        const char* primary = "1.000 (Ptolemy)";
        row("secondary", 0, "");
        row("solar arc", 1, "");
        row("minor", 2, "");
        row("tertiary", 3, "");
        row("special", 4, "12.36826591");
        row("hermetic minor", 5, "");
        row("rational primary", 6, primary);
        row("classical primary with latitude", 7, primary);
        row("classical primary without latitude", 8, primary);
    }
    void progressionTypesOfferAUserRate() {
        QFETCH(int, type);
        QFETCH(QString, rate);
        clickTab(2);
        chooseType("Special Progressions");
        w->cmbUserRate->AddItem(QStringLiteral("13"));
        w->CityBox->setFocus();
        w->cmbProgType->setListIndex(type);
        QCOMPARE(w->cmbUserRate->isVisible(), !rate.isEmpty());
        QCOMPARE(w->cmdSaveUserRate->isVisible(), !rate.isEmpty());
        if (rate.isEmpty()) return;
        QCOMPARE(w->cmbUserRate->Text(), rate);
        QCOMPARE(w->cmbUserRate->count(), 0);
        QTRY_VERIFY(w->cmbUserRate->hasFocus());
    }

    void addingUserRates_data() {
        QTest::addColumn<QString>("typed");  // each text then "&Add"; "-" keeps the sample text
        QTest::addColumn<QString>("list");
        row("the sample text", "-", "12.36826591");
        row("contained in an entry", "-|12.3", "12.36826591");
        row("a new rate", "-|13", "12.36826591|13");
        row("zero", "0", "");
        row("letters read as zero", "abc", "");
        row("case ignored", "1.0 (Fast)|1.0 (FAST", "1.0 (Fast)");
    }
    void addingUserRates() {
        QFETCH(QString, typed);
        QFETCH(QString, list);
        clickTab(2);
        chooseType("Special Progressions");
        for (const QString& t : typed.split(u'|')) {
            if (t != u"-") QTest::keyClicks(w->cmbUserRate->lineEdit(), t);  // the sample is selected
            QTest::mouseClick(w->cmdSaveUserRate, Qt::LeftButton);
            w->cmbUserRate->lineEdit()->selectAll();
        }
        QStringList entries;
        for (int i = 0; i < w->cmbUserRate->count(); ++i) entries << w->cmbUserRate->itemText(i);
        QCOMPARE(entries.join(u'|'), list);
        chooseType("Rational Primary Directions");
        QCOMPARE(w->cmbUserRate->count(), 0);  // added rates last until the type changes
    }

    // Every message button, on whichever page it stands, shows its own message
    // under its caption (without "&" and "...") and the window stays.
    void messageButtonsExplainAndStay() {
        testsupport::MsgBoxRecorder boxes;
        for (const options::text::MessageButton& m : options::text::kMessageButtons) {
            auto* b = w->findChild<ui::CommandButton*>(QLatin1String(m.name));
            QVERIFY2(b && b->text() == m.caption, m.name);
            for (int t = 0; t < w->VSIndexTab1->count(); ++t)
                if (w->VSIndexTab1->page(t)->isAncestorOf(b)) clickTab(t);
            boxes.clear();
            QTest::mouseClick(b, Qt::LeftButton);
            const QString title = QString(m.caption).remove(QStringLiteral("...")).remove(u'&');
            QCOMPARE(boxes.boxes(), QList<ui::MsgRecord>({{m.text, m.icon, title}}));
            QVERIFY(w->isVisible());
        }
    }

    void toolBarDescribesThePage_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("shown");  // which description shows
        row("list", 0, "");
        row("derived charts", 1, "1");
        row("progressed charts", 2, "");
        row("compatible charts", 3, "0");
        row("search result", 4, "");
    }
    void toolBarDescribesThePage() {
        QFETCH(int, tab);
        QFETCH(QString, shown);
        clickTab(tab == 1 ? 3 : 1);
        clickTab(tab);
        QCOMPARE(w->lblToolBar[0]->isVisible(), shown == u"0");
        QCOMPARE(w->lblToolBar[1]->isVisible(), shown == u"1");
        QCOMPARE(w->ToolBarArrangement, shown.isEmpty() ? 3 : 0);
        for (ui::Label* l : w->lblToolBar) {  // the close button never covers a description
            if (l->isVisible()) QVERIFY(!l->geometry().intersects(w->cmdAction[2]->geometry()));
        }
        QTest::mouseClick(w->cmdAction[2], Qt::LeftButton);
        QTRY_VERIFY(!Slot::exists());
    }
};

}  // namespace

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
