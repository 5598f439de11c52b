// The checks on typed criteria: key filters, the rewriting on leaving with its
// messages, the orb routines in a "." and a "," locale, and pasted nonsense
// through the real fields (generated texts through the checks alone:
// tst_text_properties).

#include <QRandomGenerator>

#include "custom/orbdefaults.h"
#include "search/criteria.h"
#include "searchfixture.h"
#include "ui/controls.h"
#include "ui/indextab.h"

using search::frmSearch;

namespace {

const QString kDay = QStringLiteral("The Day number must be from 1 to 31.");
const QString kMonth = QStringLiteral("The month number must be from 1 to 12.");
const QString kYearTooLarge =
    QStringLiteral("Year cannot be more than 32000.  Please re-enter the year.");
const QString kYearRange = QStringLiteral("The year number must be from 0 to 32000.");
const QString kLongitude = QStringLiteral("Longitude must be a number from 0 to 360.");
QString prefixMessage(const char* mark) {
    return QLatin1String(mark) +
           QStringLiteral(" can only precede the year.  Please re-enter the year.");
}

// Where each field lives: its page and, for the date fields, its box.
struct Field {
    ui::TextBox* box;
    int page;
    ui::CheckBox* dateBox;
};

Field fieldNamed(frmSearch& w, const QString& name) {
    return name == u"day"               ? Field{w.txtDay, 4, w.chkDay}
           : name == u"month"           ? Field{w.txtMonth, 4, w.chkMonth}
           : name == u"year"            ? Field{w.txtYear, 4, w.chkYear}
           : name == u"longitude"       ? Field{w.txtLong1, 2, nullptr}
           : name == u"house orb"       ? Field{w.txtHouseOrbDef[0], 0, nullptr}
           : name == u"ruler house orb" ? Field{w.txtHouseOrbDef[1], 7, nullptr}
           : name == u"aspect orb"      ? Field{w.txtOrbDef[0], 3, nullptr}
           : name == u"midpoint orb"    ? Field{w.txtOrbDef[2], 8, nullptr}
                                        : Field{w.txtOrbDef[1], 6, nullptr};  // "ruler orb"
}

class TestCriteria : public QObject, searchtest::Session {
    Q_OBJECT

    static void settle() {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

    // Puts a pasted text in the field and leaves it with Tab; the check runs
    // right after the focus has moved on. Returns the boxes this leaving showed.
    void showField(const Field& f) {
        w->vstSearch->setCurrTab(f.page);
        if (f.dateBox)
            f.dateBox->setValue(Qt::Checked);
    }
    qsizetype pasteAndLeave(const Field& f, const QString& text) {
        showField(f);
        settle();
        const qsizetype before = boxes->boxes().size();
        f.box->setText(text);
        f.box->setFocus();
        QTest::keyClick(f.box, Qt::Key_Tab);
        settle();
        return boxes->boxes().size() - before;
    }

private slots:
    void initTestCase() { searchtest::startUp(); }
    void init() { QVERIFY(begin()); }
    void cleanup() { QVERIFY(end()); }

    void leavingAFieldChecksAndRewritesIt_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("stillChecked");
        const auto row = [](const char* name, const char* locale, const char* field, const char* input,
                            const char* text, QStringList messages = {}, bool stillChecked = true) {
            QTest::newRow(name) << locale << field << input << text << messages << stillChecked;
        };
        // clang-format off
        row("day 31", "en_US", "day", "31", "31");
        row("day 32", "en_US", "day", "32", "32", {kDay});
        row("day 5 gets its zero", "en_US", "day", "5", "05");
        row("day 0 unchecks", "en_US", "day", "0", "00", {}, false);
        row("empty day unchecks", "en_US", "day", "", "", {}, false);
        row("day pasted with decimals", "en_US", "day", "7.6", "08");
        row("day 31,6 rounds past the end", "de_DE", "day", "31,6", "32", {kDay});
        row("day of letters stays, unchecks", "en_US", "day", "x1", "x1", {}, false);
        row("month 12", "en_US", "month", "12", "12");
        row("month 13", "de_DE", "month", "13", "13", {kMonth});
        row("month 0 unchecks", "en_US", "month", "0", "00", {}, false);
        row("year 32000", "en_US", "year", "32000", "32000");
        row("year 32001 shows both", "en_US", "year", "32001", "32001", {kYearTooLarge, kYearRange});
        row("year 5", "de_DE", "year", "5", "0005");
        row("year 0 keeps its box", "en_US", "year", "0", "0000");
        row("negative year", "en_US", "year", "-500", "-0500");
        row("far negative year", "en_US", "year", "-40000", "-40000", {kYearTooLarge});
        row("year 19<5", "en_US", "year", "19<5", "19<5", {prefixMessage("<")});
        row("year 1>9", "en_US", "year", "1>9", "1>9", {prefixMessage(">")});
        row("year <<1", "en_US", "year", "<<1", "<<1", {prefixMessage("<")}, false);
        row("year <1900 unchecks", "en_US", "year", "<1900", "<1900", {}, false);
        row("year >1850 unchecks", "de_DE", "year", ">1850", ">1850", {}, false);
        row("year <40000", "en_US", "year", "<40000", "<40000", {kYearTooLarge}, false);
        row("empty year unchecks", "en_US", "year", "", "", {}, false);
        row("year ?", "en_US", "year", "?", "?", {}, false);
        row("longitude 360", "en_US", "longitude", "360", "360.00");
        row("longitude 361", "en_US", "longitude", "361", "361.00", {kLongitude});
        row("longitude 45", "en_US", "longitude", "45", "045.00");
        row("empty longitude", "en_US", "longitude", "", "000.00");
        row("longitude of letters", "en_US", "longitude", "abc", "000.00");
        row("longitude 45,5", "de_DE", "longitude", "45,5", "045,50");
        row("longitude 360,5", "de_DE", "longitude", "360,5", "360,50", {kLongitude});
        row("longitude with a colon", "en_US", "longitude", "12:30", "012.00");
        row("orb 7", "en_US", "ruler orb", "7", "7.00");
        row("orb 7.5", "en_US", "ruler orb", "7.5", "07.50");
        row("orb 123 is cut", "en_US", "midpoint orb", "123", "12.00");
        row("orb 7 5 is no number", "en_US", "ruler orb", "7 5", "0.00");
        row("orb with a colon", "en_US", "ruler orb", "12:30", "12.00");
        row("orb 7,5", "de_DE", "ruler orb", "7,5", "07,50");
        row("comma orb 7", "de_DE", "midpoint orb", "7", "7,00");
        row("house orb 1.5", "en_US", "house orb", "1.5", "01.50");
        row("house orb of letters", "de_DE", "house orb", "zwei", "0,00");
        row("ruler-in-house orb 3", "de_DE", "ruler house orb", "3", "3,00");
        // The other separator is rewritten, in every locale; "default" is the orb
        // the customizing window's table gives the field.
        row("default orb in de", "de_DE", "ruler orb", "default", "07,00");
        row("default orb in sv", "sv_SE", "ruler orb", "default", "07,00");
        row("midpoint design orb in sv", "sv_SE", "midpoint orb", "02.00", "02,00");
        row("orb 7.5 in de", "de_DE", "ruler orb", "7.5", "07,50");
        row("house orb 7.5 in sv", "sv_SE", "house orb", "7.5", "07,50");
        row("orb 7,5 in en", "en_US", "midpoint orb", "7,5", "07.50");
        row("orb 1.5.3 in de: only the first point", "de_DE", "ruler orb", "1.5.3", "01,50");
        row("forty-digit day keeps its digits", "en_US", "day", "1234567890123456789012345678901234567890",
            "1234567890123456789012345678901234567890", {kDay});
        // clang-format on
    }
    void leavingAFieldChecksAndRewritesIt() {
        QFETCH(QString, locale);
        QFETCH(QString, field);
        QFETCH(QString, input);
        QFETCH(QString, text);
        QFETCH(QStringList, messages);
        QFETCH(bool, stillChecked);
        testsupport::VocabularyLocale sw(locale);
        const Field f = fieldNamed(*w, field);
        if (input == u"default") {
            custom::CopyToOrbTable(custom::FillDefaultOrbs(), shell::OrbTable);
            showField(f);
            w->chkOrbDef1->setValue(Qt::Checked);
            input = f.box->text();
        }
        pasteAndLeave(f, input);
        QCOMPARE(f.box->text(), text);
        // The two house orbs are one setting: whatever one shows, so does the other.
        QCOMPARE(w->txtHouseOrbDef[0]->text(), w->txtHouseOrbDef[1]->text());
        QStringList shown;
        for (const ui::MsgRecord& r : boxes->boxes()) {
            shown << r.text;
            QCOMPARE(r.icon, ui::Icon::Stop);
            QCOMPARE(r.title, QStringLiteral("Starwright for Windows Demo"));
        }
        QCOMPARE(shown, messages);
        if (f.dateBox) {
            QCOMPARE(f.dateBox->value() == Qt::Checked, stillChecked);
            QCOMPARE(f.box->isEnabled(), stillChecked);
        }
        // A failed check hands the focus back, as long as the field can take it.
        QCOMPARE(f.box->hasFocus(), !messages.isEmpty() && f.box->isEnabled());
    }

    void failedCheckRepeatsOnEveryLeaving() {
        const Field f = fieldNamed(*w, QStringLiteral("day"));
        pasteAndLeave(f, QStringLiteral("45"));
        QVERIFY(f.box->hasFocus());
        QTest::keyClick(f.box, Qt::Key_Tab);
        QTRY_COMPARE(boxes->boxes().size(), 2);
        QVERIFY(f.box->hasFocus());
        f.box->setText(QStringLiteral("4"));
        QTest::keyClick(f.box, Qt::Key_Tab);
        QTRY_COMPARE(f.box->text(), QStringLiteral("04"));
        QVERIFY(!f.box->hasFocus());
        QCOMPARE(boxes->boxes().size(), 2);
    }

    // Leaving by switching pages: the message, then the field has the focus on its
    // own page again.
    void failedCheckReturnsToItsPage_data() {
        QTest::addColumn<bool>("byMouse");
        QTest::newRow("access key") << false;
        QTest::newRow("tab click") << true;
    }
    void failedCheckReturnsToItsPage() {
        QFETCH(bool, byMouse);
        const Field f = fieldNamed(*w, QStringLiteral("day"));
        showField(f);
        f.box->setText(QStringLiteral("45"));
        f.box->setFocus();
        if (byMouse) {
            QTabBar* bar = w->vstSearch->tabBar();
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(frmSearch::ByAspect).center());
        } else {
            QTest::keyClick(f.box, Qt::Key_L, Qt::AltModifier);
        }
        QTRY_COMPARE(boxes->boxes().size(), 1);
        QCOMPARE(boxes->boxes().at(0).text, kDay);
        QTRY_VERIFY(f.box->hasFocus());
        QCOMPARE(w->vstSearch->CurrTab(), int(frmSearch::ByBirthday));
        QVERIFY(f.box->isVisible());
    }

    // Closing runs no check, and the click that closes is not lost to a message.
    void closingRunsNoCheck_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("click on Close") << "click";
        QTest::newRow("File menu") << "menu";
    }
    void closingRunsNoCheck() {
        QFETCH(QString, how);
        const Field f = fieldNamed(*w, QStringLiteral("day"));
        showField(f);
        f.box->setText(QStringLiteral("45"));
        f.box->setFocus();
        if (how == u"click") {
            QTest::mousePress(w->Command3D1, Qt::LeftButton);
            settle();  // the press has moved the focus: a check would run now
            QTest::mouseRelease(w->Command3D1, Qt::LeftButton);
        } else {
            w->mnuExit->trigger();
        }
        QTRY_VERIFY(!Slot::exists());
        settle();
        QCOMPARE(boxes->boxes().size(), 0);
    }

    void keyFilters_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::newRow("day keeps digits") << "day" << "1a2.-" << "12";
        QTest::newRow("day lets backspace through") << "day" << "12\b3" << "13";
        QTest::newRow("month keeps digits") << "month" << "0x9 " << "09";
        QTest::newRow("year keeps its marks") << "year" << "<19.9-/:;= x,!>?" << "<199->?";
        QTest::newRow("longitude keeps digits") << "longitude" << "12.5e" << "125";
        QTest::newRow("ruler orb takes anything") << "ruler orb" << "7,5x" << "7,5x";
        QTest::newRow("house orb takes anything") << "house orb" << "ab 1" << "ab 1";
        QTest::newRow("aspect orb takes nothing") << "aspect orb" << "5\b\b" << "7";
    }
    void keyFilters() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        const Field f = fieldNamed(*w, field);
        showField(f);
        if (f.page != 3)
            f.box->clear();
        f.box->setFocus();
        QTest::keyClicks(f.box, typed);
        QTest::keyClick(f.box, Qt::Key_Q, Qt::AltModifier);  // an access key nobody has
        QCOMPARE(f.box->text(), text);
    }

    void numberFieldsSelectAllOnFocus() {
        w->vstSearch->setCurrTab(2);
        w->txtLong2->setText(QStringLiteral("123.45"));
        w->txtLong1->setFocus();
        QTest::keyClick(w->txtLong1, Qt::Key_Tab);
        QTRY_VERIFY(w->txtLong2->hasFocus());
        QCOMPARE(w->txtLong2->selectedText(), QStringLiteral("123.45"));
        QTest::keyClicks(w->txtLong2, QStringLiteral("9"));
        QCOMPARE(w->txtLong2->text(), QStringLiteral("9"));
    }

    void typingInAnOrbUnchecksTheDefaultBoxes_data() {
        QTest::addColumn<QString>("field");
        QTest::newRow("ruler in aspect") << "ruler orb";
        QTest::newRow("midpoint in aspect") << "midpoint orb";
    }
    void typingInAnOrbUnchecksTheDefaultBoxes() {
        QFETCH(QString, field);
        searchtest::fillOrbTable();
        const Field f = fieldNamed(*w, field);
        w->vstSearch->setCurrTab(f.page);
        w->chkOrbDef1->setValue(Qt::Checked);
        w->cboAspect[1]->setListIndex(3);  // the program writes an orb: the boxes stay
        QCOMPARE(w->chkOrbDef1->value(), Qt::Checked);
        f.box->setFocus();
        QVERIFY(w->OrbEditing);
        QTest::keyClicks(f.box, QStringLiteral("5"));
        QCOMPARE(w->chkOrbDef1->value(), Qt::Unchecked);
        QCOMPARE(w->chkOrbDef->value(), Qt::Unchecked);
        QTest::keyClick(f.box, Qt::Key_Tab);
        QVERIFY(!w->OrbEditing);
    }

    // Pasted nonsense through the real fields: each leaving shows at most the
    // field's own messages once, and the window carries on.
    void hostileTextsThroughTheFields() {
        QRandomGenerator rng(7);
        const QStringList fields{"day", "month", "year", "longitude", "ruler orb", "house orb"};
        for (int n = 0; n < 90; ++n) {
            const Field f = fieldNamed(*w, fields[n % fields.size()]);
            QVERIFY(pasteAndLeave(f, testsupport::pastedText(rng).left(60)) <= 2);
        }
        QVERIFY(w->isVisible());
    }
};

}  // namespace

QTEST_MAIN(TestCriteria)
#include "tst_criteria.moc"
