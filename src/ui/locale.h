#pragma once

// The user's number and date conventions as the windows need them, on QLocale's
// default locale (tests switch it with QLocale::setDefault). Every window reads
// and writes numbers through these functions only, so no two windows can come to
// read the same text differently.

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
    // the decimal point becomes the user's separator. Halves round away from zero,
    // judged on the decimal digits the value is written with.
    static QString format(double value, const QString& picture);

    // A text rewritten with a picture when it reads as a number (below), from its
    // own digits, however many; any other text comes back unchanged.
    static QString withPattern(const QString& text, const QString& picture);

    // A single-precision value in its shortest general form: at most seven
    // significant digits, "." as the decimal point whatever the locale, no zero
    // before the point (".5", "-.25"), and exponent notation from 1E+07 up and
    // below 1E-04 ("1E-05", "-1.234568E+07").
    static QString singleText(float value);

    // The leading number of a text, read with "." as the only decimal point:
    // blanks are skipped, reading stops at the first character that cannot
    // continue the number, and a text without a leading number is 0.
    static double leadingNumber(const QString& text);

    // Whether the whole text reads as a number in the user's locale: surrounding
    // blanks, a sign ("+", "-" or the locale's own), digits in which group
    // separators may stand, the user's decimal separator, an exponent. Where the
    // decimal separator is "," or ".", the other of the two is read as a group
    // separator, so "7.00" reads as a number in a comma locale (as 700).
    static bool readsAsNumber(const QString& text);
    // The value of a text that reads as a number; of any other text, the value of
    // its longest leading part that does ("12:30" gives 12), 0 when there is none.
    // Never infinite.
    static double readNumber(const QString& text);

    // Today's date; tests may fix it.
    static QDate today();
    static void overrideToday(const QDate& date);  // an invalid date clears it
};

}  // namespace ui
