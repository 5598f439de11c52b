#include "options/options_data.h"

#include <cstring>
#include <stdexcept>

namespace options::text {

const QString kCaption = QStringLiteral("Starwright Options");
const QString kTabCaptions = QStringLiteral(
    "Transits/Prog. &List|&Derived Charts|&Progressed Charts|&Find Compatible Charts|&Search Result");

const QString kTransitsDescription = QStringLiteral(
    "Make your selections to generate a Transits list with exact times for a period as short as one day "
    "or as long as several years.  A Progressed list can be from a year to a lifetime in length. In the "
    "Planets listbox, select the faster moving planets for more hits or just the slower moving planets for "
    "the most important.  A list can have a maximum 550 hits. In the Use Orb Planets listbox, select for "
    "which planets to see Enter Orb and Leave Orb dates.");

const QString kProgressedDescription = QStringLiteral(
    "You can create several types of Progressed charts and Solar Arc Direction charts from the current "
    "natal chart.  The default is to use the longitude and latitude of the birth place, but the program "
    "will easily relocate the progressed chart.");

const QString kResultDescription = QStringLiteral(
    "The result of a search for compatible charts lists all chart combinations which match your criteria. "
    "The results show the couple's communication and compatibility indexes, and their three strongest "
    "mutual aspects.  Hand these printouts to people who pay to attend a matchmaking party.  It is "
    "optional whether the printout shows the date of birth.");

const std::array<QString, 2> kToolBarDescriptions{
    QStringLiteral("You can rapidly search your saved chart database for compatible matches."),
    QStringLiteral(
        "Calculate and display in chart form positions such as those of Aldric Venn's Secondary Chart "
        "(Solar Parts Chart), the similar Lunar Parts Chart, the heliocentric or the geocentric planetary "
        "nodes, and the planets' declinations converted into their longitude equivalents.  You can save "
        "and compare all such charts."),
};

const std::array<QString, 9> kProgressionTypes{
    QStringLiteral("Secondary Progressions"),
    QStringLiteral("Solar Arc Directions"),
    QStringLiteral("Minor Progressions"),
    QStringLiteral("Tertiary Progressions"),
    QStringLiteral("Special Progressions"),
    QStringLiteral("Hermetic Minor Progressions"),
    QStringLiteral("Rational Primary Directions"),
    QStringLiteral("Classical Primary Directions with Latitude"),
    QStringLiteral("Classical Primary Directions without Lat."),
};

const std::array<QString, 6> kMidheavenTypes{
    QStringLiteral("Solar Arc MC"),      QStringLiteral("R.A.M.S. MC"),       QStringLiteral("Naibod Long. MC"),
    QStringLiteral("Solar Arc R.A. MC"), QStringLiteral("Quotidian Bija MC"), QStringLiteral("Quotidian Std. MC"),
};

// The Moon first, then Mercury and Venus, the Sun after them; no Part of
// Fortune, Vertex or East Point.
const std::array<int, 20> kListedPoints{2, 3, 4, 1, 5, 6, 7, 8, 9, 10, 16, 17, 18, 19, 20, 13, 14, 23, 11, 12};

const QString kTimeZone = QStringLiteral("Eastern Standard Time - EST (05:00)");
const QString kSpecialRate = QStringLiteral("12.36826591");
const QString kPrimaryRate = QStringLiteral("1.000 (Ptolemy)");

namespace {
const QString kClosesForm = QStringLiteral("Closes the form and returns to the Natal Information Screen.");
const QString kOnlineHelp = QStringLiteral("Online help is always available in Starwright for Windows.");
}  // namespace

const std::array<MessageButton, 11> kMessageButtons{{
    {"btnFile0", QStringLiteral("&Save to File"),
     QStringLiteral("Make the program remember different settings that will create lists for your different "
                    "purposes."),
     ui::Icon::Information},
    {"btnFile1", QStringLiteral("&Load from File"),
     QStringLiteral("Retrieve a previously saved set of transits or progressions list settings."),
     ui::Icon::Information},
    {"ButtonAspects", QStringLiteral("Customize &Aspects"),
     QStringLiteral("Clicking this button would take you to the aspect customization screen that you can see "
                    "in this demo at Customizing, Aspects."),
     ui::Icon::Information},
    {"ButtonCancel", QStringLiteral("&Cancel"), kClosesForm, ui::Icon::Information},
    {"ButtonHelp", QStringLiteral("&Help"), kOnlineHelp, ui::Icon::Information},
    {"ButtonOK", QStringLiteral("Ca&lculate"),
     QStringLiteral("A click of this button is all it takes to create the list of transits or progressions."),
     ui::Icon::Information},
    {"CancelButton", QStringLiteral("&Cancel"), kClosesForm, ui::Icon::Information},
    {"CityButton", QStringLiteral("PC &Atlas..."),
     QStringLiteral("You can access the PC Atlas to relocate to any of 250,000 cities."), ui::Icon::Information},
    {"HelpButton", QStringLiteral("&Help"), kOnlineHelp, ui::Icon::Exclamation},
    {"OkButton", QStringLiteral("&OK"),
     QStringLiteral("A click of this button is all it takes to draw the progressed chart."), ui::Icon::Exclamation},
    {"RelocButton", QStringLiteral("&Relocate"),
     QStringLiteral("This button automatically inserts your present latitude and longitude from the User "
                    "Information you have entered, thereby relocating the chart to your present location."),
     ui::Icon::Exclamation},
}};

const MessageButton& messageButton(const char* name) {
    for (const MessageButton& b : kMessageButtons) {
        if (std::strcmp(b.name, name) == 0) return b;
    }
    throw std::logic_error(name);
}

QString titleOf(const QString& caption) {
    QString t = caption;
    t.remove(QStringLiteral("..."));
    t.remove(u'&');
    return t;
}

}  // namespace options::text
