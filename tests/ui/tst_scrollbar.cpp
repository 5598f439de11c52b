// The scroll bar, the editable combo box and the multiple-selection list box.

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "fixtures.h"
#include "tests.h"
#include "ui/controls.h"
#include "ui/scrollbar.h"

namespace {

class TestScrollBarAndLists : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QCOMPARE(testsupport::visibleWindows().size(), 0); }

    void changeOnlyWhenTheValueMoves_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("action");  // "set N", "key K" or "arrow" (a click on the right arrow)
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("changes");
        row("code, same value", 50, "set 50", 50, 0);
        row("code, new value", 50, "set 60", 60, 1);
        row("code, beyond the maximum", 50, "set 500", 100, 1);
        row("Up steps toward the minimum", 50, "key Up", 45, 1);
        row("PageDown is a large step", 50, "key PageDown", 75, 1);
        row("PageUp steps toward the minimum", 50, "key PageUp", 25, 1);
        row("End at the maximum", 100, "key End", 100, 0);
        row("the right arrow is a small step", 50, "arrow", 55, 1);
    }
    void changeOnlyWhenTheValueMoves() {
        QFETCH(int, start);
        QFETCH(QString, action);
        QFETCH(int, value);
        QFETCH(int, changes);
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* field = new ui::TextBox(&window);
        auto* bar = new ui::HScrollBar(&window);
        layout->addWidget(field);
        layout->addWidget(bar);
        bar->setRange(0, 100, 5, 25);
        bar->setValue(start);
        QVERIFY(testsupport::showActive(window));
        QSignalSpy spy(bar, &ui::HScrollBar::Change);
        const QString arg = action.section(u' ', 1);
        if (action.startsWith(u"set")) {
            bar->setValue(arg.toInt());
        } else if (action == u"arrow") {
            testsupport::clickScrollArrow(bar, true);
            QVERIFY(bar->hasFocus());
        } else {
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Tab);  // the bar is a tab stop
            QVERIFY(bar->hasFocus());
            const QMap<QString, Qt::Key> keys{{"Up", Qt::Key_Up}, {"PageDown", Qt::Key_PageDown},
                                              {"PageUp", Qt::Key_PageUp}, {"End", Qt::Key_End}};
            QTest::keyClick(bar, keys.value(arg));
        }
        QCOMPARE(bar->Value(), value);
        QCOMPARE(spy.count(), changes);
        window.close();
    }

    void editableComboKeepsWhatIsTyped() {
        ui::ComboBox box;
        box.makeEditable();
        box.AddItem(QStringLiteral("12.5 (Fast)"));
        box.setText(QString());
        QTest::keyClicks(box.lineEdit(), QStringLiteral("12"));
        QTest::keyClick(box.lineEdit(), Qt::Key_Return);
        QCOMPARE(box.Text(), QStringLiteral("12"));  // not completed to the entry
        QCOMPARE(box.count(), 1);                    // nor added on Enter
        box.Clear();
        QCOMPARE(box.count(), 0);
        QCOMPARE(box.Text(), QString());
    }

    void listSelectsFromCodeWithoutClickAndScrollsBeforeShown() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* list = new ui::ListBox(&window);
        layout->addWidget(list);
        list->setSelectionMode(QAbstractItemView::MultiSelection);
        for (int i = 0; i < 30; ++i) list->AddItem(QString::number(i));
        list->setFixedHeight(list->sizeHintForRow(0) * 8 + 2 * list->frameWidth());
        QSignalSpy clicks(list, &ui::ListBox::Click);
        list->setSelected(3, true);
        list->setSelected(5, true);
        list->setSelected(4, false);
        QVERIFY(list->Selected(3) && list->Selected(5) && !list->Selected(4));
        QCOMPARE(clicks.count(), 0);
        list->setTopIndex(6);
        QCOMPARE(list->TopIndex(), 6);
        QVERIFY(testsupport::showActive(window));
        QCOMPARE(list->TopIndex(), 6);
        QCOMPARE(list->indexAt(QPoint(1, 1)).row(), 6);  // and the view is there
        list->setTopIndex(2);
        QCOMPARE(list->indexAt(QPoint(1, 1)).row(), 2);
        window.close();
    }
};

}  // namespace

QObject* makeScrollBarTest() { return new TestScrollBarAndLists; }

#include "tst_scrollbar.moc"
