// The chart record window: the record written once at the first paint, the life
// history's Add, Enter, Delete and line clicks, and what entering each field does.

#include <QApplication>
#include <QTest>

#include "fixtures.h"
#include "formtest.h"
#include "record/frmdata.h"
#include "record/record_data.h"
#include "ui/controls.h"
#include "ui/indextab.h"
#include "ui/multiline.h"

using record::frmData;

namespace {

class TestRecord : public QObject, testsupport::FormTest<frmData> {
    Q_OBJECT

    void clickTab(int tab) { testsupport::clickTab(w->vstData, tab); }
    void clickLine(int row) {
        ui::ListBox* l = w->lstHistory;
        l->scrollToItem(l->item(row));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                          l->visualItemRect(l->item(row)).center());
    }
    QStringList lines() const {
        QStringList out;
        for (int i = 0; i < w->lstHistory->ListCount(); ++i) out << w->lstHistory->List(i);
        return out;
    }

private slots:
    void initTestCase() { testsupport::setUpHeadless(); }
    void init() {
        QVERIFY(open());
        QTRY_VERIFY(w->recordWritten());
    }
    void cleanup() { QVERIFY(closedCleanly()); }

    void recordIsWrittenOnceAtTheFirstPaint() {
        QCOMPARE(w->windowTitle(), QStringLiteral("More Chart Data - Lucien Varenne"));
        for (ui::Label* l : w->lblClientName) QCOMPARE(l->text(), QStringLiteral("Lucien Varenne"));
        QCOMPARE(w->txtMemo->Text().split(u'\n').size(),
                 3);  // two paragraphs, an empty line between
        QVERIFY(w->txtMemo->Text().split(u'\n').at(1).isEmpty());
        QCOMPARE(lines(), record::sampleHistory());
        QVERIFY(w->txtState->text().isEmpty() && w->txtNotes[2]->text().isEmpty());

        w->txtCity->setText(QStringLiteral("Arles"));
        w->hide();
        QVERIFY(testsupport::showActive(*w));
        w->repaint();
        QCOMPARE(w->txtCity->text(), QStringLiteral("Arles"));
        QCOMPARE(w->lstHistory->ListCount(), 13);

        w->Unload();  // the next opening starts from a window not yet painted
        QTRY_VERIFY(!Slot::exists());
        QCOMPARE(Slot::get().windowTitle(), QStringLiteral("More Chart Data"));
        QVERIFY(Slot::get().txtCity->text().isEmpty());
        QCOMPARE(Slot::get().lstHistory->ListCount(), 0);
        w = &Slot::get();
    }

    void addingALine_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("event");
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<bool>("added");
        // clang-format off
        QTest::newRow("date and event") << "01/01/1904" << "Exhibition" << false << true;
        QTest::newRow("leading blank refused") << " 01/01/1904" << "Exhibition" << false << false;
        QTest::newRow("empty date accepted") << "" << "Exhibition" << false << true;
        QTest::newRow("event holding the separator") << "1891" << "Sails - Tahiti" << false << true;
        QTest::newRow("Enter adds") << "01/01/1904" << "Exhibition" << true << true;
        QTest::newRow("Enter, leading blank") << " 1904" << "Exhibition" << true << false;
        // clang-format on
    }
    void addingALine() {
        QFETCH(QString, date);
        QFETCH(QString, event);
        QFETCH(bool, byEnter);
        QFETCH(bool, added);
        clickTab(1);
        QVERIFY(w->mhiDate->hasFocus());
        QTest::keyClicks(w->mhiDate, date);
        QTest::keyClick(w->mhiDate, Qt::Key_Tab);
        QTest::keyClicks(w->txtHistoryItem, event);
        if (byEnter)
            QTest::keyClick(w->txtHistoryItem, Qt::Key_Return);
        else
            QTest::mouseClick(w->cmdHistory[0], Qt::LeftButton);

        QCOMPARE(lines().size(), added ? 14 : 13);
        if (added)
            QCOMPARE(lines().last(), date + QStringLiteral(" - ") + event);
        if (!added || byEnter)
            QVERIFY(w->mhiDate->hasFocus());
        QCOMPARE(w->mhiDate->text(), byEnter ? QString() : date);
        QCOMPARE(w->txtHistoryItem->Text(), byEnter ? QString() : event);  // no line break left
        if (added) {  // the line splits back at its first separator
            clickLine(13);
            QCOMPARE(w->mhiDate->text() + u'|' + w->txtHistoryItem->Text(), date + u'|' + event);
        }
    }

    void deletingALine_data() {
        QTest::addColumn<bool>("select");
        QTest::newRow("selected line") << true;
        QTest::newRow("nothing selected after Tab into the list") << false;
    }
    void deletingALine() {
        QFETCH(bool, select);
        clickTab(1);
        if (select) {
            clickLine(4);
            QCOMPARE(w->mhiDate->text(), QStringLiteral("06/07/1873"));
            QCOMPARE(w->txtHistoryItem->Text(),
                     QStringLiteral("Married a young Danish woman, Karin Elise Holm."));
        } else {
            w->txtHistoryItem->setFocus();  // Delete is off here, so Tab skips it
            QTest::keyClick(w->txtHistoryItem, Qt::Key_Tab);
            QVERIFY(w->lstHistory->hasFocus());
        }
        QStringList expected = record::sampleHistory();
        if (select)
            expected.removeAt(4);
        QTest::mouseClick(w->cmdHistory[1], Qt::LeftButton);
        QCOMPARE(lines(), expected);
        QTest::mouseClick(w->cmdHistory[1], Qt::LeftButton);  // nothing is selected any more
        QCOMPARE(lines(), expected);
    }

    void enteringAField_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("selectsAll");
        QTest::addColumn<bool>("addOn");
        QTest::newRow("source") << 0 << "txtSource" << true << true;
        QTest::newRow("date") << 1 << "mhiDate" << true << true;
        QTest::newRow("event") << 1 << "txtHistoryItem" << true << true;
        QTest::newRow("history list") << 1 << "lstHistory" << false << false;
        QTest::newRow("street") << 2 << "txtStreet1" << true << true;
        QTest::newRow("note") << 3 << "txtNotes1" << true << true;
        QTest::newRow("memo: caret after the text") << 4 << "txtMemo" << false << true;
    }
    void enteringAField() {
        QFETCH(int, page);
        QFETCH(QString, field);
        QFETCH(bool, selectsAll);
        QFETCH(bool, addOn);
        w->mhiDate->setText(QStringLiteral("1851"));
        w->txtHistoryItem->setText(QStringLiteral("Salon"));
        clickTab(page);
        auto* target = w->findChild<QWidget*>(field);
        target->setFocus(Qt::TabFocusReason);
        if (auto* line = qobject_cast<QLineEdit*>(target))
            QCOMPARE(line->selectedText(), line->text());
        if (auto* box = qobject_cast<ui::MultiLineTextBox*>(target)) {
            const QTextCursor c = box->textCursor();
            QCOMPARE(c.selectedText().size(), selectsAll ? box->Text().size() : 0);
            QCOMPARE(c.position(), box->Text().size());
        }
        QCOMPARE(w->cmdHistory[0]->isEnabled(), addOn);
        QCOMPARE(w->cmdHistory[1]->isEnabled(), !addOn);
        QVERIFY(w->lstHistory->ListIndex() < 0);  // taking the focus selects no line
    }

    void pagesAndAccessKeys_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("page");
        // clang-format off
        QTest::newRow("page change: first field") << "LMNS" << "txtSource" << 0;
        QTest::newRow("caption label") << "IH" << "txtPhone" << 2;
        QTest::newRow("shared key only moves the focus") << "II" << "txtCity" << 2;
        QTest::newRow("and on to the tabs") << "III" << "" << 2;
        QTest::newRow("event field") << "LE" << "txtHistoryItem" << 1;
        // clang-format on
    }
    void pagesAndAccessKeys() {
        QFETCH(QString, keys);
        QFETCH(QString, focused);
        QFETCH(int, page);
        for (QChar k : keys) QTest::keyClick(w, k.toLatin1(), Qt::AltModifier);
        QCOMPARE(w->vstData->CurrTab(), page);
        QCOMPARE(QApplication::focusWidget()->objectName(), focused);
    }
};

}  // namespace

QTEST_MAIN(TestRecord)
#include "tst_record.moc"
