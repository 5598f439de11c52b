#include "search/frmsearch.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "search/charts.h"
#include "search/criteria.h"
#include "search/tooltip.h"
#include "shell/orbs.h"
#include "shell/screen.h"
#include "shell/vocabulary.h"
#include "ui/controls.h"
#include "ui/elastic.h"
#include "ui/indextab.h"
#include "ui/locale.h"
#include "ui/msgbox.h"
#include "ui/picture.h"
#include "ui/pointer.h"
#include "ui/twips.h"

namespace search {

namespace {

frmSearch* g_instance = nullptr;

// Design measures in twips.
constexpr double kRowHeight = 330;
constexpr double kGap = 120;         // between controls on a row
constexpr double kPageMargin = 300;  // around the contents of a page
constexpr std::array<double, 4> kRowTops{300, 840, 1380, 1920};
constexpr std::array<double, 3> kRowTopsBelowFrame{1200, 1740, 2220};
constexpr double kFrameTop = 200;
constexpr std::array<double, 3> kBirthdayRows{660, 1164, 1668};
constexpr double kOrbWidth = 900;
constexpr double kNumberWidth = 1000;
constexpr double kToolButton = 456;
constexpr std::array<double, 4> kToolBarLefts{50, 504, 960, 1400};
constexpr double kResultsHeight = 4500;

// clang-format off
const std::array<const char*, 22> kPlanetNames{
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto",
    "Ascendant", "Midheaven", "Moon's North Node", "Moon's South Node", "Part of Fortune", "Chiron",
    "Ceres", "Pallas", "Juno", "Vesta", "Vertex", "East Point"};
// clang-format on

const std::array<const char*, 21> kAspectPrefixes{
    "Conjunct (",     "Opposition (",     "Trine (",      "Square (",      "Sextile (",
    "Semi-Square (",  "Sesquiquadrate (", "Inconjunct (", "Quintile (",    "Biquintile (",
    "Semi-Sextile (", "Septile (",        "Biseptile (",  "Triseptile (",  "Novile (",
    "Binovile (",     "Quatrinovile (",   "Vigintile (",  "Semi-Octile (", "Decile (",
    "Tredecile ("};

const std::array<const char*, 4> kToolBarDescriptions{"Search", "Refill Chart List",
                                                      "Undo Last Search", "Print Search Results"};
const std::array<const char*, 4> kToolBarPictures{"search", "refill", "undo_on", "print"};

QString houseEntry(int house, const QString& suffix) {
    static const std::array<const char*, 3> first{"1st", "2nd", "3rd"};
    const QString number = house <= 3 ? QString::fromLatin1(first[static_cast<size_t>(house - 1)])
                                      : QString::number(house) + QStringLiteral("th");
    return number + suffix;
}

// Lays controls out left to right on one line of a page; texts get the width
// they need, so nothing is clipped whatever the font.
class Row {
public:
    Row(QWidget* parent, double left, double top) : parent_(parent), x_(left), top_(top) {}

    ui::Label* label(const QString& text) {
        auto* l = new ui::Label(text, parent_);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return place(l, ui::textWidthTwips(l->font(), text) + 45);
    }
    ui::CheckBox* check(const QString& caption) {
        auto* c = new ui::CheckBox(caption, parent_);
        return place(c, ui::toTwips(c->sizeHint().width()) + 45);
    }
    ui::ComboBox* combo(double width) { return place(new ui::ComboBox(parent_), width); }
    ui::TextBox* field(double width) { return place(new ui::TextBox(parent_), width); }
    Row& skip(double twips) {
        x_ += twips;
        return *this;
    }
    template <class W>
    W* place(W* w, double width) {
        ui::setGeometryTwips(w, x_, top_, width, kRowHeight);
        x_ += width + kGap;
        return w;
    }

private:
    QWidget* parent_;
    double x_;
    double top_;
};

// A frame of option buttons side by side, as wide as they need. The buttons are
// given in screen order with their index in the array; they are added in index
// order, so the array numbers them as the window does.
QGroupBox* optionFrame(const QString& caption, QWidget* page, ui::OptionArray* options,
                       std::initializer_list<std::pair<int, const char*>> buttons, double left,
                       double top) {
    auto* frame = new QGroupBox(caption, page);
    std::vector<std::pair<int, const char*>> byIndex(buttons);
    std::sort(byIndex.begin(), byIndex.end());
    for (const auto& entry : byIndex) options->add(QString::fromLatin1(entry.second), frame);
    double x = 180;
    QWidget* previous = nullptr;
    for (const auto& entry : buttons) {
        ui::OptionButton* b = (*options)[entry.first];
        const double w = ui::toTwips(b->sizeHint().width()) + 45;
        ui::setGeometryTwips(b, x, 330, w, kRowHeight);
        x += w + kGap;
        if (previous)
            QWidget::setTabOrder(previous, b);
        previous = b;
    }
    const double titleWidth = ui::toTwips(frame->sizeHint().width());
    ui::setGeometryTwips(frame, left, top, std::max(x + 60, titleWidth + 360), 780);
    return frame;
}

ui::Label* redHint(const QString& text, QWidget* parent) {
    auto* l = new ui::Label(text, parent);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, Qt::red);
    l->setPalette(pal);
    QSizePolicy policy = l->sizePolicy();
    policy.setRetainSizeWhenHidden(true);  // showing it must not shift the layout
    l->setSizePolicy(policy);
    l->hide();
    return l;
}

double widestText(const QFont& font, std::initializer_list<QString> texts) {
    double w = 0;
    for (const QString& t : texts) w = std::max(w, ui::textWidthTwips(font, t));
    return w;
}

// The right and bottom edge of everything placed on a page.
QSizeF contentsExtent(const QWidget* page) {
    double right = 0;
    double bottom = 0;
    for (const QObject* o : page->children()) {
        if (const auto* w = qobject_cast<const QWidget*>(o)) {
            const QRectF r = ui::geometryTwips(w);
            right = std::max(right, r.right());
            bottom = std::max(bottom, r.bottom());
        }
    }
    return {right, bottom};
}

}  // namespace

// ====================================================================== building

QString frmSearch::toolBarDescription(int index) {
    return QString::fromLatin1(kToolBarDescriptions.at(static_cast<size_t>(index)));
}

frmSearch::frmSearch() {
    g_instance = this;
    setObjectName(QStringLiteral("frmSearch"));
    setWindowTitle(QStringLiteral("Search for Charts in "));

    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->setSpacing(0);
    buildMenus();
    whole->setMenuBar(menuBar);

    vseCriteria = new ui::ElasticPanel(this);
    vseCriteria->setObjectName(QStringLiteral("vseCriteria"));
    vseCriteria->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    whole->addWidget(vseCriteria);
    vstSearch = new ui::IndexTab(vseCriteria);
    vstSearch->setObjectName(QStringLiteral("vstSearch"));
    vstSearch->setCaptions(
        QStringLiteral("By H&ouse|By Sig&n|By &Longitude|By &Aspect|By &Birthday|By &Remarks|"
                       "Ruler in Aspec&t|Ruler &in House|&Midpoint in Aspect"));
    buildPages();

    // The window is as wide as the widest page row and the row of tabs need.
    QSizeF needed;
    for (int t = 0; t < vstSearch->count(); ++t) {
        const QSizeF e = contentsExtent(vstSearch->page(t));
        needed = needed.expandedTo(QSizeF(e.width() + kPageMargin, e.height() + kPageMargin));
    }
    const double trial = 9000;
    vseCriteria->resize(ui::toPixels(trial), ui::toPixels(trial));
    ui::setGeometryTwips(vstSearch, 60, 60, trial - 120, trial - 120);
    const QSizeF trialPage = vstSearch->pageSizeTwips();
    const double extraW = trial - 120 - trialPage.width();
    const double extraH = trial - 120 - trialPage.height();
    const double width = std::max(vstSearch->tabRowWidthTwips() + 240,
                                  needed.width() + extraW + 120);
    const double criteriaHeight = needed.height() + extraH + 120;

    buildResults();
    whole->addWidget(vseResults, 1);
    const double menuHeight = ui::toTwips(menuBar->sizeHint().height());
    setDesignClientSizeTwips(width, menuHeight + criteriaHeight + kResultsHeight);

    vseCriteria->setFixedHeight(ui::toPixels(criteriaHeight));
    vseCriteria->resize(ui::toPixels(width), ui::toPixels(criteriaHeight));
    vseCriteria->setDesignSizeTwips(width, criteriaHeight);
    ui::setGeometryTwips(vstSearch, 60, 60, width - 120, criteriaHeight - 120);
    vstSearch->fixPageDesignSize();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kIdlePollMs);
    connect(Timer1, &QTimer::timeout, this, &frmSearch::Timer1_Timer);

    setMouseTracking(true);
    connect(vseCriteria, &ui::ElasticPanel::MouseMove, this, [this] { Label18[1]->hide(); });
    connect(vstSearch, &ui::IndexTab::Switch, this, &frmSearch::vstSearch_Switch);
    wireLists();
    wireChecks();
}

frmSearch::~frmSearch() {
    ShowHoverText(QString());
    if (g_instance == this)
        g_instance = nullptr;
}

void frmSearch::buildMenus() {
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    mnuFile = menuBar->addMenu(QStringLiteral("&File"));
    mnuExit = mnuFile->addAction(QStringLiteral("&Close"));
    mnuSearch = menuBar->addMenu(QStringLiteral("&Search"));
    mnuSearchBegin = mnuSearch->addAction(QStringLiteral("&Begin Search"));
    mnuRefill = mnuSearch->addAction(QStringLiteral("&Refill Chart List"));
    mnuUndo = mnuSearch->addAction(QStringLiteral("&Undo Last Search"));
    mnuPrint = mnuSearch->addAction(QStringLiteral("&Print Search Results"));
    mnuControlGroups = menuBar->addMenu(QStringLiteral("&Control Groups"));
    mnuCreateControl = mnuControlGroups->addAction(QStringLiteral("&Create Control Group File"));
    mnuHelp = menuBar->addAction(QStringLiteral("&Help"));  // nothing behind it

    connect(mnuExit, &QAction::triggered, this, &frmSearch::Unload);
    const std::array<QAction*, 4> pressing{mnuSearchBegin, mnuRefill, mnuUndo, mnuPrint};
    for (size_t i = 0; i < pressing.size(); ++i) {
        connect(pressing[i], &QAction::triggered, this, [this, i] { cmdToolBar[i]->click(); });
    }
    connect(mnuCreateControl, &QAction::triggered, this, &frmSearch::mnuCreateControl_Click);
}

void frmSearch::buildPages() {
    const auto page = [this](int tab, const char* name) {
        auto* p = static_cast<ui::ElasticPanel*>(vstSearch->page(tab));
        p->setObjectName(QLatin1String(name));
        return p;
    };
    vseHouse = page(ByHouse, "vseHouse");
    vseSign = page(BySign, "vseSign");
    vseLongitude = page(ByLongitude, "vseLongitude");
    vseAspect = page(ByAspect, "vseAspect");
    vseBirthday = page(ByBirthday, "vseBirthday");
    vseRemarks = page(ByRemarks, "vseRemarks");
    vseRulerInAspect = page(RulerInAspect, "vseRulerInAspect");
    vseRulerInHouse = page(RulerInHouse, "vseRulerInHouse");
    vseRulerInSign = page(MidpointInAspect, "vseRulerInSign");

    // A list is as wide as its longest entry, plus room for its arrow.
    const QFont f = vseHouse->font();
    const double arrow = 600;
    const double listWidth =
        widestText(f, {QStringLiteral("Moon's South Node"), QStringLiteral("Part of Fortune"),
                       QStringLiteral("12th House")}) +
        arrow;
    const double aspectWidth = widestText(f, {QStringLiteral("Sesquiquadrate (135.000)"),
                                              QStringLiteral("Quatrinovile (160.000)")}) +
                               arrow;
    const double houseWidth = widestText(f, {QStringLiteral("12th House")}) + arrow;
    const double rulerWidth = widestText(f, {QStringLiteral("12th House Ruler")}) + arrow;

    MFOp = new ui::OptionArray(this);
    RulerOption = new ui::OptionArray(this);
    MidOption = new ui::OptionArray(this);

    buildHousePage(listWidth, houseWidth);
    buildSignPage(listWidth);
    buildLongitudePage(listWidth);
    buildAspectPage(listWidth, aspectWidth);
    buildBirthdayPage();
    buildRemarksPage();
    buildRulerInAspectPage(listWidth, aspectWidth, rulerWidth);
    buildRulerInHousePage(houseWidth, rulerWidth);
    buildMidpointPage(listWidth, aspectWidth);
}

void frmSearch::buildHousePage(double listWidth, double houseWidth) {
    Row r0(vseHouse, kPageMargin, kRowTops[0]);
    cboHPlanet = r0.combo(listWidth);
    r0.label(QStringLiteral("in the"));
    cboHouse[0] = r0.combo(houseWidth);
    Row r1(vseHouse, kPageMargin, kRowTops[1]);
    r1.label(QStringLiteral("Using an Advance Orb of"));
    txtHouseOrbDef[0] = r1.field(kOrbWidth);
    txtHouseOrbDef[0]->setText(QStringLiteral("0"));
    r1.label(QStringLiteral("Degrees"));
    chkNoUnknowns = Row(vseHouse, kPageMargin, kRowTops[2])
                        .check(QStringLiteral("Do not include charts with Unknown Birth Times"));
}

void frmSearch::buildSignPage(double listWidth) {
    Row r0(vseSign, kPageMargin, kRowTops[0]);
    cboSPlanet = r0.combo(listWidth);
    r0.label(QStringLiteral("in"));
    cboSign = r0.combo(listWidth);
}

void frmSearch::buildLongitudePage(double listWidth) {
    lblLong = Row(vseLongitude, kPageMargin, kRowTops[0])
                  .label(QStringLiteral(
                      "Find charts in which the selected planet lies within the two longitudes."));
    Row r1(vseLongitude, kPageMargin, kRowTops[1]);
    cboLPlanet = r1.combo(listWidth);
    r1.label(QStringLiteral("between"));
    txtLong1 = r1.field(kNumberWidth);
    r1.label(QStringLiteral("Degrees"));
    r1.label(QStringLiteral("and"));
    txtLong2 = r1.field(kNumberWidth);
    r1.label(QStringLiteral("Degrees"));
}

void frmSearch::buildAspectPage(double listWidth, double aspectWidth) {
    Row r0(vseAspect, kPageMargin, kRowTops[0]);
    cboAPlanet1[0] = r0.combo(listWidth);
    cboAspect[0] = r0.combo(aspectWidth);
    cboAPlanet2[0] = r0.combo(listWidth);
    Row r1(vseAspect, kPageMargin, kRowTops[1]);
    r1.label(QStringLiteral("Using an Orb of"));
    txtOrbDef[0] = r1.field(kOrbWidth);
    txtOrbDef[0]->setText(QStringLiteral("0"));
    r1.label(QStringLiteral("Degrees"));
    r1.skip(kGap * 2);
    chkOrbDef = r1.check(QStringLiteral("Use Default Orb"));
    chkNoUnkAspects =
        Row(vseAspect, kPageMargin, kRowTops[2])
            .check(QStringLiteral("Skip time-sensitive points for unknown birth times"));
}

void frmSearch::buildBirthdayPage() {
    // Designed month first; the load rearranges the rows after the short-date order.
    const std::array<std::pair<ui::CheckBox**, ui::TextBox**>, 3> rows{
        {{&chkMonth, &txtMonth}, {&chkDay, &txtDay}, {&chkYear, &txtYear}}};
    const std::array<const char*, 3> captions{"Month", "Day", "Year"};
    double checkWidth = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        auto* c = new ui::CheckBox(QString::fromLatin1(captions[i]), vseBirthday);
        checkWidth = std::max(checkWidth, ui::toTwips(c->sizeHint().width()) + 45);
        *rows[i].first = c;
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        Row r(vseBirthday, kPageMargin * 2, kBirthdayRows[i]);
        r.place(*rows[i].first, checkWidth);
        *rows[i].second = r.field(kNumberWidth);
        (*rows[i].second)->setEnabled(false);  // as their unchecked boxes say
    }
    chkMonth->setObjectName(QStringLiteral("chkMonth"));
    chkDay->setObjectName(QStringLiteral("chkDay"));
    chkYear->setObjectName(QStringLiteral("chkYear"));
}

void frmSearch::buildRemarksPage() {
    Row r0(vseRemarks, kPageMargin, kRowTops[0]);
    r0.label(QStringLiteral("Search text:"));
    txtSearch = r0.field(5400);
    GenderFrame = optionFrame(QStringLiteral("Gender"), vseRemarks, MFOp,
                              {{1, "Male"}, {2, "Female"}, {3, "Neutral"}, {0, "Do not use"}},
                              kPageMargin, kRowTops[1]);
    (*MFOp)[0]->setChecked(true);
}

void frmSearch::buildRulerInAspectPage(double listWidth, double aspectWidth, double rulerWidth) {
    QWidget* p = vseRulerInAspect;
    RulerTypeFrame = optionFrame(QStringLiteral("Ruler Type"), p, RulerOption,
                                 {{0, "Modern"}, {1, "Traditional"}}, kPageMargin, kFrameTop);
    (*RulerOption)[0]->setChecked(true);
    Row r0(p, kPageMargin, kRowTopsBelowFrame[0]);
    cboHRulers[0] = r0.combo(rulerWidth);
    cboAspect[1] = r0.combo(aspectWidth);
    cboAPlanet2[1] = r0.combo(listWidth);
    Row r1(p, kPageMargin, kRowTopsBelowFrame[1]);
    r1.label(QStringLiteral("Using an Orb of"));
    txtOrbDef[1] = r1.field(kOrbWidth);
    txtOrbDef[1]->setText(QStringLiteral("0"));
    r1.skip(kGap * 2);
    chkOrbDef1 = r1.check(QStringLiteral("Use Default Orb"));
    chkNoUnkAspects1 =
        Row(p, kPageMargin, kRowTopsBelowFrame[2])
            .check(QStringLiteral("Skip time-sensitive points for unknown birth times"));
}

void frmSearch::buildRulerInHousePage(double houseWidth, double rulerWidth) {
    QWidget* p = vseRulerInHouse;
    RulerTypeFrame1 = optionFrame(QStringLiteral("Ruler Type"), p, RulerOption,
                                  {{2, "Modern"}, {3, "Traditional"}}, kPageMargin, kFrameTop);
    (*RulerOption)[2]->setChecked(true);
    Row r0(p, kPageMargin, kRowTopsBelowFrame[0]);
    cboHRulers[1] = r0.combo(rulerWidth);
    r0.label(QStringLiteral("in the"));
    cboHouse[1] = r0.combo(houseWidth);
    Row r1(p, kPageMargin, kRowTopsBelowFrame[1]);
    r1.label(QStringLiteral("Using an Advance Orb of"));
    txtHouseOrbDef[1] = r1.field(kOrbWidth);
    txtHouseOrbDef[1]->setText(QStringLiteral("0"));
    r1.label(QStringLiteral("Degrees"));
    chkNoUnknowns1 = Row(p, kPageMargin, kRowTopsBelowFrame[2])
                         .check(QStringLiteral("Do not include charts with Unknown Birth Times"));
}

void frmSearch::buildMidpointPage(double listWidth, double aspectWidth) {
    QWidget* p = vseRulerInSign;
    MidTypeFrame = optionFrame(QStringLiteral("Midpoint Type"), p, MidOption,
                               {{0, "Near Midpoint"}, {1, "Far Midpoint"}}, kPageMargin, kFrameTop);
    (*MidOption)[0]->setChecked(true);
    Row r0(p, kPageMargin, kRowTopsBelowFrame[0]);
    cboAPlanet1[1] = r0.combo(listWidth);
    cboAPlanet1[2] = r0.combo(listWidth);
    cboAspect[2] = r0.combo(aspectWidth);
    cboAPlanet2[2] = r0.combo(listWidth);
    Row r1(p, kPageMargin, kRowTopsBelowFrame[1]);
    r1.label(QStringLiteral("Using an Orb of"));
    txtOrbDef[2] = r1.field(kOrbWidth);
    txtOrbDef[2]->setText(QStringLiteral("02.00"));
    r1.label(QStringLiteral("Degrees"));
    chkNoUnkAspects2 =
        Row(p, kPageMargin, kRowTopsBelowFrame[2])
            .check(QStringLiteral("Skip time-sensitive points for unknown birth times"));
}

void frmSearch::buildResults() {
    vseResults = new QWidget(this);
    vseResults->setObjectName(QStringLiteral("vseResults"));
    vseResults->setMouseTracking(true);
    vseResults->installEventFilter(this);

    picToolBar = new QWidget(vseResults);
    picToolBar->setObjectName(QStringLiteral("picToolBar"));
    picToolBar->setMouseTracking(true);
    picToolBar->installEventFilter(this);
    picToolBar->setFixedSize(ui::toPixels(kToolBarLefts[3] + kToolButton + 50),
                             ui::toPixels(kToolButton + 90));
    for (size_t i = 0; i < cmdToolBar.size(); ++i) {
        auto* b = new ui::PictureButton(QString(), picToolBar);
        b->setObjectName(QStringLiteral("cmdToolBar%1").arg(i));
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        b->setIcon(ui::pictureIcon(QStringLiteral(":/search/%1.svg").arg(QLatin1String(kToolBarPictures[i]))));
        b->setIconSize(QSize(22, 22));
        b->setAccessibleName(toolBarDescription(static_cast<int>(i)));
        ui::setGeometryTwips(b, kToolBarLefts[i], 45, kToolButton, kToolButton);
        connect(b, &ui::PictureButton::clicked, this,
                [this, i] { cmdToolBar_Click(static_cast<int>(i)); });
        cmdToolBar[i] = b;
    }

    // The Undo button's two looks; the pictures stay out of sight.
    UndoOnPicture = ui::pictureIcon(QStringLiteral(":/search/undo_on.svg"));
    UndoOffPicture = ui::pictureIcon(QStringLiteral(":/search/undo_off.svg"), true);
    imgUndoOn = new QLabel(vseResults);
    imgUndoOn->setObjectName(QStringLiteral("imgUndoOn"));
    imgUndoOn->setPixmap(UndoOnPicture.pixmap(22, 22));
    imgUndoOn->hide();
    imgUndoOff = new QLabel(vseResults);
    imgUndoOff->setObjectName(QStringLiteral("imgUndoOff"));
    imgUndoOff->setPixmap(UndoOffPicture.pixmap(22, 22));
    imgUndoOff->hide();

    Label18[0] = redHint(QStringLiteral("Click on the Search Button."), vseResults);
    Label18[0]->setObjectName(QStringLiteral("Label18_0"));
    Label18[1] = redHint(QStringLiteral("In Starwright, double click on a name to see the chart."),
                         vseResults);
    Label18[1]->setObjectName(QStringLiteral("Label18_1"));

    Command3D1 = new ui::CommandButton(QStringLiteral("&Close"), vseResults);
    Command3D1->setObjectName(QStringLiteral("Command3D1"));
    Command3D1->setMinimumWidth(ui::toPixels(1500));
    Command3D1->installEventFilter(this);  // for its share of Alt+C
    connect(Command3D1, &ui::CommandButton::clicked, this, &frmSearch::Unload);

    ChartListBox = new ui::ListBox(vseResults);
    ChartListBox->setObjectName(QStringLiteral("ChartListBox"));
    ChartListBox->setAccessibleName(QStringLiteral("Charts"));
    ChartListBox->viewport()->setMouseTracking(true);
    ChartListBox->viewport()->installEventFilter(this);
    ChartListBox->installEventFilter(this);
    connect(ChartListBox, &ui::ListBox::DblClick, this, &frmSearch::ChartListBox_DblClick);

    lblRecordsFound = new ui::Label(QString(), vseResults);
    lblRecordsFound->setObjectName(QStringLiteral("lblRecordsFound"));

    auto* grid = new QGridLayout(vseResults);
    grid->setVerticalSpacing(ui::toPixels(60));
    grid->addWidget(picToolBar, 0, 0);
    grid->addWidget(Label18[0], 0, 1);
    grid->setColumnStretch(2, 1);
    grid->addWidget(Command3D1, 0, 3);
    grid->addWidget(ChartListBox, 1, 0, 1, 4);
    grid->setRowStretch(1, 1);
    grid->addWidget(lblRecordsFound, 2, 0, 1, 2);
    grid->addWidget(Label18[1], 2, 2, 1, 2, Qt::AlignRight);
    // The list lines up with the index tab above it.
    grid->setContentsMargins(ui::toPixels(60), 0, ui::toPixels(60), ui::toPixels(90));
}

void frmSearch::wireLists() {
    for (int i = 0; i < 3; ++i)
        txtOrbDef[size_t(i)]->setObjectName(QStringLiteral("txtOrbDef%1").arg(i));
    for (int i = 0; i < 2; ++i) {
        txtHouseOrbDef[size_t(i)]->setObjectName(QStringLiteral("txtHouseOrbDef%1").arg(i));
    }
    txtDay->setObjectName(QStringLiteral("txtDay"));
    txtMonth->setObjectName(QStringLiteral("txtMonth"));
    txtYear->setObjectName(QStringLiteral("txtYear"));
    txtLong1->setObjectName(QStringLiteral("txtLong1"));
    txtLong2->setObjectName(QStringLiteral("txtLong2"));
    txtSearch->setObjectName(QStringLiteral("txtSearch"));

    for (int j = 0; j < 3; ++j) {
        connect(cboAPlanet1[size_t(j)], &ui::ComboBox::Click, this,
                [this, j] { cboAPlanet1_Click(j); });
        connect(cboAPlanet2[size_t(j)], &ui::ComboBox::Click, this,
                [this, j] { cboAPlanet2_Click(j); });
        connect(cboAspect[size_t(j)], &ui::ComboBox::Click, this,
                [this, j] { cboAspect_Click(j); });
    }
    for (int j = 0; j < 2; ++j) {
        connect(cboHRulers[size_t(j)], &ui::ComboBox::Click, this,
                [this, j] { cboHRulers_Click(j); });
    }
    const std::array<std::pair<ui::CheckBox*, ui::TextBox*>, 3> dates{
        {{chkDay, txtDay}, {chkMonth, txtMonth}, {chkYear, txtYear}}};
    for (const auto& [box, field] : dates) {
        connect(box, &ui::CheckBox::Click, this,
                [box, field] { field->setEnabled(box->value() != Qt::Unchecked); });
    }
    connect(chkOrbDef, &ui::CheckBox::Click, this, &frmSearch::chkOrbDef_Click);
    connect(chkOrbDef1, &ui::CheckBox::Click, this, &frmSearch::chkOrbDef1_Click);

    // Accessible names for the fields whose captions stand apart from them.
    const std::array<std::pair<QWidget*, const char*>, 23> names{{
        {cboHPlanet, "Planet"},
        {cboHouse[0], "House"},
        {txtHouseOrbDef[0], "Advance orb in degrees"},
        {cboSPlanet, "Planet"},
        {cboSign, "Sign"},
        {cboLPlanet, "Planet"},
        {txtLong1, "From longitude in degrees"},
        {txtLong2, "To longitude in degrees"},
        {cboAPlanet1[0], "First planet"},
        {cboAspect[0], "Aspect"},
        {cboAPlanet2[0], "Second planet or house"},
        {txtOrbDef[0], "Orb in degrees"},
        {txtDay, "Day"},
        {txtMonth, "Month"},
        {txtYear, "Year"},
        {txtSearch, "Search text"},
        {cboHRulers[0], "House ruler"},
        {cboAspect[1], "Aspect"},
        {cboAPlanet2[1], "Planet or house"},
        {txtOrbDef[1], "Orb in degrees"},
        {cboHRulers[1], "House ruler"},
        {cboHouse[1], "House"},
        {txtHouseOrbDef[1], "Advance orb in degrees"},
    }};
    for (const auto& [w, name] : names) w->setAccessibleName(QString::fromLatin1(name));
    cboAPlanet1[1]->setAccessibleName(QStringLiteral("First planet of the midpoint"));
    cboAPlanet1[2]->setAccessibleName(QStringLiteral("Second planet of the midpoint"));
    cboAspect[2]->setAccessibleName(QStringLiteral("Aspect"));
    cboAPlanet2[2]->setAccessibleName(QStringLiteral("Planet or house"));
    txtOrbDef[2]->setAccessibleName(QStringLiteral("Orb in degrees"));
}

void frmSearch::wireChecks() {
    const auto leaving = [this](ui::TextBox* field, std::function<bool()> check) {
        // A check for a window that is closing has nobody left to tell.
        field->setLeaveCheck([this, check = std::move(check)] { return !isVisible() || check(); });
    };
    for (ui::TextBox* f : {txtDay, txtMonth, txtLong1, txtLong2}) {
        f->setSelectAllOnFocus(true);
        f->setKeyFilter([](int& key) {
            if (!dayKeyAccepted(key))
                key = 0;
        });
    }
    txtYear->setSelectAllOnFocus(true);
    txtYear->setKeyFilter([](int& key) {
        if (!yearKeyAccepted(key))
            key = 0;
    });
    leaving(txtDay, [this] { return txtDay_LostFocus(); });
    leaving(txtMonth, [this] { return txtMonth_LostFocus(); });
    leaving(txtYear, [this] { return txtYear_LostFocus(); });
    leaving(txtLong1, [this] { return txtLong_LostFocus(txtLong1); });
    leaving(txtLong2, [this] { return txtLong_LostFocus(txtLong2); });
    for (int i = 0; i < 2; ++i) {
        leaving(txtHouseOrbDef[size_t(i)], [this, i] { return txtHouseOrbDef_LostFocus(i); });
    }
    for (int i = 0; i < 3; ++i) {
        ui::TextBox* f = txtOrbDef[size_t(i)];
        f->setKeyFilter([this](int& key) {
            if (vstSearch->CurrTab() == ByAspect)
                key = 0;
        });
        connect(f, &ui::TextBox::GotFocus, this, [this] { OrbEditing = true; });
        f->installEventFilter(this);  // losing the focus in any way ends the editing
        connect(f, &QLineEdit::textChanged, this, [this, i] { txtOrbDef_Change(i); });
        leaving(f, [this, i] { return txtOrbDef_LostFocus(i); });
    }
}

// ====================================================================== opening

void frmSearch::Form_Load() {
    shell::CenterForm(*this);
    SwitchUndo(false);
    vstSearch->setCurrTab(ByHouse);

    for (size_t k = 0; k < PlanetName.size(); ++k)
        PlanetName[k] = QString::fromLatin1(kPlanetNames[k]);
    for (size_t k = 0; k < AspectName.size(); ++k) {
        const QString& def = shell::AspectDef.at(k + 1);
        AspectName[k] =
            QString::fromLatin1(kAspectPrefixes[k]) + def.mid(3, 3) + u'.' + def.right(3) + u')';
    }
    ArrangeBirthdayRows();

    for (const QString& name : PlanetName) {
        cboHPlanet->AddItem(name);
        cboLPlanet->AddItem(name);
        cboSPlanet->AddItem(name);
        for (size_t j = 0; j < 3; ++j) {
            cboAPlanet1[j]->AddItem(name);
            cboAPlanet1[j]->setListIndex(0);
            cboAPlanet2[j]->AddItem(name);
            cboAPlanet2[j]->setListIndex(0);
        }
    }
    cboHPlanet->setListIndex(0);
    cboLPlanet->setListIndex(0);
    cboSPlanet->setListIndex(0);
    for (ui::ComboBox* list : cboHouse) {
        for (int h = 1; h <= 12; ++h) list->AddItem(houseEntry(h, QStringLiteral(" House")));
        list->setListIndex(0);
    }
    for (int n = 1; n <= 12; ++n)
        cboSign->AddItem(shell::FillNameList(shell::SignAbbr.mid(3 * n - 3, 3)));
    cboSign->setListIndex(0);
    for (ui::ComboBox* list : cboAPlanet2) {
        for (int h = 1; h <= 12; ++h) list->AddItem(houseEntry(h, QStringLiteral(" House")));
        list->setListIndex(0);
    }
    for (ui::ComboBox* list : cboAspect) {
        for (const QString& name : AspectName) list->AddItem(name);
        list->setListIndex(0);
    }
    for (ui::ComboBox* list : cboHRulers) {
        for (int h = 1; h <= 12; ++h) list->AddItem(houseEntry(h, QStringLiteral(" House Ruler")));
        list->setListIndex(0);
    }
    FillChartList();

    SetDefaultOrb(cboAPlanet1[0], cboAPlanet2[0], cboAspect[0], txtOrbDef[0]);
    SetDefaultOrb(cboAPlanet1[0], cboAPlanet2[2], cboAspect[2], txtOrbDef[2]);
    SetDefaultOrb(cboHRulers[0], cboAPlanet2[1], cboAspect[1], txtOrbDef[1]);
    SetDefaultOrb(cboHRulers[1], cboAPlanet2[1], cboAspect[1], txtOrbDef[1]);

    Timer1->setInterval(kIdlePollMs);
    Timer1->start();
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}

void frmSearch::ArrangeBirthdayRows() {
    const int order = shell::dateOrderOf(ui::Locale::shortDate(QDate(1990, 6, 30)));
    std::array<std::pair<ui::CheckBox*, ui::TextBox*>, 3> rows{
        {{chkMonth, txtMonth}, {chkDay, txtDay}, {chkYear, txtYear}}};
    if (order == 1) {
        rows = {{{chkDay, txtDay}, {chkMonth, txtMonth}, {chkYear, txtYear}}};
    } else if (order == 2) {
        rows = {{{chkYear, txtYear}, {chkMonth, txtMonth}, {chkDay, txtDay}}};
    }
    QWidget* previous = nullptr;
    for (size_t i = 0; i < rows.size(); ++i) {
        ui::setTop(rows[i].first, kBirthdayRows[i]);
        ui::setTop(rows[i].second, kBirthdayRows[i]);
        // Tab goes down the rows as they are shown.
        if (previous)
            setTabOrder(previous, rows[i].first);
        setTabOrder(rows[i].first, rows[i].second);
        previous = rows[i].second;
    }
}

// ====================================================================== default orbs

void frmSearch::SetDefaultOrb(ui::ComboBox* firstList, ui::ComboBox* secondList,
                              ui::ComboBox* aspectList, ui::TextBox* orbField) {
    // The aspect page's box governs every orb field.
    if (chkOrbDef->value() != Qt::Checked)
        return;
    const auto light = [](int position) {
        return position == 0 || position == 1 || position == 10;
    };
    const bool lights =
        (light(firstList->ListIndex()) && !RulerContext) || light(secondList->ListIndex());
    const int aspect = aspectList->ListIndex();
    if (aspect < 0)
        return;
    orbField->setText(shell::OrbTable(lights ? 0 : 8, aspect + 1));
    if (orbField->text().isEmpty())
        orbField->setText(QStringLiteral("0"));
}

void frmSearch::cboAPlanet1_Click(int index) {
    if (index == 0)
        SetDefaultOrb(cboAPlanet1[0], cboAPlanet2[0], cboAspect[0], txtOrbDef[0]);
    RulerContext = false;
}

void frmSearch::cboAPlanet2_Click(int index) {
    if (index == 2) {
        RulerContext = false;
        return;
    }
    const auto i = static_cast<size_t>(index);
    SetDefaultOrb(cboAPlanet1[0], cboAPlanet2[i], cboAspect[i], txtOrbDef[i]);
    RulerContext = index == 1;
}

void frmSearch::cboAspect_Click(int index) {
    if (index == 2) {
        RulerContext = false;
        return;
    }
    const auto i = static_cast<size_t>(index);
    SetDefaultOrb(cboAPlanet1[0], cboAPlanet2[i], cboAspect[i], txtOrbDef[i]);
    RulerContext = index == 1;
}

void frmSearch::cboHRulers_Click(int index) {
    SetDefaultOrb(cboHRulers[static_cast<size_t>(index)], cboAPlanet2[1], cboAspect[1],
                  txtOrbDef[1]);
    RulerContext = true;
}

void frmSearch::chkOrbDef_Click() {
    if (chkOrbDef->value() == Qt::Checked)
        SetDefaultOrb(cboAPlanet1[0], cboAPlanet2[0], cboAspect[0], txtOrbDef[0]);
}

void frmSearch::chkOrbDef1_Click() {
    chkOrbDef->setValue(chkOrbDef1->value());
    if (chkOrbDef1->value() == Qt::Checked)
        SetDefaultOrb(cboAPlanet1[0], cboAPlanet2[1], cboAspect[1], txtOrbDef[1]);
}

// ====================================================================== pages

void frmSearch::vstSearch_Switch(int page) {
    // The aspect page's orb is the sample search's and takes no typing there.
    for (ui::TextBox* orb : txtOrbDef) orb->setReadOnly(page == ByAspect);
    if (page == ByRemarks) {
        txtSearch->setFocus();
    } else if (page == ByAspect) {
        cboAPlanet1[0]->setListIndex(0);
        cboAspect[0]->setListIndex(2);
        cboAPlanet2[0]->setListIndex(6);
        Label18[0]->show();
        txtOrbDef[0]->setText(QStringLiteral("7"));
    } else {
        Label18[0]->hide();
    }
}

// ====================================================================== tool bar and list

void frmSearch::SwitchUndo(bool on) {
    cmdToolBar[2]->setIcon(on ? UndoOnPicture : UndoOffPicture);
    cmdToolBar[2]->setEnabled(on);
    mnuUndo->setEnabled(on);
}

void frmSearch::cmdToolBar_Click(int index) {
    Label18[0]->hide();
    switch (index) {
        case 0:
            SwitchUndo(true);
            if (vstSearch->CurrTab() == ByAspect) {
                ShowSampleResults();
            } else {
                ui::msgBox(
                    QStringLiteral(
                        "To see an example of a search, click on the \"By Aspect\" tab, ") +
                        QStringLiteral("select \"Sun\" in the first list box, \"Trine\" in the ") +
                        QStringLiteral("second list box and Saturn in the third list box.  ") +
                        QStringLiteral("Then click on the search button."),
                    ui::Icon::Information, shell::DemoTitle);
            }
            break;
        case 1:
            FillChartList();
            break;
        case 2:
            ChartListBox->clear();
            FillChartList();
            ShowRecordCount();
            SwitchUndo(false);
            break;
        case 3:
            ui::msgBox(
                QStringLiteral("This command will enable you to print out the search results, ") +
                    QStringLiteral("listing the name and birth information for each chart and ") +
                    QStringLiteral(
                        "summarizing the collective searches which resulted in the list."),
                ui::Icon::Information, shell::DemoTitle);
            break;
        default:
            break;
    }
}

void frmSearch::mnuCreateControl_Click() {
    ui::msgBox(QStringLiteral("You can automatically create your own control group ") +
                   QStringLiteral("from the results produced by a search."),
               ui::Icon::Exclamation, QStringLiteral("Create a Control Group"));
}

void frmSearch::FillChartList() {
    ChartListBox->clear();
    ChartListBox->addItems(sampleChartLines());
    ShowRecordCount();
}

void ShowSampleResults() {
    if (!g_instance)
        return;
    g_instance->ChartListBox->clear();
    g_instance->ChartListBox->addItems(sampleResultLines());
    ShowRecordCount();
}

void ShowRecordCount() {
    if (!g_instance)
        return;
    g_instance->lblRecordsFound->setText(recordCountText(g_instance->ChartListBox->ListCount()));
}

void frmSearch::ChartListBox_DblClick() {
    // The current line is not necessarily a selected one (the list gets a
    // current line when it takes the focus); only a selected line opens.
    const QList<QListWidgetItem*> selected = ChartListBox->selectedItems();
    if (selected.isEmpty())
        return;
    ui::msgBox(chartOpeningText(selected.first()->text()), ui::Icon::Exclamation, QString());
}

// ====================================================================== field checks

namespace {
// Plays a check's steps on the field; false when a message was shown.
bool play(const Steps& steps, ui::TextBox* field, ui::CheckBox* dateBox) {
    bool ok = true;
    for (const Step& s : steps) {
        switch (s.kind) {
            case Step::Kind::Text:
                field->setText(s.value);
                break;
            case Step::Kind::Message:
                ui::msgBox(s.value, ui::Icon::Stop, checkTitle());
                ok = false;
                break;
            case Step::Kind::Uncheck:
                if (dateBox)
                    dateBox->setValue(Qt::Unchecked);
                break;
        }
    }
    return ok;
}
}  // namespace

bool frmSearch::txtDay_LostFocus() {
    return play(checkDay(txtDay->text()), txtDay, chkDay);
}
bool frmSearch::txtMonth_LostFocus() {
    return play(checkMonth(txtMonth->text()), txtMonth, chkMonth);
}
bool frmSearch::txtYear_LostFocus() {
    return play(checkYear(txtYear->text()), txtYear, chkYear);
}
bool frmSearch::txtLong_LostFocus(ui::TextBox* field) {
    return play(checkLongitude(field->text()), field, nullptr);
}

bool frmSearch::txtHouseOrbDef_LostFocus(int index) {
    ui::TextBox* field = txtHouseOrbDef[static_cast<size_t>(index)];
    field->setText(checkedOrb(field->text()));
    txtHouseOrbDef[static_cast<size_t>(1 - index)]->setText(field->text());
    return true;
}

bool frmSearch::txtOrbDef_LostFocus(int index) {
    OrbEditing = false;
    ui::TextBox* field = txtOrbDef[static_cast<size_t>(index)];
    field->setText(checkedOrb(field->text()));
    return true;
}

void frmSearch::txtOrbDef_Change(int index) {
    if (!OrbEditing)
        return;
    (index == 0 ? chkOrbDef : chkOrbDef1)->setValue(Qt::Unchecked);
}

// ====================================================================== hover help and events

void frmSearch::Timer1_Timer() {
    const ui::Pointer& pointer = ui::Pointer::current();
    if (pointer.activeWindow() != this || ui::msgBoxOpen())
        return;
    QWidget* under = pointer.widgetAt(pointer.position());
    if (under == LastHoverWindow.data())
        return;
    LastHoverWindow = under;
    Timer1->setInterval(kHoverPollMs);
    for (size_t i = 0; i < cmdToolBar.size(); ++i) {
        if (under == cmdToolBar[i]) {
            ShowHoverText(toolBarDescription(static_cast<int>(i)));
            return;
        }
    }
    ShowHoverText(QString());
    Timer1->setInterval(kIdlePollMs);
}

void frmSearch::closeEvent(QCloseEvent* e) {
    // The polling ends with the window, and so does any description it showed.
    Timer1->stop();
    ShowHoverText(QString());
    ui::Form::closeEvent(e);
}

bool frmSearch::eventFilter(QObject* watched, QEvent* e) {
    switch (e->type()) {
        case QEvent::MouseMove:
            if (watched == ChartListBox->viewport()) {
                Label18[1]->show();
            } else if (watched == vseResults || watched == picToolBar) {
                Label18[1]->hide();
            }
            break;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(e)->key();
            if (watched == ChartListBox && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
                ChartListBox_DblClick();  // and the key goes on to the list
            }
            break;
        }
        case QEvent::FocusOut:
            if (watched == txtOrbDef[0] || watched == txtOrbDef[1] || watched == txtOrbDef[2])
                OrbEditing = false;
            break;
        default:
            break;
    }
    return ui::Form::eventFilter(watched, e);
}

}  // namespace search
