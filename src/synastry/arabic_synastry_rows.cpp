// Arabic part synastry: the event chart's points (#2) in aspect to T.R. Vandell's
// Arabic parts (#1), in the order the full product printed them ("Vocation"
// stands twice; the first rows are not alphabetical).

#include "synastry/synastry_rows.h"

namespace synastry {
namespace {

constexpr std::array<Cells3, 16> kArabicRows{{
    {"Ven at 27Can33", "SQR", "Surgery at 27Lib35"},
    {"Jup at 05Sco18", "TRI", "Travel by land at 04Can33"},
    {"Jup at 05Sco18", "TRI", "Understanding at 06Can00"},
    {"Ura at 25Cap37", "TRI", "Astrology at 25Vir50"},
    {"Mer at 08Can24", "CJN", "Catastrophe at 09Can02"},
    {"Vtx at 00Vir28", "SQR", "Children (female) at 00Sag23"},
    {"Mid at 17Sco48", "SQR", "Death at 16Leo52"},
    {"Moo at 07Leo01", "OPP", "Discord and controversy at 06Aqu20"},
    {"Vtx at 00Vir28", "TRI", "Divorce at 01Cap21"},
    {"Plu at 26Sco00", "OPP", "Friends at 26Tau47"},
    {"Mer at 08Can24", "SQR", "Love and marriage at 08Ari13"},
    {"PF  at 13Pis39", "TRI", "Passion at 14Can03"},
    {"Ura at 25Cap37", "SQR", "Servants at 25Ari34"},
    {"Sun at 22Gem00", "CJN", "Sickness at 21Gem38"},
    {"Ven at 27Can33", "OPP", "Vocation at 27Cap47"},
    {"Asc at 28Cap37", "CJN", "Vocation at 27Cap47"},
}};

}  // namespace

std::span<const Cells3> arabicSynastryRows() {
    return kArabicRows;
}

}  // namespace synastry
