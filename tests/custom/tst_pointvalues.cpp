// The point values window: its list, the value field's store rule on leaving,
// "Return to Default", and closing.

#include <QApplication>
#include <QTest>

#include "custom/frmcustom.h"
#include "custom/pointvalues.h"
#include "fixtures.h"
#include "tests.h"
#include "ui/controls.h"

using custom::PointValues;
using PvSlot = ui::FormSlot<PointValues>;
using Owner = ui::FormSlot<custom::frmCustom>;

namespace {

class TestPointValues : public QObject {
    Q_OBJECT

    custom::frmCustom* owner = nullptr;
    PointValues* w = nullptr;

    void open() {
        QTest::mouseClick(owner->vseCmdPointValues, Qt::LeftButton);
        w = PvSlot::peek();
        QVERIFY(w && testsupport::showActive(*w));
        // A dialog counts as active as soon as its owner is: wait for the focus itself.
        w->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), w);
    }
    void select(int position) {
        ui::ListBox* l = w->PlanetList;
        l->scrollToItem(l->item(position));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                          l->visualItemRect(l->item(position)).center());
        QCOMPARE(l->ListIndex(), position);
    }
    // The user picks a point and replaces the field's text.
    void edit(int position, const QString& text) {
        select(position);
        QTest::mouseClick(w->Text1, Qt::LeftButton);
        w->Text1->selectAll();
        w->Text1->insert(text);  // typed or pasted alike: the field has no key filter
    }
    // ... and leaves it by picking another point.
    void type(int position, const QString& text) {
        edit(position, text);
        select(position == 0 ? 1 : 0);
    }
    QString shownFor(int position) {
        select(position);
        return w->Text1->text();
    }

private slots:
    void init() {
        owner = &Owner::get();
        Owner::showModal();
        QVERIFY(testsupport::showActive(*owner));
        open();
    }
    void cleanup() {
        if (Owner::exists())
            Owner::get().Unload();
        QTRY_VERIFY(!PvSlot::exists() && !Owner::exists());
        QCOMPARE(testsupport::visibleWindows().size(), 0);
    }

    void opensModalOverTheCustomizingWindow() {
        QCOMPARE(w->windowTitle(), QStringLiteral("Points for Elements and Modalities"));
        QCOMPARE(w->parentWidget(), owner);
        QCOMPARE(w->windowModality(), Qt::ApplicationModal);
        QCOMPARE(w->PlanetList->count(), 23);
        QCOMPARE(w->PlanetList->ListIndex(), 0);
        QCOMPARE(w->PlanetList->List(14), QStringLiteral("P_Fortune"));
        QCOMPARE(w->PlanetList->List(22), QStringLiteral("BML"));
        QCOMPARE(w->Text1->text(), QStringLiteral("2"));
        QVERIFY(w->SplitPointsBox->isChecked());
        QCOMPARE(shownFor(2), QStringLiteral("1"));   // Mercury
        QCOMPARE(shownFor(10), QStringLiteral("1"));  // Ascendant
        QCOMPARE(shownFor(11), QStringLiteral("0"));  // Midheaven
    }

    void storeRuleOnLeaving_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");  // Mars (1 by default) when selected again
        row("one and a half", "1.5", "1.5");
        row("a half loses its zero", "0.5", ".5");
        row("just under the limit", "99.9", "99.9");
        row("the limit stores nothing", "100", "1");
        row("negative is stored", "-3", "-3");
        row("letters read as zero", "abc", "0");
        row("comma is no separator", "1,5", "1");
        row("leading number of a paste", "  7 points", "7");
        row("huge negative stores nothing", "-1e39", "1");
    }
    void storeRuleOnLeaving() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        type(4, typed);
        QCOMPARE(w->EditedPoint, 4);
        QCOMPARE(shownFor(4), shown);
        QCOMPARE(shownFor(5), QStringLiteral("1"));  // Jupiter untouched
    }

    void returnToDefault() {
        type(4, QStringLiteral("7"));
        QTest::mouseClick(w->SplitPointsBox, Qt::LeftButton);
        edit(0, QStringLiteral("8"));
        QTest::mouseClick(w->Command1[1], Qt::LeftButton);
        QVERIFY(w->SplitPointsBox->isChecked());
        QCOMPARE(w->Text1->text(), QStringLiteral("8"));  // not refreshed
        QCOMPARE(shownFor(4), QStringLiteral("1"));
        QCOMPARE(shownFor(0), QStringLiteral("2"));
    }

    void saveAndCancelCloseAndTheNextOpeningStartsAfresh_data() {
        QTest::addColumn<int>("index");
        QTest::newRow("save and exit") << 0;
        QTest::newRow("cancel") << 2;
    }
    void saveAndCancelCloseAndTheNextOpeningStartsAfresh() {
        QFETCH(int, index);
        type(4, QStringLiteral("5"));
        QTest::mouseClick(w->Command1[size_t(index)], Qt::LeftButton);
        QTRY_VERIFY(!PvSlot::exists());
        QVERIFY(owner->isVisible());
        open();
        QCOMPARE(shownFor(4), QStringLiteral("1"));
    }
};

}  // namespace

QObject* makePointValuesTest() {
    return new TestPointValues;
}

#include "tst_pointvalues.moc"
