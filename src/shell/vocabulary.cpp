#include "shell/vocabulary.h"

#include <QDate>
#include <QLocale>

#include "ui/locale.h"

namespace shell {

int NumPoints = 0;
int DateOrder = 0;
QString DecimalSep;
std::array<QString, 49> PlanetAbbr;
QString SignAbbr;
std::array<QString, 22> AspectDef;

namespace {

constexpr std::array<const char*, 35> kPointsAndHouses{
    "Sun", "Moo", "Mer", "Ven", "Mar", "Jup", "Sat", "Ura", "Nep", "Plu", "Asc", "Mid",
    "MNN", "MSN", "PF ", "Chi", "Cer", "Pal", "Jun", "Ves", "Vtx", "EPt", "BML",
    "1st", "2nd", "3rd", "4th", "5th", "6th", "7th", "8th", "9th", "10th", "11th", "12th"};

constexpr std::array<const char*, 21> kAspects{
    "CJN000000", "OPP180000", "TRI120000", "SQR090000", "SXT060000", "SSQ045000", "SES135000",
    "INC150000", "QTL072000", "BQT144000", "SSX030000", "SPT051429", "BSP102857", "TSP154286",
    "NOV040000", "BNV080000", "QNV160000", "VGT018000", "SOK022500", "DCL036000", "TDC108000"};

struct Name {
    const char* code;  // upper case, as compared
    const char* full;
};

constexpr std::array<Name, 34> kNames{{
    {"SUN", "Sun"},       {"MOO", "Moon"},        {"MER", "Mercury"},  {"VEN", "Venus"},
    {"MAR", "Mars"},      {"JUP", "Jupiter"},     {"SAT", "Saturn"},   {"URA", "Uranus"},
    {"NEP", "Neptune"},   {"PLU", "Pluto"},       {"ASC", "Ascendant"}, {"MID", "Midheaven"},
    {"MNN", "MNNode"},    {"MSN", "MSNode"},      {"PF ", "P_Fortune"}, {"CHI", "Chiron"},
    {"CER", "Ceres"},     {"PAL", "Pallas"},      {"JUN", "Juno"},     {"VES", "Vesta"},
    {"VTX", "Vertex"},    {"EPT", "East Point"},  {"ARI", "Aries"},    {"TAU", "Taurus"},
    {"GEM", "Gemini"},    {"CAN", "Cancer"},      {"LEO", "Leo"},      {"VIR", "Virgo"},
    {"LIB", "Libra"},     {"SCO", "Scorpio"},     {"SAG", "Sagittarius"}, {"CAP", "Capricorn"},
    {"AQU", "Aquarius"},  {"PIS", "Pisces"},
}};

// The short date as the C library writes it: Qt's C locale writes "30 Jun 1990",
// but a program in the C/POSIX locale gets month/day/year ("06/30/90").
QString systemShortDate(const QDate& date) {
    if (QLocale().language() == QLocale::C) return date.toString(QStringLiteral("MM/dd/yy"));
    return ui::Locale::shortDate(date);
}

}  // namespace

int dateOrderOf(const QString& d) {
    if (d.left(2) == u"30") return 1;
    if (d.size() >= 2 && d.right(2) == u"30") return 2;
    return 0;
}

QString decimalSepOf(const QString& number) {
    const QString s = number.trimmed();
    // A format that writes no separator (or only digits) would leave a digit here;
    // the numeric fields then fall back to the point rather than accept a digit.
    if (s.size() < 2 || s.at(1).isDigit() || s.at(1).isSpace()) return QStringLiteral(".");
    return s.mid(1, 1);
}

void FillVocabulary() {
    NumPoints = 23;
    DateOrder = dateOrderOf(systemShortDate(QDate(1990, 6, 30)));
    DecimalSep = decimalSepOf(ui::Locale::generalNumber(3.0 / 2.0));
    PlanetAbbr[0].clear();
    for (size_t i = 0; i < kPointsAndHouses.size(); ++i) PlanetAbbr[i + 1] = QString::fromLatin1(kPointsAndHouses[i]);
    SignAbbr = QStringLiteral("AriTauGemCanLeoVirLibScoSagCapAquPisAri");
    for (int n = 1; n <= 12; ++n) PlanetAbbr[static_cast<size_t>(35 + n)] = SignAbbr.mid(3 * n - 3, 3);
    PlanetAbbr[48].clear();
    AspectDef[0].clear();
    for (size_t i = 0; i < kAspects.size(); ++i) AspectDef[i + 1] = QString::fromLatin1(kAspects[i]);
}

QString FillNameList(const QString& code) {
    const QString upper = code.toUpper();
    for (const Name& n : kNames) {
        if (upper == QLatin1String(n.code)) return QString::fromLatin1(n.full);
    }
    return code;
}

}  // namespace shell
