#include "tours/atlas_texts.h"

namespace tours::atlas {

const QString kIntroduction = QStringLiteral(
    "You can search ACS Publications' PC Atlas from Starwright and have the time and location "
    "information "
    "automatically entered into the Natal Information Screen.");

const QString kFreeAtlas = QStringLiteral(
    "Starwright Scribeline includes a free copy of the full ACS PC Atlas, with 250,000 cities and "
    "4,300 hospitals, "
    "including time zone change histories.");

const QString kNatalScreenHeading = QStringLiteral("Natal Information Screen:");

const QString kBecomes = QStringLiteral(
    "The date and time of birth, geographic location, correct time zone, and city and state or "
    "country names are "
    "automatically entered into the Natal Information Screen.  There is no faster way to produce "
    "reliable accurate "
    "charts.");

const std::array<QString, 7> kSampleInput{QStringLiteral("Seattle, WA"), QStringLiteral("11"),
                                          QStringLiteral("27"),          QStringLiteral("1942"),
                                          QStringLiteral("10"),          QStringLiteral("15"),
                                          QStringLiteral("00")};

const QString kResultPlace = QStringLiteral("Seattle, King, Washington");

const std::array<QString, 7> kResults{
    QStringLiteral("Seattle"),      QStringLiteral("King"),
    QStringLiteral("Washington"),   QStringLiteral("47 n 36 23"),
    QStringLiteral("122 w 19 51"),  QStringLiteral("8 hours from UT, War"),
    QStringLiteral("+ 7 h 0 m 0 s")};

const QString kResultZoneAbbrev = QStringLiteral("PWT");

const std::array<QString, 8> kAtlasButtons{
    QStringLiteral("Read &Atlas"),  QStringLiteral("&Soundex"), QStringLiteral("&LonLat Search"),
    QStringLiteral("Ta&ble"),       QStringLiteral("Add Ne&w"), QStringLiteral("Transfer &From"),
    QStringLiteral("Transfer &To"), QStringLiteral("&Close")};

const std::array<QString, 8> kAtlasMessages{
    QString(),
    QStringLiteral("A Soundex search allows you to find cities even when you don't have the "
                   "correct spelling."),
    QStringLiteral(
        "This will give you a list of places near the latitude and longitude you have entered."),
    QStringLiteral("Clicking on \"Table\" will pop up a list box displaying the complete time "
                   "change history of the "
                   "location."),
    QStringLiteral("This button enables you to add a location to your personal ACS Atlas."),
    QStringLiteral("You can transfer date or location information which you have entered into the "
                   "Natal Information "
                   "Screen and use it as the basis of a search."),
    QStringLiteral("Once you have found your city's coordinates, clicking on this button transfers "
                   "all the location "
                   "and time information back to the Natal Information Screen."),
    QStringLiteral("This closes the form, of course, but, before you do, click on the "
                   "\"Becomes...\" tab to see how "
                   "the search results are entered onto the screen.  \r\n\nWhen you are ready, you "
                   "can close this "
                   "window by clicking on the \"Close\" button at the upper right.")};

}  // namespace tours::atlas
