#include "ui/locale.h"

#include <QLocale>
#include <cmath>

namespace ui {

namespace {
QDate g_today;

// Round half away from zero at the given number of decimals.
double roundAway(double v, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double r = std::round(v * scale) / scale;
    return std::isfinite(r) ? r : v;  // values too large to scale have no decimals left to round
}
}  // namespace

QString Locale::shortDate(const QDate& date) { return QLocale().toString(date, QLocale::ShortFormat); }

QString Locale::generalNumber(double value) {
    return QLocale().toString(value, 'g', QLocale::FloatingPointShortest);
}

QString Locale::format(double value, const QString& picture) {
    const qsizetype dot = picture.indexOf(u'.');
    const QString intPart = dot < 0 ? picture : picture.left(dot);
    const int decimals = dot < 0 ? 0 : static_cast<int>(picture.size() - dot - 1);
    const int minIntDigits = static_cast<int>(intPart.count(u'0'));

    const double rounded = roundAway(value, decimals);
    const bool negative = rounded < 0.0;
    QString digits = QString::number(std::fabs(rounded), 'f', decimals);
    QString whole = decimals > 0 ? digits.left(digits.indexOf(u'.')) : digits;
    const QString frac = decimals > 0 ? digits.mid(digits.indexOf(u'.') + 1) : QString();
    if (whole == u"0" && minIntDigits == 0) whole.clear();
    while (whole.size() < minIntDigits) whole.prepend(u'0');

    QString out = negative ? QStringLiteral("-") : QString();
    out += whole;
    if (decimals > 0) out += QLocale().decimalPoint() + frac;
    return out;
}

double Locale::leadingNumber(const QString& text) {
    QString s;
    s.reserve(text.size());
    for (QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r') s += c;
    }
    qsizetype i = 0;
    QString num;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) num += s[i++];
    bool anyDigit = false;
    while (i < s.size() && s[i] >= u'0' && s[i] <= u'9') {
        num += s[i++];
        anyDigit = true;
    }
    if (i < s.size() && s[i] == u'.') {
        num += s[i++];
        while (i < s.size() && s[i] >= u'0' && s[i] <= u'9') {
            num += s[i++];
            anyDigit = true;
        }
    }
    if (!anyDigit) return 0.0;
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E' || s[i] == u'd' || s[i] == u'D')) {
        QString exp = QStringLiteral("e");
        qsizetype j = i + 1;
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-')) exp += s[j++];
        const qsizetype firstExpDigit = j;
        while (j < s.size() && s[j] >= u'0' && s[j] <= u'9' && j - firstExpDigit < 4) exp += s[j++];
        if (j > firstExpDigit) num += exp;
    }
    bool ok = false;
    const double v = num.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

bool Locale::readsAsNumber(const QString& text) {
    bool ok = false;
    const double v = QLocale().toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(v);
}

double Locale::readNumber(const QString& text) {
    bool ok = false;
    const double v = QLocale().toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

QDate Locale::today() { return g_today.isValid() ? g_today : QDate::currentDate(); }
void Locale::overrideToday(const QDate& date) { g_today = date; }

}  // namespace ui
