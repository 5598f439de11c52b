#pragma once

// The user's number and date conventions as the windows need them, on QLocale's
// default locale (tests switch it with QLocale::setDefault).

#include <QDate>
#include <QString>

namespace ui {

class Locale {
public:
    // The short date format applied to a date, e.g. "30/06/1990" or "1990-06-30".
    static QString shortDate(const QDate& date);

    // A number in the general number format, e.g. "1.5" or "1,5".
    static QString generalNumber(double value);

    // Formats with one of the windows' pictures: "00", "0000", "000.00", "##0",
    // "0.00". '0' is a digit always written, '#' one written only when needed;
    // the decimal point becomes the user's separator. Halves round away from zero.
    static QString format(double value, const QString& picture);

    // The leading number of a text, read with "." as the only decimal point:
    // blanks are skipped, reading stops at the first character that cannot
    // continue the number, and a text without a leading number is 0.
    static double leadingNumber(const QString& text);

    // Whether the whole text reads as a number in the user's locale (surrounding
    // blanks allowed), and its value.
    static bool readsAsNumber(const QString& text);
    static double readNumber(const QString& text);  // 0 when it does not read

    // Today's date; tests may fix it.
    static QDate today();
    static void overrideToday(const QDate& date);  // an invalid date clears it
};

}  // namespace ui
