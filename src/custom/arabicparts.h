#pragma once

// The Arabic Part formulas of the customizing window. A formula is one text of
// six fields separated by "|": first operand, second operand (with "&" and the
// degree when it is "Degree"), third operand, the part's name, "1" when it is
// reversed for a night birth, "1" when traditional rulers are used (a missing
// sixth field counts as "1"). Operands are positions in the operand lists.

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace custom {

inline constexpr int kFormulaSlots = 45;  // 0..44
inline constexpr int kSampleFormulas = 44;

// The program-wide formula tables; the customizing window refills them on load.
extern std::array<QString, kFormulaSlots> PartFormulaDefaults;
extern std::array<QString, kFormulaSlots> PartFormulas;

// Slots 1..34 of the window's PartPointNames: point codes 1..22, then the houses.
std::array<QString, 36> partPointNames();

// The entries of operand list 1, 2 or 3, in list order.
QStringList operandList(int list, const std::array<QString, 36>& pointNames);

// The 44 sample formulas, in slot order (alphabetical by name).
const std::array<const char*, kSampleFormulas>& sampleFormulas();

// Positions (from 1) of the first five "|"; once one is missing, it and the later are 0.
std::array<int, 5> FindFieldBars(const QString& text);

struct PartFields {
    QString f1, f2, f3, f4;  // f1 is empty when the formula has fewer than four "|"
    int reverse = 0;
    int traditional = 1;
};
PartFields SplitPartFormula(const QString& formula);

struct PartEntry {
    int slot;
    QString name;
};
// Fills PartFormulaDefaults from `samples` and copies each formula with at least
// four "|" to PartFormulas; returns the names of those, with their slots, in order.
std::vector<PartEntry> FillPartFormulas(const std::vector<QString>& samples);

}  // namespace custom
