#include "custom/frmcustom.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>
#include <initializer_list>

#include "custom/arabicparts.h"
#include "custom/custom_data.h"
#include "custom/glyphs.h"
#include "custom/pointvalues.h"
#include "shell/orbs.h"
#include "shell/screen.h"
#include "shell/vocabulary.h"
#include "ui/canvas.h"
#include "ui/controls.h"
#include "ui/elastic.h"
#include "ui/indextab.h"
#include "ui/locale.h"
#include "ui/msgbox.h"
#include "ui/pause.h"
#include "ui/picture.h"
#include "ui/twips.h"

namespace custom {

namespace {

// Design sizes in twips.
constexpr double kClientWidth = 11400;
constexpr double kClientHeight = 9000;
constexpr double kMargin = 240;
constexpr double kButtonHeight = 420;
constexpr double kButtonWidth = 1500;
constexpr double kButtonGap = 120;
constexpr double kFieldHeight = 330;
constexpr double kCheckHeight = 300;

// Rows of the planets page: the point's check box caption and its glyph boxes.
constexpr double kPointRowTop = 780;
constexpr double kPointRowPitch = 480;
constexpr double kGlyphLeft = 3060;
constexpr double kGlyphSize = 425;
constexpr double kExtrasLeft = 4140;

// Aspects page: the header's columns, counted in characters of the fixed font.
constexpr int kOrbRowIndent = 11;        // the row captions start under this column
constexpr double kLightsColumn = 55.5;   // middle of "Orb of Lights"
constexpr double kPlanetsColumn = 74.0;  // middle of "Orb of Planets"
constexpr double kOrbRowTop = 450;
constexpr double kOrbRowPitch = 330;
constexpr double kOrbFieldWidth = 900;

const char* const kOrbEntryProperty = "orbShown";

using ui::label;

using ui::paragraph;

// The height a word-wrapped text needs at a width, both in twips.
double wrappedHeight(const QString& text, const QFont& font, double width) {
    QString plain = text;
    plain.remove(u'\r');
    const QRect r = QFontMetrics(font).boundingRect(QRect(0, 0, ui::toPixels(width), 100000),
                                                    Qt::TextWordWrap, plain);
    return ui::toTwips(r.height()) + 60;
}

using ui::named;

// The width a button needs for the longest caption it will ever show.
double buttonWidth(ui::CommandButton* b, std::initializer_list<QString> captions = {}) {
    double w = std::max(kButtonWidth, ui::toTwips(b->sizeHint().width()) + 240);
    const QString own = b->text();
    for (const QString& c : captions) {
        b->setText(c);
        w = std::max(w, ui::toTwips(b->sizeHint().width()) + 240);
    }
    b->setText(own);
    return w;
}

// Check boxes and option buttons answer clicks on their box and caption only, so
// they are made just as wide: what looks clickable is.
template <class T>
T* fitted(T* b) {
    ui::setWidth(b, ui::toTwips(b->sizeHint().width()) + 30);
    return b;
}

ui::CommandButton* button(const QString& caption, QWidget* parent, const QString& name) {
    return named(new ui::CommandButton(caption, parent), name);
}

// Lays buttons out in a row at the page's bottom right, the last one in the corner.
void bottomRow(QWidget* page, std::initializer_list<ui::CommandButton*> buttons) {
    const double pw = ui::width(page);
    const double ph = ui::height(page);
    double right = pw - kMargin;
    std::vector<ui::CommandButton*> order(buttons);
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const double w = buttonWidth(*it);
        ui::setGeometryTwips(*it, right - w, ph - kMargin - kButtonHeight, w, kButtonHeight);
        right -= w + kButtonGap;
    }
}

// Of two buttons on a page with the same key and the same action, one gives up
// the key: the other then acts at once instead of only taking the focus in turn.
void dropSharedAccessKey(ui::CommandButton* duplicate) {
    duplicate->setShortcut(QKeySequence());
}

QFont fixedFont(const QFont& like) {
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPointSizeF(like.pointSizeF());
    return f;
}

// An elastic container without a border, for option groups that need their own parent.
ui::ElasticPanel* group(QWidget* parent, double l, double t, double w, double h) {
    auto* g = new ui::ElasticPanel(parent);
    ui::setGeometryTwips(g, l, t, w, h);
    g->setDesignSizeTwips(w, h);
    return g;
}

int listPosition(const QString& field) {
    const double v = ui::Locale::leadingNumber(field);
    return std::fabs(v) < 1e6 ? static_cast<int>(v) : -1;
}

}  // namespace

frmCustom::frmCustom() {
    setObjectName(QStringLiteral("frmCustom"));
    setWindowTitle(text::kWindowCaption);

    VSElastic1 = clientPanel(QStringLiteral("VSElastic1"));

    VSIndexTab1 = named(new ui::IndexTab(VSElastic1), QStringLiteral("VSIndexTab1"));
    VSIndexTab1->setCaptions(text::kTabCaptions);
    const double width = std::max(kClientWidth, VSIndexTab1->tabRowWidthTwips() + 240);
    setDesignClientSizeTwips(width, kClientHeight);
    ui::setGeometryTwips(VSIndexTab1, 60, 60, width - 120, kClientHeight - 120);

    const auto page = [this](int tab, const char* name) {
        return named(static_cast<ui::ElasticPanel*>(VSIndexTab1->page(tab)), QLatin1String(name));
    };
    vsePlanets = page(0, "vsePlanets");
    vseAspects = page(1, "vseAspects");
    vseFonts = page(2, "vseFonts");
    vseCtrImage = page(3, "vseCtrImage");
    vseArabic = page(4, "vseArabic");
    vseRulers = page(5, "vseRulers");
    vseAsteroids = page(6, "vseAsteroids");
    VSIndexTab1->fixPageDesignSize();

    buildPlanetsPage();
    buildAspectsPage();
    buildFontsPage();
    buildCtrImagePage();
    buildArabicPage();
    buildRulersPage();
    buildAsteroidsPage();
    wireButtons();

    connect(VSIndexTab1, &ui::IndexTab::Click, this, &frmCustom::VSIndexTab1_Click);
    connect(VSIndexTab1, &ui::IndexTab::Switch, this, &frmCustom::VSIndexTab1_Switch);
}

// ------------------------------------------------------------------ pages

void frmCustom::buildPlanetsPage() {
    QWidget* p = vsePlanets;
    Label8 =
        named(label(text::kPlanetsHeading, p, kMargin, 150, 5400, 270), QStringLiteral("Label8"));
    Label10 = named(label(QStringLiteral("D"), p, 300, 480, 300, 270), QStringLiteral("Label10"));
    Label9 = named(label(QStringLiteral("I"), p, 640, 480, 300, 270), QStringLiteral("Label9"));
    Label10->setAlignment(Qt::AlignCenter);
    Label9->setAlignment(Qt::AlignCenter);

    struct Point {
        CheckPair* pair;
        const char* name;
        const char* caption;
        const char* spoken;
    };
    const std::array<Point, 12> points{{
        {&CheckAsc, "CheckAsc", "&Ascendant", "Ascendant"},
        {&CheckMC, "CheckMC", "Mid&heaven", "Midheaven"},
        {&CheckMN, "CheckMN", "Moon's &Nodes", "Moon's Nodes"},
        {&CheckPF, "CheckPF", "Part of &Fortune", "Part of Fortune"},
        {&CheckChiron, "CheckChiron", "Ch&iron", "Chiron"},
        {&CheckCeres, "CheckCeres", "Ce&res", "Ceres"},
        {&CheckPallas, "CheckPallas", "&Pallas", "Pallas"},
        {&CheckJuno, "CheckJuno", "&Juno", "Juno"},
        {&CheckVesta, "CheckVesta", "&Vesta", "Vesta"},
        {&CheckVertex, "CheckVertex", "Verte&x", "Vertex"},
        {&CheckEastPoint, "CheckEastPoint", "&East Point", "East Point"},
        {&CheckBlackMoon, "CheckBlackMoon", "&Black Moon Lilith", "Black Moon Lilith"},
    }};
    const std::array<const char*, 13> glyphNames{"Ascendant glyph",
                                                 "Midheaven glyph",
                                                 "North node glyph",
                                                 "South node glyph",
                                                 "Part of Fortune glyph",
                                                 "Chiron glyph",
                                                 "Ceres glyph",
                                                 "Pallas glyph",
                                                 "Juno glyph",
                                                 "Vesta glyph",
                                                 "Vertex glyph",
                                                 "East Point glyph",
                                                 "Black Moon Lilith glyph"};

    QFont letterFont(QStringLiteral("Serif"));
    letterFont.setStyleHint(QFont::Serif);
    letterFont.setBold(true);
    letterFont.setPixelSize(18);

    size_t box = 0;
    for (size_t row = 0; row < points.size(); ++row) {
        const Point& pt = points[row];
        const double y = kPointRowTop + kPointRowPitch * static_cast<double>(row);
        const QString spoken = QString::fromLatin1(pt.spoken);
        auto* d =
            named(new ui::CheckBox(QString(), p), QLatin1String(pt.name) + QStringLiteral("0"));
        d->setAccessibleName(QStringLiteral("Display ") + spoken);
        ui::setGeometryTwips(d, 360, y + 60, 300, kCheckHeight);
        auto* i = named(new ui::CheckBox(QString::fromLatin1(pt.caption), p),
                        QLatin1String(pt.name) + QStringLiteral("1"));
        i->setAccessibleDescription(QStringLiteral("Include ") + spoken);
        ui::setGeometryTwips(i, 700, y + 60, kGlyphLeft - 760, kCheckHeight);
        fitted(i);
        *pt.pair = {d, i};

        // The nodes have a box for each node; East Point's box is a little lower.
        const int boxes = row == 2 ? 2 : 1;
        for (int b = 0; b < boxes; ++b, ++box) {
            auto* g = named(new ui::Canvas(p), QStringLiteral("picGlyph%1").arg(box));
            g->setFrameShape(QFrame::StyledPanel);
            g->setFrameShadow(QFrame::Sunken);
            g->setFont(letterFont);
            g->setAccessibleName(QString::fromLatin1(glyphNames[box]));
            const double w = box == 12 ? 420 : kGlyphSize;
            const double h = box == 11 ? 380 : kGlyphSize;
            ui::setGeometryTwips(g, kGlyphLeft + (kGlyphSize + 60) * b, y, w, h);
            picGlyph[box] = g;
        }
    }

    const auto meanTrue = [this, p](ui::OptionArray*& array, int row, const char* kind) {
        const double y = kPointRowTop + kPointRowPitch * row;
        auto* g = group(p, kExtrasLeft, y, 2400, kGlyphSize);
        array = new ui::OptionArray(this);
        auto* mean = array->add(QStringLiteral("&Mean"), g);
        auto* truth = array->add(QStringLiteral("&True"), g);
        mean->setAccessibleName(QStringLiteral("Mean ") + QLatin1String(kind));
        truth->setAccessibleName(QStringLiteral("True ") + QLatin1String(kind));
        ui::setGeometryTwips(mean, 0, 60, 1080, kCheckHeight);
        ui::setGeometryTwips(truth, 1140, 60, 1080, kCheckHeight);
        fitted(mean);
        fitted(truth);
    };
    meanTrue(optMoon, 2, "nodes");
    meanTrue(optBlackMoon, 11, "apogee");
    PFReverseBox = named(new ui::CheckBox(QStringLiteral("Reverse for night birth"), p),
                         QStringLiteral("PFReverseBox"));
    ui::setGeometryTwips(PFReverseBox, kExtrasLeft, kPointRowTop + kPointRowPitch * 3 + 60, 2600,
                         kCheckHeight);
    fitted(PFReverseBox);

    const double pw = ui::width(p);
    const double right = 6960;
    const double textHeight = wrappedHeight(planetsDescription(), p->font(), pw - right - kMargin);
    lblPlanets = named(paragraph(QString(), p, right, 150, pw - right - kMargin, textHeight),
                       QStringLiteral("lblPlanets"));
    vseCmdPointValues = button(text::kPointValues, p, QStringLiteral("vseCmdPointValues"));
    ui::setGeometryTwips(vseCmdPointValues, right, 150 + textHeight + 300,
                         buttonWidth(vseCmdPointValues), kButtonHeight);

    HelpButton[2] = button(QStringLiteral("&Help"), p, QStringLiteral("HelpButton2"));
    Command1 = button(QStringLiteral("&Cancel"), p, QStringLiteral("Command1"));
    SaveButton[2] = button(QStringLiteral("&Save && Exit"), p, QStringLiteral("SaveButton2"));
    cmdAction[3] = button(QStringLiteral("&Close"), p, QStringLiteral("cmdAction3"));
    bottomRow(p, {HelpButton[2], Command1, SaveButton[2], cmdAction[3]});
}

void frmCustom::buildAspectsPage() {
    QWidget* p = vseAspects;
    const QFont mono = fixedFont(p->font());
    const double cw = ui::textWidthTwips(mono, QStringLiteral("0"));
    const double x0 = 180;
    const double rowsEnd = kOrbRowTop + kOrbRowPitch * kAspectCount;
    const double tableRight = x0 + cw * (kPlanetsColumn + 7) + 60;
    // The header's words stand over their columns by the blanks between them, so
    // the table keeps its inner layout when the window grows; only its box grows.
    auto* table = named(new QWidget(p), QStringLiteral("tblOrbs"));
    ui::setGeometryTwips(table, x0, 150, tableRight - x0, rowsEnd - 150);
    lblOrbHeader =
        named(label(text::kOrbHeader, table, 0, 0, cw * text::kOrbHeader.size() + 60, 270),
              QStringLiteral("lblOrbHeader"));
    lblOrbHeader->setFont(mono);

    for (int a = 0; a < kAspectCount; ++a) {
        const auto i = static_cast<size_t>(a);
        const double y = kOrbRowTop - 150 + kOrbRowPitch * a;
        auto* caption =
            named(label(QString(), table, cw * kOrbRowIndent, y, cw * 35 + 60, kFieldHeight),
                  QStringLiteral("lblAspect%1").arg(a));
        caption->setFont(mono);
        caption->setText(aspectRowCaption(a));
        lblAspect[i] = caption;
        const QString aspect = caption->text().section(QStringLiteral(" ("), 0, 0);
        const auto field = [&](const char* name, double column, const char* spoken) {
            auto* box = named(new ui::TextBox(table),
                              QStringLiteral("%1%2").arg(QLatin1String(name)).arg(a));
            box->setAccessibleName(aspect + QLatin1String(spoken));
            box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            box->setSelectAllOnFocus(true);
            box->setKeyFilter([](int& key) {
                if (!orbKeyPasses(key, shell::DecimalSep))
                    key = 0;
            });
            connect(box, &ui::TextBox::LostFocus, this, [box] {
                const QString shown =
                    orbFieldAfterLeaving(box->text(), box->property(kOrbEntryProperty).toString());
                box->setText(shown);
                box->setProperty(kOrbEntryProperty, shown);
            });
            ui::setGeometryTwips(box, cw * column - kOrbFieldWidth / 2, y, kOrbFieldWidth,
                                 kFieldHeight);
            return box;
        };
        OrbL[i] = field("OrbL", kLightsColumn, " orb of lights");
        OrbP[i] = field("OrbP", kPlanetsColumn, " orb of planets");
    }
    lblOrbNote = named(paragraph(text::kOrbNote, p, x0, rowsEnd + 120, tableRight - x0, 540),
                       QStringLiteral("lblOrbNote"));

    const double pw = ui::width(p);
    const double colLeft = tableRight + 240;
    const double colWidth = pw - kMargin - colLeft;
    fraOrbs =
        named(new QGroupBox(QStringLiteral("Display Orbs For:"), p), QStringLiteral("fraOrbs"));
    ui::setGeometryTwips(fraOrbs, colLeft, 90, colWidth, 330 + 7 * 315 + 120);
    optOrbs = new ui::OptionArray(this);
    std::array<ui::OptionButton*, 7> byType{};
    for (int type = 0; type < 7; ++type)
        byType[static_cast<size_t>(type)] = optOrbs->add(orbOptionCaption(type), fraOrbs);
    QWidget* previous = nullptr;
    int row = 0;
    for (int type : orbOptionScreenOrder()) {
        ui::OptionButton* b = byType[static_cast<size_t>(type)];
        b->setObjectName(QStringLiteral("optOrbs%1").arg(type));
        ui::setGeometryTwips(b, 180, 330 + 315.0 * row++, colWidth - 300, kCheckHeight);
        fitted(b);
        if (previous)
            setTabOrder(previous, b);
        previous = b;
    }

    SaveButton[3] = button(QStringLiteral("&Save && Exit"), p, QStringLiteral("SaveButton3"));
    btnDefault[1] = button(QStringLiteral("Return to &Default"), p, QStringLiteral("btnDefault1"));
    HelpButton[3] = button(QStringLiteral("&Help"), p, QStringLiteral("HelpButton3"));
    CancelButton[1] = button(QStringLiteral("&Close"), p, QStringLiteral("CancelButton1"));
    double y = ui::top(fraOrbs) + ui::height(fraOrbs) + 300;
    for (ui::CommandButton* b : {SaveButton[3], btnDefault[1], HelpButton[3], CancelButton[1]}) {
        ui::setGeometryTwips(b, colLeft, y, colWidth, kButtonHeight);
        y += kButtonHeight + kButtonGap;
    }
    cmdAction[2] = button(QStringLiteral("&Close"), p, QStringLiteral("cmdAction2"));
    bottomRow(p, {cmdAction[2]});
    dropSharedAccessKey(CancelButton[1]);  // cmdAction(2) closes as well

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kHintMs);
    connect(Timer1, &QTimer::timeout, this, &frmCustom::Timer1_Timer);
}

void frmCustom::buildFontsPage() {
    QWidget* p = vseFonts;
    const double pw = ui::width(p);
    const double ph = ui::height(p);
    imgFontTable = named(new ui::Picture(QStringLiteral(":/custom/font_table.svg"), p),
                         QStringLiteral("imgFontTable"));
    imgFontTable->setAccessibleName(QStringLiteral(
        "Table of planets and houses in astrological glyphs, with a list of aspects"));
    ui::setGeometryTwips(imgFontTable, kMargin, 150, pw - 2 * kMargin, ph - 1950);
    cmdAction[1] = button(QStringLiteral("&Close"), p, QStringLiteral("cmdAction1"));
    bottomRow(p, {cmdAction[1]});
    lblFonts = named(paragraph(text::kFonts, p, kMargin, ph - 1650,
                               pw - 3 * kMargin - buttonWidth(cmdAction[1]), 1000),
                     QStringLiteral("lblFonts"));
}

void frmCustom::buildCtrImagePage() {
    QWidget* p = vseCtrImage;
    const double pw = ui::width(p);
    const double textHeight = wrappedHeight(text::kCtrImage, p->font(), pw - 2 * kMargin);
    lblCtrImage = named(paragraph(text::kCtrImage, p, kMargin, 150, pw - 2 * kMargin, textHeight),
                        QStringLiteral("lblCtrImage"));

    // The settings picture is drawn 320 x 300 pixels; its "Sun Sign" option sits
    // 108 pixels down, where the arrow points.
    const double top = std::max(1500.0, 150 + textHeight + 360);
    imgCtrImageForm = named(new ui::Picture(QStringLiteral(":/custom/center_image_form.svg"), p),
                            QStringLiteral("imgCtrImageForm"));
    imgCtrImageForm->setAccessibleName(
        QStringLiteral("Chart center image settings of the full program"));
    imgCtrImageForm->setCursor(Qt::PointingHandCursor);
    ui::setGeometryTwips(imgCtrImageForm, 1860, top, 4800, 4500);
    imgCtrImage = named(new ui::Picture(QStringLiteral(":/custom/center_image_chart.svg"), p),
                        QStringLiteral("imgCtrImage"));
    imgCtrImage->setAccessibleName(
        QStringLiteral("Chart with the image of its Sun sign, Pisces, at the centre"));
    const double chartSize = std::min(4500.0, pw - 7020 - kMargin);
    ui::setGeometryTwips(imgCtrImage, 7020, top, chartSize, chartSize);
    imgArrow =
        named(new ui::Picture(QStringLiteral(":/custom/arrow.svg"), p), QStringLiteral("imgArrow"));
    imgArrow->setAccessibleName(QStringLiteral("Arrow pointing at the Sun Sign option"));
    ui::setGeometryTwips(imgArrow, 0, top + 108 * 15 - 210, 720, 420);

    cmdAction[0] = button(QStringLiteral("&Close"), p, QStringLiteral("cmdAction0"));
    bottomRow(p, {cmdAction[0]});
}

void frmCustom::buildArabicPage() {
    QWidget* p = vseArabic;
    const double pw = ui::width(p);
    const double listLeft = 6840;
    const double listWidth = pw - kMargin - listLeft;
    lblArabic = named(paragraph(text::kArabic, p, kMargin, 150, listLeft - 3 * kMargin, 1100),
                      QStringLiteral("lblArabic"));

    // The saved parts, upper right, with what can be done to the list.
    lblPartNames = named(label(QStringLiteral("For sa&ved parts, click down arrow"), p, listLeft,
                               150, listWidth, 270),
                         QStringLiteral("lblPartNames"));
    cboPartNames = named(new ui::ComboBox(p), QStringLiteral("cboPartNames"));
    cboPartNames->setAccessibleName(QStringLiteral("Saved parts"));
    cboPartNames->setMaxVisibleItems(16);
    ui::setGeometryTwips(cboPartNames, listLeft, 450, listWidth, kFieldHeight);
    lblPartNames->setBuddy(cboPartNames);
    cmdAddArrow = named(new ui::CommandButton(QString(), p), QStringLiteral("cmdAddArrow"));
    cmdAddArrow->setIcon(ui::pictureIcon(QStringLiteral(":/custom/add_arrow.svg")));
    cmdAddArrow->setIconSize(QSize(20, 20));
    cmdAddArrow->setAccessibleName(QStringLiteral("Add the part to the list"));
    ui::setGeometryTwips(cmdAddArrow, listLeft, 930, 540, 480);
    lblAdd =
        named(label(QStringLiteral("Click to add"), p, listLeft + 660, 1035, listWidth - 660, 270),
              QStringLiteral("lblAdd"));
    cmdDeleteItem = button(QStringLiteral("&Delete Item"), p, QStringLiteral("cmdDeleteItem"));
    cmdClearItem = button(QStringLiteral("Clear &Item"), p, QStringLiteral("cmdClearItem"));
    const double half = (listWidth - kButtonGap) / 2;
    ui::setGeometryTwips(cmdDeleteItem, listLeft, 1560, half, kButtonHeight);
    ui::setGeometryTwips(cmdClearItem, listLeft + half + kButtonGap, 1560, half, kButtonHeight);

    // The formula: first point + second point - third point, with its options.
    auto* formula = named(new QGroupBox(p), QStringLiteral("fraFormula"));
    const double signWidth = 420;
    const double formulaWidth = pw - 2 * kMargin;
    const double operandWidth = std::floor((formulaWidth - 2 * 300 - 2 * signWidth) / 3);
    ui::setGeometryTwips(formula, kMargin, 2280, formulaWidth, 4200);
    lblPartName = named(label(QStringLiteral("Arabic Part"), formula, 300, 360, 4000, 270),
                        QStringLiteral("lblPartName"));
    PartName = named(new ui::TextBox(formula), QStringLiteral("PartName"));
    PartName->setAccessibleName(QStringLiteral("Arabic Part"));
    ui::setGeometryTwips(PartName, 300, 660, formulaWidth - 600, kFieldHeight);

    const double operandTop = 1680;
    const auto operand = [&](const char* name, const char* spoken, double l) {
        auto* c = named(new ui::ComboBox(formula), QLatin1String(name));
        c->setAccessibleName(QLatin1String(spoken));
        c->setMaxVisibleItems(16);
        ui::setGeometryTwips(c, l, operandTop, operandWidth, kFieldHeight);
        return c;
    };
    double x = 300;
    cboArPlanet1 = operand("cboArPlanet1", "First point", x);
    x += operandWidth;
    lblPlus = named(label(QStringLiteral("+"), formula, x, operandTop, signWidth, kFieldHeight),
                    QStringLiteral("lblPlus"));
    x += signWidth;
    cboArPlanet2 = operand("cboArPlanet2", "Second point", x);
    const double secondLeft = x;
    x += operandWidth;
    lblMinus = named(label(QStringLiteral("-"), formula, x, operandTop, signWidth, kFieldHeight),
                     QStringLiteral("lblMinus"));
    x += signWidth;
    cboArPlanet3 = operand("cboArPlanet3", "Third point", x);
    for (ui::Label* sign : {lblPlus, lblMinus}) {
        QFont f = sign->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.25);
        sign->setFont(f);
        sign->setAlignment(Qt::AlignCenter);
    }
    DegreeAmount = named(new ui::TextBox(formula), QStringLiteral("DegreeAmount"));
    DegreeAmount->setAccessibleName(QStringLiteral("Degree"));
    ui::setGeometryTwips(DegreeAmount, secondLeft, operandTop + kFieldHeight + 120, 900,
                         kFieldHeight);
    DegreeAmount->hide();  // until "Degree" is chosen as the second point

    ReverseBox = named(new ui::CheckBox(QStringLiteral("Reverse formula for night birth"), formula),
                       QStringLiteral("ReverseBox"));
    TradBox = named(new ui::CheckBox(QStringLiteral("Use traditional rulers"), formula),
                    QStringLiteral("TradBox"));
    ui::setGeometryTwips(ReverseBox, 300, 3060, 4200, kCheckHeight);
    ui::setGeometryTwips(TradBox, 300, 3450, 4200, kCheckHeight);
    fitted(ReverseBox);
    fitted(TradBox);
    ReverseBox->setChecked(true);
    TradBox->setChecked(true);

    OpenFileButton =
        button(QStringLiteral("Select &New File"), p, QStringLiteral("OpenFileButton"));
    SaveButton[0] = button(QStringLiteral("&Save List"), p, QStringLiteral("SaveButton0"));
    HelpButton[0] = button(QStringLiteral("&Help"), p, QStringLiteral("HelpButton0"));
    cmdClose = button(QStringLiteral("&Close"), p, QStringLiteral("cmdClose"));
    bottomRow(p, {OpenFileButton, SaveButton[0], HelpButton[0], cmdClose});
}

void frmCustom::buildRulersPage() {
    QWidget* p = vseRulers;
    const double pw = ui::width(p);
    const QFont mono = fixedFont(p->font());
    const double cw = ui::textWidthTwips(mono, QStringLiteral("0"));
    const double x0 = 600;
    auto* table =
        named(new QWidget(p), QStringLiteral("tblRulers"));  // keeps the header over its columns
    ui::setGeometryTwips(table, x0, 300, cw * 41 + 60, 360 + 420.0 * 12);
    lblRulerHeader =
        named(label(text::kRulerHeader, table, 0, 0, cw * text::kRulerHeader.size() + 60, 270),
              QStringLiteral("lblRulerHeader"));
    lblRulerHeader->setFont(mono);
    for (size_t i = 0; i < 12; ++i) {
        const double y = 360 + 420.0 * static_cast<double>(i);
        const QString sign = QString::fromLatin1(signNames()[i]);
        lblSign[i] = named(label(sign, table, cw * 10, y, cw * 14, kFieldHeight),
                           QStringLiteral("lblSign%1").arg(i));
        auto* box = named(new ui::TextBox(table), QStringLiteral("SignPlanet%1").arg(i));
        box->setAccessibleName(sign + QStringLiteral(" ruler"));
        ui::setGeometryTwips(box, cw * 34 - 390, y, 780, kFieldHeight);
        SignPlanet[i] = box;
    }

    const double right = 6600;
    const double rightWidth = pw - kMargin - right;
    fraRulers =
        named(new QGroupBox(QStringLiteral("Display Rulers For:"), p), QStringLiteral("fraRulers"));
    ui::setGeometryTwips(fraRulers, right, 210, 3000, 1080);
    optRulers = new ui::OptionArray(this);
    for (int i = 0; i < 2; ++i) {
        auto* b =
            named(optRulers->add(i == 0 ? QStringLiteral("Modern") : QStringLiteral("Traditional"),
                                 fraRulers),
                  QStringLiteral("optRulers%1").arg(i));
        ui::setGeometryTwips(b, 240, 330 + 330.0 * i, 2400, kCheckHeight);
        fitted(b);
    }
    chkTraditional = named(new ui::CheckBox(QStringLiteral("Use Traditional?"), p),
                           QStringLiteral("chkTraditional"));
    ui::setGeometryTwips(chkTraditional, right, 1500, 3000, kCheckHeight);
    fitted(chkTraditional);
    lblDefaultModern = named(label(QStringLiteral("Default is Modern"), p, right, 1890, 3000, 270),
                             QStringLiteral("lblDefaultModern"));
    lblRulers = named(paragraph(text::kRulers, p, right, 2400, rightWidth, 2700),
                      QStringLiteral("lblRulers"));

    btnDefault[0] = button(QStringLiteral("Return to &Default"), p, QStringLiteral("btnDefault0"));
    SaveButton[1] = button(QStringLiteral("Save Modern Rulers"), p, QStringLiteral("SaveButton1"));
    HelpButton[1] = button(QStringLiteral("&Help"), p, QStringLiteral("HelpButton1"));
    CancelButton[0] = button(QStringLiteral("&Close"), p, QStringLiteral("CancelButton0"));
    bottomRow(p, {btnDefault[0], SaveButton[1], HelpButton[1], CancelButton[0]});
    // The save button also has to hold the traditional caption.
    const double grow = buttonWidth(SaveButton[1], {QStringLiteral("Save Traditional Rulers")}) -
                        ui::width(SaveButton[1]);
    if (grow > 0) {
        ui::setWidth(SaveButton[1], ui::width(SaveButton[1]) + grow);
        ui::setLeft(SaveButton[1], ui::left(SaveButton[1]) - grow);
        ui::setLeft(btnDefault[0], ui::left(btnDefault[0]) - grow);
    }
}

void frmCustom::buildAsteroidsPage() {
    QWidget* p = vseAsteroids;
    const double pw = ui::width(p);
    const double ph = ui::height(p);
    lblRoidClick = named(label(QStringLiteral("Click to select or deselect an asteroid."), p,
                               kMargin, 150, 3900, 270),
                         QStringLiteral("lblRoidClick"));
    lstRoid = named(new ui::ListBox(p), QStringLiteral("lstRoid"));
    lstRoid->setSelectionMode(QAbstractItemView::MultiSelection);
    lstRoid->setAccessibleName(QStringLiteral("Asteroids"));
    ui::setGeometryTwips(lstRoid, kMargin, 450, 3900, ph - 450 - kMargin);

    const double right = 4500;
    const double rightWidth = pw - kMargin - right;
    const double textHeight = wrappedHeight(asteroidsDescription(), p->font(), rightWidth);
    lblAsteroids = named(paragraph(QString(), p, right, 150, rightWidth, textHeight),
                         QStringLiteral("lblAsteroids"));
    const double fontTop = 150 + textHeight + 240;
    lblRoidFont =
        named(label(QStringLiteral("Optional font Penwick Asteroid 1 has not been installed."), p,
                    right, fontTop, rightWidth, 270),
              QStringLiteral("lblRoidFont"));
    auto* g = group(p, right, fontTop + 420, rightWidth, 660);
    optRoidShow = new ui::OptionArray(this);
    for (int i = 0; i < 2; ++i) {
        auto* b = named(optRoidShow->add(i == 0 ? QStringLiteral("Show Both Name and Glyph")
                                                : QStringLiteral("Show Just Glyph"),
                                         g),
                        QStringLiteral("optRoidShow%1").arg(i));
        ui::setGeometryTwips(b, 0, 330.0 * i, rightWidth, kCheckHeight);
        fitted(b);
    }
    (*optRoidShow)[0]->setChecked(true);

    SaveButton[4] = button(QStringLiteral("&Save && Exit"), p, QStringLiteral("SaveButton4"));
    CancelButton[2] = button(QStringLiteral("&Cancel"), p, QStringLiteral("CancelButton2"));
    cmdAction[4] = button(QStringLiteral("&Close"), p, QStringLiteral("cmdAction4"));
    bottomRow(p, {SaveButton[4], CancelButton[2], cmdAction[4]});
    dropSharedAccessKey(CancelButton[2]);  // cmdAction(4) closes as well
}

void frmCustom::wireButtons() {
    for (size_t i = 0; i < SaveButton.size(); ++i) {
        connect(SaveButton[i], &QPushButton::clicked, this,
                [this, i] { SaveButton_Click(static_cast<int>(i)); });
    }
    for (ui::CommandButton* b : HelpButton)
        connect(b, &QPushButton::clicked, this, &frmCustom::HelpButton_Click);
    for (ui::CommandButton* b : cmdAction)
        connect(b, &QPushButton::clicked, this, &frmCustom::Unload);
    for (ui::CommandButton* b : CancelButton)
        connect(b, &QPushButton::clicked, this, &frmCustom::Unload);
    connect(cmdClose, &QPushButton::clicked, this, &frmCustom::Unload);
    connect(Command1, &QPushButton::clicked, this, &frmCustom::Command1_Click);
    for (size_t i = 0; i < btnDefault.size(); ++i) {
        connect(btnDefault[i], &QPushButton::clicked, this,
                [this, i] { btnDefault_Click(static_cast<int>(i)); });
    }
    connect(vseCmdPointValues, &QPushButton::clicked, this, &frmCustom::vseCmdPointValues_Click);
    connect(OpenFileButton, &QPushButton::clicked, this, &frmCustom::OpenFileButton_Click);
    connect(imgCtrImageForm, &ui::Picture::Click, this, &shell::ShowPictureNotice);
    connect(optOrbs, &ui::OptionArray::Click, this, &frmCustom::optOrbs_Click);
    connect(optRulers, &ui::OptionArray::Click, this, &frmCustom::optRulers_Click);
    connect(cboPartNames, &ui::ComboBox::Click, this, &frmCustom::cboPartNames_Click);
    connect(cboArPlanet2, &ui::ComboBox::Click, this, &frmCustom::cboArPlanet2_Click);
    const auto pair = [this](CheckPair& boxes, void (frmCustom::*handler)(int)) {
        for (int i = 0; i < 2; ++i) {
            connect(boxes[static_cast<size_t>(i)], &ui::CheckBox::Click, this,
                    [this, handler, i] { (this->*handler)(i); });
        }
    };
    pair(CheckMN, &frmCustom::CheckMN_Click);
    pair(CheckBlackMoon, &frmCustom::CheckBlackMoon_Click);
    pair(CheckPF, &frmCustom::CheckPF_Click);
}

// ------------------------------------------------------------------ load

void frmCustom::Form_Load() {
    shell::CenterForm(*this);
    VSIndexTab1->setCurrTab(0);
    lblPlanets->setText(planetsDescription());
    SetSpecialPoints();
    shell::OrbListIndex = 0;
    DefaultOrbs = FillDefaultOrbs();
    CopyToOrbTable(DefaultOrbs, shell::OrbTable);
    FillArabicLists();
    ShowModernRulers();
    FillAsteroids();
    lblAsteroids->setText(asteroidsDescription());
    OrbHintPending = true;
    // The glyphs depend on the boxes' design sizes only, so they are drawn once here;
    // every paint of a box replays its drawing, whatever the window's size.
    Form_Paint();
}

void frmCustom::Form_Paint() {
    const double Pi = 3.14159265358979;
    const auto DegToRad = static_cast<float>(Pi / 180);
    // Whole-number division of whole numbers, each side rounded first.
    const auto half = [](double v) { return static_cast<int>(std::nearbyint(v)) / 2; };
    const auto letter = [&](size_t box, const QString& text, ui::Canvas& measuredIn) {
        ui::Canvas& g = *picGlyph[box];
        g.Cls();
        g.setCurrentX(half(ui::width(&g)) - half(measuredIn.TextWidth(text)));
        g.setCurrentY(half(ui::height(&g)) - half(measuredIn.TextHeight(text)));
        g.Print(text);
    };

    int C = half(ui::width(picGlyph[0]));
    int R = static_cast<int>(std::nearbyint(ui::width(picGlyph[0]))) / 8;
    letter(0, QStringLiteral("A"), *picGlyph[0]);
    letter(1, QStringLiteral("M"), *picGlyph[1]);
    using Routine = void (*)(ui::Canvas&, int, int, int, float);
    const std::array<Routine, 8> routines{DrawNorthNode, DrawSouthNode, DrawFortune, DrawChiron,
                                          DrawCeres,     DrawPallas,    DrawJuno,    DrawVesta};
    for (size_t i = 0; i < routines.size(); ++i) {
        picGlyph[i + 2]->Cls();
        routines[i](*picGlyph[i + 2], C, C, R, DegToRad);
    }
    letter(10, QStringLiteral("V"), *picGlyph[0]);
    letter(11, QStringLiteral("E"), *picGlyph[1]);
    C = half(ui::width(picGlyph[12]));
    R = static_cast<int>(std::nearbyint(ui::width(picGlyph[12]))) / 8;
    picGlyph[12]->Cls();
    DrawBlackMoon(*picGlyph[12], C, C, R);
}

void frmCustom::SetSpecialPoints() {
    optMoon->select(0);
    (*optMoon)[0]->setEnabled(false);
    (*optMoon)[1]->setEnabled(false);
    PFReverseBox->setEnabled(false);
    optBlackMoon->select(0);
    (*optBlackMoon)[0]->setEnabled(false);
    (*optBlackMoon)[1]->setEnabled(false);
}

void frmCustom::FillArabicLists() {
    PartPointNames = partPointNames();
    const std::array<ui::ComboBox*, 3> lists{cboArPlanet1, cboArPlanet2, cboArPlanet3};
    for (size_t l = 0; l < lists.size(); ++l) {
        lists[l]->clear();
        lists[l]->addItems(operandList(static_cast<int>(l) + 1, PartPointNames));
        lists[l]->setCurrentIndex(-1);
    }
    std::vector<QString> samples;
    for (const char* f : sampleFormulas()) samples.emplace_back(QString::fromLatin1(f));
    cboPartNames->clear();
    // Each entry keeps its formula's slot, so a formula left out does not shift the others.
    for (const PartEntry& e : FillPartFormulas(samples)) cboPartNames->addItem(e.name, e.slot);
    cboPartNames->setCurrentIndex(-1);
}

void frmCustom::FillAsteroids() {
    for (size_t i = 0; i < AsteroidNames.size(); ++i)
        AsteroidNames[i] = QString::fromLatin1(asteroidNames()[i]);
    lstRoid->clear();
    for (const QString& name : AsteroidNames) {
        lstRoid->AddItem(name);
        lstRoid->item(lstRoid->count() - 1)->setSelected(true);
    }
    lstRoid->scrollToTop();
}

// ------------------------------------------------------------------ tabs, hint, arrow

void frmCustom::VSIndexTab1_Click() {
    OrbHintSuppressed = true;
}

void frmCustom::VSIndexTab1_Switch(int tab) {
    if (tab == 1) {
        OrbHintSuppressed = false;
        optOrbs->select(0);
        Timer1->start();
    } else if (tab == 3) {
        MoveArrow();
    }
}

void frmCustom::Timer1_Timer() {
    Timer1->stop();
    if (ui::msgBoxOpen()) {  // another box is up: the hint waits its turn
        Timer1->start();
        return;
    }
    if (VSIndexTab1->CurrTab() == 1 && OrbHintPending) {
        if (!OrbHintSuppressed) {
            Message = text::kOrbHint;
            ui::msgBox(Message, ui::Icon::Information, shell::DemoTitle);
        }
        OrbHintPending = false;
    }
}

void frmCustom::MoveArrow() {
    // Every twip is a step, as the picture was always moved; the wall clock paces
    // the pixels that show, so the slide takes the same time on any machine.
    animating_ = true;
    QElapsedTimer clock;
    clock.start();
    int shownAt = -1;
    for (int left = 0; left <= kArrowEnd; ++left) {
        ui::setLeft(imgArrow, left);
        if (imgArrow->x() == shownAt)
            continue;
        shownAt = imgArrow->x();
        const qint64 due = static_cast<qint64>(kArrowMs) * left / kArrowEnd;
        if (const qint64 wait = due - clock.elapsed(); wait > 0)
            ui::pause(static_cast<int>(wait));
    }
    animating_ = false;
}

void frmCustom::closeEvent(QCloseEvent* e) {
    // The arrow's slide takes no input; a close request waits until it is over.
    if (animating_) {
        e->ignore();
        return;
    }
    ui::Form::closeEvent(e);
}

// ------------------------------------------------------------------ aspects and rulers

void frmCustom::optOrbs_Click(int index) {
    shell::OrbListIndex = index;
    if (index >= 0 && index <= 6)
        SaveButton[3]->setText(orbSaveCaption(index));
    for (int a = 1; a <= kAspectCount; ++a) {
        const auto i = static_cast<size_t>(a - 1);
        OrbL[i]->setText(orbShown(shell::OrbTable(index, a)));
        OrbP[i]->setText(orbShown(shell::OrbTable(index + 8, a)));
        OrbL[i]->setProperty(kOrbEntryProperty, OrbL[i]->text());
        OrbP[i]->setProperty(kOrbEntryProperty, OrbP[i]->text());
    }
}

void frmCustom::btnDefault_Click(int index) {
    if (index == 0) {
        if ((*optRulers)[0]->isChecked()) {
            ShowModernRulers();
        } else {
            ShowTraditionalRulers();
        }
        return;
    }
    const int type = std::clamp(shell::OrbListIndex, 0, kListTypes - 1);
    for (int a = 0; a < kAspectCount; ++a) {
        const auto i = static_cast<size_t>(a);
        OrbL[i]->setText(orbShown(DefaultOrbs(type, a).lights));
        OrbP[i]->setText(orbShown(DefaultOrbs(type, a).planets));
        OrbL[i]->setProperty(kOrbEntryProperty, OrbL[i]->text());
        OrbP[i]->setProperty(kOrbEntryProperty, OrbP[i]->text());
    }
}

void frmCustom::ShowModernRulers() {
    for (size_t i = 0; i < SignPlanet.size(); ++i)
        SignPlanet[i]->setText(QString::fromLatin1(modernRulers()[i]));
}

void frmCustom::ShowTraditionalRulers() {
    for (size_t i = 0; i < SignPlanet.size(); ++i)
        SignPlanet[i]->setText(QString::fromLatin1(traditionalRulers()[i]));
}

void frmCustom::optRulers_Click(int index) {
    if (index == 0) {
        ShowModernRulers();
        SaveButton[1]->setText(QStringLiteral("Save Modern Rulers"));
    } else {
        ShowTraditionalRulers();
        SaveButton[1]->setText(QStringLiteral("Save Traditional Rulers"));
    }
}

// ------------------------------------------------------------------ buttons

void frmCustom::SaveButton_Click(int index) {
    Message = text::save(index);
    ui::msgBox(Message, ui::Icon::Exclamation, shell::DemoTitle);
}

void frmCustom::HelpButton_Click() {
    Message = text::kHelp;
    ui::msgBox(Message, ui::Icon::Exclamation, shell::DemoTitle);
}

void frmCustom::Command1_Click() {
    Message = text::kCancel;
    ui::msgBox(Message, ui::Icon::Information, QStringLiteral("Cancel"));
}

void frmCustom::vseCmdPointValues_Click() {
    PointValues::open(this);
}

void frmCustom::OpenFileButton_Click() {
    Message = text::kOpenFile;
    ui::msgBox(Message, ui::Icon::Exclamation, shell::DemoTitle);
}

// ------------------------------------------------------------------ special points

namespace {
// The rule the nodes and Black Moon Lilith share: no include without display, and
// the mean/true choice only for a displayed point.
void tieOptions(int index, const std::array<ui::CheckBox*, 2>& boxes, ui::OptionArray& options) {
    if (index == 0 && boxes[0]->value() == Qt::Unchecked)
        boxes[1]->setValue(Qt::Unchecked);
    if (boxes[0]->value() != Qt::PartiallyChecked) {
        const bool on = boxes[0]->value() == Qt::Checked;
        options[0]->setEnabled(on);
        options[1]->setEnabled(on);
    }
}
}  // namespace

void frmCustom::CheckMN_Click(int index) {
    tieOptions(index, CheckMN, *optMoon);
}
void frmCustom::CheckBlackMoon_Click(int index) {
    tieOptions(index, CheckBlackMoon, *optBlackMoon);
}

void frmCustom::CheckPF_Click(int index) {
    if (index == 0 && CheckPF[0]->value() == Qt::Unchecked)
        CheckPF[1]->setValue(Qt::Unchecked);
    if (CheckPF[0]->value() == Qt::Unchecked)
        PFReverseBox->setValue(Qt::Unchecked);
    PFReverseBox->setEnabled(CheckPF[0]->value() == Qt::Checked);
}

// ------------------------------------------------------------------ Arabic parts

void frmCustom::cboPartNames_Click() {
    const int position = cboPartNames->ListIndex();
    if (position >= 0)
        ShowArabicPart(cboPartNames->itemData(position).toInt());
}

void frmCustom::cboArPlanet2_Click() {
    DegreeAmount->setVisible(cboArPlanet2->currentIndex() >= 0 &&
                             cboArPlanet2->currentText() == u"Degree");
}

void frmCustom::ShowArabicPart(int slot) {
    if (slot < 0 || slot >= kFormulaSlots)
        return;
    const PartFields f = SplitPartFormula(PartFormulas[static_cast<size_t>(slot)]);
    if (f.f1.isEmpty())
        return;
    cboArPlanet1->setListIndex(listPosition(f.f1));
    const int second = listPosition(f.f2);
    cboArPlanet2->setListIndex(second);
    if (second == cboArPlanet2->count() - 1) {
        DegreeAmount->setText(f.f2.mid(f.f2.indexOf(u'&') + 1));
    } else {
        DegreeAmount->clear();
    }
    cboArPlanet3->setListIndex(listPosition(f.f3));
    PartName->setText(f.f4);
    ReverseBox->setValue(f.reverse != 0);
    TradBox->setValue(f.traditional != 0);
}

}  // namespace custom
