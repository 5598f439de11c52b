// The two tours' tabs: caption, screen picture and the text that goes with it.

#include "tours/picturetour.h"

#include <array>

#include "ui/controls.h"

namespace tours {

namespace {

const std::array<TourTab, 10> kReportTabs{{
    {"Create &Report", ":/tours/create_report.svg",
     "The Chart Information screen with its Interpret menu open",
     "The Scribeline versions 3.1 and 4.1 of Starwright add the Interpret menu to the Chart "
     "Information screen, making it easy to create and print reports from within the same "
     "program that you use for your calculations."},
    {"&Select Interp.", ":/tours/select_interp.svg",
     "The interpretation file chooser offering the files that suit a natal wheel",
     "The program is context- sensitive in looking for an interpretation file that is "
     "appropriate to the Chart Information results, such as a natal wheel, a compatibility "
     "biwheel, or a transits or progressions hit list.  If you purchased an appropriate "
     "interpretation file, or created your own, then the program will automatically find it."},
    {"&Natal Sample", ":/tours/natal_sample.svg", "A natal report filling the word processor page",
     "After you click on Okay, a word processor control appears and automatically fills with "
     "text taken from the chosen interpretation set, guided by the formatting instructions "
     "and commands of the current template.  This sample natal report is from the $100 Inner "
     "Compass(tm) interpretation set.  Also available is the shorter $49 Bright Summit(tm) "
     "set."},
    {"Report &Options", ":/tours/report_options.svg",
     "The Report Options screen with the template list and the settings of the six report parts",
     "The listbox at the top of this Report Options screen lets you select which template "
     "shall be the current template, guiding creation of the report.  The template includes "
     "information on justification, spacing, and preferred font name, size, bold, italic, "
     "color, etc. for six different parts of the report."},
    {"Options &2", ":/tours/options_document.svg", "The document settings of a template",
     "Starwright Scribeline comes with several complete templates for natal reports.  You can "
     "customize settings for the whole document.  The default is not to print directly to the "
     "printer, but to present you with the interpretation report filling the word processor "
     "so you can review it on screen and make changes before selecting File and Print."},
    {"Options &3", ":/tours/options_pictures.svg",
     "The picture settings of the Intermediate templates",
     "This screen shows the default or initial picture settings for the two Intermediate "
     "templates.  The Standard template default is to put the appropriate zodiac sign graphic "
     "images before the sign delineations of the Sun, Moon, and Ascendant."},
    {"Options &4", ":/tours/options_commands.svg", "The lists of report commands",
     "Starwright Scribeline supports over 55 commands for creating a natal report, including "
     "functions that are not in the supplied templates, but which power users can easily "
     "combine to make their own templates.  The program provides 36 compatibility commands, "
     "38 transits commands, and 40 progressions commands."},
    {"Co&mpat. Sample", ":/tours/compat_sample.svg", "A compatibility report in the word processor",
     "The Standard template for compatibility reports, shown here drawing upon the $100 Twin "
     "Beacon(tm) interpretation set, creates a report that describes each individual's "
     "compatibility needs and strengths, their planets' mutual house placements, and "
     "interprets in order of strength the synastry aspects between their charts."},
    {"&Transits Sample", ":/tours/transits_sample.svg",
     "A transits report page with the contact footer",
     "This sample transits report draws upon the $100 Meridian Currents(tm) interpretation "
     "set, which contains delineations for all the transiting planets from moon through Pluto "
     "and Chiron.  All the pages of a report can have your contact information in the footer, "
     "except the last page which has our copyright notice."},
    {"&Progress Sample", ":/tours/progress_sample.svg", "A progressions report page",
     "This sample progressions report draws upon the $100 Lantern Cycles (tm) interpretation "
     "set, which interprets the progressed Ascendant, Midheaven, and planets in the signs and "
     "natal houses and their aspects to the natal chart.  Reports on the slow moving "
     "progressed planets are always for at least one year."},
}};

const std::array<TourTab, 4> kEditTabs{{
    {"Create/Select Interpretation &File", ":/tours/edit_file_dialog.svg",
     "The editor's File Dialog for choosing an interpretation database",
     "The first step in using the separate Edit Interpretations program is to select the "
     "database file with which you will be working.  Clicking on the button with the open "
     "folder icon will present you with this File Dialog screen. If you want to edit a set "
     "purchased from Penwick Software, this program will make a copy of it so that you are "
     "editing a copy, not the original."},
    {"Select && &Edit Text", ":/tours/edit_search_titles.svg",
     "The Search Titles list above the Edit Interpretation Text box",
     "When you open the file, the titles of all of the delineations in the database will fill "
     "the Search Titles listbox.  Just click on the delineation whose text you want to edit, "
     "in order to have it appear down in the Edit Interpretation Text box.  You can have two "
     "resized copies of this program up side by side in order to facilitate translating text."},
    {"&Add New Delineations", ":/tours/edit_add_new.svg", "The Add New screen with its list boxes",
     "The Add New screen is where you use listboxes to create the search titles for "
     "delineation text that is not already in your current delineations database.  The Add "
     "New screen will present you with listbox items that are appropriate for the type of the "
     "current delineation set.  As you can see, you can create very personal combo "
     "delineations."},
    {"&Import", ":/tours/edit_import.svg",
     "The screen that imports interpretations from older programs", nullptr,
     "Automatically import your already edited interpretations from older Penwick Software "
     "programs for DOS.  If you just have text that you have created in a Windows-based word "
     "processor, then the Edit Interpretation Text window supports using Control-V to paste "
     "in a block of text that you selected and copied to the Windows clipboard with Control-C "
     "while in your word processor."},
}};

}  // namespace

frmReports::frmReports()
    : PictureTour("frmReports", QStringLiteral("Starwright Scribeline Interpretation Features"),
                  kReportTabs) {}

frmEdit::frmEdit()
    : PictureTour(
          "frmEdit",
          QStringLiteral("Edit Interpretations program - companion to Starwright Scribeline"),
          kEditTabs),
      Label2(lblPage[3]) {
    Label2->setObjectName(QStringLiteral("Label2"));
}

}  // namespace tours
