#include "search/criteria.h"

#include <cmath>

#include "shell/screen.h"
#include "shell/vocabulary.h"
#include "ui/locale.h"

namespace search {

namespace {

QString decimalSep() {
    return shell::DecimalSep.isEmpty() ? QStringLiteral(".") : shell::DecimalSep;
}

void rewrite(Steps& steps, QString& text, const QString& to) {
    if (to == text)
        return;
    text = to;
    steps.push_back({Step::Kind::Text, to});
}

void say(Steps& steps, const QString& message) {
    steps.push_back({Step::Kind::Message, message});
}

Steps checkDayOrMonth(const QString& original, double most, const QString& message) {
    Steps steps;
    QString text = original;
    rewrite(steps, text, ui::Locale::withPattern(text, QStringLiteral("00")));
    const double value = ui::Locale::leadingNumber(text);
    if (value > most) {
        say(steps, message);
    } else if (value == 0) {
        steps.push_back({Step::Kind::Uncheck, {}});
    }
    return steps;
}

}  // namespace

QString checkTitle() {
    return shell::DemoTitle;
}

bool dayKeyAccepted(int key) {
    return key < 32 || (key >= '0' && key <= '9');
}

bool yearKeyAccepted(int key) {
    if (key >= 32 && key <= 44)
        return false;  // blank to comma
    if (key == 46 || key == 47)
        return false;  // full stop, slash
    if (key == 58 || key == 59 || key == 61)
        return false;  // colon, semicolon, equals sign
    return key < 64;
}

QString finalText(const Steps& steps, const QString& original) {
    QString text = original;
    for (const Step& s : steps) {
        if (s.kind == Step::Kind::Text)
            text = s.value;
    }
    return text;
}

QStringList messages(const Steps& steps) {
    QStringList out;
    for (const Step& s : steps) {
        if (s.kind == Step::Kind::Message)
            out << s.value;
    }
    return out;
}

bool unchecks(const Steps& steps) {
    for (const Step& s : steps) {
        if (s.kind == Step::Kind::Uncheck)
            return true;
    }
    return false;
}

Steps checkDay(const QString& text) {
    return checkDayOrMonth(text, 31, QStringLiteral("The Day number must be from 1 to 31."));
}

Steps checkMonth(const QString& text) {
    return checkDayOrMonth(text, 12, QStringLiteral("The month number must be from 1 to 12."));
}

Steps checkYear(const QString& original) {
    Steps steps;
    QString text = original;

    // Stage 1: a "<" or ">" may only stand first.
    const QString rest = text.mid(1);
    for (const QChar prefix : {u'<', u'>'}) {
        if (rest.contains(prefix)) {
            say(steps,
                QString(prefix) +
                    QStringLiteral(" can only precede the year.  Please re-enter the year."));
            break;
        }
    }
    // Stage 2: the year itself, without its prefix.
    if (steps.empty()) {
        const bool prefixed = text.startsWith(u'<') || text.startsWith(u'>');
        if (std::fabs(ui::Locale::readNumber(prefixed ? text.mid(1) : text)) > 32000) {
            say(steps,
                QStringLiteral("Year cannot be more than 32000.  Please re-enter the year."));
        }
    }
    rewrite(steps, text, ui::Locale::withPattern(text, QStringLiteral("0000")));
    const double value = ui::Locale::readNumber(text);
    if (value > 32000) {
        say(steps, QStringLiteral("The year number must be from 0 to 32000."));
    } else if (value == 0 && text != u"0000") {
        steps.push_back({Step::Kind::Uncheck, {}});
    }
    return steps;
}

Steps checkLongitude(const QString& original) {
    Steps steps;
    QString text = original;
    rewrite(steps, text, ClearNonNumeric(text));
    const double value = ui::Locale::readNumber(text);
    if (value > 360)
        say(steps, QStringLiteral("Longitude must be a number from 0 to 360."));
    // Shown at single precision, as the field always did; a value beyond its
    // range keeps its double value rather than turning into infinity.
    const float single = static_cast<float>(value);
    const double shown = std::isfinite(single) ? static_cast<double>(single) : value;
    rewrite(steps, text, ui::Locale::format(shown, QStringLiteral("000.00")));
    return steps;
}

QString checkedOrb(const QString& text) {
    QString orb = ClearNonNumeric(text);
    int digits = 2;
    FormatDecimalText(orb, digits);
    return orb;
}

QString ClearNonNumeric(const QString& text) {
    if (!ui::Locale::readsAsNumber(text) && !text.contains(u':'))
        return QStringLiteral("0");
    return text;
}

void FormatDecimalText(QString& text, int& digits) {
    if (!text.isEmpty() && text.size() < digits)
        digits = static_cast<int>(text.size());
    const QString sep = decimalSep();
    if (!text.contains(sep)) {
        const QString other = sep == u","   ? QStringLiteral(".")
                              : sep == u"." ? QStringLiteral(",")
                                            : QString();
        qsizetype at = other.isEmpty() ? -1 : text.indexOf(other);
        if (at < 0)
            at = text.indexOf(u' ');
        if (at >= 0) {
            text.replace(at, 1, sep);
        } else {
            text = text.left(std::max(digits, 0));
            while (text.size() < digits) text += u'0';
        }
    }
    const QString picture = QString(std::max(digits, 0), u'0') + QStringLiteral(".00");
    text = ui::Locale::readsAsNumber(text)
               ? ui::Locale::withPattern(text, picture)
               : ui::Locale::format(ui::Locale::readNumber(text), picture);
}

}  // namespace search
