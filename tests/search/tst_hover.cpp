// Hover help of the search window, driven by a virtual pointer: which text,
// where, when it hides, how fast the window polls, and calm while a box is open.

#include <QTimer>

#include "search/tooltip.h"
#include "searchfixture.h"
#include "ui/controls.h"
#include "ui/indextab.h"
#include "ui/pointer.h"

using search::frmSearch;

namespace {

// Counts the times a window is hidden.
struct HideCounter : QObject {
    int hides = 0;
    bool eventFilter(QObject* o, QEvent* e) override {
        hides += e->type() == QEvent::Hide;
        return QObject::eventFilter(o, e);
    }
};

class TestHover : public QObject, searchtest::Session {
    Q_OBJECT

    std::unique_ptr<ui::VirtualPointer> pointer;

    search::frmHelp* help() const { return search::hoverWindow(); }
    bool describing(const QString& text) const {
        return help() && help()->isVisible() && help()->Label1->text() == text;
    }
    bool silent() const { return !help() || !help()->isVisible(); }
    // Rests the pointer on a widget (at a point of it) for one tick.
    void restOn(const QWidget* target, QPoint at = QPoint(-1, -1)) {
        pointer->moveOnto(target, at);
        w->Timer1_Timer();
    }

private slots:
    void initTestCase() { searchtest::startUp(); }
    void init() {
        pointer = std::make_unique<ui::VirtualPointer>();
        QVERIFY(begin());
        w->Timer1->stop();  // the test ticks by hand
    }
    void cleanup() {
        QVERIFY(end());
        pointer.reset();
    }

    void eachButtonDescribesItself_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("search") << 0 << "Search";
        QTest::newRow("refill") << 1 << "Refill Chart List";
        QTest::newRow("undo, while it is off") << 2 << "Undo Last Search";
        QTest::newRow("print") << 3 << "Print Search Results";
    }
    void eachButtonDescribesItself() {
        QFETCH(int, button);
        QFETCH(QString, text);
        restOn(w->cmdToolBar[size_t(button)], QPoint(7, 9));
        QVERIFY(describing(text));
        QCOMPARE(w->Timer1->interval(), 5);
        // Just below the pointer and a little to its left, sized to the text.
        const QPoint at = pointer->position();
        QCOMPARE(help()->geometry().topLeft(), at + QPoint(-2, 18));
        QCOMPARE(help()->size(), help()->Label1->size() + QSize(4, 2));
        QCOMPARE(help()->Label1->pos(), QPoint(1, 0));
        QCOMPARE(help()->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0x80));
        QCOMPARE(help()->windowType(), Qt::ToolTip);
        QVERIFY(help()->testAttribute(Qt::WA_ShowWithoutActivating));
        QCOMPARE(QApplication::activeWindow(), w);
    }

    // Within a button the help stays put; on the next one it is rewritten in
    // place, without hiding.
    void movingOverTheToolBar() {
        restOn(w->cmdToolBar[0], QPoint(4, 4));
        const QPoint placed = help()->pos();
        restOn(w->cmdToolBar[0], QPoint(20, 22));
        QCOMPARE(help()->pos(), placed);
        HideCounter counter;
        help()->installEventFilter(&counter);
        restOn(w->cmdToolBar[1]);
        QVERIFY(describing(QStringLiteral("Refill Chart List")));
        QCOMPARE(counter.hides, 0);
        QCOMPARE(help()->geometry().topLeft(), pointer->position() + QPoint(-2, 18));
        QCOMPARE(w->Timer1->interval(), 5);
        help()->removeEventFilter(&counter);
    }

    // Off the buttons the help hides (or never shows) and the window polls slowly.
    void offTheButtonsItIsSilent_data() {
        QTest::addColumn<bool>("fromAButton");
        QTest::addColumn<QString>("onto");
        QTest::newRow("from a button to the chart list") << true << "list";
        QTest::newRow("from a button to the tool bar background") << true << "toolbar";
        QTest::newRow("from a button to the close button") << true << "close";
        QTest::newRow("resting on the chart list") << false << "list";
        QTest::newRow("resting on the pages") << false << "pages";
    }
    void offTheButtonsItIsSilent() {
        QFETCH(bool, fromAButton);
        QFETCH(QString, onto);
        if (fromAButton) {
            restOn(w->cmdToolBar[2]);
            QVERIFY(describing(QStringLiteral("Undo Last Search")));
        }
        for (int tick = 0; tick < 3; ++tick) {
            if (onto == u"list")
                restOn(w->ChartListBox->viewport());
            else if (onto == u"toolbar")
                restOn(w->picToolBar, QPoint(w->picToolBar->width() - 2, 1));
            else
                restOn(onto == u"close" ? static_cast<QWidget*>(w->Command3D1) : w->vstSearch);
            QVERIFY(silent());
            QCOMPARE(w->Timer1->interval(), 1000);
        }
    }

    void nothingChangesWhileAnotherWindowIsActive() {
        QWidget other;
        pointer->setActiveWindow(&other);
        restOn(w->cmdToolBar[0]);
        QVERIFY(silent());
        QVERIFY(w->LastHoverWindow.isNull());
        pointer->setActiveWindow(nullptr);
        w->Timer1_Timer();
        QVERIFY(describing(QStringLiteral("Search")));
    }

    void nothingChangesWhileAMessageBoxIsOpen() {
        restOn(w->cmdToolBar[0]);
        bool calm = false;
        boxes->setWhileOpen([&] {
            restOn(w->cmdToolBar[1]);
            const bool unchanged = describing(QStringLiteral("Search"));
            restOn(w->ChartListBox);
            calm = unchanged && describing(QStringLiteral("Search"));
        });
        QTest::mouseClick(w->cmdToolBar[3], Qt::LeftButton);  // its box is open meanwhile
        QCOMPARE(boxes->boxes().size(), 1);
        QVERIFY(calm);
        boxes->setWhileOpen({});
        w->Timer1_Timer();  // the box has gone: the pointer is over the list now
        QVERIFY(silent());
    }

    void closingTheWindowTakesTheDescriptionAlong() {
        restOn(w->cmdToolBar[1]);
        QVERIFY(describing(QStringLiteral("Refill Chart List")));
        QTest::mouseClick(w->Command3D1, Qt::LeftButton);
        QTRY_VERIFY(!Slot::exists());
        QVERIFY(silent());
    }
};

}  // namespace

QTEST_MAIN(TestHover)
#include "tst_hover.moc"
