// The customizing window: orb lists and fields, the orb hint, the arrow, rulers,
// asteroids, the special-point boxes, Arabic parts, the glyphs and every button's answer.

#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "custom/arabicparts.h"
#include "custom/custom_data.h"
#include "custom/frmcustom.h"
#include "fixtures.h"
#include "formtest.h"
#include "shell/orbs.h"
#include "shell/screen.h"
#include "shell/vocabulary.h"
#include "tests.h"
#include "ui/canvas.h"
#include "ui/controls.h"
#include "ui/elastic.h"
#include "ui/indextab.h"
#include "ui/picture.h"
#include "ui/twips.h"

using custom::frmCustom;
using testsupport::MsgBoxRecorder;

namespace {

const QString& kHint = custom::text::kOrbHint;

class TestCustom : public QObject, testsupport::FormTest<frmCustom> {
    Q_OBJECT

    void clickTab(int tab) { testsupport::clickTab(w->VSIndexTab1, tab); }
    void chooseOrbs(int type) {
        if (w->VSIndexTab1->CurrTab() != 1)
            clickTab(1);
        QTest::mouseClick((*w->optOrbs)[type], Qt::LeftButton);
    }
    void choosePart(const QString& name) {
        w->cboPartNames->setListIndex(w->cboPartNames->findText(name));
    }
    QString orbs(int aspect) {
        return w->OrbL[size_t(aspect)]->text() + u'/' + w->OrbP[size_t(aspect)]->text();
    }

private slots:
    void init() { QVERIFY(open()); }
    void cleanup() { QVERIFY(closedCleanly()); }

    void loadsTheSampleState() {
        QCOMPARE(w->VSIndexTab1->CurrTab(), 0);
        QCOMPARE(w->optOrbs->selected(), -1);
        QVERIFY(w->OrbHintPending && !w->Timer1->isActive());
        QCOMPARE(w->Timer1->interval(), 3000);
        QVERIFY(w->optMoon->selected() == 0 && w->optBlackMoon->selected() == 0);
        QVERIFY(w->ReverseBox->isChecked() && w->TradBox->isChecked());
        QCOMPARE(w->cboPartNames->currentIndex(), -1);
        QVERIFY(w->DegreeAmount->isHidden());
        QCOMPARE(w->lblAspect[11]->text(), QStringLiteral("Septile (SPT)                51.429"));
        clickTab(6);
        QCOMPARE(w->lstRoid->count(), 72);
        QCOMPARE(w->lstRoid->selectedItems().size(), 72);
        QCOMPARE(w->lstRoid->List(0), QStringLiteral("Aesculapia (1027)"));
        QCOMPARE(w->lstRoid->verticalScrollBar()->value(), 0);
    }

    void orbListsShowTheirDefaults_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("save");
        QTest::addColumn<QString>("orbs");  // aspect position=lights/planets
        row("natal", 0, "&Save Natal Orbs", "0=7.00/6.00 4=5.00/4.00 10=2.00/2.00 11=0.00/0.00");
        row("synastry has an inconjunct", 2, "&Save Synastry Orbs",
            "0=8.00/7.00 5=0.00/0.00 7=5.00/4.00");
        row("midpoints: hard aspects and the semi-octile", 3, "&Save Midpoint Orbs",
            "0=1.00/1.00 1=1.00/1.00 2=0.00/0.00 3=1.00/1.00 4=0.00/0.00 5=1.00/1.00 6=1.00/1.00 "
            "7=0.00/0.00 17=0.00/0.00 18=1.00/1.00 19=0.00/0.00");
        row("progressions", 5, "&Save Progress Orbs", "4=0.50/0.50 10=0.20/0.20");
        row("asteroids as Arabic parts", 6, "&Save Asteroid Orbs", "3=1.00/1.00 4=0.00/0.00");
    }
    void orbListsShowTheirDefaults() {
        QFETCH(int, type);
        QFETCH(QString, save);
        QFETCH(QString, orbs);
        chooseOrbs(type);
        QCOMPARE(shell::OrbListIndex, type);
        QCOMPARE(w->SaveButton[3]->text(), save);
        for (const QString& cell : orbs.split(u' ')) {
            QCOMPARE(this->orbs(cell.section(u'=', 0, 0).toInt()), cell.section(u'=', 1));
        }
        if (type == 6) {  // a copy of the Arabic parts column, all 21 rows
            QStringList asteroids;
            for (int a = 0; a < 21; ++a) asteroids << this->orbs(a);
            chooseOrbs(4);
            for (int a = 0; a < 21; ++a) QCOMPARE(this->orbs(a), asteroids[a]);
        }
    }

    // The orb table is program-wide and refilled by every load; the fields show
    // it (or, after Default, the window's defaults), never their own edits.
    void fieldsShowTheTableOrTheDefaultsNotTheirEdits() {
        chooseOrbs(2);
        QTest::mouseClick(w->OrbL[0], Qt::LeftButton);
        QTRY_COMPARE(w->OrbL[0]->selectedText(), QStringLiteral("8.00"));  // selected on entry
        QTest::keyClicks(w->OrbL[0], QStringLiteral("9"));
        chooseOrbs(1);
        chooseOrbs(2);
        QCOMPARE(w->OrbL[0]->text(), QStringLiteral("8.00"));  // the edit is gone
        shell::OrbTable(2, 1) = QStringLiteral("3.00");        // the defaults are the window's own
        chooseOrbs(2);
        QCOMPARE(w->OrbL[0]->text(), QStringLiteral("3.00"));
        QTest::mouseClick(w->btnDefault[1], Qt::LeftButton);
        QCOMPARE(orbs(0), QStringLiteral("8.00/7.00"));
        QCOMPARE(shell::OrbTable(2, 1), QStringLiteral("3.00"));  // the table itself stays
        chooseOrbs(3);
        QVERIFY(close());
        QCOMPARE(shell::OrbListIndex, 3);  // it outlives the window
        QVERIFY(open());
        QCOMPARE(shell::OrbListIndex, 0);
        QCOMPARE(shell::OrbTable(2, 1), QStringLiteral("8.00"));
    }

    void orbFieldsFilterKeysAndRewriteOnLeaving_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");  // "paste:" goes past the key filter
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("shown");
        row("point locale", "C", "1,2.5x-", "12.5", "12.50");
        row("comma locale", "de_DE", "1.2,5x-", "12,5", "12,50");
        row("rounded", "C", "0.125", "0.125", "0.13");
        row("single precision", "C", "123456789", "123456789", "123456792.00");
        row("two separators go back", "C", "1.2.5", "1.2.5", "7.00");
        row("emptied", "C", "\b", "", "0.00");
        row("pasted letters go back", "C", "paste:5x", "5x", "7.00");
        row("pasted negative goes back", "C", "paste:-3", "-3", "7.00");
        row("pasted beyond single range", "C", "paste:1e39", "1e39", "7.00");
        row("pasted number", "C", "paste: 5", " 5", "5.00");
    }
    void orbFieldsFilterKeysAndRewriteOnLeaving() {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(QString, shown);
        QVERIFY(close());
        {
            testsupport::LocaleSwitch l(locale);
            shell::FillVocabulary();
            QVERIFY(open());
            chooseOrbs(0);
            ui::TextBox* box = w->OrbL[0];
            QTest::mouseClick(box, Qt::LeftButton);
            QTRY_COMPARE(box->selectedText(), box->text());
            if (typed.startsWith(QLatin1String("paste:")))
                box->insert(typed.mid(6));
            else
                QTest::keyClicks(box, typed);  // "\b" is Backspace
            QCOMPARE(box->text(), kept);
            QTest::mouseClick(w->OrbP[0], Qt::LeftButton);
            QCOMPARE(box->text(), shown);
            QVERIFY(close());
        }
        shell::FillVocabulary();  // the vocabulary of the test's own locale again
    }

    void orbHint_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("hints");
        QTest::addColumn<bool>("pending");
        using L = QStringList;
        row("a plain click shows it at the tick", L{"tab1", "tick"}, 1, false);
        row("no tick, no hint yet", L{"tab1"}, 0, true);
        row("a further click on the tabs suppresses it",
            L{"tab1", "tab1", "tick", "tab0", "tab1", "tick"}, 0, false);
        row("ticking on another page keeps it", L{"tab1", "tab0", "tick", "tab1", "tick"}, 1,
            false);
        row("at most once per opening", L{"tab1", "tick", "tab0", "tab1", "tick"}, 1, false);
        row("an access key is a click too", L{"tab2", "alt+a", "tick"}, 1, false);
        row("a tick while a box is up waits for the next", L{"tab1", "tick under help", "tick"}, 1, false);
    }
    void orbHint() {
        QFETCH(QStringList, steps);
        QFETCH(int, hints);
        QFETCH(bool, pending);
        MsgBoxRecorder boxes;
        for (const QString& s : steps) {
            if (s == u"tick") {
                w->Timer1_Timer();
                QVERIFY(!w->Timer1->isActive());
            } else if (s == u"alt+a") {
                QTest::keyClick(w, Qt::Key_A, Qt::AltModifier);
            } else if (s == u"tick under help") {
                boxes.setWhileOpen([this] { w->Timer1_Timer(); });
                QTest::mouseClick(w->HelpButton[3], Qt::LeftButton);
                boxes.setWhileOpen({});
                QVERIFY(w->Timer1->isActive());
            } else {
                clickTab(s.right(1).toInt());
                if (s == u"tab1")
                    QVERIFY(w->Timer1->isActive());
            }
        }
        QList<ui::MsgRecord> shown = boxes.boxes();
        shown.removeIf([](const ui::MsgRecord& r) { return r.text == custom::text::kHelp; });
        QCOMPARE(shown, QList<ui::MsgRecord>(hints, {kHint, ui::Icon::Information, shell::DemoTitle}));
        QCOMPARE(w->OrbHintPending, pending);
    }

    void arrowSlidesInAndTakesNoInput() {
        struct Watch : QObject {
            std::function<void()> moved;
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::Move)
                    moved();
                return false;
            }
        } watch;
        QList<int> lefts;
        bool refused = false;
        watch.moved = [&] {
            lefts << w->imgArrow->x();
            if (lefts.size() == 30)
                refused = !w->close();  // mid-slide
        };
        clickTab(3);
        ui::setLeft(w->imgArrow, 500);
        clickTab(0);
        w->imgArrow->installEventFilter(&watch);
        clickTab(3);
        QCOMPARE(ui::left(w->imgArrow), 1100.0);
        QCOMPARE(lefts.size(), ui::toPixels(1100) + 1);  // every pixel on the way, in order
        QCOMPARE(lefts.first(), 0);
        QVERIFY(std::is_sorted(lefts.begin(), lefts.end()));
        QVERIFY(refused && w->isVisible());
    }

    void rulers_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("scoAquPis");
        QTest::addColumn<QString>("save");
        using L = QStringList;
        row("modern after load", L{}, "Plu Ura Nep", "Save Modern Rulers");
        row("traditional", L{"1"}, "Mar Sat Jup", "Save Traditional Rulers");
        row("back to modern", L{"1", "0"}, "Plu Ura Nep", "Save Modern Rulers");
        row("default without a choice is traditional", L{"default"}, "Mar Sat Jup",
            "Save Modern Rulers");
        row("default keeps modern", L{"0", "default"}, "Plu Ura Nep", "Save Modern Rulers");
    }
    void rulers() {
        QFETCH(QStringList, steps);
        QFETCH(QString, scoAquPis);
        QFETCH(QString, save);
        clickTab(5);
        for (const QString& s : steps) {
            if (s == u"default") {
                for (auto* box : w->SignPlanet) box->setText(QStringLiteral("Chi"));
                QTest::mouseClick(w->btnDefault[0], Qt::LeftButton);
            } else {
                QTest::mouseClick((*w->optRulers)[s.toInt()], Qt::LeftButton);
            }
        }
        const auto& signs = w->SignPlanet;
        QCOMPARE(signs[7]->text() + u' ' + signs[10]->text() + u' ' + signs[11]->text(), scoAquPis);
        QCOMPARE(w->SignPlanet[4]->text(), QStringLiteral("Sun"));
        QCOMPARE(w->SaveButton[1]->text(), save);
    }

    void buttonsAnswer_data() {  // the row name is the button's
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("text");  // empty: the window closes
        using namespace custom::text;
        for (int i : {0, 1, 2, 3, 4}) row(qPrintable(QStringLiteral("SaveButton%1").arg(i)), std::array{4, 5, 0, 1, 6}[size_t(i)], save(i));
        for (int i : {0, 1, 2, 3}) row(qPrintable(QStringLiteral("HelpButton%1").arg(i)), std::array{4, 5, 0, 1}[size_t(i)], kHelp);
        row("OpenFileButton", 4, kOpenFile);
        row("Command1", 0, kCancel);
        row("cmdAction0", 3, QString());
        row("cmdAction1", 2, QString());
        row("cmdAction2", 1, QString());
        row("cmdAction3", 0, QString());
        row("cmdAction4", 6, QString());
        row("cmdClose", 4, QString());
        row("CancelButton0", 5, QString());
        row("CancelButton1", 1, QString());
        row("CancelButton2", 6, QString());
    }
    void buttonsAnswer() {
        QFETCH(int, page);
        QFETCH(QString, text);
        MsgBoxRecorder boxes;
        w->VSIndexTab1->setCurrTab(page);
        auto* b = w->findChild<QPushButton*>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(b && b->isVisible());
        QVERIFY(ui::width(b) >= ui::toTwips(b->sizeHint().width()));  // caption not clipped
        QTest::mouseClick(b, Qt::LeftButton);
        if (text.isEmpty()) {
            QVERIFY(boxes.boxes().isEmpty());
            QTRY_VERIFY(!Slot::exists());
            return;
        }
        const bool cancel = b->objectName() == u"Command1";
        QCOMPARE(
            boxes.boxes(),
            (QList<ui::MsgRecord>{{text, cancel ? ui::Icon::Information : ui::Icon::Exclamation,
                                   cancel ? QStringLiteral("Cancel") : shell::DemoTitle}}));
        QVERIFY(Slot::exists() && w->isVisible());
    }

    void accessKeys_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("boxes");
        row("close on the aspects page acts at once", 1, int(Qt::Key_C), true, 0);
        row("close on the asteroids page acts at once", 6, int(Qt::Key_C), true, 0);
        row("cancel and close share a key: focus only", 0, int(Qt::Key_C), false, 0);
        row("new file on the Arabic parts page", 4, int(Qt::Key_N), false, 1);
    }
    void accessKeys() {
        QFETCH(int, page);
        QFETCH(int, key);
        QFETCH(bool, closes);
        QFETCH(int, boxes);
        MsgBoxRecorder rec;
        w->VSIndexTab1->setCurrTab(page);
        QTest::keyClick(w, Qt::Key(key), Qt::AltModifier);
        if (closes) {
            QTRY_VERIFY(!Slot::exists());
            return;
        }
        QCOMPARE(rec.boxes().size(), boxes);
        QVERIFY(Slot::exists());
    }

    // On the planets page each row's options come with their row, not after all
    // the boxes (no trap on any page: tst_keyboard_walk).
    void planetRowsAreWalkedRowByRow() {
        w->VSIndexTab1->tabBar()->setFocus();
        const QList<QWidget*> walk = testsupport::tabWalk();
        QVERIFY(walk.indexOf((*w->optMoon)[0]) < walk.indexOf(w->CheckMN[0]) + 3);
        QVERIFY(walk.indexOf(w->PFReverseBox) < walk.indexOf(w->CheckChiron[0]));
    }

    void displayBoxRulesItsOptions_data() {
        QTest::addColumn<int>("point");
        QTest::addColumn<bool>("choiceStays");
        row("moon's nodes keep their choice", 0, true);
        row("black moon lilith keeps its choice", 1, true);
        row("fortune loses its night reversal", 2, false);
    }
    void displayBoxRulesItsOptions() {
        QFETCH(int, point);
        QFETCH(bool, choiceStays);
        const auto boxes = std::array{w->CheckMN, w->CheckBlackMoon, w->CheckPF}[size_t(point)];
        const ui::OptionArray& two = point == 0 ? *w->optMoon : *w->optBlackMoon;
        QAbstractButton* choice =
            point == 2 ? w->PFReverseBox : static_cast<QAbstractButton*>(two[1]);
        QAbstractButton* other = point == 2 ? choice : two[0];
        const auto enabled = [&] { return choice->isEnabled() && other->isEnabled(); };
        QVERIFY(!enabled() && !choice->isChecked());  // as loaded
        QTest::mouseClick(boxes[1], Qt::LeftButton);  // the I box alone changes nothing
        QVERIFY(!enabled());
        QTest::mouseClick(boxes[0], Qt::LeftButton);
        QVERIFY(enabled());
        QTest::mouseClick(choice, Qt::LeftButton);
        QTest::mouseClick(boxes[1], Qt::LeftButton);  // unchecking I leaves the choice alone
        QVERIFY(!boxes[1]->isChecked() && choice->isChecked());
        QTest::mouseClick(boxes[1], Qt::LeftButton);
        QTest::mouseClick(boxes[0], Qt::LeftButton);  // unchecking D unchecks I and disables
        QVERIFY(!enabled() && !boxes[1]->isChecked());
        QCOMPARE(choice->isChecked(), choiceStays);
        QTest::mouseClick(boxes[0], Qt::LeftButton);
        QVERIFY(enabled());
        QCOMPARE(choice->isChecked(), choiceStays);
    }

    void arabicPartsShowTheirFormula_data() {
        QTest::addColumn<QString>("part");
        QTest::addColumn<QString>("operands");
        QTest::addColumn<QString>("degree");  // empty: the field is hidden
        QTest::addColumn<bool>("reverse");
        row("honor", "Honor", "Asc|Degree|Sun", "19", false);
        row("fortune", "Fortune", "Asc|Moo|Sun", "", true);
        row("bondage", "Bondage", "Asc|Moo|Moo Dispositor", "", true);
        row("desire", "Desire and sexual attraction", "Asc|5th|5th Ruler", "", false);
        row("vocation starts at the midheaven", "Vocation", "Mid|Moo|Sun", "", false);
        row("assassination starts at mars", "Assassination", "Mar|Nep|Ura", "", false);
        row("travel by water", "Travel by water", "Asc|Degree|Sat", "105", true);
        row("imprisonment uses fortune", "Imprisonment, sorrow", "Asc|PF |Nep", "", false);
    }
    void arabicPartsShowTheirFormula() {
        QFETCH(QString, part);
        QFETCH(QString, operands);
        QFETCH(QString, degree);
        QFETCH(bool, reverse);
        clickTab(4);
        // From a part with the other settings, so every control has to change.
        choosePart(degree.isEmpty() ? QStringLiteral("Honor") : QStringLiteral("Fortune"));
        w->ReverseBox->setValue(!reverse);
        w->TradBox->setValue(false);
        choosePart(part);
        QCOMPARE(w->PartName->text(), part);
        QCOMPARE(w->cboArPlanet1->currentText() + u'|' + w->cboArPlanet2->currentText() + u'|' +
                     w->cboArPlanet3->currentText(),
                 operands);
        QCOMPARE(w->DegreeAmount->isVisible(), !degree.isEmpty());
        QCOMPARE(w->DegreeAmount->text(), degree);
        QCOMPARE(w->ReverseBox->isChecked(), reverse);
        QVERIFY(w->TradBox->isChecked());
    }

    void degreeFieldFollowsTheSecondPointChosenByKeyboard() {
        clickTab(4);
        w->cboPartNames->setFocus();
        for (int i = 0; i <= 14; ++i) QTest::keyClick(w->cboPartNames, Qt::Key_Down);
        QCOMPARE(w->PartName->text(), QStringLiteral("Fortune"));
        QComboBox* second = w->cboArPlanet2;
        second->setFocus();
        QTest::keyClick(second, Qt::Key_End);  // the last entry is "Degree"
        QVERIFY(w->DegreeAmount->isVisible());
        w->DegreeAmount->insert(QStringLiteral("\tnot | a & degree\n"));  // pasted: kept as it is
        QTest::keyClick(second, Qt::Key_Home);
        QCOMPARE(second->currentText(), QStringLiteral("Sun"));
        QVERIFY(!w->DegreeAmount->isVisible());
        choosePart(QStringLiteral("Honor"));
        QCOMPARE(w->DegreeAmount->text(), QStringLiteral("19"));
    }

    void storedFormulasOutOfShapeShowNothingOrWhatFits() {
        clickTab(4);
        w->ShowArabicPart(14);
        custom::PartFormulas[14] = QStringLiteral(" 10| 1| 0");  // too few fields
        w->ShowArabicPart(14);
        QCOMPARE(w->PartName->text(), QStringLiteral("Fortune"));
        custom::PartFormulas[14] = QStringLiteral(" 999| -4| x|Odd|7");  // positions out of range
        w->ShowArabicPart(14);
        QCOMPARE(w->PartName->text(), QStringLiteral("Odd"));
        QCOMPARE(w->cboArPlanet1->currentIndex(), -1);
        QCOMPARE(w->cboArPlanet3->currentText(), QStringLiteral("Sun"));  // "x" reads as 0
        w->ShowArabicPart(99);
        QCOMPARE(w->PartName->text(), QStringLiteral("Odd"));
    }

    void onlyTheSettingsPictureAnswersAClick() {
        MsgBoxRecorder boxes;
        clickTab(3);
        for (ui::Picture* p : {w->imgCtrImageForm, w->imgCtrImage, w->imgArrow}) {
            QTest::mouseClick(p, Qt::LeftButton);
            QTRY_VERIFY(!p->rendered().isNull());  // the picture is in the program
        }
        const QString text = QStringLiteral(
            "This is only a picture.  Click on the 'Close' button up above to close this window.");
        QCOMPARE(boxes.boxes(), (QList<ui::MsgRecord>{{text, ui::Icon::None, shell::DemoTitle}}));
    }

    void windowGrowsKeepingTheOrbTableAligned() {
        QCOMPARE(w->minimumSize(), w->size());
        w->resize(w->size() * 1.25);
        clickTab(1);
        QTRY_VERIFY(w->vseAspects->width() >
                    ui::toPixels(w->vseAspects->designSizeTwips().width()));
        const QFontMetricsF fm(w->lblOrbHeader->font());
        const double lights = w->lblOrbHeader->x() + fm.horizontalAdvance(QString(49, u' ')) +
                              fm.horizontalAdvance(QStringLiteral("Orb of Lights")) / 2;
        QVERIFY(std::abs(w->OrbL[0]->geometry().center().x() - lights) < 4);
        QCOMPARE(w->OrbL[20]->y(), w->lblAspect[20]->y());
        QVERIFY(w->cmdAction[2]->geometry().right() < w->vseAspects->width());
    }

    // Boxes 2 to 9 are sized from box 0 (425 wide: C 212, R 53), the black moon from
    // its own box (420 wide: C 210, R 52); Fortune and the black moon use R 42 a while.
    void drawsInBoxUnits_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("op");
        QTest::addColumn<QPointF>("from");  // centre or line start
        QTest::addColumn<QPointF>("to");    // line end; for a circle, the radius in x
        row("north node horseshoe", 2, 0, QPointF(212, 159), QPointF(79.5, 0));
        row("fortune circle", 4, 0, QPointF(212, 212), QPointF(126, 0));
        row("chiron stem with R back at 53", 5, 1, QPointF(180.2, 265), QPointF(180.2, 53));
        row("black moon disc", 12, 0, QPointF(231, 159.6), QPointF(84, 0));
        row("black moon bite", 12, 1, QPointF(302.4, 155.4), QPointF(71.4, 0));
        row("black moon stem with R 52", 12, 2, QPointF(210, 251.6), QPointF(210, 345.2));
    }
    void drawsInBoxUnits() {
        QFETCH(int, box);
        QFETCH(int, op);
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        const auto& o = w->picGlyph[size_t(box)]->displayList().at(size_t(op));
        QCOMPARE(o.p1, from);
        const bool line = o.kind == ui::Canvas::Op::Kind::Line;
        QCOMPARE(line ? o.p2 : QPointF(o.radius, 0), to);
    }

    void glyphsLookRight_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QPointF>("ink");  // box units
        QTest::addColumn<QPointF>("blank");
        row("north node opens at the bottom", 2, QPointF(212, 79.5), QPointF(212, 238.5));
        row("black moon crescent opens to the right", 12, QPointF(157, 159.6), QPointF(290, 159.6));
    }
    void glyphsLookRight() {
        QFETCH(int, box);
        QFETCH(QPointF, ink);
        QFETCH(QPointF, blank);
        ui::Canvas* g = w->picGlyph[size_t(box)];
        g->resize(170, 170);  // large enough to probe a one-pixel line reliably
        const size_t recorded = g->displayList().size();
        const QImage image = g->grab().toImage();
        QCOMPARE(g->grab().toImage(), image);         // a repaint draws the same
        QCOMPARE(g->displayList().size(), recorded);  // and records nothing
        // The darkest pixel around a point: a thin antialiased line may fall between two.
        const auto darkest = [&](QPointF at) {
            const QPoint p = g->mapFromDesign(at).toPoint();
            int least = 255;
            for (int d = 0; d < 9; ++d)
                least = std::min(least, qGray(image.pixel(p + QPoint(d % 3 - 1, d / 3 - 1))));
            return least;
        };
        QVERIFY(darkest(ink) < 128);
        QVERIFY(darkest(blank) > 224);
    }
};

}  // namespace

QObject* makeCustomTest() {
    return new TestCustom;
}

#include "tst_custom.moc"
