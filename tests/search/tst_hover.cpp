// Hover help of the search window, driven by a virtual pointer: which text,
// where, when it hides, how fast the window polls, and calm while a box is open.

#include <QTimer>

#include "search/tooltip.h"
#include "searchfixture.h"
#include "ui/controls.h"
#include "ui/indextab.h"
#include "ui/pointer.h"

using search::frmSearch;
using testsupport::MsgBoxRecorder;

namespace {

// Counts the times a window is hidden.
class HideCounter : public QObject {
public:
    int hides = 0;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Hide)
            ++hides;
        return QObject::eventFilter(o, e);
    }
};

class TestHover : public QObject {
    Q_OBJECT

    frmSearch* w = nullptr;
    std::unique_ptr<ui::VirtualPointer> pointer;
    std::unique_ptr<MsgBoxRecorder> boxes;

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
    void initTestCase() {
        testsupport::setUpHeadless();
        shell::FillVocabulary();
    }
    void init() {
        boxes = std::make_unique<MsgBoxRecorder>();
        pointer = std::make_unique<ui::VirtualPointer>();
        w = searchtest::open();
        QVERIFY(w);
        QCOMPARE(w->Timer1->interval(), 1000);
        QVERIFY(w->Timer1->isActive());
        w->Timer1->stop();  // the test ticks by hand
    }
    void cleanup() {
        QVERIFY(searchtest::close());
        pointer.reset();
        boxes.reset();
        QCOMPARE(testsupport::visibleWindows().size(), 0);
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

    void movingToTheNextButtonRewritesInPlace() {
        restOn(w->cmdToolBar[0]);
        HideCounter counter;
        help()->installEventFilter(&counter);
        restOn(w->cmdToolBar[1]);
        QVERIFY(describing(QStringLiteral("Refill Chart List")));
        QCOMPARE(counter.hides, 0);
        QCOMPARE(help()->geometry().topLeft(), pointer->position() + QPoint(-2, 18));
        help()->removeEventFilter(&counter);
    }

    void movingWithinAButtonLeavesItBe() {
        restOn(w->cmdToolBar[3], QPoint(4, 4));
        const QPoint placed = help()->pos();
        restOn(w->cmdToolBar[3], QPoint(20, 22));
        QCOMPARE(help()->pos(), placed);
        QCOMPARE(w->Timer1->interval(), 5);
    }

    void leavingTheToolBarHidesIt_data() {
        QTest::addColumn<QString>("onto");
        QTest::newRow("chart list") << "list";
        QTest::newRow("tool bar background") << "toolbar";
        QTest::newRow("close button") << "close";
    }
    void leavingTheToolBarHidesIt() {
        QFETCH(QString, onto);
        restOn(w->cmdToolBar[2]);
        QVERIFY(describing(QStringLiteral("Undo Last Search")));
        if (onto == u"list") {
            restOn(w->ChartListBox->viewport());
        } else if (onto == u"toolbar") {
            restOn(w->picToolBar, QPoint(w->picToolBar->width() - 2, 1));
        } else {
            restOn(w->Command3D1);
        }
        QVERIFY(silent());
        QCOMPARE(w->Timer1->interval(), 1000);
    }

    void restingOnOtherWindowsKeepsTheSlowPace() {
        for (int tick = 0; tick < 3; ++tick) {
            restOn(w->ChartListBox->viewport());
            QCOMPARE(w->Timer1->interval(), 1000);
        }
        restOn(w->vstSearch);
        QCOMPARE(w->Timer1->interval(), 1000);
        QVERIFY(silent());
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
        QTRY_VERIFY(!searchtest::Slot::exists());
        QVERIFY(silent());
    }
};

}  // namespace

QTEST_MAIN(TestHover)
#include "tst_hover.moc"
