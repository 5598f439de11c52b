#pragma once

// The checks on typed search criteria, apart from the window: key filters, the
// rewriting of a field's text on leaving, and the messages a failed check shows.
// A check returns its steps in order (text rewritten, message shown, date box
// unchecked) so the window can play them back exactly and tests can read them.

#include <QString>
#include <QStringList>
#include <vector>

namespace search {

// The shared title of every check message.
QString checkTitle();

// Key filters: true when the typed character (control characters included) is kept.
bool dayKeyAccepted(int keyAscii);   // day, month and the two longitudes
bool yearKeyAccepted(int keyAscii);  // digits, "-", "<", ">", "?"

struct Step {
    enum class Kind { Text, Message, Uncheck };
    Kind kind;
    QString value;  // the new text, or the message
    bool operator==(const Step&) const = default;
};
using Steps = std::vector<Step>;

// What the steps leave behind: the field's final text (the original when no step
// rewrote it), the messages in order, and whether the date box was unchecked.
QString finalText(const Steps& steps, const QString& original);
QStringList messages(const Steps& steps);
bool unchecks(const Steps& steps);

// Day (at most 31) and month (at most 12) on leaving.
Steps checkDay(const QString& text);
Steps checkMonth(const QString& text);
Steps checkYear(const QString& text);
Steps checkLongitude(const QString& text);
// Orb fields on leaving: ClearNonNumeric, then the orb form with two digits.
QString checkedOrb(const QString& text);

// A text that is no number and holds no ":" becomes "0"; any other stays.
QString ClearNonNumeric(const QString& text);

// Rewrites a typed orb in the orb form: two decimals after the user's decimal
// separator, at least `digits` digits before it. `digits` is shortened to the
// text's length when the text is shorter, as the routine always did.
void FormatDecimalText(QString& text, int& digits);

}  // namespace search
