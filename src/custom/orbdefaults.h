#pragma once

// The default aspect orbs of the customizing window, per list type and aspect,
// and the rules of the orb fields that show them.

#include <QString>
#include <array>

namespace shell {
class OrbTableType;
}

namespace custom {

inline constexpr int kListTypes = 8;  // 0..6 used; room for one more
inline constexpr int kAspectCount = 21;

// List types, the index of the orb option buttons.
enum ListType { Natal = 0, Transits, Synastry, Midpoints, ArabicParts, Progressions, Asteroids };

struct OrbPair {
    QString lights;   // orb for aspects to the Sun and Moon, "7.00"
    QString planets;  // orb for the other points
};

// DefaultOrbs(list type, aspect position 0..20); position a is AspectDef slot a + 1.
class DefaultOrbsTable {
public:
    OrbPair& operator()(int listType, int aspect) { return cells_.at(index(listType, aspect)); }
    const OrbPair& operator()(int listType, int aspect) const {
        return cells_.at(index(listType, aspect));
    }

private:
    static size_t index(int listType, int aspect) {
        return static_cast<size_t>(listType * kAspectCount + aspect);
    }
    std::array<OrbPair, static_cast<size_t>(kListTypes* kAspectCount)> cells_{};
};

// The six list types from the sample table, then asteroids as a copy of Arabic parts.
DefaultOrbsTable FillDefaultOrbs();

// OrbTable(t, a + 1) := lights and OrbTable(t + 8, a + 1) := planets, list types 0..6.
void CopyToOrbTable(const DefaultOrbsTable& defaults, shell::OrbTableType& table);

// Option button caption and save button caption of a list type (0..6).
QString orbOptionCaption(int listType);
QString orbSaveCaption(int listType);

// Screen order of the orb options, top to bottom, as list types.
const std::array<int, 7>& orbOptionScreenOrder();

// The row caption of aspect position a: name, code and angle with three
// decimals, the angle ending at the 35th character ("Conjunction (CJN)   ...  0.000").
QString aspectRowCaption(int aspect);

// Key filter of an orb field: digits, backspace and the user's decimal separator pass.
bool orbKeyPasses(int keyAscii, const QString& decimalSep);

// What an orb field shows after the user leaves it. A text that reads as a number
// in the user's locale is rounded as a single precision value and written "0.00";
// an emptied field means no orb, "0.00". Anything else (two separators, pasted
// letters, a negative or out-of-range value) is no orb size: the field goes back
// to `before`, the value it showed when the user entered it.
QString orbFieldAfterLeaving(const QString& typed, const QString& before);

// A stored orb text ("7.00", always with a point) in the "0.00" pattern of the user.
QString orbShown(const QString& stored);

}  // namespace custom
