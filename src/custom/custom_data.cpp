#include "custom/custom_data.h"

namespace custom {

namespace {

constexpr std::array<const char*, 72> kAsteroids{
    "Aesculapia (1027)",  "Amor (1221)",       "Apollo (1862)",    "Arachne (407)",
    "Ariadne (43)",       "Asclepius (4581)",  "Astraea (5)",      "Atlantis (1198)",
    "Atropos (273)",      "Bacchus (2063)",    "Ceres (1)",        "Child (4580)",
    "Chiron (2060)",      "Circe (34)",        "Cupido (763)",     "Daedalus (1864)",
    "Dembowska (349)",    "Demeter (1108)",    "Diana (78)",       "Dike (99)",
    "Dudu (564)",         "Eris (136199)",     "Eros (433)",       "Eurydike (75)",
    "Frigga (77)",        "Hatshepsut (2436)", "Hebe (6)",         "Hekate (100)",
    "Hephaistos (2212)",  "Hera (103)",        "Hidalgo (944)",    "Hopi (2938)",
    "House (4950)",       "Hybris (430)",      "Hygiea (10)",      "Icarus (1566)",
    "Industria (389)",    "Isis (42)",         "Juno (3)",         "Kassandra (114)",
    "Klotho (97)",        "Lachesis (120)",    "Lilith (1181)",    "Minerva (93)",
    "Moira (638)",        "Nemesis (128)",     "Niobe (71)",       "Nostalgia (3162)",
    "Odysseus (1143)",    "Orpheus (3361)",    "Pallas (2)",       "Panacea (2878)",
    "Pandora (55)",       "Pele (2202)",       "Persephone (399)", "Photographica (443)",
    "Pittsburghia (484)", "Proserpina (26)",   "Psyche (16)",      "Sappho (80)",
    "Sedna (90377)",      "Sisyphus (1866)",   "Siva (1170)",      "Siwa (140)",
    "Sphinx (896)",       "Tantalus (2102)",   "Terpsichore (81)", "Themis (24)",
    "Tisiphone (466)",    "Toro (1685)",       "Urania (30)",      "Vesta (4)",
};

constexpr std::array<const char*, 12> kModern{"Mar", "Ven", "Mer", "Moo", "Sun", "Mer",
                                              "Ven", "Plu", "Jup", "Sat", "Ura", "Nep"};
constexpr std::array<const char*, 12> kTraditional{"Mar", "Ven", "Mer", "Moo", "Sun", "Mer",
                                                   "Ven", "Mar", "Jup", "Sat", "Sat", "Jup"};
constexpr std::array<const char*, 12> kSigns{"Aries",       "Taurus",    "Gemini",   "Cancer",
                                             "Leo",         "Virgo",     "Libra",    "Scorpio",
                                             "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

// A carriage return and two line feeds: a new paragraph after a blank line.
const QString kParagraph = QStringLiteral("\r\n\n");

}  // namespace

const std::array<const char*, 72>& asteroidNames() {
    return kAsteroids;
}
const std::array<const char*, 12>& modernRulers() {
    return kModern;
}
const std::array<const char*, 12>& traditionalRulers() {
    return kTraditional;
}
const std::array<const char*, 12>& signNames() {
    return kSigns;
}

QString planetsDescription() {
    QString s;
    s += QStringLiteral("Starwright enables you to include or exclude any of ");
    s += QStringLiteral("the planets or asteroids listed in this form ");
    s += QStringLiteral("for displaying on the graphic charts and for ");
    s += QStringLiteral("inclusion in the program's tables.");
    s += kParagraph;
    s += QStringLiteral("  It also lets you choose ");
    s += QStringLiteral("whether the program uses the moon's mean or true nodes ");
    s += QStringLiteral("and mean or true apogee (Black Moon Lilith), and whether to reverse the ");
    s += QStringLiteral("Sun and Moon in the Part of Fortune formula for night births.");
    return s;
}

QString asteroidsDescription() {
    QString s;
    s += QStringLiteral("Starwright enables you to calculate and display in a table ");
    s += QStringLiteral("the positions of any of the asteroids listed here. ");
    s += QStringLiteral("You can select or deselect which asteroids you want to include ");
    s += QStringLiteral("and the program will remember your preferences.");
    s += kParagraph;
    s += QStringLiteral("The data files for 53 asteroids come with the program. ");
    s += QStringLiteral(
        "An additional 30 asteroids, and possibly more by now, can be added through ");
    s += QStringLiteral("an easy download from the Penwick Software web site.  The asteroids are ");
    s += QStringLiteral("accurate to the minute from 1800 A.D. to 2100 A.D.");
    s += kParagraph;
    s += QStringLiteral("If you have purchased the current version of the Penwick TrueType ");
    s += QStringLiteral(
        "font ($49), the table can show glyphs for 51 asteroids that come with the program. ");
    return s;
}

namespace text {

const QString kTabCaptions = QStringLiteral(
    "&Planets|&Aspects|Astrological &Fonts|Chart Center Image|Arabic Parts|&Ruling "
    "Planets|Asteroids");
const QString kWindowCaption = QStringLiteral("Customize Starwright to your preferences!");
const QString kPlanetsHeading = QStringLiteral("Display(D) or Include(I) the following planets:");
const QString kOrbHeader = QStringLiteral(
    "                   Name                 Aspect   Orb of Lights     Orb of Planets");
const QString kOrbNote = QStringLiteral(
    "You may set the aspect orb definition to whatever size you wish, or even eliminate aspects by "
    "setting them to \"0.00\".");
const QString kOrbHint = QStringLiteral(
    "Try clicking on some of the option buttons to the upper right to see the various default "
    "definitions of the aspect orbs.");
const QString kFonts = QStringLiteral(
    "Starwright allows you to use an astrological font instead of spelled out names or "
    "abbreviations "
    "in tables.  Above is a Table of Planets and Houses using the optional Penwick True Type Font "
    "of "
    "astrological glyphs.  At the right is a list of aspects.");
const QString kCtrImage = QStringLiteral(
    "Starwright will print a graphic bitmap image at the center of your charts based on the "
    "criteria "
    "you set up.  The program ships with a set of stylized images of the zodiac which you may use "
    "as "
    "is, edit or replace.  Selecting \"Sun Sign\", \"Moon Sign\", or \"Rising Sign\" prints an "
    "image "
    "of the zodiac sign of the sun, moon, or first house cusp of the chart.  Selecting \"Moon's "
    "Nodes' Dragon\" puts in a dragon image in which the head and tail point to the houses with "
    "the "
    "Moon's North and South Nodes.  Selecting \"Always use same image\" prints an image which the "
    "program makes it easy for you to preview and select, such as a logo or personal symbol.  "
    "Selecting \"No Image\" leaves the center of the chart empty.");
const QString kArabic = QStringLiteral(
    "Starwright makes it easy for you to change the definitions of the Arabic Parts.  Try clicking "
    "on the list box in the upper right hand corner.  To return to the main menu, click on the "
    "close button.");
const QString kOpenFile = QStringLiteral(
    "Starwright comes with five different Arabic Parts definition files, including one with 265 "
    "formulas.  You can select which you want and easily create a file with your own collection of "
    "Arabic Parts.");
const QString kRulerHeader = QStringLiteral("          Zodiac Sign       Ruling Planet");
const QString kRulers = QStringLiteral(
    "Starwright lets you use modern, traditional or customized Ruling Planet lists.  You can "
    "customize the list by typing in the planet abbreviations in the text boxes next to the signs. "
    " "
    "Save your list by clicking on \"Save...\".  Try clicking on the \"Traditional\" option button "
    "to see the list of traditional rulers.  Click on the \"Close\" button to return to the main "
    "menu.");
const QString kHelp = QStringLiteral("Context sensitive help is available throughout Starwright.");
const QString kCancel = QStringLiteral("Closes the form without changing your settings.");
const QString kPointValues = QStringLiteral("Set Points for Elements and Mo&dalities");

const QString& save(int index) {
    static const std::array<QString, 5> texts{
        QStringLiteral(
            "Save a list to file after you added, changed and deleted the parts that you want."),
        QStringLiteral("You can save your own customized list of Ruling Planets."),
        QStringLiteral(
            "Clicking here saves your choices and returns you to the Natal Information Screen."),
        QStringLiteral("Clicking here will save your preferred orbs for this type of aspect list."),
        QStringLiteral(
            "Clicking here saves your choices and returns you to the Natal Information Screen."),
    };
    return texts.at(static_cast<size_t>(index));
}

}  // namespace text

}  // namespace custom
