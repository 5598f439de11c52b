#pragma once

// The program-wide vocabulary: point, house and sign codes, aspect definitions,
// and two facts about the user's locale. Filled once by the main menu's load,
// before any feature window exists, and only read afterwards.

#include <QString>
#include <array>

namespace shell {

extern int NumPoints;                    // 23 point codes in PlanetAbbr
extern int DateOrder;                    // 1 day first, 2 year first, 0 month first
extern QString DecimalSep;               // one character, "." or "," in practice
extern std::array<QString, 49> PlanetAbbr;  // 1-23 points, 24-35 houses, 36-47 signs
extern QString SignAbbr;                 // the twelve sign codes, then "Ari" again
extern std::array<QString, 22> AspectDef;   // 1-21: code, degrees, thousandths

// Fills the table above in its fixed order, from the current locale.
void FillVocabulary();

// The full name of a point or sign code; any other text comes back unchanged.
QString FillNameList(const QString& code);

// The locale facts as read from sample texts: the short date of 30 June 1990 and
// the general number 1.5 in the user's format.
int dateOrderOf(const QString& shortDate30June1990);
QString decimalSepOf(const QString& generalNumberOnePointFive);

}  // namespace shell
