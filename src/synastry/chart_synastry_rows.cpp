// Chart synastry of T.R. Vandell (#1) and Celia Marsh Vandell (#2): the aspects
// between their points grouped by the #2 point, then an empty row and the four
// index rows (text in the first column, value in the last). Column 0 keeps the
// runs of blanks the full product printed; the indices stay as printed.

#include "synastry/synastry_rows.h"

namespace synastry {
namespace {

constexpr std::array<Cells4, 84> kChartRows{{
    {"Sun     SXT     Moo", "61°44'", "1°44'", "+369.7"},
    {"Sun     SXT     Mer", "57°19'", "2°41'", "+140.8"},
    {"Sun     SQR    Asc", "87°17'", "2°43'", "-146.1"},
    {"Sun     CJN     MNN", "2°47'", "2°47'", "+45.5"},
    {"Moo    SQR    Ven", "96°56'", "6°56'", "-4.7"},
    {"Moo    TRI     Mar", "122°15'", "2°15'", "+229.0"},
    {"Moo    SXT    Sat", "59°17'", "0°43'", "+300.0"},
    {"Moo    CJN     Nep", "0°09'", "0°09'", "+420.0"},
    {"Moo    SXT    Plu", "56°07'", "3°53'", "+20.4"},
    {"Moo    SQR    Vtx", "93°59'", "3°59'", "-12.6"},
    {"Moo    SXT    EPt", "54°25'", "5°35'", "+0.9"},
    {"Mer     SXT    Sun", "65°52'", "5°52'", "+2.6"},
    {"Mer     SQR    Sat", "88°16'", "1°44'", "-160.4"},
    {"Mer     INC     Nep", "147°24'", "2°36'", "-17.1"},
    {"Mer     SQR    Plu", "91°26'", "1°26'", "-152.1"},
    {"Mer     TRI     Vtx", "118°27'", "1°33'", "+37.1"},
    {"Mer     SQR    EPt", "93°08'", "3°08'", "-10.8"},
    {"Ven     SQR    Nep", "88°40'", "1°20'", "-179.7"},
    {"Ven     OPP    Vtx", "177°11'", "2°49'", "-4.5"},
    {"Mar     CJN     Sun", "5°40'", "5°40'", "+10.7"},
    {"Mar     TRI     Moo", "116°40'", "3°20'", "+125.7"},
    {"Mar     CJN     Mer", "2°23'", "2°23'", "-39.5"},
    {"Mar     TRI     Jup", "115°30'", "4°30'", "+25.0"},
    {"Mar     SXT    Mid", "63°28'", "3°28'", "+6.7"},
    {"Jup      TRI     Moo", "118°29'", "1°31'", "+418.8"},
    {"Jup      TRI     Mer", "122°28'", "2°28'", "+126.0"},
    {"Jup      INC     Ura", "153°41'", "3°41'", "-1.4"},
    {"Jup      SQR    Asc", "92°30'", "2°30'", "-24.9"},
    {"Jup      OPP    MNN", "177°00'", "3°00'", "+5.8"},
    {"Sat      OPP     Ven", "175°06'", "4°54'", "-14.5"},
    {"Sat      INC     Mar", "149°47'", "0°13'", "-216.0"},
    {"Sat      INC     Sat", "147°15'", "2°45'", "-8.2"},
    {"Sat      SQR    Nep", "88°07'", "1°53'", "-81.4"},
    {"Sat      CJN     Vtx", "6°01'", "6°01'", "+1.0"},
    {"Ura     SQR     Jup", "95°10'", "5°10'", "-9.3"},
    {"Ura     CJN     Sat", "3°35'", "3°35'", "-10.3"},
    {"Ura     SXT     Nep", "55°33'", "4°27'", "+3.7"},
    {"Ura     CJN     Plu", "0°25'", "0°25'", "+69.9"},
    {"Ura     SQR     Mid", "83°47'", "6°13'", "-1.9"},
    {"Ura     INC     Vtx", "149°41'", "0°19'", "-18.0"},
    {"Ura     CJN     EPt", "1°17'", "1°17'", "+40.1"},
    {"Nep     TRI     Ven", "123°39'", "3°39'", "+44.1"},
    {"Nep     INC     Mar", "148°59'", "1°01'", "-78.9"},
    {"Nep     SQR    Sat", "86°00'", "4°00'", "-22.6"},
    {"Plu      SXT    Ven", "60°19'", "0°19'", "+150.0"},
    {"Plu      SQR    Mar", "85°39'", "4°21'", "-20.5"},
    {"Plu      SQR    MNN", "91°34'", "1°34'", "-39.1"},
    {"Asc     TRI      Ven", "113°46'", "6°14'", "+20.3"},
    {"Asc     SQR    Mar", "88°26'", "1°34'", "-276.5"},
    {"Asc     INC     Sat", "151°24'", "1°24'", "-69.0"},
    {"Asc     INC     Nep", "149°28'", "0°32'", "-135.0"},
    {"Asc     INC     Plu", "154°34'", "4°34'", "-1.9"},
    {"Asc     SQR    MNN", "82°31'", "7°29'", "-1.0"},
    {"Asc     SXT     Vtx", "55°19'", "4°41'", "+2.1"},
    {"Mid     INC     Sun", "154°02'", "4°02'", "-3.6"},
    {"Mid     SQR    Moo", "94°58'", "4°58'", "-15.3"},
    {"Mid     OPP    Ura", "177°13'", "2°47'", "+22.7"},
    {"Mid     TRI     Asc", "116°01'", "3°59'", "+18.2"},
    {"Mid     INC     Mid", "148°09'", "1°51'", "-3.5"},
    {"Mid     TRI     EPt", "126°46'", "6°46'", "+0.1"},
    {"MNN   SQR   Sun", "84°09'", "5°51'", "-9.2"},
    {"MNN   TRI     Mar", "124°43'", "4°43'", "+8.7"},
    {"MNN   SXT   Sat", "61°44'", "1°44'", "+18.7"},
    {"MNN   CJN    Nep", "2°37'", "2°37'", "+20.2"},
    {"MNN   SXT   Plu", "58°35'", "1°25'", "+18.8"},
    {"MNN   SQR   Vtx", "91°32'", "1°32'", "-8.9"},
    {"MNN   SXT   EPt", "56°53'", "3°07'", "+1.5"},
    {"Vtx     SXT     Sun", "65°16'", "5°16'", "+1.7"},
    {"Vtx     OPP     Moo", "176°16'", "3°44'", "-14.3"},
    {"Vtx     SXT     Mer", "57°13'", "2°47'", "+7.0"},
    {"Vtx     SXT     Jup", "55°54'", "4°06'", "+1.4"},
    {"Vtx     SQR     Ura", "88°26'", "1°34'", "-26.1"},
    {"Vtx     TRI      Mid", "123°04'", "3°04'", "+3.8"},
    {"EPt      TRI     Sun", "117°41'", "2°19'", "+36.8"},
    {"EPt      CJN    Moo", "6°41'", "6°41'", "+0.7"},
    {"EPt      TRI     Mer", "125°44'", "5°44'", "+2.3"},
    {"EPt      TRI     Jup", "121°10'", "1°10'", "+37.7"},
    {"EPt      SQR    Ura", "94°31'", "4°31'", "-4.1"},
    {"EPt      SXT    Mid", "59°53'", "0°07'", "+12.5"},
    {"", "", "", ""},
    {"Communication Index (Harmonious):", "", "", "+2829"},
    {"Communication Index (Inharmonious):", "", "", "-1843"},
    {"Compatibility Index (Har./Inhar.):", "", "", "1.54"},
    {"Total Communication Index:", "", "", "4671"},
}};

}  // namespace

std::span<const Cells4> chartSynastryRows() {
    return kChartRows;
}

}  // namespace synastry
