// Generated inputs through the text routines the windows share, checked against
// what must hold for every input: the number pictures and readings round-trip,
// a field's rewrite settles (leaving the field again changes nothing more), and
// what a rewrite writes is a text the field's key filter lets the user type.

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <functional>

#include "custom/orbdefaults.h"
#include "fixtures.h"
#include "vocabularylocale.h"
#include "search/criteria.h"
#include "shell/vocabulary.h"
#include "ui/locale.h"

namespace {

using ui::Locale;

using testsupport::VocabularyLocale;

// Values of every size a field or table meets, the awkward ones included.
double randomValue(QRandomGenerator& rng) {
    static const double odd[] = {0.0,    -0.0,  0.005, 0.015, 2.675,  1.005, -0.004, 0.5,   -0.5,
                                 32000.0, 1e15, 1e16,  1e22,  1e300, -1e300, 1e-300, DBL_MAX, FLT_MAX};
    const quint32 sign = rng.bounded(4) == 0 ? 1 : 0;
    double v = 0;
    switch (rng.bounded(4)) {
        case 0: v = static_cast<double>(rng.bounded(40001)); break;
        case 1: v = rng.bounded(100000001) / 100.0; break;
        case 2: v = rng.generateDouble() * std::pow(10.0, static_cast<int>(rng.bounded(61)) - 30); break;
        default: return odd[rng.bounded(static_cast<quint32>(std::size(odd)))];
    }
    return sign ? -v : v;
}

// Characters that reach fields by typing and pasting: digits most, both
// separators, marks, letters, blanks, control characters and other scripts.
QChar randomChar(QRandomGenerator& rng) {
    static const QString pool = QStringLiteral("0123456789012345678901234567890123456789.,.,:- <>?+eEdxZ\t\x08\x08") +
                                QChar(0x00A0) + QChar(0x0663) + QChar(0xFF11) + QChar(0x2212) + QChar(0x00E9);
    return pool.at(rng.bounded(static_cast<quint32>(pool.size())));
}

// A text as typing leaves it in a field whose key filter is `passes`: a refused
// key is dropped, Backspace deletes, other control characters insert nothing.
QString typed(QRandomGenerator& rng, const std::function<bool(int)>& passes) {
    QString s;
    for (int i = static_cast<int>(rng.bounded(rng.bounded(10) == 0 ? 60 : 9)); i > 0; --i) {
        const QChar c = randomChar(rng);
        if (!passes(c.unicode()))
            continue;
        if (c == u'\x08')
            s.chop(1);
        else if (c.unicode() >= 32)
            s += c;
    }
    return s;
}

bool filterWrites(const QString& text, const std::function<bool(int)>& passes) {
    return std::all_of(text.begin(), text.end(), [&](QChar c) { return passes(c.unicode()); });
}

// How far a value may move when shown to `decimals` places after passing
// through single precision (or not).
double tolerance(double v, int decimals, bool single) {
    return 0.5 * std::pow(10.0, -decimals) + std::fabs(v) * (single ? 6e-8 : 1e-15);
}

class TestTextProperties : public QObject {
    Q_OBJECT

private slots:
    void localeReadingsAndPictures_data() {
        QTest::addColumn<QString>("locale");
        for (const char* l : {"en_US", "de_DE", "fr_FR", "de_CH", "C"}) QTest::newRow(l) << l;
    }
    void localeReadingsAndPictures() {
        QFETCH(QString, locale);
        testsupport::LocaleSwitch sw(locale);
        const QString sep = QRegularExpression::escape(QLocale().decimalPoint());
        struct Picture {
            const char* text;
            int decimals;
            QRegularExpression form;
        };
        const std::vector<Picture> pictures{
            {"00", 0, QRegularExpression(QStringLiteral("^-?\\d{2,}$"))},
            {"0000", 0, QRegularExpression(QStringLiteral("^-?\\d{4,}$"))},
            {"##0", 0, QRegularExpression(QStringLiteral("^-?\\d+$"))},
            {"0.00", 2, QRegularExpression(QStringLiteral("^-?\\d+") + sep + QStringLiteral("\\d\\d$"))},
            {"000.00", 2, QRegularExpression(QStringLiteral("^-?\\d{3,}") + sep + QStringLiteral("\\d\\d$"))}};
        QRandomGenerator rng(1);
        for (int n = 0; n < 1500; ++n) {
            const double v = randomValue(rng);
            const QByteArray shown = QByteArray::number(v, 'g', 17);

            // The leading number reads a plain text back exactly, blanks anywhere
            // and whatever cannot continue the number after it.
            QString plain = QString::number(v, 'g', 17);
            for (int b = static_cast<int>(rng.bounded(3)); b > 0; --b)
                plain.insert(rng.bounded(static_cast<quint32>(plain.size() + 1)), u' ');
            const QString tail = QStringList{"", "x1", ":30", "-5", ",5", "/2", "\u00e9"}.at(rng.bounded(7));
            QVERIFY2(Locale::leadingNumber(plain + tail) == v, QByteArray(shown + " " + (plain + tail).toUtf8()));

            // The general number reads back as the same value.
            const QString general = Locale::generalNumber(v);
            QVERIFY2(Locale::readsAsNumber(general) && Locale::readNumber(general) == v,
                     QByteArray(shown + " " + general.toUtf8()));

            // A single's text reads back as the single, to its seven digits.
            const auto single = static_cast<float>(v);
            if (std::isfinite(single)) {
                const QString t = Locale::singleText(single);
                const double error = std::fabs(Locale::leadingNumber(t) - static_cast<double>(single));
                QVERIFY2(error <= std::fabs(single) * 5.000001e-7, QByteArray(shown + " " + t.toUtf8()));
            }

            // A picture writes its form, reads back within its rounding, writes
            // the same again (from the value or from the text), and never a minus
            // before a zero.
            for (const Picture& p : pictures) {
                const QString f = Locale::format(v, QString::fromLatin1(p.text));
                const QByteArray what = shown + " " + p.text + " -> " + f.left(40).toUtf8();
                QVERIFY2(p.form.match(f).hasMatch(), what);
                QVERIFY2(!f.startsWith(u'-') || f.contains(QRegularExpression(QStringLiteral("[1-9]"))), what);
                QVERIFY2(Locale::readsAsNumber(f), what);
                const double back = Locale::readNumber(f);
                QVERIFY2(std::fabs(back - v) <= tolerance(v, p.decimals, false), what);
                QVERIFY2(Locale::format(back, QString::fromLatin1(p.text)) == f, what);
                QVERIFY2(Locale::withPattern(f, QString::fromLatin1(p.text)) == f, what);
            }
        }
        // Anything at all reads as a finite number, and a text that is no
        // number is left as it is by a picture.
        for (int n = 0; n < 1500; ++n) {
            QString s;
            for (int i = static_cast<int>(rng.bounded(12)); i > 0; --i) s += randomChar(rng);
            QVERIFY(std::isfinite(Locale::leadingNumber(s)));
            QVERIFY(std::isfinite(Locale::readNumber(s)));
            QVERIFY(Locale::readsAsNumber(s) || Locale::withPattern(s, QStringLiteral("000.00")) == s);
        }
    }

    void searchFieldRewritesSettle_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("field");
        for (const char* l : {"en_US", "de_DE"}) {
            for (const char* f : {"day", "month", "year", "longitude", "orb"})
                QTest::addRow("%s %s", f, l) << l << f;
        }
    }
    void searchFieldRewritesSettle() {
        QFETCH(QString, locale);
        QFETCH(QString, field);
        VocabularyLocale sw(locale);
        // The orb fields take every key; the others have their filter. What a
        // leaving writes has the field's form: digits for day and month (or the
        // text left as it was), the picture for a longitude or an orb; a year
        // may keep any text.
        std::function<bool(int)> filter = [](int) { return true; };
        std::function<search::Steps(const QString&)> check = [](const QString& s) {
            return search::Steps{{search::Step::Kind::Text, search::checkedOrb(s)}};
        };
        const QString sep = QRegularExpression::escape(shell::DecimalSep);
        QRegularExpression form(QStringLiteral("^-?\\d+") + sep + QStringLiteral("\\d\\d$"));
        QStringList own;  // the messages the field's own check shows
        if (field == u"year") {
            filter = search::yearKeyAccepted;
            check = search::checkYear;
            for (const char* wrong : {"32001", "1<9", "1>9"})
                own << search::messages(check(QLatin1String(wrong)));
        } else if (field != u"orb") {
            filter = search::dayKeyAccepted;
            check = field == u"day" ? search::checkDay : field == u"month" ? search::checkMonth : search::checkLongitude;
            form.setPattern(field == u"longitude" ? QStringLiteral("^-?\\d{3,}") + sep + QStringLiteral("\\d\\d$")
                                                  : QStringLiteral("^-?\\d{2,}$"));
            own = search::messages(check(QStringLiteral("400")));
        }
        QRandomGenerator rng(2);
        for (int n = 0; n < 2000; ++n) {
            // Pasted or set by code, any text ends in the field's form, with at
            // most the field's own messages; a day or month that shows one keeps
            // its date box.
            const QString p = testsupport::pastedText(rng);
            const search::Steps steps = check(p);
            const QString left = search::finalText(steps, p);
            const QStringList said = search::messages(steps);
            const QByteArray pasted = (p.left(40) + u" -> " + left.left(40)).toUtf8();
            const bool date = field == u"day" || field == u"month";
            QVERIFY2(field == u"year" || form.match(left).hasMatch() || (date && left == p), pasted);
            QVERIFY2(said.size() <= (field == u"year" ? 2 : 1), pasted);
            for (const QString& m : said) QVERIFY2(own.contains(m), pasted);
            QVERIFY2(!date || said.isEmpty() || !search::unchecks(steps), pasted);

            const QString s = typed(rng, filter);
            const search::Steps first = check(s);
            const QString once = search::finalText(first, s);
            const search::Steps again = check(once);
            const QString twice = search::finalText(again, once);
            const QByteArray what = (s.left(40) + u" -> " + once.left(40) + u" -> " + twice.left(40)).toUtf8();
            if (field == u"orb") {
                // A text shorter than two digits gains its leading zero on the
                // second leaving; from then on the text stays.
                QVERIFY2(search::checkedOrb(twice) == twice, what);
                continue;
            }
            // Leaving the field again rewrites nothing and repeats the same verdict.
            QVERIFY2(twice == once, what);
            QCOMPARE(search::messages(again), search::messages(first));
            QCOMPARE(search::unchecks(again), search::unchecks(first));
            if (field == u"longitude") {
                // The shown value is the typed one, at single precision and two places.
                const double v = Locale::readNumber(search::ClearNonNumeric(s));
                QVERIFY2(std::fabs(Locale::readNumber(once) - v) <= tolerance(v, 2, true), what);
            } else {
                // The picture keeps the value and writes only what the field takes.
                QVERIFY2(Locale::readNumber(once) == Locale::readNumber(s), what);
                QVERIFY2(filterWrites(once, filter), what);
            }
        }
    }

    void orbFieldRewrite_data() {
        QTest::addColumn<QString>("locale");
        for (const char* l : {"en_US", "de_DE", "fr_FR"}) QTest::newRow(l) << l;
    }
    void orbFieldRewrite() {
        QFETCH(QString, locale);
        VocabularyLocale sw(locale);
        const QString sep = shell::DecimalSep;
        const auto filter = [&sep](int key) { return custom::orbKeyPasses(key, sep); };
        const QRegularExpression form(QStringLiteral("^\\d+") + QRegularExpression::escape(sep) +
                                      QStringLiteral("\\d\\d$"));
        QRandomGenerator rng(3);
        for (int n = 0; n < 2000; ++n) {
            // A stored orb is shown, stays as shown when left untouched and shows its value.
            const QString stored = QString::number(rng.bounded(2000) / 100.0, 'f', 2);
            const QString before = custom::orbShown(stored);
            QVERIFY2(custom::orbFieldAfterLeaving(before, before) == before, qPrintable(stored));
            QVERIFY2(Locale::readNumber(before) == stored.toDouble(), qPrintable(stored));

            const QString s = typed(rng, filter);
            const QString left = custom::orbFieldAfterLeaving(s, before);
            const QByteArray what = (s.left(40) + u" -> " + left.left(40)).toUtf8();
            QVERIFY2(form.match(left).hasMatch() && filterWrites(left, filter), what);
            QVERIFY2(custom::orbFieldAfterLeaving(left, QStringLiteral("x")) == left, what);
            if (Locale::readsAsNumber(s) && Locale::readNumber(s) <= FLT_MAX) {
                const double v = Locale::readNumber(s);
                QVERIFY2(std::fabs(Locale::readNumber(left) - v) <= tolerance(v, 2, true), what);
            } else if (!s.trimmed().isEmpty()) {
                QVERIFY2(left == before, what);  // no orb size: the field shows what it showed
            }
        }
    }
};

}  // namespace

QTEST_GUILESS_MAIN(TestTextProperties)
#include "tst_text_properties.moc"
