#include "custom/orbdefaults.h"

#include <cmath>
#include <limits>

#include "shell/orbs.h"
#include "shell/vocabulary.h"
#include "ui/locale.h"

namespace custom {

namespace {

// Lights/planets per list type, in list-type order: natal, transits, synastry,
// midpoints, Arabic parts, progressions. Rows in aspect order (CJN .. TDC).
using OrbRow = std::array<const char*, 6>;
constexpr std::array<OrbRow, kAspectCount> kDefaultOrbs{{
    {"7.00/6.00", "4.00/4.00", "8.00/7.00", "1.00/1.00", "1.00/1.00", "1.00/1.00"},  // CJN
    {"7.00/6.00", "4.00/4.00", "8.00/7.00", "1.00/1.00", "1.00/1.00", "1.00/1.00"},  // OPP
    {"7.00/6.00", "4.00/4.00", "8.00/7.00", "0.00/0.00", "1.00/1.00", "1.00/1.00"},  // TRI
    {"7.00/6.00", "4.00/4.00", "8.00/7.00", "1.00/1.00", "1.00/1.00", "1.00/1.00"},  // SQR
    {"5.00/4.00", "3.00/3.00", "6.00/5.00", "0.00/0.00", "0.00/0.00", "0.50/0.50"},  // SXT
    {"2.00/2.00", "2.00/2.00", "0.00/0.00", "1.00/1.00", "0.00/0.00", "0.20/0.20"},  // SSQ
    {"2.00/2.00", "2.00/2.00", "0.00/0.00", "1.00/1.00", "0.00/0.00", "0.20/0.20"},  // SES
    {"2.00/2.00", "2.00/2.00", "5.00/4.00", "0.00/0.00", "0.00/0.00", "0.20/0.20"},  // INC
    {"2.00/2.00", "2.00/2.00", "0.00/0.00", "0.00/0.00", "0.00/0.00", "0.20/0.20"},  // QTL
    {"2.00/2.00", "2.00/2.00", "0.00/0.00", "0.00/0.00", "0.00/0.00", "0.20/0.20"},  // BQT
    {"2.00/2.00", "2.00/2.00", "0.00/0.00", "0.00/0.00", "0.00/0.00", "0.20/0.20"},  // SSX
    {"0.00/0.00", "0.00/0.00", "0.00/0.00", "0.00/0.00", "0.00/0.00", "0.00/0.00"},  // SPT
    {"0.00/0.00", "0.00/0.00", "0.00/0.00", "0.00/0.00", "0.00/0.00", "0.00/0.00"},  // BSP
    {"0.00/0.00", "0.00/0.00", "0.00/0.00", "0.00/0.00", "0.00/0.00", "0.00/0.00"},  // TSP
    {"0.00/0.00", "0.00/0.00", "0.00/0.00", "0.00/0.00", "0.00/0.00", "0.00/0.00"},  // NOV
    {"0.00/0.00", "0.00/0.00", "0.00/0.00", "0.00/0.00", "0.00/0.00", "0.00/0.00"},  // BNV
    {"0.00/0.00", "0.00/0.00", "0.00/0.00", "0.00/0.00", "0.00/0.00", "0.00/0.00"},  // QNV
    {"0.00/0.00", "0.00/0.00", "0.00/0.00", "0.00/0.00", "0.00/0.00", "0.00/0.00"},  // VGT
    {"0.00/0.00", "0.00/0.00", "0.00/0.00", "1.00/1.00", "0.00/0.00", "0.00/0.00"},  // SOK
    {"0.00/0.00", "0.00/0.00", "0.00/0.00", "0.00/0.00", "0.00/0.00", "0.00/0.00"},  // DCL
    {"0.00/0.00", "0.00/0.00", "0.00/0.00", "0.00/0.00", "0.00/0.00", "0.00/0.00"},  // TDC
}};

struct ListTypeCaptions {
    const char* option;
    const char* save;
};
constexpr std::array<ListTypeCaptions, 7> kCaptions{{
    {"&Natal", "&Save Natal Orbs"},
    {"&Transits", "&Save Transit Orbs"},
    {"S&ynastry", "&Save Synastry Orbs"},
    {"&Midpoints", "&Save Midpoint Orbs"},
    {"&Arabic Parts", "&Save ArabPart Orbs"},
    {"&Progressions", "&Save Progress Orbs"},
    {"Aste&roids", "&Save Asteroid Orbs"},
}};

// The names this page gives the aspects (the search window says "Conjunct").
constexpr std::array<const char*, kAspectCount> kAspectNames{
    "Conjunction",    "Opposition", "Trine",    "Square",     "Sextile",      "Semi-Square",
    "Sesquiquadrate", "Inconjunct", "Quintile", "Biquintile", "Semi-Sextile", "Septile",
    "Biseptile",      "Triseptile", "Novile",   "Binovile",   "Quatrinovile", "Vigintile",
    "Semi-Octile",    "Decile",     "Tredecile"};

constexpr int kRowCaptionLength = 35;

}  // namespace

DefaultOrbsTable FillDefaultOrbs() {
    DefaultOrbsTable t;
    for (int a = 0; a < kAspectCount; ++a) {
        const OrbRow& row = kDefaultOrbs[static_cast<size_t>(a)];
        for (int type = 0; type < static_cast<int>(row.size()); ++type) {
            const QString cell = QString::fromLatin1(row[static_cast<size_t>(type)]);
            t(type, a) = {cell.section(u'/', 0, 0), cell.section(u'/', 1, 1)};
        }
    }
    for (int a = 0; a < kAspectCount; ++a) t(Asteroids, a) = t(ArabicParts, a);
    return t;
}

void CopyToOrbTable(const DefaultOrbsTable& defaults, shell::OrbTableType& table) {
    for (int type = Natal; type <= Asteroids; ++type) {
        for (int a = 0; a < kAspectCount; ++a) {
            table(type, a + 1) = defaults(type, a).lights;
            table(type + 8, a + 1) = defaults(type, a).planets;
        }
    }
}

QString orbOptionCaption(int listType) {
    return QString::fromLatin1(kCaptions.at(static_cast<size_t>(listType)).option);
}

QString orbSaveCaption(int listType) {
    return QString::fromLatin1(kCaptions.at(static_cast<size_t>(listType)).save);
}

const std::array<int, 7>& orbOptionScreenOrder() {
    static const std::array<int, 7> order{Natal,     Transits,    Progressions, Synastry,
                                          Midpoints, ArabicParts, Asteroids};
    return order;
}

QString aspectRowCaption(int aspect) {
    const QString& def = shell::AspectDef.at(static_cast<size_t>(aspect + 1));
    const QString name = QString::fromLatin1(kAspectNames.at(static_cast<size_t>(aspect))) +
                         QStringLiteral(" (") + def.left(3) + u')';
    const QString angle = QString::number(def.mid(3, 3).toInt()) + u'.' + def.mid(6, 3);
    const qsizetype gap = std::max<qsizetype>(1, kRowCaptionLength - name.size() - angle.size());
    return name + QString(gap, u' ') + angle;
}

bool orbKeyPasses(int key, const QString& decimalSep) {
    if (key >= '0' && key <= '9')
        return true;
    if (key == 8)
        return true;
    if (key == ',')
        return decimalSep == u",";
    if (key == '.')
        return decimalSep == u".";
    return false;
}

QString orbFieldAfterLeaving(const QString& typed, const QString& before) {
    if (typed.trimmed().isEmpty())
        return ui::Locale::format(0.0, QStringLiteral("0.00"));
    if (ui::Locale::readsAsNumber(typed)) {
        const double v = ui::Locale::readNumber(typed);
        if (v >= 0.0 && v <= std::numeric_limits<float>::max()) {
            return ui::Locale::format(static_cast<double>(static_cast<float>(v)),
                                      QStringLiteral("0.00"));
        }
    }
    if (ui::Locale::readsAsNumber(before) && ui::Locale::readNumber(before) >= 0.0)
        return before;
    return ui::Locale::format(0.0, QStringLiteral("0.00"));
}

QString orbShown(const QString& stored) {
    return ui::Locale::format(ui::Locale::leadingNumber(stored), QStringLiteral("0.00"));
}

}  // namespace custom
