// Event rules of the platform layer's controls, and the layer's services.

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QStyleFactory>
#include <memory>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include "fixtures.h"
#include "tests.h"
#include "ui/controls.h"
#include "ui/elastic.h"
#include "ui/form.h"
#include "ui/indextab.h"
#include "ui/locale.h"
#include "ui/multiline.h"
#include "ui/pause.h"
#include "ui/style.h"
#include "ui/twips.h"

using testsupport::MsgBoxRecorder;

namespace {

struct Probe : ui::Form {
    void Form_Load() override { ++loads; }
    static inline int loads = 0;
};

class TestControls : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QCOMPARE(testsupport::visibleWindows().size(), 0); }

    // The same value set twice by code raises Click twice, as the program expects;
    // a user's click raises one, on an option already chosen too.
    void clickFromCodeAndFromTheUser() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* check = new ui::CheckBox(QStringLiteral("c"), &window);
        auto* options = new ui::OptionArray(&window);
        layout->addWidget(check);
        layout->addWidget(options->add(QStringLiteral("a"), &window));
        layout->addWidget(options->add(QStringLiteral("b"), &window));
        auto* list = new ui::ListBox(&window);
        list->AddItem(QStringLiteral("one"));
        list->AddItem(QStringLiteral("two"));
        auto* combo = new ui::ComboBox(&window);
        combo->AddItem(QStringLiteral("one"));
        auto* tab = new ui::IndexTab(&window);
        tab->setCaptions(QStringLiteral("&One|&Two"));
        QSignalSpy checks(check, &ui::CheckBox::Click), choices(options, &ui::OptionArray::Click),
            lines(list, &ui::ListBox::Click), entries(combo, &ui::ComboBox::Click), tabs(tab, &ui::IndexTab::Click);
        for (int time = 0; time < 2; ++time) {
            check->setValue(false);
            options->select(0);
            list->setListIndex(1);
            combo->setListIndex(0);
            tab->setCurrTab(1);
        }
        QCOMPARE(QList<qsizetype>({checks.size(), choices.size(), lines.size(), entries.size(), tabs.size()}),
                 QList<qsizetype>(5, 2));

        QVERIFY(testsupport::showActive(window));
        QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(checks.size(), 3);
        QCOMPARE(check->value(), Qt::Checked);
        check->setChecked(false);  // as assistive technology would, without a click
        QCOMPARE(checks.size(), 4);
        QTest::mouseClick((*options)[1], Qt::LeftButton);
        QTest::mouseClick((*options)[1], Qt::LeftButton);  // already selected: Click again
        QCOMPARE(choices.size(), 4);
        QCOMPARE(choices.at(3).at(0).toInt(), 1);
        QCOMPARE(options->selected(), 1);
        window.close();
    }

    void tabClickComesBeforeThePageSwitch() {
        ui::IndexTab tab;
        tab.setCaptions(QStringLiteral("&First|&Second|&Third"));
        tab.resize(400, 300);
        QVERIFY(testsupport::showActive(tab));
        QStringList events;
        connect(&tab, &ui::IndexTab::Click, &tab, [&] {
            events << QStringLiteral("click tab=%1 page=%2")
                          .arg(tab.CurrTab())
                          .arg(tab.page(tab.CurrTab())->isVisible() ? "new" : "old");
        });
        connect(&tab, &ui::IndexTab::Switch, &tab, [&](int t) { events << QStringLiteral("switch %1").arg(t); });

        QTest::mouseClick(tab.tabBar(), Qt::LeftButton, {}, tab.tabBar()->tabRect(2).center());
        QTest::mouseClick(tab.tabBar(), Qt::LeftButton, {}, tab.tabBar()->tabRect(2).center());
        QTest::keyClick(&tab, Qt::Key_S, Qt::AltModifier);
        QCOMPARE(events, QStringList({"click tab=2 page=old", "switch 2", "click tab=2 page=new",
                                      "click tab=1 page=old", "switch 1"}));
        tab.close();
    }

    // No way of editing a field puts there what typing could not: a read-only
    // field refuses assistive edits, a filtered one passes them and composed
    // text through its key filter (here: digits only).
    void editsPassTheFieldsRules_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("expected");
        QTest::newRow("read-only, set") << true << "set" << "12";
        QTest::newRow("read-only, replace") << true << "replace" << "12";
        QTest::newRow("set") << false << "set" << "34";
        QTest::newRow("insert") << false << "insert" << "1234";
        QTest::newRow("replace") << false << "replace" << "342";
        QTest::newRow("delete") << false << "delete" << "2";
        QTest::newRow("input method") << false << "compose" << "1234";
    }
    void editsPassTheFieldsRules() {
        QFETCH(bool, readOnly);
        QFETCH(QString, route);
        QFETCH(QString, expected);
        ui::TextBox box;
        box.setKeyFilter([](int& key) {
            if (key < '0' || key > '9') key = 0;
        });
        box.setText(QStringLiteral("12"));
        box.setReadOnly(readOnly);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&box);
        QVERIFY(a);
        QAccessibleEditableTextInterface* edit = a->editableTextInterface();
        QCOMPARE(!edit, readOnly);
        const QString typed = QStringLiteral("3a4");
        if (route == u"set") a->setText(QAccessible::Value, typed);
        if (edit && route == u"insert") edit->insertText(2, typed);
        if (edit && route == u"replace") edit->replaceText(0, 1, typed);
        if (edit && route == u"delete") edit->deleteText(0, 1);
        if (route == u"compose") {
            QInputMethodEvent e;
            e.setCommitString(typed);
            QCoreApplication::sendEvent(&box, &e);
        }
        QCoreApplication::processEvents();
        QCOMPARE(box.text(), expected);
        box.setText(QStringLiteral("06"));  // the program itself always writes
        QCOMPARE(box.text(), QStringLiteral("06"));
    }

    void comboListShowsAsManyEntriesAsSet() {
        QWidget window;
        window.resize(300, 200);
        auto* combo = new ui::ComboBox(&window);
        for (int i = 0; i < 60; ++i) combo->AddItem(QString::number(i));
        combo->setMaxVisibleItems(16);
        QVERIFY(testsupport::showActive(window));
        combo->showPopup();
        const QAbstractItemView* list = combo->view();
        QTRY_VERIFY(list->isVisible());
        QCOMPARE(list->viewport()->height() / list->sizeHintForRow(0), 16);
        combo->hidePopup();
        window.close();
    }

    void listTellsSelectedFromCurrent() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* before = new ui::TextBox(&window);
        auto* list = new ui::ListBox(&window);
        layout->addWidget(before);
        layout->addWidget(list);
        for (const char* line : {"one", "two", "three"}) list->AddItem(QString::fromLatin1(line));
        QSignalSpy clicks(list, &ui::ListBox::Click);
        QSignalSpy focus(list, &ui::ListBox::GotFocus);
        QVERIFY(testsupport::showActive(window));
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
        QCOMPARE(focus.count(), 1);
        QCOMPARE(list->ListIndex(), -1);  // current, not selected
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->ListIndex(), 0);  // the first arrow selects the current line
        const QPoint second = list->visualItemRect(list->item(1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
        QCOMPARE(clicks.count(), 3);  // the arrow, then each click, the repeated one too
        list->RemoveItem(1);
        QCOMPARE(clicks.count(), 3);
        QCOMPARE(list->ListIndex(), -1);
        QCOMPARE(list->ListCount(), 2);
        // Scrolled past its current line, the list makes the top line shown
        // current on taking the focus, so its focus frame is seen; nothing selected.
        for (int i = 0; i < 40; ++i) list->AddItem(QStringLiteral("line %1").arg(i));
        list->setTopIndex(20);
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
        QCOMPARE(list->currentRow(), list->indexAt(QPoint(1, 1)).row());
        QVERIFY(list->currentRow() >= 20);
        QCOMPARE(list->ListIndex(), -1);
        window.close();
    }

    void multiLineBox_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("expected");
        QTest::newRow("typing stops at the limit") << "abc" << false << "defg" << "" << "abcde";
        QTest::newRow("Enter is typing too") << "abcd" << false << "\r\rx" << "" << "abcd\n";
        QTest::newRow("paste cut to what fits") << "abc" << false << "" << "defg" << "abcde";
        QTest::newRow("paste over the selection") << "abcde" << true << "" << "xy\r\nz" << "xy\nz";
    }
    void multiLineBox() {
        QFETCH(QString, text);
        QFETCH(bool, selected);
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        QFETCH(QString, expected);
        ui::MultiLineTextBox box;
        box.setMaxLength(5);
        box.setText(text);
        box.moveCursor(QTextCursor::End);
        if (selected) box.selectAll();
        for (QChar c : typed) {
            if (c == u'\r')
                QTest::keyClick(&box, Qt::Key_Return);
            else
                QTest::keyClick(&box, c.toLatin1());
        }
        if (!pasted.isEmpty()) {
            QApplication::clipboard()->setText(pasted);
            QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        }
        QCOMPARE(box.Text(), expected);
    }

    void multiLineBoxFilterSeesEnter() {
        ui::MultiLineTextBox box;
        QList<int> seen;
        box.setKeyFilter([&](int& key) {
            seen << key;
            if (key == 13 || key == 'x') key = 0;
        });
        QTest::keyClicks(&box, QStringLiteral("ab"));
        QTest::keyClick(&box, Qt::Key_Return);
        QTest::keyClick(&box, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(seen, QList<int>({'a', 'b', 13, 10}));
        QCOMPARE(box.Text(), QStringLiteral("ab\n"));  // Enter consumed, Ctrl+Enter a line break
        QApplication::clipboard()->setText(QStringLiteral("xc\r\nd"));
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.Text(), QStringLiteral("ab\nc\nd"));  // pasted letters pass it, line breaks stay
    }

    void leaveCheckRunsOnlyWhenLeavingForASibling() {
        MsgBoxRecorder boxes;
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* field = new ui::TextBox(&window);
        auto* other = new ui::TextBox(&window);
        layout->addWidget(field);
        layout->addWidget(other);
        int runs = 0;
        int otherRuns = 0;
        bool pass = false;
        field->setLeaveCheck([&] {
            ++runs;
            ui::msgBox(QStringLiteral("bad"), ui::Icon::Stop);
            return pass;
        });
        other->setLeaveCheck([&] { return ++otherRuns, true; });
        QVERIFY(testsupport::showActive(window));

        field->setFocus();
        QTest::keyClick(field, Qt::Key_Tab);
        QTRY_COMPARE(runs, 1);
        QTRY_VERIFY(field->hasFocus());  // failed: the focus came back
        QCOMPARE(otherRuns, 0);          // giving it back is not leaving the other field
        QCOMPARE(boxes.boxes().size(), 1);

        QWidget elsewhere;
        QVERIFY(testsupport::showActive(elsewhere));  // another window takes over
        QCoreApplication::processEvents();
        QCOMPARE(runs, 1);
        elsewhere.close();

        QVERIFY(testsupport::showActive(window));
        pass = true;
        other->setFocus(Qt::MouseFocusReason);
        QTRY_COMPARE(runs, 2);
        QVERIFY(other->hasFocus());
        window.close();
    }
};

class TestLayer : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QCOMPARE(testsupport::visibleWindows().size(), 0); }

    void messageBoxesAreRecordedWithTheirTitle() {
        MsgBoxRecorder rec;
        ui::msgBox(QStringLiteral("Hello"), ui::Icon::Information, QStringLiteral("Sort by Value"));
        ui::msgBox(QStringLiteral("No title"), ui::Icon::Stop);
        QCOMPARE(rec.boxes().size(), 2);
        QCOMPARE(rec.boxes().at(0), (ui::MsgRecord{"Hello", ui::Icon::Information, "Sort by Value"}));
        QCOMPARE(rec.boxes().at(1), (ui::MsgRecord{"No title", ui::Icon::Stop, "Starwright Demo"}));
    }

    void twipsRoundTrip() {
        QCOMPARE(ui::toPixels(1440), 96);
        QCOMPARE(ui::toTwips(96), 1440.0);
        QWidget parent;
        QWidget child(&parent);
        ui::setGeometryTwips(&child, 105, 210, 3000, 600);
        ui::setLeft(&child, 1233);  // not a whole pixel: read back as written
        QCOMPARE(ui::left(&child), 1233.0);
        QCOMPARE(ui::top(&child), 210.0);
        QCOMPARE(child.geometry(), QRect(82, 14, 200, 40));
    }

    void elasticPanelScalesChildren() {
        ui::ElasticPanel panel;
        panel.setDesignSizeTwips(3000, 1500);
        panel.resize(200, 100);
        panel.show();
        QWidget child(&panel);
        ui::setGeometryTwips(&child, 300, 150, 600, 300);
        QCOMPARE(child.geometry(), QRect(20, 10, 40, 20));
        panel.resize(400, 300);
        QCOMPARE(child.geometry(), QRect(40, 30, 80, 60));
        QCOMPARE(ui::width(&child), 600.0);  // the design stays what code set
        panel.resize(100, 50);               // smaller than designed: never squeezed
        QCOMPARE(child.geometry(), QRect(20, 10, 40, 20));

        // A frame's contents grow with it; a one-line control keeps its height,
        // centred in the room it grew to.
        QGroupBox frame(&panel);
        ui::setGeometryTwips(&frame, 0, 0, 1500, 900);
        ui::CommandButton button(QStringLiteral("OK"), &frame);
        ui::setGeometryTwips(&button, 300, 300, 600, 300);
        panel.resize(400, 200);
        QCOMPARE(frame.geometry(), QRect(0, 0, 200, 120));
        QCOMPARE(button.geometry(), QRect(40, 50, 80, 20));
        panel.close();
    }

    void formSlotBuildsOnFirstUseAndAnewAfterUnload() {
        QVERIFY(!ui::FormSlot<Probe>::exists());
        Probe& first = ui::FormSlot<Probe>::get();
        QCOMPARE(&ui::FormSlot<Probe>::get(), &first);
        QCOMPARE(Probe::loads, 1);
        ui::FormSlot<Probe>::showModal();
        QVERIFY(first.isVisible());
        QVERIFY(first.isModal());
        QVERIFY(first.parentWidget() == nullptr);
        first.Unload();
        QTRY_VERIFY(!ui::FormSlot<Probe>::exists());
        ui::FormSlot<Probe>::get();
        QCOMPARE(Probe::loads, 2);
        ui::FormSlot<Probe>::get().Unload();
        QTRY_VERIFY(!ui::FormSlot<Probe>::exists());
    }

    void pausesAreWallClockAndZeroInTests() {
        QElapsedTimer t;
        t.start();
        ui::pause(5000);  // disabled for the tests: returns at once
        QVERIFY(t.elapsed() < 1000);
        ui::setPausesDisabled(false);
        t.restart();
        ui::pause(30);
        const qint64 took = t.elapsed();
        ui::setPausesDisabled(true);
        QVERIFY2(took >= 29 && took < 1000, qPrintable(QString::number(took)));
    }

    // Input during a pause (assistive technology's press, toggle, text and tab,
    // then the close box) waits until the replay is over, then arrives in order;
    // without a pause it arrives at once.
    void inputWaitsForThePause() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* button = new ui::CommandButton(QStringLiteral("&Sort"), &window);
        auto* check = new ui::CheckBox(QStringLiteral("&Hospitals"), &window);
        auto* field = new ui::TextBox(&window);
        auto* tab = new ui::IndexTab(&window);
        tab->setCaptions(QStringLiteral("&One|&Two"));
        for (QWidget* w : std::initializer_list<QWidget*>{button, check, field, tab}) layout->addWidget(w);
        window.show();
        QStringList seen;
        connect(button, &QPushButton::clicked, &window, [&] { seen << QStringLiteral("pressed"); });
        connect(check, &ui::CheckBox::Click, &window, [&] { seen << QStringLiteral("toggled"); });
        connect(field, &QLineEdit::textChanged, &window, [&](const QString& t) { seen << "text " + t; });
        connect(tab, &ui::IndexTab::Click, &window, [&] { seen << QStringLiteral("tab %1").arg(tab->CurrTab()); });
        const auto act = [&](const QString& text, int page) {
            using A = QAccessibleActionInterface;
            QAccessible::queryAccessibleInterface(button)->actionInterface()->doAction(A::pressAction());
            QAccessible::queryAccessibleInterface(check)->actionInterface()->doAction(A::toggleAction());
            QAccessible::queryAccessibleInterface(field)->setText(QAccessible::Value, text);
            QAccessible::queryAccessibleInterface(tab->tabBar())->child(page)->actionInterface()->doAction(A::pressAction());
        };
        act(QStringLiteral("Seattle"), 1);
        const QStringList atOnce{"pressed", "toggled", "text Seattle", "tab 1"};
        QCOMPARE(seen, atOnce);
        ui::setPausesDisabled(false);
        QTimer::singleShot(5, &window, [&] { act(QStringLiteral("Tacoma"), 0), window.close(); });
        ui::pause(40);
        const QStringList duringPause = seen;
        ui::pause(10);  // the replay goes on into the same window
        const bool openAfterTheReplay = window.isVisible();
        ui::setPausesDisabled(true);
        QCOMPARE(duringPause, atOnce);
        QVERIFY(openAfterTheReplay);
        QTRY_VERIFY(!window.isVisible());
        QCOMPARE(seen, atOnce + QStringList({"pressed", "toggled", "text Tacoma", "tab 0"}));
    }

    void boxOpenedDuringAPauseCloses() {
        QWidget window;
        window.show();
        QStringList order;
        bool stuck = false;
        QTimer::singleShot(5, &window, [&] {
            QTimer::singleShot(5, &window, [&] {  // the user presses OK
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                box->button(QMessageBox::Ok)->click();
                stuck = box->isVisible();
                if (stuck) box->hide();  // it would wait for the pause, the pause for it
            });
            ui::msgBox(QStringLiteral("Sorted"), ui::Icon::Information);
            order << QStringLiteral("box closed");
        });
        ui::setPausesDisabled(false);
        ui::pause(40);
        ui::setPausesDisabled(true);
        order << QStringLiteral("pause over");
        QVERIFY(!stuck);
        QCOMPARE(order, QStringList({"box closed", "pause over"}));
        window.close();
    }

    // A window larger than the screen's free area (the offscreen screen is 800 x 600).
    void windowTooLargeForTheScreenFitsAndScrolls() {
        auto* form = new ui::Form;
        auto* whole = new QVBoxLayout(form);
        auto* panel = new QWidget(form);
        panel->setMinimumSize(1150, 850);
        auto* last = new ui::CommandButton(QStringLiteral("&Last"), panel);
        last->setGeometry(1050, 800, 90, 30);
        whole->addWidget(panel, 1);
        auto* first = new ui::CommandButton(QStringLiteral("&First"), form);
        first->setGeometry(10, 10, 90, 30);
        form->setDesignClientSizeTwips(ui::toTwips(1200), ui::toTwips(900));
        QPointer<ui::Form> guard(form);
        ui::setFitToScreen(true);
        ui::runModal(*form);
        ui::setFitToScreen(false);
        const QRect avail = form->screen()->availableGeometry();
        QVERIFY(form->width() <= avail.width() && form->height() <= avail.height());
        QVERIFY(avail.contains(form->geometry()));
        for (QWidget* w : {static_cast<QWidget*>(last), static_cast<QWidget*>(first)}) {  // each comes into view
            w->setFocus();
            QTRY_VERIFY(QRect(QPoint(), form->size()).contains(QRect(w->mapTo(form, QPoint()), w->size())));
        }
        QVERIFY(!form->fitToScreen());  // once is enough
        form->close();
        QTRY_VERIFY(!guard);
    }

    // The code that showed a box goes on after it: its window must still be there.
    void windowClosedUnderItsBoxClosesAfterTheAnswer() {
        QPointer<QWidget> window = new QWidget;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        bool openWhileBoxUp = false;
        QTimer::singleShot(5, window, [&] {
            window->close();  // the close box, or assistive technology
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            openWhileBoxUp = window && window->isVisible();
            qobject_cast<QMessageBox*>(QApplication::activeModalWidget())->button(QMessageBox::Ok)->click();
        });
        ui::msgBox(QStringLiteral("Sorted"), ui::Icon::Information);
        QVERIFY(openWhileBoxUp);
        QVERIFY(window);
        QTRY_VERIFY(!window);
    }

    // A picture formats a value, or rewrites a text from its own digits (all of
    // them, rounding the text's decimals; a text with no number stays).
    void numberPictures_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QVariant>("input");  // a double is a value, a string a text
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("expected");
        const QString forty = QStringLiteral("1234567890123456789012345678901234567890");
        QTest::newRow("two digits") << "en_US" << QVariant(7.0) << "00" << "07";
        QTest::newRow("two digits rounds half up") << "en_US" << QVariant(6.5) << "00" << "07";
        QTest::newRow("four digits") << "en_US" << QVariant(94.0) << "0000" << "0094";
        QTest::newRow("degrees") << "en_US" << QVariant(7.5) << "000.00" << "007.50";
        QTest::newRow("degrees comma") << "de_DE" << QVariant(7.5) << "000.00" << "007,50";
        QTest::newRow("optional digits") << "en_US" << QVariant(7.0) << "##0" << "7";
        QTest::newRow("optional digits zero") << "en_US" << QVariant(0.0) << "##0" << "0";
        QTest::newRow("orb") << "en_US" << QVariant(2.125) << "0.00" << "2.13";
        QTest::newRow("orb comma") << "sv_SE" << QVariant(10.0) << "0.00" << "10,00";
        QTest::newRow("negative") << "en_US" << QVariant(-2.5) << "0.00" << "-2.50";
        QTest::newRow("text: forty digits") << "en_US" << QVariant(forty) << "00" << forty;
        QTest::newRow("text: padded") << "en_US" << QVariant("5") << "0000" << "0005";
        QTest::newRow("text: negative in sv") << "sv_SE" << QVariant("-500") << "0000" << "-0500";
        QTest::newRow("text: decimal half rounds away") << "en_US" << QVariant("1.005") << "0.00" << "1.01";
        QTest::newRow("text: carry into a new digit") << "de_DE" << QVariant("9,996") << "00.00" << "10,00";
        QTest::newRow("text: exponent") << "en_US" << QVariant("25e-1") << "000.00" << "002.50";
        QTest::newRow("text: no number stays") << "en_US" << QVariant(" x1") << "00" << " x1";
    }
    void numberPictures() {
        QFETCH(QString, locale);
        QFETCH(QVariant, input);
        QFETCH(QString, picture);
        QFETCH(QString, expected);
        testsupport::LocaleSwitch sw(locale);
        QCOMPARE(input.typeId() == QMetaType::Double ? ui::Locale::format(input.toDouble(), picture)
                                                     : ui::Locale::withPattern(input.toString(), picture),
                 expected);
    }

    void leadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("plain") << "12" << 12.0;
        QTest::newRow("decimal point") << "2.5" << 2.5;
        QTest::newRow("comma stops") << "2,5" << 2.0;
        QTest::newRow("blanks skipped") << " 1 2 3" << 123.0;
        QTest::newRow("trailing letters") << "45abc" << 45.0;
        QTest::newRow("sign") << "-7.25x" << -7.25;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("lone point") << "." << 0.0;
        QTest::newRow("exponent") << "1e2" << 100.0;
        QTest::newRow("huge exponent") << "1e999999" << 0.0;
    }
    void leadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(ui::Locale::leadingNumber(text), expected);
    }

    void localeReading_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("reads");
        QTest::addColumn<double>("value");
        QTest::newRow("point in en") << "en_US" << "2.5" << true << 2.5;
        QTest::newRow("comma in de") << "de_DE" << " 2,5 " << true << 2.5;
        QTest::newRow("point groups in de") << "de_DE" << "7.00" << true << 700.0;
        QTest::newRow("point groups in sv") << "sv_SE" << "7.5" << true << 75.0;
        QTest::newRow("comma groups in en") << "en_US" << "7,5" << true << 75.0;
        QTest::newRow("grouped thousands in de") << "de_DE" << "1.234,5" << true << 1234.5;
        QTest::newRow("blank is no group in en") << "en_US" << "7 5" << false << 7.0;
        QTest::newRow("hyphen minus in sv") << "sv_SE" << "-500" << true << -500.0;
        QTest::newRow("exponent in sv") << "sv_SE" << "1e3" << true << 1000.0;
        QTest::newRow("letters read up to them") << "en_US" << "2.5x" << false << 2.5;
        QTest::newRow("empty") << "en_US" << "" << false << 0.0;
        QTest::newRow("colon") << "en_US" << "1:30" << false << 1.0;
        QTest::newRow("too large") << "en_US" << "1e999" << false << 0.0;
    }
    void localeReading() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(bool, reads);
        QFETCH(double, value);
        testsupport::LocaleSwitch sw(locale);
        QCOMPARE(ui::Locale::readsAsNumber(text), reads);
        QCOMPARE(ui::Locale::readNumber(text), value);
    }

    void singlePrecisionGeneralForm_data() {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("whole") << 2.0f << "2";
        QTest::newRow("no zero before the point") << 0.5f << ".5";
        QTest::newRow("negative fraction") << -0.25f << "-.25";
        QTest::newRow("seven digits") << 0.333333333f << ".3333333";
        QTest::newRow("large") << -12345678.0f << "-1.234568E+07";
        QTest::newRow("largest plain") << 1234567.0f << "1234567";
        QTest::newRow("small") << 0.00001f << "1E-05";
        QTest::newRow("smallest plain") << 0.0001f << ".0001";
    }
    void singlePrecisionGeneralForm() {
        QFETCH(float, value);
        QFETCH(QString, expected);
        testsupport::LocaleSwitch sw(QStringLiteral("de_DE"));  // "." whatever the locale
        QCOMPARE(ui::Locale::singleText(value), expected);
    }

    // The style reads the toolkit's pictures its own way; the result must be
    // the toolkit's own drawing, titled frame or bare, and its overflow arrows.
    void styleDrawsAsTheToolkit() {
        auto grab = [](QStyle* style, const QString& title) {
            QGroupBox box(title);
            box.setStyle(style);
            box.resize(160, 90);
            return box.grab().toImage();
        };
        std::unique_ptr<QStyle> toolkit(QStyleFactory::create(QStringLiteral("Fusion")));
        ui::Style ours;
        for (const QString& title : {QStringLiteral("Date of Birth"), QString()})
            QCOMPARE(grab(&ours, title), grab(toolkit.get(), title));
        for (auto sp : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton})
            for (int size : {8, 16, 32})
                QCOMPARE(ours.standardIcon(sp).pixmap(size).toImage(),
                         toolkit->standardIcon(sp).pixmap(size).toImage());
    }
};

}  // namespace

QObject* makeControlsTest() { return new TestControls; }
QObject* makeLayerTest() { return new TestLayer; }

#include "tst_ui.moc"
