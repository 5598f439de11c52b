// Arabic-part pages of the tables window: the parts of the sample native
// T.R. Vandell and the aspects the native's points make to them, row by row as
// the full product printed them. "PF " keeps its blank, so "PF  at" has two.

#include <array>

#include "tables/report_rows.h"

namespace tables {
namespace {

constexpr std::array<Cells3, 44> kPartRows{{
    {"Assassination", "20Vir44", "2"},
    {"Astrology", "25Vir50", "2"},
    {"Bondage", "12Aqu04", "6"},
    {"Brothers and sisters", "03Sag22", "4"},
    {"Catastrophe", "09Can02", "11"},
    {"Children (female)", "00Sag23", "4"},
    {"Children (male)", "16Ari46", "9"},
    {"Commerce", "02Vir40", "1"},
    {"Death", "16Leo52", "12"},
    {"Desire and sexual attraction", "00Lib16", "2"},
    {"Discord and controversy", "06Aqu20", "6"},
    {"Divorce", "01Cap21", "5"},
    {"Faith", "23Sag40", "5"},
    {"Father", "17Vir01", "1"},
    {"Fortune", "03Tau37", "9"},
    {"Fortune in marriage of women", "02Lib15", "2"},
    {"Friends", "26Tau47", "10"},
    {"Goods", "17Lib49", "3"},
    {"Honor", "27Tau01", "10"},
    {"Imprisonment, sorrow", "20Pis05", "8"},
    {"Increase", "25Sag46", "5"},
    {"Inheritance, possessions", "11Ari12", "8"},
    {"Love and marriage", "08Ari13", "8"},
    {"Love and deception by women", "09Leo22", "12"},
    {"Karma (fate)", "17Vir01", "1"},
    {"Marriage", "17Ari52", "9"},
    {"Mother", "18Tau51", "10"},
    {"Organization", "20Vir11", "2"},
    {"Passion", "14Can03", "11"},
    {"Peril", "23Lib45", "3"},
    {"Perversion", "02Vir33", "1"},
    {"Private enemies", "24Sag53", "5"},
    {"Public enemies", "25Ari48", "9"},
    {"Servants", "25Ari34", "9"},
    {"Sickness", "21Gem38", "10"},
    {"Spirit", "15Sag37", "4"},
    {"Sudden advancement", "19Tau13", "10"},
    {"Surgery", "27Lib35", "3"},
    {"Travel by land", "04Can33", "11"},
    {"Travel by air", "02Sco05", "3"},
    {"Travel by water", "00Leo37", "12"},
    {"Understanding", "06Can00", "11"},
    {"Vocation", "27Cap47", "6"},
    {"Web of deceit", "16Sco09", "3"},
}};

constexpr std::array<Cells3, 27> kAspectRows{{
    {"Moo at 25Pis36", "OPP", "Astrology at 25Vir50"},
    {"Nep at 08Lib08", "SQR", "Catastrophe at 09Can02"},
    {"Sun at 16Can36", "SQR", "Children (male) at 16Ari46"},
    {"PF  at 03Tau37", "TRI", "Commerce at 02Vir40"},
    {"Jup at 17Sco45", "SQR", "Death at 16Leo52"},
    {"Mar at 06Gem02", "TRI", "Discord and controversy at 06Aqu20"},
    {"Ven at 01Can21", "OPP", "Divorce at 01Cap21"},
    {"Ura at 23Gem25", "OPP", "Faith at 23Sag40"},
    {"Asc at 24Leo37", "TRI", "Faith at 23Sag40"},
    {"MSN at 01Sag28", "TRI", "Father at 02Leo12"},
    {"PF  at 03Tau37", "CJN", "Fortune at 03Tau37"},
    {"Ven at 01Can21", "SQR", "Fortune in marriage of women at 02Lib15"},
    {"MNN at 01Gem28", "TRI", "Fortune in marriage of women at 02Lib15"},
    {"Moo at 25Pis36", "SQR", "Increase at 25Sag46"},
    {"Plu at 12Leo10", "TRI", "Inheritance, possessions at 11Ari12"},
    {"Sat at 09Leo00", "CJN", "Love and deception by women at 09Leo22"},
    {"Sat at 09Leo00", "TRI", "Love and marriage at 08Ari13"},
    {"Nep at 08Lib08", "OPP", "Love and marriage at 08Ari13"},
    {"Mid at 18Tau48", "CJN", "Mother at 18Tau51"},
    {"Moo at 25Pis36", "SQR", "Private enemies at 24Sag53"},
    {"Asc at 24Leo37", "TRI", "Private enemies at 24Sag53"},
    {"Mer at 24Can39", "SQR", "Servants at 25Ari34"},
    {"Asc at 24Leo37", "TRI", "Servants at 25Ari34"},
    {"Mid at 18Tau48", "CJN", "Sudden advancement at 19Tau13"},
    {"Ven at 01Can21", "TRI", "Travel by air at 02Sco05"},
    {"MSN at 01Sag28", "TRI", "Travel by water at 00Leo37"},
    {"Sun at 16Can36", "TRI", "Web of deceit at 16Sco09"},
}};

}  // namespace

std::span<const Cells3> arabicPartRows() {
    return kPartRows;
}

std::span<const Cells3> arabicAspectRows() {
    return kAspectRows;
}

}  // namespace tables
