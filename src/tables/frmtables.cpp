#include "tables/frmtables.h"

#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>
#include <QtGlobal>
#include <cmath>

#include "shell/reportgrid.h"
#include "shell/screen.h"
#include "tables/report_rows.h"
#include "ui/controls.h"
#include "ui/elastic.h"
#include "ui/grid.h"
#include "ui/indextab.h"
#include "ui/msgbox.h"
#include "ui/pause.h"
#include "ui/picture.h"
#include "ui/columnheads.h"
#include "ui/twips.h"

namespace tables {

namespace {

// Design sizes in twips.
constexpr double kClientWidth = 11400;
constexpr double kClientHeight = 8400;
constexpr double kToolBarHeight = 660;
constexpr double kGridTop = 1680;
constexpr double kHintGap = 30;

const QString kHint = QStringLiteral("To view the report use the scroll bar.");

QString utf8(const char* s) { return QString::fromUtf8(s); }

struct InfoBlock {
    std::array<const char*, 7> lines;
    std::array<const char*, 3> zodiac;
};

const InfoBlock kEllmauer{{"Konrad Ellmauer", "Friday, March 14, 1879 11:30:00AM", "Scientist", "Ulm, Germany",
                           "Time Zone: -00:40 (LT)", "Longitude 010", "Latitude 48"},
                          {"Placidus Houses", "Tropical Zodiac", "Mean Nodes"}};
const InfoBlock kVandellParts{{"T.R. Vandell", "Wednesday, July 09, 1947 8:08:00 AM", "Football player",
                               "San Francisco, California", "Time Zone: 08:00 (PST)", "Longitude 122",
                               "Latitude 37"},
                              {"Placidus Houses", "Tropical Zodiac", "True Nodes"}};
const InfoBlock kVandellAspects{{"T.R. Vandell", "Wednesday July 09, 1947 8:09:00 AM", "Football player",
                                 "San Francisco, California", "Time Zone: 08:00 (PST)", "Longitude 122",
                                 "Latitude 37"},
                                {"Placidus Houses", "Tropical Zodiac", "True Nodes"}};

using ui::label;

QGroupBox* frame(const QString& caption, QWidget* parent, double l, double t, double w, double h) {
    auto* f = new QGroupBox(caption, parent);
    ui::setGeometryTwips(f, l, t, w, h);
    return f;
}

}  // namespace

frmTables::frmTables() {
    setObjectName(QStringLiteral("frmTables"));
    setWindowTitle(QStringLiteral("Starwright Tables"));

    VSElastic1 = clientPanel(QStringLiteral("VSElastic1"));

    VSIndexTab1 = new ui::IndexTab(VSElastic1);
    VSIndexTab1->setObjectName(QStringLiteral("VSIndexTab1"));
    VSIndexTab1->setCaptions(QStringLiteral("&Sunrise Chart|&Midpoints|Midpt/&Planet Aspects|Chart A&nalysis|"
                                            "&Angles|A&rabic Parts|Arabic Pt./Planet Asp.|Courtesy &Block"));
    // All eight tabs stay readable in one row: the window is at least as wide as they are.
    const double width = std::max(kClientWidth, VSIndexTab1->tabRowWidthTwips() + 240);
    setDesignClientSizeTwips(width, kClientHeight);
    ui::setGeometryTwips(VSIndexTab1, 60, 60, width - 120, kClientHeight - 60 - kToolBarHeight);

    vseToolBar = new ui::ElasticPanel(VSElastic1);
    vseToolBar->setObjectName(QStringLiteral("vseToolBar"));
    ui::setGeometryTwips(vseToolBar, 0, kClientHeight - kToolBarHeight, width, kToolBarHeight);
    vseToolBar->setDesignSizeTwips(width, kToolBarHeight);
    Command3D1 = new ui::CommandButton(QStringLiteral("&Close"), vseToolBar);
    Command3D1->setObjectName(QStringLiteral("Command3D1"));
    ui::setGeometryTwips(Command3D1, (width - 1500) / 2, 120, 1500, 420);
    connect(Command3D1, &ui::CommandButton::clicked, this, &frmTables::Unload);

    const auto page = [this](int tab, const char* name) {
        auto* p = static_cast<ui::ElasticPanel*>(VSIndexTab1->page(tab));
        p->setObjectName(QLatin1String(name));
        return p;
    };
    vseSun = page(0, "vseSun");
    vseMP = page(1, "vseMP");
    vseMPAsp = page(2, "vseMPAsp");
    vseAnal = page(3, "vseAnal");
    vseAngles = page(4, "vseAngles");
    vseArabic = page(5, "vseArabic");
    vseArabAspects = page(6, "vseArabAspects");
    vseCourtesy = page(7, "vseCourtesy");
    pageWidth_ = VSIndexTab1->fixPageDesignSize().width();

    buildSunrisePage();
    buildReportPage(1, vseMP, grdMP, Label2, QStringLiteral("TABLE OF MIDPOINTS"), nullptr);
    buildReportPage(2, vseMPAsp, grdMPAsp, Label1, QStringLiteral("MIDPOINT/PLANET ASPECTS"), &cmdSortMP);
    buildReportPage(3, vseAnal, grdAnal, Label4, QStringLiteral("CHART ANALYSIS"), nullptr);
    buildReportPage(4, vseAngles, grdAngles, Label3, QStringLiteral("TABLE OF ANGLES"), nullptr);
    buildReportPage(5, vseArabic, grdArabic, Label13, QStringLiteral("TABLE OF ARABIC PARTS"), &cmdSortArabic);
    buildReportPage(6, vseArabAspects, grdArabicAspect, Label14, QStringLiteral("ARABIC PART/PLANET ASPECTS"),
                    &cmdSortArabicAspects);
    buildCourtesyPage();

    // The midpoint-aspect grid has its 29 rows from the design; the Arabic grids
    // start hidden and are shown by their fill routines.
    grdMPAsp->setCols(3);
    grdMPAsp->setRows(29);
    grdMPAsp->setFixedRows(1);
    grdArabic->hide();
    grdArabicAspect->hide();

    connect(VSIndexTab1, &ui::IndexTab::Click, this, &frmTables::VSIndexTab1_Click);
    connect(cmdSortArabic, &ui::CommandButton::clicked, this, &frmTables::cmdSortArabic_Click);
}

void frmTables::buildSunrisePage() {
    QWidget* p = vseSun;
    const auto input = [this](int i, QWidget* parent, double l, double t, double w) {
        auto* box = new ui::TextBox(parent);
        box->setObjectName(QStringLiteral("txtInput%1").arg(i));
        box->setAlignment(Qt::AlignCenter);
        // The sample inputs are fixed: every key is discarded, and nothing can be
        // cut, pasted or deleted into them either.
        box->setKeyFilter([](int& key) { key = 0; });
        box->setReadOnly(true);
        ui::setGeometryTwips(box, l, t, w, 345);
        txtInput[static_cast<size_t>(i)] = box;
    };
    const auto options = [this](ui::OptionArray*& array, QWidget* parent, std::initializer_list<const char*> captions,
                                double l, double t, double step) {
        array = new ui::OptionArray(this);
        double x = l;
        for (const char* c : captions) {
            auto* b = array->add(QString::fromLatin1(c), parent);
            // As wide as its caption, so the blank beyond it is not a dead part of the button.
            ui::setGeometryTwips(b, x, t, ui::toTwips(b->sizeHint().width()), 330);
            x += step;
        }
        // Only the first option of each sample input may be selected.
        connect(array, &ui::OptionArray::Click, this, [array](int i) {
            if (i != 0) array->select(0);
        });
    };

    auto* DateFrame = frame(QStringLiteral("Date of Birth"), p, 360, 300, 3600, 1680);
    // Each word of a column heading stands over its own field.
    const auto heads = [this](const QString& text, QWidget* parent, std::vector<QWidget*> fields) {
        auto* h = new ui::ColumnHeads(text, parent);
        ui::setGeometryTwips(h, 240, 300, 2400, 255);
        h->setColumns(std::move(fields));
        return h;
    };
    input(0, DateFrame, 240, 600, 540);
    input(1, DateFrame, 840, 600, 540);
    input(2, DateFrame, 1440, 600, 900);
    Label5 = heads(QStringLiteral("Mo  Day  Year"), DateFrame, {txtInput[0], txtInput[1], txtInput[2]});
    options(ADBC, DateFrame, {"A.D.", "B.C."}, 240, 1140, 1200);

    auto* TimeFrame = frame(QStringLiteral("Time of Birth"), p, 4200, 300, 3600, 1680);
    input(3, TimeFrame, 240, 600, 540);
    input(4, TimeFrame, 840, 600, 540);
    input(5, TimeFrame, 1440, 600, 540);
    lblTimeHeads = heads(QStringLiteral("Hours Min Sec"), TimeFrame, {txtInput[3], txtInput[4], txtInput[5]});
    options(AMPM, TimeFrame, {"AM", "PM", "Unknown"}, 240, 1140, 1020);

    auto* LongFrame = frame(QStringLiteral("Longitude"), p, 360, 2280, 3600, 1440);
    input(6, LongFrame, 240, 360, 660);
    label(QStringLiteral("°"), LongFrame, 930, 360, 150, 255);
    input(7, LongFrame, 1140, 360, 540);
    label(QStringLiteral("'"), LongFrame, 1710, 360, 150, 255);
    options(EWOp, LongFrame, {"West", "East"}, 240, 900, 1200);

    auto* LatFrame = frame(QStringLiteral("Latitude"), p, 4200, 2280, 3600, 1440);
    input(8, LatFrame, 240, 360, 660);
    label(QStringLiteral("°"), LatFrame, 930, 360, 150, 255);
    input(9, LatFrame, 1140, 360, 540);
    Label9[0] = label(QStringLiteral("'"), LatFrame, 1710, 360, 150, 255);
    options(NSOp, LatFrame, {"North", "South"}, 240, 900, 1200);

    VSElastic2 = new ui::ElasticPanel(p);
    VSElastic2->setObjectName(QStringLiteral("VSElastic2"));
    ui::setGeometryTwips(VSElastic2, 360, 4080, 7440, 1200);
    VSElastic2->setDesignSizeTwips(7440, 1200);
    Sunrise = new ui::CommandButton(QStringLiteral("&Sunrise"), VSElastic2);
    Sunrise->setObjectName(QStringLiteral("Sunrise"));
    ui::setGeometryTwips(Sunrise, 0, 60, 1500, 450);
    Label12 = label(QStringLiteral("Clicking on the Sunrise Button gives you the time of sunrise for any given date..."),
                    VSElastic2, 1740, 60, 5700, 900);
    Label12->setWordWrap(true);
    Label12->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(Sunrise, &ui::CommandButton::clicked, this, [this] {
        ShowSunriseTime();
        VSElastic4->show();
    });

    VSElastic4 = new ui::ElasticPanel(p);
    VSElastic4->setObjectName(QStringLiteral("VSElastic4"));
    ui::setGeometryTwips(VSElastic4, 8280, 300, 3300, 4440);
    VSElastic4->setDesignSizeTwips(3300, 4440);
    Image3 = new QLabel(VSElastic4);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setAccessibleName(QStringLiteral("Chart drawn for the moment of sunrise"));
    Image3->setPixmap(
        ui::renderPicture(QStringLiteral(":/pictures/sunrise_chart.svg"), QSize(180, 180), Image3->devicePixelRatioF()));
    Image3->setAlignment(Qt::AlignCenter);
    ui::setGeometryTwips(Image3, 0, 0, 3300, 2880);
    lblSunrise3 = label(QStringLiteral("Allowing you to draw a chart for the exact moment of sunrise."), VSElastic4, 120,
                        3000, 3060, 900);
    lblSunrise3->setWordWrap(true);
    lblSunrise3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void frmTables::buildCourtesyPage() {
    QWidget* p = vseCourtesy;
    auto* info = frame(QStringLiteral("Chart Info Block"), p, 240, 120, 6600, 3720);
    info->setObjectName(QStringLiteral("InfoFrame0"));
    for (size_t i = 0; i < BlockLine.size(); ++i) {
        auto* line = new ui::TextBox(info);
        line->setObjectName(QStringLiteral("BlockLine%1").arg(i));
        ui::setGeometryTwips(line, 180, 330 + 450.0 * static_cast<double>(i), 4560, 360);
        BlockLine[i] = line;
    }
    Justify1 = new ui::OptionArray(this);
    const std::array<const char*, 3> justify{"Left", "Right", "Center"};
    for (size_t i = 0; i < justify.size(); ++i) {
        auto* b = Justify1->add(QString::fromLatin1(justify[i]), info);
        ui::setGeometryTwips(b, 4980, 330 + 450.0 * static_cast<double>(i), 1500, 330);
    }
    connect(Justify1, &ui::OptionArray::Click, this, &frmTables::Justify1_Click);

    auto* footer = frame(QStringLiteral("Centered Footer Line"), p, 240, 3960, 6600, 1260);
    footer->setObjectName(QStringLiteral("InfoFrame1"));
    for (size_t i = 0; i < Footer.size(); ++i) {
        auto* f = new ui::TextBox(footer);
        f->setObjectName(QStringLiteral("Footer%1").arg(i));
        ui::setGeometryTwips(f, 180, 330 + 420.0 * static_cast<double>(i), 6240, 360);
        Footer[i] = f;
    }

    const auto printFrame = [this, p](ui::OptionArray*& array, const QString& caption, double t) {
        auto* f = frame(caption, p, 7080, t, 3000, 960);
        array = new ui::OptionArray(this);
        ui::setGeometryTwips(array->add(QStringLiteral("Print"), f), 180, 360, 1200, 330);
        ui::setGeometryTwips(array->add(QStringLiteral("Don't Print"), f), 1440, 360, 1500, 330);
    };
    printFrame(DoPrint1, QStringLiteral("Print on Chart?"), 120);
    printFrame(DoPrint2, QStringLiteral("Print Footer?"), 1200);

    cmdOkay = new ui::CommandButton(QStringLiteral("&Okay"), p);
    cmdCancel = new ui::CommandButton(QStringLiteral("&Cancel"), p);
    HelpButton = new ui::CommandButton(QStringLiteral("&Help"), p);
    ui::setGeometryTwips(cmdOkay, 7080, 2340, 1440, 420);
    ui::setGeometryTwips(cmdCancel, 8640, 2340, 1440, 420);
    ui::setGeometryTwips(HelpButton, 7080, 2880, 1440, 420);

    Label15 = label(QStringLiteral("Personalize your charts and reports with a Courtesy Block showing your name and/or "
                                   "the name of your company and whatever other information you wish."),
                    p, 7080, 3480, 3000, 1740);
    Label15->setWordWrap(true);
    Label15->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const std::array<const char*, 7> lines{"Astrology Services Courtesy of:", "Nora Keswick", "1752 Elm Street",
                                           "Los Angeles, CA 91369", "1-800-555-1234", "", ""};
    for (size_t i = 0; i < lines.size(); ++i) BlockLine[i]->setText(QString::fromLatin1(lines[i]));
    Footer[0]->setText(QStringLiteral("Courtesy of Nora Keswick"));
    Footer[1]->setText(QStringLiteral(", 1752 Elm St., Los Angeles, CA 91369"));
    (*Justify1)[0]->setChecked(true);
    (*DoPrint1)[0]->setChecked(true);
    (*DoPrint2)[0]->setChecked(true);
}

void frmTables::buildReportPage(int tab, ui::ElasticPanel* page, ui::Grid*& grid, ui::Label*& title,
                                const QString& titleText, ui::CommandButton** sortButton) {
    const InfoBlock& info = tab == 5 ? kVandellParts : tab == 6 ? kVandellAspects : kEllmauer;
    const double lineHeight = ui::textHeightTwips(page->font()) + 15;
    for (size_t i = 0; i < info.lines.size(); ++i) {
        auto* l = label(QString::fromLatin1(info.lines[i]), page, 180, 90 + lineHeight * static_cast<double>(i),
                        4200, lineHeight);
        l->setObjectName(QStringLiteral("lblInfoBlock%1_%2").arg(tab).arg(i));
    }
    for (size_t i = 0; i < info.zodiac.size(); ++i) {
        auto* l = label(QString::fromLatin1(info.zodiac[i]), page, pageWidth_ - 2280,
                        90 + lineHeight * static_cast<double>(i), 2100, lineHeight);
        l->setObjectName(QStringLiteral("lblZodiacInfo%1_%2").arg(tab).arg(i));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    title = shell::reportTitle(titleText, page, 120);
    // Designed in the middle of the page; tabs 2 and 3 keep this position.
    ui::setLeft(title, std::floor((pageWidth_ - ui::width(title)) / 2));

    grid = new ui::Grid(page);
    ui::setGeometryTwips(grid, 0, kGridTop, 4000, 3000);

    const size_t i = static_cast<size_t>(tab + 1);
    auto* hint = shell::fittedLabel(kHint, page, 0, 0);
    hint->setObjectName(QStringLiteral("Label9_%1").arg(i));
    hint->setAlignment(Qt::AlignRight | Qt::AlignVCenter);  // ends at its arrow, however wide it grows
    QPalette pal = hint->palette();
    pal.setColor(QPalette::WindowText, Qt::blue);
    hint->setPalette(pal);
    hint->hide();
    Label9[i] = hint;
    auto* arrow = new QLabel(page);
    arrow->setObjectName(QStringLiteral("imgDownArrow%1").arg(i));
    arrow->setAccessibleName(QStringLiteral("Arrow pointing at the scroll bar"));
    // One picture for the six pages: read once, shared by every arrow.
    if (downArrow_.isNull() || downArrow_.devicePixelRatio() != arrow->devicePixelRatioF())
        downArrow_ = ui::renderPicture(QStringLiteral(":/pictures/down_arrow.svg"), QSize(16, 24),
                                       arrow->devicePixelRatioF());
    arrow->setPixmap(downArrow_);
    ui::setGeometryTwips(arrow, 0, kGridTop - 360 - kHintGap, 240, 360);
    arrow->hide();
    imgDownArrow[i] = arrow;
    ui::setTop(hint, kGridTop - ui::height(hint) - kHintGap);

    if (sortButton) {
        *sortButton = new ui::CommandButton(QStringLiteral("&Sort By Location"), page);
        ui::setGeometryTwips(*sortButton, 0, 0, 3000, 420);
    }
}

ui::Grid* frmTables::reportGrid(int tab) const {
    switch (tab) {
        case 1: return grdMP;
        case 2: return grdMPAsp;
        case 3: return grdAnal;
        case 4: return grdAngles;
        case 5: return grdArabic;
        case 6: return grdArabicAspect;
        default: return nullptr;
    }
}

void frmTables::Form_Load() {
    ResetSunriseInputs();
    FillMidpointAspects();
    FillMidpoints();
    FillAngles();
    FillChartAnalysis();
    FillArabicParts();
    FillArabicAspects();
    shell::CenterForm(*this);
    VSIndexTab1->setCurrTab(0);
}

// ------------------------------------------------------------------ sunrise page

void frmTables::ResetSunriseInputs() {
    VSElastic4->hide();
    const std::array<const char*, 10> sample{"10", "10", "1994", "00", "00", "00", "118", "32", "34", "10"};
    for (size_t i = 0; i < sample.size(); ++i) txtInput[i]->setText(QString::fromLatin1(sample[i]));
    ADBC->select(0);
    AMPM->select(0);
    EWOp->select(0);
    NSOp->select(0);
}

void frmTables::ShowSunriseTime() {
    txtInput[3]->setText(QStringLiteral("06"));
    txtInput[4]->setText(QStringLiteral("59"));
    txtInput[5]->setText(QStringLiteral("26"));
}

// ------------------------------------------------------------------ report layout

void frmTables::placeHint(int tab, const ui::Grid& grid) {
    const size_t i = static_cast<size_t>(tab + 1);
    QLabel* arrow = imgDownArrow[i];
    ui::setLeft(arrow, ui::left(&grid) + ui::width(&grid) - ui::width(arrow));
    ui::setLeft(Label9[i], ui::left(arrow) - ui::width(Label9[i]));
}

void frmTables::FillMidpointAspects() {
    ui::Grid& g = *grdMPAsp;
    shell::layOutGrid(g, 5985, 0.7, ui::height(VSIndexTab1), ui::width(VSIndexTab1), true);
    shell::setColumns(g, {1800, 1335, 2500});
    shell::writeHeader(g, {"Planet & Position", "Aspect", "Midpoint & Position"});
    int row = 1;
    for (const Cells3& cells : midpointAspectRows()) {
        for (int c = 0; c < 3; ++c) g.setTextMatrix(row, c, utf8(cells[static_cast<size_t>(c)]));
        ++row;
    }
    shell::placeUnderGrid(*cmdSortMP, g);
    placeHint(2, g);
}

void frmTables::FillMidpoints() {
    ui::Grid& g = *grdMP;
    shell::layOutGrid(g, 4675, 0.8, ui::height(VSIndexTab1), ui::width(VSIndexTab1));
    shell::centreAcross(*Label2, ui::width(VSIndexTab1));
    shell::setColumns(g, {2000, 2340});
    g.setRows(106);
    g.setFixedRows(1);
    g.setRow(0);
    g.setCol(0);
    g.setText(QStringLiteral("Midpoint"));
    g.setCol(1);
    g.setText(QStringLiteral("Planets"));
    for (const Cells2& cells : midpointRows()) {
        g.setRow(g.Row() + 1);
        g.setCol(0);
        g.setText(utf8(cells[0]));
        g.setCol(1);
        g.setText(utf8(cells[1]));
    }
    placeHint(1, g);
}

void frmTables::FillAngles() {
    ui::Grid& g = *grdAngles;
    shell::layOutGrid(g, 4400, 0.8, ui::height(VSIndexTab1), ui::width(vseAngles));
    shell::centreAcross(*Label3, ui::width(vseAngles));
    g.setFixedRows(0);
    g.setRows(1);
    shell::setColumns(g, {2050, 1000, 1000});
    g.setColAlignment(1, ui::Grid::Align::LeftCenter);
    g.setColAlignment(2, ui::Grid::Align::LeftCenter);
    shell::writeHeader(g, {"ASPECTS ", " ANGLES ", " ORBS "});
    shell::appendRows(g, angleRows());
    placeHint(4, g);
}

void frmTables::FillChartAnalysis() {
    ui::Grid& g = *grdAnal;
    shell::layOutGrid(g, 8850, 0.8, ui::height(VSIndexTab1), ui::width(VSIndexTab1));
    g.setFixedRows(0);
    g.setFixedCols(0);
    g.setRows(1);
    shell::setColumns(g, {3100, 2800, 2600});
    shell::writeHeader(g, {"PLANET ", "POSITION  (HOUSE) ", "DIGNITIES "});
    shell::appendRows(g, chartAnalysisRows());
    placeHint(3, g);
}

void frmTables::FillArabicParts() {
    ui::Grid& g = *grdArabic;
    shell::layOutGrid(g, 5400, 0.7, ui::height(VSIndexTab1), ui::width(vseArabic));
    g.show();
    shell::centreAcross(*Label13, ui::width(vseArabic));
    shell::placeUnderGrid(*cmdSortArabic, g);
    g.setRows(1);
    shell::setColumns(g, {3000, 1250, 800});
    g.setColAlignment(1, ui::Grid::Align::LeftTop);
    g.setColAlignment(2, ui::Grid::Align::LeftBottom);
    shell::writeHeader(g, {"Arabic Part ", "Location ", "House "});
    shell::appendRows(g, arabicPartRows());
    placeHint(5, g);
}

void frmTables::FillArabicAspects() {
    ui::Grid& g = *grdArabicAspect;
    shell::layOutGrid(g, 8150, 0.7, ui::height(VSIndexTab1), ui::width(vseArabAspects));
    g.show();
    shell::centreAcross(*Label14, ui::width(vseArabAspects));
    shell::placeUnderGrid(*cmdSortArabicAspects, g);
    g.setRows(1);
    shell::setColumns(g, {3000, 800, 4000});
    g.setColAlignment(1, ui::Grid::Align::LeftTop);
    g.setColAlignment(2, ui::Grid::Align::LeftTop);
    shell::writeHeader(g, {"Planet & Position", "Aspect ", "Arabic Part & Location "});
    shell::appendRows(g, arabicAspectRows());
    placeHint(6, g);
}

// ------------------------------------------------------------------ events

void frmTables::VSIndexTab1_Click() {
    const int t = VSIndexTab1->CurrTab();
    if (ui::Grid* grid = reportGrid(t)) PreviewScroll(*grid, kPreviewMs, static_cast<qint16>(t));
}

void frmTables::PreviewScroll(ui::Grid& grid, qint32 previewMs, qint16 tab) {
    VSIndexTab1->Refresh();
    // The grid as it is now, grown with the window, not as designed.
    const double gridHeight = ui::toTwips(grid.height());
    const auto hidden = static_cast<qint16>(grid.Rows() - static_cast<int>(gridHeight / grid.RowHeight(1)));
    // With one to four hidden rows a fifth is no whole row; step through them one
    // by one instead of never advancing.
    const int step = std::max(1, hidden / 5);
    const int steps = hidden > 0 ? (hidden - 1) / step + 1 : 0;
    const int pauseMs = steps > 0 ? previewMs / steps : 0;
    for (int top = 1; top <= hidden; top += step) {
        grid.setTopRow(top);
        grid.Refresh();
        ui::pause(pauseMs);
    }
    grid.setTopRow(1);
    const size_t i = static_cast<size_t>(tab + 1);
    Label9[i]->show();
    imgDownArrow[i]->show();
}

void frmTables::Justify1_Click() {
    const QFont& f = font();
    const auto widthOf = [&f](const QString& s) { return ui::textWidthTwips(f, s); };
    // A font without a measurable blank would never reach the target.
    const int maxPad = 400;
    for (ui::TextBox* line : BlockLine) {
        const QString s = line->text().trimmed();
        line->setText(s);
        if ((*Justify1)[0]->isChecked()) continue;
        const double boxWidth = ui::width(line);
        QString pad;
        if ((*Justify1)[1]->isChecked()) {
            const double target = boxWidth - widthOf(s);
            while (widthOf(pad + QStringLiteral("   ")) < target && pad.size() < maxPad) pad += u' ';
        } else if ((*Justify1)[2]->isChecked()) {
            const double target = boxWidth / 2 - widthOf(s) / 2;
            while (widthOf(pad) < target && pad.size() < maxPad) pad += u' ';
        }
        line->setText(pad + s);
    }
}

void frmTables::cmdSortArabic_Click() {
    ui::msgBox(QStringLiteral("Clicking here will sort the report by the location of the Arabic Part."),
               ui::Icon::Information, QStringLiteral("Sort by Location"));
}

}  // namespace tables
