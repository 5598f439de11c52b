// Asteroid synastry: a chart's points (#2) in aspect to the asteroids of the
// other (#1), alphabetical by asteroid; a retrograde asteroid ends in " R".

#include "synastry/synastry_rows.h"

namespace synastry {
namespace {

constexpr std::array<Cells3, 19> kAsteroidRows{{
    {"Mar at 00Vir54", "SQR", "Amor (1221) at 00Gem30"},
    {"Jup at 00Lib28", "TRI", "Amor (1221) at 00Gem30"},
    {"Sun at 16Leo47", "OPP", "Child (4580) at 17Aqu10 R"},
    {"Mar at 00Vir54", "OPP", "Chiron (2060) at 00Pis27 R"},
    {"Nep at 00Sco03", "TRI", "Chiron (2060) at 00Pis27 R"},
    {"Sat at 07Sag40", "SQR", "Circe (34) at 07Vir42"},
    {"Ven at 17Vir34", "CJN", "Daedalus (1864) at 17Vir29"},
    {"Plu at 29Leo41", "CJN", "Diana (78) at 29Leo24"},
    {"Mer at 13Vir51", "TRI", "Dudu (564) at 13Cap51 R"},
    {"Jup at 00Lib28", "TRI", "Hidalgo (944) at 29Cap59 R"},
    {"Nep at 00Sco03", "SQR", "Hidalgo (944) at 29Cap59 R"},
    {"MNN at 15Sco03", "TRI", "Minerva (93) at 14Can41"},
    {"Mar at 00Vir54", "SQR", "Nostalgia (3162) at 01Sag18"},
    {"MNN at 15Sco03", "TRI", "Odysseus (1143) at 14Pis46 R"},
    {"Sat at 07Sag40", "CJN", "Persephone (399) at 07Sag36"},
    {"Ura at 07Leo54", "TRI", "Persephone (399) at 07Sag36"},
    {"Sun at 16Leo47", "SQR", "Photographica (443) at 16Tau52"},
    {"Ura at 07Leo54", "SQR", "Sphinx (896) at 08Tau07"},
    {"Ura at 07Leo54", "SQR", "Urania (30) at 08Tau23"},
}};

}  // namespace

std::span<const Cells3> asteroidSynastryRows() {
    return kAsteroidRows;
}

}  // namespace synastry
