#include "synastry/frmsynastry.h"

#include <QColor>
#include <QPalette>
#include <QVBoxLayout>

#include "shell/reportgrid.h"
#include "shell/screen.h"
#include "synastry/synastry_rows.h"
#include "ui/controls.h"
#include "ui/elastic.h"
#include "ui/grid.h"
#include "ui/indextab.h"
#include "ui/msgbox.h"
#include "ui/picture.h"
#include "ui/twips.h"

namespace synastry {

namespace {

// Design sizes in twips.
constexpr double kClientWidth = 10800;
constexpr double kClientHeight = 7800;
constexpr double kToolBarHeight = 660;
constexpr double kTitleTop = 120;
constexpr double kFirstChartTop = 510;
constexpr double kGridTop = 1140;
constexpr double kButtonHeight = 420;

constexpr double kChartWidth = 5230;
constexpr double kMidpointWidth = 5740;
constexpr double kArabWidth = 7730;
constexpr double kAsteroidWidth = 6340;

const QString kFirstChart = QStringLiteral("#1:  T.R. Vandell");

}  // namespace

frmSynastry::frmSynastry() {
    setObjectName(QStringLiteral("frmSynastry"));
    setWindowTitle(QStringLiteral("Starwright Synastry Tables"));

    vseSynastry = clientPanel(QStringLiteral("vseSynastry"));

    VSIndexTab1 = new ui::IndexTab(vseSynastry);
    VSIndexTab1->setObjectName(QStringLiteral("VSIndexTab1"));
    VSIndexTab1->setCaptions(
        QStringLiteral("Chart &Synastry|&Midpoint Synastry|"
                       "&Arabic Part Synastry|Asteroid Synastry|C&omposite Chart"));
    // The five tabs stay readable in one row: the window is at least as wide as they are.
    const double width = std::max(kClientWidth, VSIndexTab1->tabRowWidthTwips() + 240);
    setDesignClientSizeTwips(width, kClientHeight);
    ui::setGeometryTwips(VSIndexTab1, 60, 60, width - 120, kClientHeight - 60 - kToolBarHeight);

    const auto page = [this](int tab, const char* name) {
        auto* p = static_cast<ui::ElasticPanel*>(VSIndexTab1->page(tab));
        p->setObjectName(QLatin1String(name));
        return p;
    };
    vseChart = page(0, "vseChart");
    vseMidpoint = page(1, "vseMidpoint");
    vseArab = page(2, "vseArab");
    vseAsteroid = page(3, "vseAsteroid");
    VSComp = page(4, "VSComp");
    const QSizeF pageSize = VSIndexTab1->fixPageDesignSize();

    buildTitledPage(vseChart, kChartWidth, Label3, QStringLiteral("CHART SYNASTRY"), Label1, Label2,
                    QStringLiteral("#2:  Celia Marsh Vandell"));
    buildReportPage(vseChart, kChartWidth, grdChart, cmdChart, QStringLiteral("Sort By Values"));
    buildTitledPage(vseMidpoint, kMidpointWidth, Label4, QStringLiteral("MIDPOINT/PLANET SYNASTRY"), Label6, Label5,
                    QStringLiteral("#2:  Ex-Wife Murdered"));
    buildReportPage(vseMidpoint, kMidpointWidth, grdMidpoint, cmdMidpoint, QStringLiteral("Sort by Location"));
    buildTitledPage(vseArab, kArabWidth, Label7, QStringLiteral("ARABIC PART SYNASTRY"), Label9, Label8,
                    QStringLiteral("#2:  Ex-Wife Murdered"));
    buildReportPage(vseArab, kArabWidth, grdArab, cmdArabic, QStringLiteral("Sort by Location"));

    // The asteroid page names neither chart; its picture fills the page behind the grid.
    imgAsteroidBack = new ui::Picture(QStringLiteral(":/pictures/asteroid_background.svg"), vseAsteroid);
    imgAsteroidBack->setObjectName(QStringLiteral("imgAsteroidBack"));
    imgAsteroidBack->setAccessibleName(QStringLiteral("Asteroids on their orbits around the Sun"));
    ui::setGeometryTwips(imgAsteroidBack, 0, 0, pageSize.width(), pageSize.height());
    // The picture keeps its shape; where the page is shaped otherwise, its colour continues.
    QPalette sky = vseAsteroid->palette();
    sky.setColor(QPalette::Window, QColor(0xf7, 0xf4, 0xec));
    vseAsteroid->setPalette(sky);
    vseAsteroid->setAutoFillBackground(true);
    buildReportPage(vseAsteroid, kAsteroidWidth, grdAsteroid, cmdAstLoc, QStringLiteral("Sort by Location"));

    buildCompositePage();

    const std::initializer_list<std::pair<QWidget*, const char*>> named{
        {grdChart, "grdChart"}, {grdMidpoint, "grdMidpoint"}, {grdArab, "grdArab"},     {grdAsteroid, "grdAsteroid"},
        {cmdChart, "cmdChart"}, {cmdMidpoint, "cmdMidpoint"}, {cmdArabic, "cmdArabic"}, {cmdAstLoc, "cmdAstLoc"},
        {Label3, "Label3"},     {Label1, "Label1"},           {Label2, "Label2"},       {Label4, "Label4"},
        {Label6, "Label6"},     {Label5, "Label5"},           {Label7, "Label7"},       {Label9, "Label9"},
        {Label8, "Label8"}};
    for (const auto& [widget, name] : named) widget->setObjectName(QLatin1String(name));

    // The grids of tabs 1 to 3 start hidden; their fill routines show them.
    grdMidpoint->hide();
    grdArab->hide();
    grdAsteroid->hide();

    // Created last, so the Tab key reaches Close after the page's controls.
    vseToolBar = new ui::ElasticPanel(vseSynastry);
    vseToolBar->setObjectName(QStringLiteral("vseToolBar"));
    ui::setGeometryTwips(vseToolBar, 0, kClientHeight - kToolBarHeight, width, kToolBarHeight);
    vseToolBar->setDesignSizeTwips(width, kToolBarHeight);
    Command3D1 = new ui::CommandButton(QStringLiteral("&Close"), vseToolBar);
    Command3D1->setObjectName(QStringLiteral("Command3D1"));
    ui::setGeometryTwips(Command3D1, (width - 1500) / 2, 120, 1500, kButtonHeight);

    connect(Command3D1, &ui::CommandButton::clicked, this, &frmSynastry::Unload);
    connect(cmdChart, &ui::CommandButton::clicked, this, &frmSynastry::cmdChart_Click);
    connect(cmdMidpoint, &ui::CommandButton::clicked, this, &frmSynastry::cmdMidpoint_Click);
    connect(cmdArabic, &ui::CommandButton::clicked, this, &frmSynastry::cmdArabic_Click);
    connect(cmdAstLoc, &ui::CommandButton::clicked, this, &frmSynastry::cmdAstLoc_Click);
}

void frmSynastry::buildTitledPage(ui::ElasticPanel* page, double gridWidth, ui::Label*& title, const QString& titleText,
                                  ui::Label*& first, ui::Label*& second, const QString& secondChart) {
    title = shell::reportTitle(titleText, page, kTitleTop);
    // The chart names stand over the grid's left edge.
    const double left = shell::centredOffset(ui::width(page), gridWidth, 2);
    first = shell::fittedLabel(kFirstChart, page, left, kFirstChartTop);
    second = shell::fittedLabel(secondChart, page, left, kFirstChartTop + ui::height(first));
}

void frmSynastry::buildReportPage(ui::ElasticPanel* page, double gridWidth, ui::Grid*& grid,
                                  ui::CommandButton*& sortButton, const QString& sortCaption) {
    grid = new ui::Grid(page);
    ui::setGeometryTwips(grid, 0, kGridTop, gridWidth, 3000);
    sortButton = new ui::CommandButton(sortCaption, page);
    ui::setGeometryTwips(sortButton, 0, 0, gridWidth, kButtonHeight);
}

void frmSynastry::buildCompositePage() {
    const double pageWidth = ui::width(VSComp);
    Image1 = new ui::Picture(QStringLiteral(":/pictures/composite_chart.svg"), VSComp);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Composite chart of two charts"));
    // The picture's shape (675 x 309) across the page.
    const double pictureWidth = pageWidth - 480;
    ui::setGeometryTwips(Image1, 240, 120, pictureWidth, pictureWidth * 309 / 675);

    Label10 = new ui::Label(QStringLiteral("Starwright can take two separate charts and combine "
                                           "them into a single chart by using the "
                                           "planetary midpoints between the two charts as the "
                                           "location of the planets in the combined "
                                           "chart.  The MC and Asc. can be composites or can be "
                                           "derived from the geographic coordinates "
                                           "where the couple currently lives.  You can save "
                                           "composite charts for comparison to transits "
                                           "or other charts."),
                            VSComp);
    Label10->setObjectName(QStringLiteral("Label10"));
    Label10->setWordWrap(true);
    Label10->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const double textTop = ui::top(Image1) + ui::height(Image1) + 180;
    ui::setGeometryTwips(Label10, 240, textTop, pictureWidth, ui::height(VSComp) - textTop - 60);
}

void frmSynastry::Form_Load() {
    shell::CenterForm(*this);
    VSIndexTab1->setCurrTab(0);
    FillChartSynastry();
    FillMidpointSynastry();
    FillArabicSynastry();
    FillAsteroidSynastry();
}

// ------------------------------------------------------------------ reports

void frmSynastry::placeSortButton(ui::CommandButton& button, const ui::Grid& grid, bool cutToPage) {
    shell::placeUnderGrid(button, grid);
    const double pageHeight = ui::height(grid.parentWidget());
    if (cutToPage && ui::top(&button) + ui::height(&button) > pageHeight) {
        ui::setHeight(&button, pageHeight - ui::top(&button));
    }
}

void frmSynastry::FillChartSynastry() {
    shell::centreAcross(*Label3, ui::width(vseChart));
    ui::Grid& g = *grdChart;
    shell::layOutGrid(g, kChartWidth, 0.9, ui::height(vseChart), ui::width(vseChart));
    g.setRows(1);
    shell::setColumns(g, {1905, 1000, 1000, 1000});
    g.setColAlignment(1, ui::Grid::Align::LeftTop);
    g.setColAlignment(2, ui::Grid::Align::LeftTop);
    placeSortButton(*cmdChart, g, false);
    shell::writeHeader(g, {"#2  ASPECTS  #1", "ANGLES", "ORBS", "VALUES"});
    shell::appendRows(g, chartSynastryRows());
    // The index rows' texts run on over the empty cells beside them.
    shell::spillIntoEmptyCells(g);
}

void frmSynastry::FillMidpointSynastry() {
    shell::centreAcross(*Label4, ui::width(vseChart));
    ui::Grid& g = *grdMidpoint;
    shell::layOutGrid(g, kMidpointWidth, 0.9, ui::height(vseMidpoint), ui::width(vseMidpoint));
    g.show();
    g.setRows(1);
    shell::setColumns(g, {1905, 1000, 2500});
    g.setColAlignment(1, ui::Grid::Align::LeftTop);
    g.setColAlignment(2, ui::Grid::Align::LeftTop);
    placeSortButton(*cmdMidpoint, g, true);
    shell::writeHeader(g, {"#2 Planet & Position ", "Aspect ", "#1 Midpoint & Location "});
    shell::appendRows(g, midpointSynastryRows());
}

void frmSynastry::FillArabicSynastry() {
    shell::centreAcross(*Label7, ui::width(vseChart));
    ui::Grid& g = *grdArab;
    shell::layOutGrid(g, kArabWidth, 0.9, ui::height(vseArab), ui::width(vseArab));
    g.show();
    g.setRows(1);
    shell::setColumns(g, {1905, 1000, 4500});
    g.setColAlignment(1, ui::Grid::Align::LeftTop);
    g.setColAlignment(2, ui::Grid::Align::LeftTop);
    placeSortButton(*cmdArabic, g, true);
    shell::writeHeader(g, {"#2 Planet & Position ", "Aspect ", "#1 Arabic Part & Location "});
    shell::appendRows(g, arabicSynastryRows());
}

void frmSynastry::FillAsteroidSynastry() {
    ui::Grid& g = *grdAsteroid;
    shell::layOutGrid(g, kAsteroidWidth, 0.9, ui::height(vseAsteroid), ui::width(vseAsteroid));
    g.show();
    g.setRows(1);
    shell::setColumns(g, {1905, 1000, 3100});
    g.setColAlignment(1, ui::Grid::Align::LeftTop);
    g.setColAlignment(2, ui::Grid::Align::LeftTop);
    placeSortButton(*cmdAstLoc, g, true);
    shell::writeHeader(g, {"#2 Planet & Position ", "Aspect ", "#1 Asteroid & Location "});
    shell::appendRows(g, asteroidSynastryRows());
}

// ------------------------------------------------------------------ events

void frmSynastry::cmdChart_Click() {
    ui::msgBox(QStringLiteral("Clicking here will sort the report by the value of the aspect from the greatest to "
                              "the least."),
               ui::Icon::Information, QStringLiteral("Sort by Value"));
}

void frmSynastry::cmdMidpoint_Click() {
    ui::msgBox(QStringLiteral("Clicking here will sort the report by the location of the Midpoint."),
               ui::Icon::Information, QStringLiteral("Sort by Location"));
}

void frmSynastry::cmdArabic_Click() {
    ui::msgBox(QStringLiteral("Clicking here will sort the report by the location of the Arabic Part."),
               ui::Icon::Information, QStringLiteral("Sort by Location"));
}

void frmSynastry::cmdAstLoc_Click() {
    ui::msgBox(QStringLiteral("Clicking here will sort the report by the location of the Asteroid."),
               ui::Icon::Information, QStringLiteral("Sort by Location"));
}

}  // namespace synastry
