#include "ui/locale.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace ui {

namespace {
QDate g_today;

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// How a reading recognises a number's parts.
struct Grammar {
    QString point;   // the decimal separator
    QString groups;  // characters that may stand between the digits before it
    QString minus;   // signs besides "+" and "-"
    QString plus;
};

// A number found at the start of a text, in C form ("-123.45e6"), with the
// length of the text it took; empty when the text starts with no number.
struct Scanned {
    QString c;
    qsizetype length = 0;
};

// The one scanner behind every reading: a sign, digits (group separators after
// the first of them), the decimal separator with more digits, an exponent ("e" or
// "d", either case). It stops at the first character that cannot continue.
Scanned scan(const QString& s, const Grammar& g) {
    Scanned out;
    qsizetype i = 0;
    QString c;
    if (i < s.size()) {
        const QString first(s[i]);
        if (first == u"-" || (!g.minus.isEmpty() && first == g.minus)) {
            c += u'-';
            ++i;
        } else if (first == u"+" || (!g.plus.isEmpty() && first == g.plus)) {
            ++i;
        }
    }
    bool digits = false;
    while (i < s.size()) {
        if (isDigit(s[i])) {
            c += s[i++];
            digits = true;
        } else if (digits && g.groups.contains(s[i])) {
            ++i;  // a group separator may follow any digit before the decimal separator
        } else {
            break;
        }
    }
    if (s.mid(i, g.point.size()) == g.point) {
        qsizetype j = i + g.point.size();
        QString frac;
        while (j < s.size() && isDigit(s[j])) frac += s[j++];
        if (digits || !frac.isEmpty()) {
            c += u'.' + frac;
            i = j;
            digits = true;
        }
    }
    if (!digits) return out;
    if (i < s.size() && QStringLiteral("eEdD").contains(s[i])) {
        qsizetype j = i + 1;
        QString exp = QStringLiteral("e");
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-')) exp += s[j++];
        const qsizetype firstExpDigit = j;
        while (j < s.size() && isDigit(s[j])) exp += s[j++];
        if (j > firstExpDigit) {
            c += exp;
            i = j;
        }
    }
    out.c = c;
    out.length = i;
    return out;
}

double valueOf(const Scanned& n) {
    bool ok = false;
    const double v = n.c.toDouble(&ok);  // C form: QString reads it in the C locale
    return ok && std::isfinite(v) ? v : 0.0;
}

bool finite(const Scanned& n) {
    bool ok = false;
    const double v = n.c.toDouble(&ok);
    return ok && std::isfinite(v);
}

Grammar userGrammar() {
    const QLocale l;
    Grammar g;
    g.point = l.decimalPoint();
    g.groups = l.groupSeparator();
    if (g.point == u",") g.groups += u'.';
    if (g.point == u".") g.groups += u',';
    if (l.negativeSign() != u"-") g.minus = l.negativeSign();
    if (l.positiveSign() != u"+") g.plus = l.positiveSign();
    return g;
}

// A number in C form written with a picture, from its decimal digits: the
// digits are never routed through a binary value, so none are invented.
QString writeWithPicture(const QString& c, const QString& picture) {
    const qsizetype dot = picture.indexOf(u'.');
    const QString intPicture = dot < 0 ? picture : picture.left(dot);
    const qsizetype decimals = dot < 0 ? 0 : picture.size() - dot - 1;
    const qsizetype minIntDigits = intPicture.count(u'0');

    const bool negative = c.startsWith(u'-');
    const qsizetype e = c.indexOf(u'e');
    const QString mantissa = c.mid(negative ? 1 : 0, (e < 0 ? c.size() : e) - (negative ? 1 : 0));
    const qsizetype exponent = e < 0 ? 0 : c.mid(e + 1).toLongLong();
    const qsizetype point = mantissa.indexOf(u'.');
    QString digits = mantissa;
    digits.remove(u'.');
    // The position of the decimal point within `digits`.
    qsizetype at = (point < 0 ? mantissa.size() : point) + exponent;
    while (!digits.isEmpty() && digits.front() == u'0') {
        digits.remove(0, 1);
        --at;
    }

    QString kept;  // the digits up to the last decimal written, rounded
    const qsizetype keep = at + decimals;
    if (!digits.isEmpty() && keep >= 0) {
        kept = digits.left(keep);
        if (kept.size() < keep) kept += QString(keep - kept.size(), u'0');
        if (keep < digits.size() && digits[keep] >= u'5') {
            qsizetype k = kept.size() - 1;
            while (k >= 0 && kept[k] == u'9') kept[k--] = u'0';
            if (k >= 0) {
                kept[k] = QChar(kept[k].unicode() + 1);
            } else {
                kept.prepend(u'1');
                ++at;
            }
        }
    }
    QString whole;
    QString frac;
    if (at > 0) {
        whole = kept.left(at);
        frac = kept.mid(at);
    } else {
        frac = QString(std::min(-at, decimals), u'0') + kept;
    }
    frac = frac.left(decimals);
    if (frac.size() < decimals) frac += QString(decimals - frac.size(), u'0');
    if (whole.size() < minIntDigits) whole.prepend(QString(minIntDigits - whole.size(), u'0'));

    const auto nonZero = [](QChar ch) { return ch >= u'1' && ch <= u'9'; };
    const bool zero = std::none_of(whole.begin(), whole.end(), nonZero) &&
                      std::none_of(frac.begin(), frac.end(), nonZero);
    QString out = negative && !zero ? QStringLiteral("-") : QString();
    out += whole;
    if (decimals > 0) out += QLocale().decimalPoint() + frac;
    return out;
}
}  // namespace

QString Locale::shortDate(const QDate& date) { return QLocale().toString(date, QLocale::ShortFormat); }

QString Locale::generalNumber(double value) {
    return QLocale().toString(value, 'g', QLocale::FloatingPointShortest);
}

QString Locale::format(double value, const QString& picture) {
    if (!std::isfinite(value)) return QString::number(value);
    return writeWithPicture(QString::number(value, 'g', QLocale::FloatingPointShortest), picture);
}

QString Locale::withPattern(const QString& text, const QString& picture) {
    const QString trimmed = text.trimmed();
    const Scanned n = scan(trimmed, userGrammar());
    if (n.c.isEmpty() || n.length != trimmed.size() || !finite(n)) return text;
    return writeWithPicture(n.c, picture);
}

QString Locale::singleText(float value) {
    QString s = QString::number(static_cast<double>(value), 'G', 7);
    if (s.startsWith(QLatin1String("0.")))
        s.remove(0, 1);
    else if (s.startsWith(QLatin1String("-0.")))
        s.remove(1, 1);
    return s;
}

double Locale::leadingNumber(const QString& text) {
    QString s;
    s.reserve(text.size());
    for (QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r') s += c;
    }
    return valueOf(scan(s, Grammar{QStringLiteral("."), {}, {}, {}}));
}

bool Locale::readsAsNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    const Scanned n = scan(trimmed, userGrammar());
    return !n.c.isEmpty() && n.length == trimmed.size() && finite(n);
}

double Locale::readNumber(const QString& text) { return valueOf(scan(text.trimmed(), userGrammar())); }

QDate Locale::today() { return g_today.isValid() ? g_today : QDate::currentDate(); }
void Locale::overrideToday(const QDate& date) { g_today = date; }

}  // namespace ui
