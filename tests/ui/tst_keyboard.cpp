// The keyboard rules every window shares: access keys, the tab chain, Enter,
// page switching and key filters that no paste can get around.

#include <QApplication>
#include <QClipboard>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include "fixtures.h"
#include "tests.h"
#include "ui/controls.h"
#include "ui/grid.h"
#include "ui/indextab.h"
#include "ui/keyboard.h"
#include "ui/twips.h"

namespace {

ui::IndexTab* makeTabs(QWidget* parent) {
    auto* t = new ui::IndexTab(parent);
    t->setCaptions(QStringLiteral("&Sunrise|&Planets|Aspects"));
    return t;
}

// A small window laid out like the program's: a menu, an index tab whose first
// page holds a field with its caption, an option group, a check box and a grid,
// and a button row under the tab control.
struct Window : QWidget {
    QMenuBar* menu = new QMenuBar(this);
    QMenu* control = menu->addMenu(QStringLiteral("&Control"));
    ui::IndexTab* tabs = makeTabs(this);
    ui::Label* caption = new ui::Label(QStringLiteral("&Name"), tabs->page(0));
    ui::TextBox* name = new ui::TextBox(tabs->page(0));
    ui::OptionArray* options = new ui::OptionArray(this);
    ui::CheckBox* pallas = nullptr;
    ui::Grid* grid = new ui::Grid(tabs->page(0));
    ui::CommandButton* sort = new ui::CommandButton(QStringLiteral("&Sort By Location"), tabs->page(0));
    ui::CommandButton* closeButton = new ui::CommandButton(QStringLiteral("&Close"), this);
    ui::CommandButton* cancel = new ui::CommandButton(QStringLiteral("Cance&l"), this);

    Window() {
        resize(600, 500);
        menu->setGeometry(0, 0, 600, 24);
        control->addAction(QStringLiteral("Create"));
        tabs->setGeometry(10, 30, 580, 400);
        QWidget* p = tabs->page(0);
        // Built out of reading order on purpose: the chain must not follow creation.
        sort->setGeometry(20, 300, 150, 26);
        grid->setGeometry(20, 180, 300, 100);
        grid->setCols(2);
        grid->setRows(5);
        caption->setGeometry(20, 10, 60, 20);
        caption->setBuddy(name);
        name->setGeometry(90, 10, 100, 20);
        options->add(QStringLiteral("Mean"), p)->setGeometry(20, 50, 80, 20);
        options->add(QStringLiteral("True"), p)->setGeometry(20, 75, 80, 20);
        options->select(1);
        pallas = new ui::CheckBox(QStringLiteral("&Pallas"), p);
        pallas->setGeometry(20, 110, 80, 20);
        closeButton->setGeometry(200, 450, 100, 26);
        cancel->setGeometry(320, 450, 100, 26);
    }
};

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QCOMPARE(testsupport::visibleWindows().size(), 0); }

    // What each Alt+key does, pressed with the focus on the name field.
    void accessKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QString>("focus");    // object that has the focus afterwards
        QTest::addColumn<int>("tab");          // current tab afterwards
        QTest::addColumn<int>("pallas");       // check state afterwards
        QTest::addColumn<bool>("pressed");  // a button was pressed
        QTest::addColumn<bool>("menuOpen");
        QTest::addColumn<int>("tabClicks");  // Clicks the tab control raised
        QTest::newRow("a key of one control acts at once") << int(Qt::Key_L) << 1 << "cancel" << 0 << 0 << true << false << 0;
        // "&Pallas" and the "&Planets" tab share P.
        QTest::newRow("shared by a check box: focused, not ticked")
            << int(Qt::Key_P) << 1 << "pallas" << 0 << 0 << false << false << 0;
        QTest::newRow("shared by a tab: selected in its turn") << int(Qt::Key_P) << 2 << "bar" << 1 << 0 << false << false << 1;
        QTest::newRow("a caption label's key focuses its field")
            << int(Qt::Key_N) << 1 << "name" << 0 << 0 << false << false << 0;
        // "&Sort By Location" and the "&Sunrise" tab share S: the button comes
        // after the field in tab order, then the tab.
        QTest::newRow("shared with a tab: first the next owner in order")
            << int(Qt::Key_S) << 1 << "sort" << 0 << 0 << false << false << 0;
        QTest::newRow("shared with a tab: the current tab is focused, not chosen again")
            << int(Qt::Key_S) << 2 << "bar" << 0 << 0 << false << false << 0;
        QTest::newRow("shared with a tab: round again") << int(Qt::Key_S) << 3 << "sort" << 0 << 0 << false << false << 0;
        // "&Close" and the "&Control" menu share C.
        QTest::newRow("shared with a menu: the button takes the focus")
            << int(Qt::Key_C) << 1 << "close" << 0 << 0 << false << false << 0;
        QTest::newRow("shared with a menu: the menu opens in its turn")
            << int(Qt::Key_C) << 2 << "close" << 0 << 0 << false << true << 0;
        QTest::newRow("shared with a menu: from the open menu round again")
            << int(Qt::Key_C) << 3 << "close" << 0 << 0 << false << false << 0;
        QTest::newRow("shared with a menu: and the menu once more")
            << int(Qt::Key_C) << 4 << "close" << 0 << 0 << false << true << 0;
    }
    void accessKeys() {
        QFETCH(int, key);
        QFETCH(int, presses);
        QFETCH(QString, focus);
        QFETCH(int, tab);
        QFETCH(int, pallas);
        QFETCH(bool, pressed);
        QFETCH(bool, menuOpen);
        QFETCH(int, tabClicks);
        Window w;
        QVERIFY(testsupport::showActive(w));
        w.name->setFocus();
        QSignalSpy closes(w.closeButton, &QPushButton::clicked);
        QSignalSpy cancels(w.cancel, &QPushButton::clicked);
        QSignalSpy clicks(w.tabs, &ui::IndexTab::Click);
        for (int i = 0; i < presses; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::AltModifier);
        const QHash<QString, QWidget*> named{{"pallas", w.pallas}, {"name", w.name}, {"sort", w.sort},
                                             {"bar", w.tabs->tabBar()}, {"close", w.closeButton}, {"cancel", w.cancel}};
        QCOMPARE(QApplication::focusWidget(), named.value(focus));
        QCOMPARE(w.tabs->CurrTab(), tab);
        QCOMPARE(int(w.pallas->value()), pallas);
        QCOMPARE(closes.count() + cancels.count() > 0, pressed);
        QCOMPARE(w.control->isVisible(), menuOpen);
        QCOMPARE(clicks.count(), tabClicks);
        w.control->close();
        w.close();
    }

    void uniqueTabKeySwitchesAtOnceAndCtrlTabCycles() {
        Window w;
        QVERIFY(testsupport::showActive(w));
        w.tabs->setCurrTab(2);
        w.tabs->tabBar()->setFocus();
        QSignalSpy clicks(w.tabs, &ui::IndexTab::Click);
        // With page 0 hidden nothing else owns P: the tab's key acts at once.
        QTest::keyClick(w.tabs->tabBar(), Qt::Key_P, Qt::AltModifier);
        QCOMPARE(w.tabs->CurrTab(), 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(w.tabs->CurrTab(), 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(w.tabs->CurrTab(), 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(w.tabs->CurrTab(), 2);
        QCOMPARE(clicks.count(), 4);
        // A tab chosen by its key takes the focus from the page it hides.
        auto* onPage = new ui::CommandButton(QStringLiteral("Go"), w.tabs->page(2));
        onPage->setGeometry(20, 20, 80, 26);
        onPage->show();
        onPage->setFocus();
        QTest::keyClick(onPage, Qt::Key_P, Qt::AltModifier);
        QCOMPARE(w.tabs->CurrTab(), 1);
        QCOMPARE(QApplication::focusWidget(), w.tabs->tabBar());
        w.close();
    }

    void tabFollowsTheReadingOrderAndEnterPresses() {
        Window w;
        QVERIFY(testsupport::showActive(w));
        w.tabs->tabBar()->setFocus();
        // The option group is one stop on its selected option; the grid is one
        // stop; the page comes before the window's buttons.
        const QList<QWidget*> expected{w.name, (*w.options)[1], w.pallas, w.grid, w.sort, w.closeButton, w.cancel,
                                       w.tabs->tabBar()};
        QCOMPARE(ui::tabStops(&w).mid(1), expected.mid(0, expected.size() - 1));
        for (QWidget* next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), w.cancel);
        QSignalSpy cancels(w.cancel, &QPushButton::clicked);
        QTest::keyClick(w.cancel, Qt::Key_Return);  // Enter presses the focused button
        QCOMPARE(cancels.count(), 1);
        w.close();
    }

    // Typed characters reach the key filter (Backspace as 8, Enter as 13), which
    // may refuse or replace them; pasted ones pass it too; editing shortcuts never do.
    void keyFilterSeesTypingAndPastesButNoShortcuts() {
        ui::TextBox box;
        QList<int> seen;
        box.setKeyFilter([&](int& key) {
            seen << key;
            if (key == 'x')
                key = '9';  // replaced
            else if (QChar(key).isLetter())
                key = 0;  // refused
        });
        QTest::keyClicks(&box, QStringLiteral("1ax2"));
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(box.text(), QStringLiteral("19"));
        QCOMPARE(seen, QList<int>({'1', 'a', 'x', '2', 8, 13}));
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(box.selectedText(), QStringLiteral("19"));  // select all works and is no typing
        QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("19"));
        QGuiApplication::clipboard()->setText(QStringLiteral("3a4.b5"));
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.text(), QStringLiteral("34.5"));
        QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box.text(), QStringLiteral("19"));
        QTest::keyClick(&box, Qt::Key_End);
        QTest::keyClick(&box, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(box.text(), QStringLiteral("1934.5"));
        QCOMPARE(seen.count('a'), 3);  // typed once, pasted twice
        QVERIFY(!seen.contains(1) && !seen.contains(3) && !seen.contains(26));
    }
};

}  // namespace

QObject* makeKeyboardTest() { return new TestKeyboard; }

#include "tst_keyboard.moc"
