#include "options/frmop.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QStyle>
#include <QVBoxLayout>
#include <cmath>
#include <initializer_list>

#include "options/options_data.h"
#include "shell/screen.h"
#include "shell/vocabulary.h"
#include "ui/controls.h"
#include "ui/elastic.h"
#include "ui/indextab.h"
#include "ui/locale.h"
#include "ui/msgbox.h"
#include "ui/picture.h"
#include "ui/scrollbar.h"
#include "ui/twips.h"

namespace options {

namespace {

// Design sizes in twips.
constexpr double kClientWidth = 11400;
constexpr double kClientHeight = 7800;
constexpr double kMargin = 240;
constexpr double kGap = 120;
constexpr double kButtonHeight = 420;
constexpr double kButtonWidth = 1320;
constexpr double kFieldHeight = 315;
constexpr double kOptionHeight = 300;
constexpr double kBarHeight = 255;
constexpr double kInset = 180;        // a control's distance from its frame's left edge
constexpr double kFirstRow = 300;     // the first row inside a frame, below its caption
constexpr double kListHeight = 2700;  // about eleven entries of the point lists
constexpr double kCloseWidth = 1500;

using ui::named;

using ui::label;

// The height a word-wrapped text needs at a width, both in twips.
double wrappedHeight(const QString& text, const QFont& font, double width) {
    const QRect r =
        QFontMetrics(font).boundingRect(QRect(0, 0, ui::toPixels(width), 100000), Qt::TextWordWrap, text);
    return ui::toTwips(r.height()) + 60;
}

ui::Label* paragraph(const QString& text, QWidget* parent, double l, double t, double w) {
    auto* lbl = label(text, parent, l, t, w, wrappedHeight(text, parent->font(), w));
    lbl->setWordWrap(true);
    lbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return lbl;
}

QGroupBox* frame(const QString& caption, const QString& name, QWidget* parent, double l, double t, double w,
                 double h) {
    auto* f = named(new QGroupBox(caption, parent), name);
    ui::setGeometryTwips(f, l, t, w, h);
    return f;
}

// Check boxes and option buttons as wide as their caption: what looks clickable is.
template <class T>
T* fitted(T* b, double l, double t) {
    ui::setGeometryTwips(b, l, t, ui::toTwips(b->sizeHint().width()) + 30, kOptionHeight);
    return b;
}

// No field here has a length limit: the window's design gives none.
ui::TextBox* field(const QString& name, const QString& spoken, QWidget* parent, double l, double t, double w) {
    auto* box = named(new ui::TextBox(parent), name);
    box->setAccessibleName(spoken);
    ui::setGeometryTwips(box, l, t, w, kFieldHeight);
    return box;
}

ui::HScrollBar* scrollBar(const QString& name, const QString& spoken, QWidget* parent, int min, int max,
                          int smallChange, int largeChange, int value) {
    auto* bar = named(new ui::HScrollBar(parent), name);
    bar->setAccessibleName(spoken);
    bar->setRange(min, max, smallChange, largeChange);
    bar->setValue(value);
    return bar;
}

double buttonWidth(const ui::CommandButton* b) {
    return std::max(kButtonWidth, ui::toTwips(b->sizeHint().width()) + 240);
}

// Lays buttons out in a row from a left edge, each as wide as its caption needs.
double buttonRow(std::initializer_list<ui::CommandButton*> buttons, double left, double top) {
    for (ui::CommandButton* b : buttons) {
        const double w = buttonWidth(b);
        ui::setGeometryTwips(b, left, top, w, kButtonHeight);
        left += w + kGap;
    }
    return left - kGap;
}

// The same row ending at a right edge.
void buttonRowRight(std::initializer_list<ui::CommandButton*> buttons, double right, double top) {
    double total = -kGap;
    for (ui::CommandButton* b : buttons) total += buttonWidth(b) + kGap;
    buttonRow(buttons, right - total, top);
}

// A number as the scroll bars take it: to the nearest whole number, halves to
// the even neighbour.
int wholeNumber(double v) { return static_cast<int>(std::nearbyint(v)); }

// A whole number with a blank where the sign of a negative one would stand (" 100").
QString signedText(int v) { return v < 0 ? QString::number(v) : u' ' + QString::number(v); }

// The number box's check: out-of-range values become the nearer limit, then the
// bar takes the number (its Change rewrites the box only if its value moves).
void checkAgainstBar(ui::TextBox& box, ui::HScrollBar& bar) {
    const double v = ui::Locale::leadingNumber(box.text());
    if (v > bar.Max()) {
        box.setText(signedText(bar.Max()));
    } else if (v < bar.Min()) {
        box.setText(signedText(bar.Min()));
    }
    bar.setValue(wholeNumber(ui::Locale::leadingNumber(box.text())));
}

// The widths of the list page's three columns, from the texts they must show in
// full: the longer list type, the time zone and the collating check box.
struct Columns {
    double first, second, third;
    double pageWidth() const { return kMargin + first + 2 * kGap + second + 2 * kGap + third + kMargin; }
};

Columns columnsFor(const QWidget& w) {
    const QStyle* st = w.style();
    const double option = ui::toTwips(st->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                                      st->pixelMetric(QStyle::PM_RadioButtonLabelSpacing)) + 150;
    const double check = ui::toTwips(st->pixelMetric(QStyle::PM_IndicatorWidth) +
                                     st->pixelMetric(QStyle::PM_CheckBoxLabelSpacing)) + 150;
    const QFont& f = w.font();
    Columns c{};
    c.first = std::max(2520.0, ui::textWidthTwips(f, QStringLiteral("Progressions or Directions")) + option + 2 * kInset);
    const double zone = ui::textWidthTwips(f, text::kTimeZone) + 900;
    c.second = std::max(2 * 1740.0 + kGap, zone + 2 * kInset);
    c.third = std::max(3600.0, ui::textWidthTwips(f, QStringLiteral("List Orb dates collated with Exact dates")) +
                                   check + 2 * kInset);
    return c;
}

}  // namespace

frmOp::frmOp() {
    setObjectName(QStringLiteral("frmOp"));
    setWindowTitle(text::kCaption);

    VSElastic1 = clientPanel(QStringLiteral("VSElastic1"));

    VSIndexTab1 = named(new ui::IndexTab(VSElastic1), QStringLiteral("VSIndexTab1"));
    VSIndexTab1->setCaptions(text::kTabCaptions);
    // Wide enough for the row of tabs and for the list page's columns (the page
    // sits inside the tab control's 60 twip margins and its frame).
    const double width = std::max({kClientWidth, VSIndexTab1->tabRowWidthTwips() + 240,
                                   columnsFor(*this).pageWidth() + 240});
    // The tool bar is as high as the longer description needs beside the close button.
    const double toolBarHeight = std::max(
        660.0, wrappedHeight(text::kToolBarDescriptions[1], font(), width - kCloseWidth - 3 * kMargin) + 120);
    setDesignClientSizeTwips(width, kClientHeight);
    ui::setGeometryTwips(VSIndexTab1, 60, 60, width - 120, kClientHeight - 60 - toolBarHeight);

    const auto page = [this](int tab, const char* name) {
        return named(static_cast<ui::ElasticPanel*>(VSIndexTab1->page(tab)), QLatin1String(name));
    };
    vseTransit = page(0, "vseTransit");
    VSElastic2 = page(1, "VSElastic2");
    vseProgress = page(2, "vseProgress");
    vseCompare = page(3, "vseCompare");
    vseResult = page(4, "vseResult");
    VSIndexTab1->fixPageDesignSize();

    buildTransitPage();
    buildProgressPage();
    buildPicturePages();
    buildToolBar(width, kClientHeight - toolBarHeight, toolBarHeight);

    connect(VSIndexTab1, &ui::IndexTab::Click, this, &frmOp::VSIndexTab1_Click);
}

ui::CommandButton* frmOp::messageButton(const char* name, QWidget* parent) {
    const text::MessageButton& m = text::messageButton(name);
    auto* b = named(new ui::CommandButton(m.caption, parent), QLatin1String(name));
    connect(b, &ui::CommandButton::clicked, this,
            [&m] { ui::msgBox(m.text, m.icon, text::titleOf(m.caption)); });
    return b;
}

// ------------------------------------------------------------------ pages

void frmOp::buildTransitPage() {
    QWidget* p = vseTransit;
    const double pw = ui::width(p);
    Label12 = named(paragraph(text::kTransitsDescription, p, kMargin, kGap, pw - 2 * kMargin),
                    QStringLiteral("Label12"));
    const double y0 = kGap + ui::height(Label12) + kGap;

    // First column: list type, view, starting date.
    const Columns columns = columnsFor(*this);
    const double x1 = kMargin;
    const double w1 = columns.first;
    frmDynamicType = frame(QStringLiteral("Type"), QStringLiteral("frmDynamicType"), p, x1, y0, w1, 1000);
    TranProgOption = new ui::OptionArray(this);
    fitted(TranProgOption->add(QStringLiteral("&Transits"), frmDynamicType), kInset, kFirstRow);
    fitted(TranProgOption->add(QStringLiteral("&Progressions or Directions"), frmDynamicType), kInset, 600);
    (*TranProgOption)[1]->setEnabled(false);  // the load enables it

    frmViewType = frame(QStringLiteral("View Transits"), QStringLiteral("frmViewType"), p, x1, y0 + 1120, w1, 720);
    TranViewOption = new ui::OptionArray(this);
    ProgListOption = new ui::OptionArray(this);
    fitted(TranViewOption->add(QStringLiteral("List"), frmViewType), kInset, kFirstRow);
    fitted(TranViewOption->add(QStringLiteral("Calendar"), frmViewType), 1260, kFirstRow);
    // Placeholders of the full program that do nothing here; they stay out of sight.
    for (const char* c : {"Option0", "Option1"}) ProgListOption->add(QLatin1String(c), frmViewType)->hide();
    TranViewOption->select(0);

    Frame9 = frame(QStringLiteral("Starting Date"), QStringLiteral("Frame9"), p, x1, y0 + 1960, w1, 1020);
    TMonth = field(QStringLiteral("TMonth"), QStringLiteral("Starting month"), Frame9, 240, 360, 330);
    TDay = field(QStringLiteral("TDay"), QStringLiteral("Starting day"), Frame9, 705, 360, 330);
    TYear = field(QStringLiteral("TYear"), QStringLiteral("Starting year"), Frame9, 1050, 360, 600);
    for (ui::TextBox* b : {TMonth, TDay, TYear}) b->setAlignment(Qt::AlignCenter);
    Label21 = named(label(QStringLiteral("Mo.   Day  Year"), Frame9, 240, 705, w1 - 300, 240),
                    QStringLiteral("Label21"));

    // Second column: the point lists and the time zone.
    const double x2 = x1 + w1 + 2 * kGap;
    const double w2 = columns.second;
    const double listFrameWidth = (w2 - kGap) / 2;
    const double listFrameHeight = kFirstRow + kListHeight + 150;
    Frame8 = frame(QStringLiteral("Planets"), QStringLiteral("Frame8"), p, x2, y0, listFrameWidth, listFrameHeight);
    OrbStartFrame = frame(QStringLiteral("Use Orb Planets"), QStringLiteral("OrbStartFrame"), p,
                          x2 + listFrameWidth + kGap, y0, listFrameWidth, listFrameHeight);
    const std::array<QGroupBox*, 2> listFrames{Frame8, OrbStartFrame};
    for (size_t i = 0; i < 2; ++i) {
        auto* list = named(new ui::ListBox(listFrames[i]), QStringLiteral("PlanetList%1").arg(i));
        list->setAccessibleName(listFrames[i]->title());
        list->setSelectionMode(QAbstractItemView::MultiSelection);
        ui::setGeometryTwips(list, 120, kFirstRow, listFrameWidth - 240, kListHeight);
        PlanetList[i] = list;
    }
    Frame4 = frame(QStringLiteral("Native's Time Zone"), QStringLiteral("Frame4"), p, x2,
                   y0 + listFrameHeight + kGap, w2, 780);
    cboTimeZones = named(new ui::ComboBox(Frame4), QStringLiteral("cboTimeZones"));
    cboTimeZones->setAccessibleName(Frame4->title());
    cboTimeZones->makeEditable();
    ui::setGeometryTwips(cboTimeZones, kInset, 330, w2 - 2 * kInset, 330);

    // Third column: period and orbs.
    const double x3 = x2 + w2 + 2 * kGap;
    const double w3 = pw - kMargin - x3;
    Frame7 = frame(QStringLiteral("Time Period Type"), QStringLiteral("Frame7"), p, x3, y0, w3, 1680);
    TimeUnit = new ui::OptionArray(this);
    const std::array<const char*, 4> units{"Days", "Weeks", "Months", "Years"};
    for (int i = 0; i < 4; ++i) {
        fitted(TimeUnit->add(QLatin1String(units[size_t(i)]), Frame7), i % 2 ? w3 / 2 : kInset,
               i < 2 ? kFirstRow : 600);
    }
    ScrollFrame = frame(QStringLiteral("Time Units Per Interval"), QStringLiteral("ScrollFrame"), Frame7, 120,
                        960, w3 - 240, 630);
    const double sw = w3 - 240;
    PeriodScroll = scrollBar(QStringLiteral("PeriodScroll"), QStringLiteral("Time units per interval"),
                             ScrollFrame, 1, 100, 1, 5, 1);
    ui::setGeometryTwips(PeriodScroll, kInset, 330, sw - 2 * kInset - 720 - kGap, kBarHeight);
    PeriodBox = field(QStringLiteral("PeriodBox"), QStringLiteral("Time units per interval"), ScrollFrame,
                      sw - kInset - 720, 300, 720);
    PeriodBox->setText(QStringLiteral("1"));

    Frame5 = frame(QStringLiteral("Orb Percent"), QStringLiteral("Frame5"), p, x3, y0 + 1800, w3, 1860);
    chkCollate = named(new ui::CheckBox(QStringLiteral("List Orb dates collated with Exact dates"), Frame5),
                       QStringLiteral("chkCollate"));
    fitted(chkCollate, kInset, kFirstRow);
    const double ow = (w3 - 360) / 2;
    const std::array<const char*, 2> orbCaptions{"Applying", "Separating"};
    const std::array<int, 2> orbMin{0, 5};
    const std::array<int, 2> orbValue{100, 50};
    for (size_t i = 0; i < 2; ++i) {
        const QString caption = QLatin1String(orbCaptions[i]);
        Frame6[i] = frame(caption, QStringLiteral("Frame6_%1").arg(i), Frame5, 120 + double(i) * (ow + kGap), 690,
                          ow, 1050);
        OrbTextBox[i] = field(QStringLiteral("OrbTextBox%1").arg(i), caption + QStringLiteral(" orb percent"),
                              Frame6[i], kInset, kFirstRow, 720);
        OrbTextBox[i]->setText(QString::number(orbValue[i]));
        OrbScroll[i] = scrollBar(QStringLiteral("OrbScroll%1").arg(i), caption + QStringLiteral(" orb percent"),
                                 Frame6[i], orbMin[i], 100, 5, 25, orbValue[i]);
        ui::setGeometryTwips(OrbScroll[i], kInset, 720, ow - 2 * kInset, kBarHeight);
    }

    const double by = ui::height(p) - kMargin - kButtonHeight;
    btnFile[0] = messageButton("btnFile0", p);
    btnFile[1] = messageButton("btnFile1", p);
    ButtonAspects = messageButton("ButtonAspects", p);
    ButtonOK = messageButton("ButtonOK", p);
    ButtonCancel = messageButton("ButtonCancel", p);
    ButtonHelp = messageButton("ButtonHelp", p);
    buttonRow({btnFile[0], btnFile[1], ButtonAspects}, kMargin, by);
    buttonRowRight({ButtonOK, ButtonCancel, ButtonHelp}, pw - kMargin, by);

    connect(TranProgOption, &ui::OptionArray::Click, this, &frmOp::TranProgOption_Click);
    connect(PeriodScroll, &ui::HScrollBar::Change, this, &frmOp::PeriodScroll_Change);
    connect(PeriodBox, &ui::TextBox::LostFocus, this, &frmOp::PeriodBox_LostFocus);
    for (int i = 0; i < 2; ++i) {
        connect(OrbScroll[size_t(i)], &ui::HScrollBar::Change, this, [this, i] { OrbScroll_Change(i); });
        connect(OrbTextBox[size_t(i)], &ui::TextBox::LostFocus, this, [this, i] { OrbTextBox_LostFocus(i); });
    }
}

void frmOp::buildProgressPage() {
    QWidget* p = vseProgress;
    const double pw = ui::width(p);
    Label11 = named(paragraph(text::kProgressedDescription, p, kMargin, kGap, pw - 2 * kMargin),
                    QStringLiteral("Label11"));
    const double y0 = kGap + ui::height(Label11) + 2 * kGap;

    const double x1 = kMargin;
    const double w1 = 4800;
    Frame2 = frame(QStringLiteral("Progression Type"), QStringLiteral("Frame2"), p, x1, y0, w1, 1200);
    cmbProgType = named(new ui::ComboBox(Frame2), QStringLiteral("cmbProgType"));
    cmbProgType->setAccessibleName(Frame2->title());
    ui::setGeometryTwips(cmbProgType, kInset, 330, w1 - 2 * kInset, 330);
    cmbUserRate = named(new ui::ComboBox(Frame2), QStringLiteral("cmbUserRate"));
    cmbUserRate->setAccessibleName(QStringLiteral("User rate"));
    cmbUserRate->makeEditable();
    ui::setGeometryTwips(cmbUserRate, kInset, 750, 2700, 330);
    cmdSaveUserRate = named(new ui::CommandButton(QStringLiteral("&Add"), Frame2), QStringLiteral("cmdSaveUserRate"));
    ui::setGeometryTwips(cmdSaveUserRate, kInset + 2700 + kGap, 735, 900, 360);
    cmbUserRate->hide();
    cmdSaveUserRate->hide();

    Frame3 = frame(QStringLiteral("Midheaven Rate"), QStringLiteral("Frame3"), p, x1, y0 + 1320, w1, 780);
    cmbMCType = named(new ui::ComboBox(Frame3), QStringLiteral("cmbMCType"));
    cmbMCType->setAccessibleName(Frame3->title());
    ui::setGeometryTwips(cmbMCType, kInset, 330, 2700, 330);

    Frame1 = frame(QStringLiteral("Progress to what date?"), QStringLiteral("Frame1"), p, x1, y0 + 2220, w1, 1020);
    const std::array<const char*, 3> dateCaptions{"Mon", "Day", "Year"};
    const std::array<double, 3> dateLeft{kInset, 840, 1500};
    for (size_t i = 0; i < 3; ++i) label(QLatin1String(dateCaptions[i]), Frame1, dateLeft[i], kFirstRow, 600, 240);
    PMon = field(QStringLiteral("PMon"), QStringLiteral("Progress to month"), Frame1, dateLeft[0], 570, 480);
    PDay = field(QStringLiteral("PDay"), QStringLiteral("Progress to day"), Frame1, dateLeft[1], 570, 480);
    Pyear = field(QStringLiteral("Pyear"), QStringLiteral("Progress to year"), Frame1, dateLeft[2], 570, 720);

    const double x2 = x1 + w1 + 2 * kGap;
    const double w2 = pw - kMargin - x2;
    const auto place = [&](QGroupBox*& f, const char* caption, const char* name, double top, ui::TextBox*& deg,
                           ui::TextBox*& min, const char* what, ui::OptionArray*& dir, const char* a,
                           const char* b) {
        f = frame(QLatin1String(caption), QLatin1String(name), p, x2, top, w2, 780);
        deg = field(QLatin1String(name).left(3) + QStringLiteral("Deg"), QLatin1String(what) + QStringLiteral(" degrees"),
                    f, kInset, 330, 600);
        min = field(QLatin1String(name).left(3) + QStringLiteral("Min"), QLatin1String(what) + QStringLiteral(" minutes"),
                    f, kInset + 720, 330, 840);
        dir = new ui::OptionArray(this);
        fitted(dir->add(QLatin1String(a), f), 2040, 345);
        fitted(dir->add(QLatin1String(b), f), 3120, 345);
        dir->select(0);
    };
    place(LatFrame, "Natal Chart Latitude", "LatFrame", y0, LatDeg, LatMin, "Latitude", NSOp, "North", "South");
    place(LongFrame, "Natal Chart Longitude", "LongFrame", y0 + 900, LongDeg, LongMin, "Longitude", EWOp, "West",
          "East");

    const double cy = y0 + 1860;
    const double cw = (w2 - kGap) / 2;
    label(QStringLiteral("City"), p, x2, cy, cw, 240);
    label(QStringLiteral("State or Country"), p, x2 + cw + kGap, cy, cw, 240);
    CityBox = field(QStringLiteral("CityBox"), QStringLiteral("City"), p, x2, cy + 270, cw);
    StateBox = field(QStringLiteral("StateBox"), QStringLiteral("State or Country"), p, x2 + cw + kGap, cy + 270, cw);
    RelocButton = messageButton("RelocButton", p);
    CityButton = messageButton("CityButton", p);
    buttonRow({RelocButton, CityButton}, x2, cy + 270 + kFieldHeight + 2 * kGap);

    OkButton = messageButton("OkButton", p);
    CancelButton = messageButton("CancelButton", p);
    HelpButton = messageButton("HelpButton", p);
    buttonRowRight({OkButton, CancelButton, HelpButton}, pw - kMargin, ui::height(p) - kMargin - kButtonHeight);

    connect(cmbProgType, &ui::ComboBox::Click, this, &frmOp::cmbProgType_Click);
    connect(cmdSaveUserRate, &ui::CommandButton::clicked, this, &frmOp::cmdSaveUserRate_Click);
}

void frmOp::buildPicturePages() {
    const auto picture = [](QWidget* page, const char* name, const char* resource, const char* spoken) {
        auto* pic = named(new ui::Picture(QLatin1String(resource), page), QLatin1String(name));
        pic->setAccessibleName(QLatin1String(spoken));
        ui::setGeometryTwips(pic, kMargin, kMargin, ui::width(page) - 2 * kMargin, ui::height(page) - 2 * kMargin);
        return pic;
    };
    imgDerived = picture(VSElastic2, "imgDerived", ":/options/derived_charts.svg", "Derived charts screen");
    imgCompare = picture(vseCompare, "imgCompare", ":/options/compatible_search.svg",
                         "Compatible charts search screen");

    QWidget* p = vseResult;
    Label2 = named(paragraph(text::kResultDescription, p, kMargin, kGap, ui::width(p) - 2 * kMargin),
                   QStringLiteral("Label2"));
    const double top = kGap + ui::height(Label2) + kGap;
    const double h = ui::height(p) - top - kGap;
    // A printed page lying on its side: as wide as the height allows, for the load to centre.
    imgResult = named(new ui::Picture(QStringLiteral(":/options/search_result.svg"), p), QStringLiteral("imgResult"));
    imgResult->setAccessibleName(QStringLiteral("Sample result printout"));
    ui::setGeometryTwips(imgResult, 0, top, std::min(ui::width(p), h * 1.4), h);
}

void frmOp::buildToolBar(double clientWidth, double top, double height) {
    vseToolBar = named(new ui::ElasticPanel(VSElastic1), QStringLiteral("vseToolBar"));
    ui::setGeometryTwips(vseToolBar, 0, top, clientWidth, height);
    vseToolBar->setDesignSizeTwips(clientWidth, height);
    for (size_t i = 0; i < 2; ++i) {
        auto* l = named(new ui::Label(text::kToolBarDescriptions[i], vseToolBar), QStringLiteral("lblToolBar%1").arg(i));
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        lblToolBar[i] = l;
    }
    cmdAction[2] = named(new ui::CommandButton(QStringLiteral("&Close"), vseToolBar), QStringLiteral("cmdAction2"));
    connect(cmdAction[2], &ui::CommandButton::clicked, this, &frmOp::Unload);
    layOutToolBar();
}

void frmOp::layOutToolBar() {
    const double w = ui::width(vseToolBar);
    const double h = ui::height(vseToolBar);
    const double buttonTop = (h - kButtonHeight) / 2;
    if (ToolBarArrangement == 3) {
        ui::setGeometryTwips(cmdAction[2], (w - kCloseWidth) / 2, buttonTop, kCloseWidth, kButtonHeight);
        return;
    }
    ui::setGeometryTwips(cmdAction[2], w - kMargin - kCloseWidth, buttonTop, kCloseWidth, kButtonHeight);
    for (ui::Label* l : lblToolBar) ui::setGeometryTwips(l, kMargin, 60, w - kCloseWidth - 3 * kMargin, h - 120);
}

// ------------------------------------------------------------------ load

void frmOp::Form_Load() {
    shell::CenterForm(*this);
    VSIndexTab1->setCurrTab(0);
    FillTransitsTab();
    FillProgressedTab();
    const int left = shell::centredOffset(ui::width(vseResult), ui::width(imgResult), 2);
    ui::setLeft(imgResult, std::max(left, 0));
}

void frmOp::FillTransitsTab() {
    ArrangeDateFields();
    (*TranProgOption)[1]->setEnabled(true);
    TimeUnit->select(2);
    PeriodBox->setText(QStringLiteral("1"));
    PeriodScroll->setValue(wholeNumber(ui::Locale::leadingNumber(PeriodBox->text())));
    OrbTextBox[0]->setText(QStringLiteral("100"));
    OrbTextBox[1]->setText(QStringLiteral("50"));
    for (size_t i = 0; i < 2; ++i) OrbScroll[i]->setValue(wholeNumber(ui::Locale::leadingNumber(OrbTextBox[i]->text())));
    cboTimeZones->setText(text::kTimeZone);
    for (int slot : text::kListedPoints) {
        const QString name = shell::FillNameList(shell::PlanetAbbr[size_t(slot)]);
        PlanetList[0]->AddItem(name);
        PlanetList[1]->AddItem(name);
    }
    TranProgOption->select(0);
    // Today as month-day-year text, cut by position: the month field gets the
    // month whatever order the fields stand in.
    const QString today = ui::Locale::today().toString(QStringLiteral("MM-dd-yyyy"));
    TMonth->setText(today.mid(0, 2));
    TDay->setText(today.mid(3, 2));
    TYear->setText(today.mid(6, 4));
}

void frmOp::ArrangeDateFields() {
    std::array<ui::TextBox*, 3> order{TMonth, TDay, TYear};
    if (shell::DateOrder == 1) {
        ui::setLeft(TDay, 240);
        ui::setLeft(TMonth, 585);
        order = {TDay, TMonth, TYear};
        Label21->setText(QStringLiteral("Day  Mo.   Year"));
    } else if (shell::DateOrder == 2) {
        ui::setLeft(TYear, 240);
        ui::setLeft(TMonth, 975);
        ui::setLeft(TDay, 1440);
        order = {TYear, TMonth, TDay};
        Label21->setText(QStringLiteral(" Year     Mo.  Day"));
    } else {
        return;
    }
    QWidget* before = TMonth->previousInFocusChain();
    setTabOrder(before, order[0]);
    setTabOrder(order[0], order[1]);
    setTabOrder(order[1], order[2]);
}

void frmOp::FillProgressedTab() {
    for (const QString& t : text::kProgressionTypes) cmbProgType->AddItem(t);
    for (const QString& t : text::kMidheavenTypes) cmbMCType->AddItem(t);
    cmbProgType->setListIndex(0);
    cmbMCType->setListIndex(0);
    const QDate today = ui::Locale::today();
    PMon->setText(today.toString(QStringLiteral("MM")));
    PDay->setText(today.toString(QStringLiteral("dd")));
    Pyear->setText(today.toString(QStringLiteral("yyyy")));
    LongDeg->setText(QStringLiteral("074"));
    LongMin->setText(QStringLiteral("00.38"));
    LatDeg->setText(QStringLiteral("40"));
    LatMin->setText(QStringLiteral("42.85"));
    CityBox->setText(QStringLiteral("New York"));
    StateBox->setText(QStringLiteral("New York"));
}

// ------------------------------------------------------------------ handlers

void frmOp::VSIndexTab1_Click() {
    const int tab = VSIndexTab1->CurrTab();
    lblToolBar[0]->setVisible(tab == 3);
    lblToolBar[1]->setVisible(tab == 1);
    ToolBarArrangement = tab == 1 || tab == 3 ? 0 : 3;
    layOutToolBar();
}

void frmOp::TranProgOption_Click(int index) {
    // Selections are only ever added, never taken away.
    if (index == 0) {
        for (int i = 4; i <= 9; ++i) PlanetList[0]->setSelected(i, true);
        for (int i = 5; i <= 9; ++i) PlanetList[1]->setSelected(i, true);
        PlanetList[0]->setTopIndex(4);
        PlanetList[1]->setTopIndex(5);
        TimeUnit->select(2);
    } else {
        for (ui::ListBox* list : PlanetList) {
            for (int i = 0; i <= 9; ++i) list->setSelected(i, true);
            list->setTopIndex(0);
        }
        TimeUnit->select(3);
    }
    PeriodBox->setText(QStringLiteral("1"));
    PeriodScroll->setValue(1);
}

void frmOp::OrbScroll_Change(int index) {
    OrbTextBox[size_t(index)]->setText(ui::Locale::format(OrbScroll[size_t(index)]->Value(), QStringLiteral("##0")));
}

void frmOp::OrbTextBox_LostFocus(int index) { checkAgainstBar(*OrbTextBox[size_t(index)], *OrbScroll[size_t(index)]); }

void frmOp::PeriodScroll_Change() { PeriodBox->setText(QString::number(PeriodScroll->Value())); }

void frmOp::PeriodBox_LostFocus() { checkAgainstBar(*PeriodBox, *PeriodScroll); }

void frmOp::cmbProgType_Click() {
    const QString type = cmbProgType->currentText();
    if (type == text::kProgressionTypes[4]) {
        cmbUserRate->Clear();
        cmbUserRate->setText(text::kSpecialRate);
    } else if (type.contains(QStringLiteral("Primary Dir"), Qt::CaseInsensitive)) {
        cmbUserRate->Clear();
        cmbUserRate->setText(text::kPrimaryRate);
    } else {
        cmbUserRate->hide();
        cmdSaveUserRate->hide();
        return;
    }
    cmbUserRate->show();
    cmdSaveUserRate->show();
    cmbUserRate->setFocus();
    cmbUserRate->lineEdit()->selectAll();  // a typed rate replaces the sample
}

void frmOp::cmdSaveUserRate_Click() {
    const QString rate = cmbUserRate->Text();
    for (int i = 0; i < cmbUserRate->count(); ++i) {
        if (cmbUserRate->itemText(i).contains(rate, Qt::CaseInsensitive)) return;
    }
    if (ui::Locale::leadingNumber(rate) != 0.0) cmbUserRate->AddItem(rate);
}

}  // namespace options
