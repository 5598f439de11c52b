#include "tours/frmpcatlas.h"

#include <QCheckBox>
#include <QTimer>
#include <QVBoxLayout>

#include "shell/screen.h"
#include "tours/atlas_texts.h"
#include "ui/controls.h"
#include "ui/elastic.h"
#include "ui/indextab.h"
#include "ui/msgbox.h"
#include "ui/pause.h"
#include "ui/picture.h"
#include "ui/twips.h"

namespace tours {

namespace {

// Design sizes in twips.
constexpr double kClientWidth = 8400;
constexpr double kClientHeight = 7200;
constexpr double kTopPanelHeight = 900;
constexpr double kBoxHeight = 345;
constexpr double kRowStep = 450;
constexpr double kResultTop = 2040;
constexpr double kResultStep = 300;
constexpr double kButtonLeft = 6000;
constexpr double kButtonWidth = 1920;
constexpr double kButtonHeight = 420;

using ui::label;

using ui::paragraph;

}  // namespace

frmPCAtlas::frmPCAtlas() {
    setObjectName(QStringLiteral("frmPCAtlas"));
    setWindowTitle(QStringLiteral("Access ACS' PC Atlas"));
    setDesignClientSizeTwips(kClientWidth, kClientHeight);

    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->setSpacing(0);
    VSElastic1 = new ui::ElasticPanel(this);
    VSElastic1->setObjectName(QStringLiteral("VSElastic1"));
    VSElastic1->setDesignSizeTwips(kClientWidth, kTopPanelHeight);
    VSElastic1->setMinimumHeight(ui::toPixels(kTopPanelHeight));
    VSElastic1->setMaximumHeight(ui::toPixels(kTopPanelHeight));
    whole->addWidget(VSElastic1);
    Label1 = paragraph(atlas::kIntroduction, VSElastic1, 180, 120, 6300, 690);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    cmdAction[0] = new ui::CommandButton(QStringLiteral("&Close"), VSElastic1);
    cmdAction[0]->setObjectName(QStringLiteral("cmdAction0"));
    ui::setGeometryTwips(cmdAction[0], kButtonLeft + 180, 240, kButtonWidth, kButtonHeight);
    connect(cmdAction[0], &ui::CommandButton::clicked, this, [this] { cmdAction_Click(0); });

    VSIndexTab1 = new ui::IndexTab(this);
    VSIndexTab1->setObjectName(QStringLiteral("VSIndexTab1"));
    VSIndexTab1->setCaptions(QStringLiteral("&PC Atlas Screen|&Becomes..."));
    auto* tabRow = new QVBoxLayout;
    tabRow->setContentsMargins(ui::toPixels(60), 0, ui::toPixels(60), ui::toPixels(60));
    tabRow->addWidget(VSIndexTab1);
    whole->addLayout(tabRow, 1);
    vsePCAtlas = static_cast<ui::ElasticPanel*>(VSIndexTab1->page(0));
    vsePCAtlas->setObjectName(QStringLiteral("vsePCAtlas"));
    vseNatal = static_cast<ui::ElasticPanel*>(VSIndexTab1->page(1));
    vseNatal->setObjectName(QStringLiteral("vseNatal"));
    // The pages' design size is what they get in a window of the design size.
    resize(ui::toPixels(kClientWidth), ui::toPixels(kClientHeight));
    layout()->activate();
    const QSizeF page = VSIndexTab1->pageSizeTwips();
    vsePCAtlas->setDesignSizeTwips(page.width(), page.height());
    vseNatal->setDesignSizeTwips(page.width(), page.height());

    buildAtlasPage();
    buildNatalPage();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kReplayDelayMs);
    connect(Timer1, &QTimer::timeout, this, &frmPCAtlas::Timer1_Timer);
    connect(VSIndexTab1, &ui::IndexTab::Click, this, &frmPCAtlas::VSIndexTab1_Click);
}

void frmPCAtlas::buildAtlasPage() {
    QWidget* p = vsePCAtlas;
    // Caption and box pairs in three rows; a caption's access key focuses its box.
    struct Field {
        const char* caption;
        double left;
        double top;
        double width;
    };
    const std::array<Field, 7> fields{{{"&Place:", 240, 180, 4500},
                                       {"&Month:", 240, 180 + kRowStep, 480},
                                       {"&Day:", 1860, 180 + kRowStep, 480},
                                       {"&Year:", 3480, 180 + kRowStep, 720},
                                       {"H&our:", 240, 180 + 2 * kRowStep, 480},
                                       {"M&inute:", 1860, 180 + 2 * kRowStep, 480},
                                       {"Seco&nd:", 3480, 180 + 2 * kRowStep, 480}}};
    constexpr double kCaptionWidth = 960;
    for (size_t i = 0; i < fields.size(); ++i) {
        const Field& f = fields[i];
        auto* box = new ui::TextBox(p);
        box->setObjectName(QStringLiteral("txtBox%1").arg(i));
        ui::setGeometryTwips(box, f.left + kCaptionWidth, f.top, f.width, kBoxHeight);
        auto* caption =
            label(QString::fromLatin1(f.caption), p, f.left, f.top, kCaptionWidth - 60, kBoxHeight);
        caption->setObjectName(QStringLiteral("lblBoxCaption%1").arg(i));
        caption->setBuddy(box);
        txtBox[i] = box;
        lblBoxCaption[i] = caption;
    }

    Option1 = new ui::OptionArray(this);
    const double optionTop = 180 + 3 * kRowStep;
    ui::setGeometryTwips(Option1->add(QStringLiteral("AM"), p), 1200, optionTop, 720, 330);
    ui::setGeometryTwips(Option1->add(QStringLiteral("PM"), p), 1980, optionTop, 720, 330);
    (*Option1)[0]->setObjectName(QStringLiteral("Option1_0"));
    (*Option1)[1]->setObjectName(QStringLiteral("Option1_1"));
    chkHospitals = new ui::CheckBox(QStringLiteral("Display Hospitals"), p);
    chkHospitals->setObjectName(QStringLiteral("chkHospitals"));
    ui::setGeometryTwips(chkHospitals, 3480, optionTop, 2200, 330);

    const std::array<const char*, 7> resultCaptions{
        "City",       "County or Province", "State or Country", "Latitude:",
        "Longitude:", "Time zone+type:",    "Add to get UT:"};
    for (size_t i = 0; i < lblReturn.size(); ++i) {
        const double t = kResultTop + kResultStep * static_cast<double>(i);
        lblReturnCaption[i] =
            label(QString::fromLatin1(resultCaptions[i]), p, 240, t, 1860, kResultStep);
        lblReturnCaption[i]->setObjectName(QStringLiteral("lblReturnCaption%1").arg(i));
        lblReturn[i] = label(QString(), p, 2160, t, 2640, kResultStep);
        lblReturn[i]->setObjectName(QStringLiteral("lblReturn%1").arg(i));
        lblReturn[i]->setAccessibleName(QString::fromLatin1(resultCaptions[i]).remove(u':'));
        lblReturn[i]->setFrameShape(QFrame::Panel);
        lblReturn[i]->setFrameShadow(QFrame::Sunken);
        lblReturn[i]->setIndent(ui::toPixels(60));
    }
    ZoneAbbrev = label(QString(), p, 4860, kResultTop + 5 * kResultStep, 720, kResultStep);
    ZoneAbbrev->setObjectName(QStringLiteral("ZoneAbbrev"));
    ZoneAbbrev->setAccessibleName(QStringLiteral("Time zone abbreviation"));
    ZoneAbbrev->setFrameShape(QFrame::Panel);
    ZoneAbbrev->setFrameShadow(QFrame::Sunken);
    ZoneAbbrev->setAlignment(Qt::AlignCenter);

    // The atlas buttons down the right: the lookups, then the transfers to and
    // from the natal information screen under their heading.
    double t = 180;
    for (size_t i = 0; i < cmdAtlas.size(); ++i) {
        if (i == 5) {
            Label14 = label(atlas::kNatalScreenHeading, p, kButtonLeft, t + 30, kButtonWidth + 240,
                            kResultStep);
            Label14->setObjectName(QStringLiteral("Label14"));
            t += kRowStep - 60;
        }
        auto* b = new ui::CommandButton(atlas::kAtlasButtons[i], p);
        b->setObjectName(QStringLiteral("cmdAtlas%1").arg(i));
        ui::setGeometryTwips(b, kButtonLeft, t, kButtonWidth, kButtonHeight);
        const int index = static_cast<int>(i);
        connect(b, &ui::CommandButton::clicked, this, [this, index] { cmdAtlas_Click(index); });
        cmdAtlas[i] = b;
        t += kRowStep;
    }

    Label18 = paragraph(QString(), p, 240, kResultTop + 7 * kResultStep + 180, 7680, 720);
    Label18->setObjectName(QStringLiteral("Label18"));
    QFont bold = Label18->font();
    bold.setBold(true);
    Label18->setFont(bold);
    QPalette pal = Label18->palette();
    pal.setColor(QPalette::WindowText, QColor(0x1f, 0x3a, 0x5f));
    Label18->setPalette(pal);
    Label19 = paragraph(atlas::kFreeAtlas, p, 240, kResultTop + 7 * kResultStep + 1020, 7680, 480);
    Label19->setObjectName(QStringLiteral("Label19"));
}

void frmPCAtlas::buildNatalPage() {
    imgNatal = new ui::Picture(QStringLiteral(":/tours/atlas_natal.svg"), vseNatal);
    imgNatal->setObjectName(QStringLiteral("imgNatal"));
    imgNatal->setAccessibleName(QStringLiteral(
        "The Natal Information Screen with the birth data and the atlas result entered"));
    ui::setGeometryTwips(imgNatal, 120, 300, 5640, 4700);
    Label2 = paragraph(atlas::kBecomes, vseNatal, 5880, 900, 2000, 3600);
    Label2->setObjectName(QStringLiteral("Label2"));
}

void frmPCAtlas::Form_Load() {
    FirstTabClick = true;
    shell::CenterForm(*this);
    VSIndexTab1->setCurrTab(0);
    VSIndexTab1->pageSizeTwips();  // the pages laid out, so their width is known
    ui::setLeft(Label2, ui::left(imgNatal) + ui::width(imgNatal) +
                            shell::centredOffset(ui::width(vseNatal) - ui::width(imgNatal),
                                                 ui::width(Label2), 2));
    Timer1->start();
}

// ------------------------------------------------------------------ events

void frmPCAtlas::Timer1_Timer() {
    Timer1->stop();
    // A tick while the input is being typed plays it again once that is over,
    // never in the middle of it.
    if (replaying_) {
        tickWaiting_ = true;
        return;
    }
    PlayAtlasInput();
}

void frmPCAtlas::VSIndexTab1_Click() {
    if (FirstTabClick) {
        FirstTabClick = false;
        return;
    }
    if (VSIndexTab1->CurrTab() != 0)
        return;
    // Click comes before the page switch: show the atlas page now, so the typing
    // is seen where it goes.
    VSIndexTab1->Refresh();
    PlayAtlasInput();
}

void frmPCAtlas::cmdAtlas_Click(int index) {
    if (index == 0) {
        txtBox[0]->setText(atlas::kResultPlace);
        for (size_t i = 0; i < lblReturn.size(); ++i) lblReturn[i]->setText(atlas::kResults[i]);
        ZoneAbbrev->setText(atlas::kResultZoneAbbrev);
        Label18->setText(QStringLiteral("All the information returned by the PC Atlas is "));
        Label18->setText(Label18->text() + QStringLiteral("displayed almost immediately.  "));
        Label18->setText(Label18->text() + QStringLiteral("\r\n\n"));
        Label18->setText(Label18->text() +
                         QStringLiteral("Try clicking on the other command buttons."));
        return;
    }
    if (index > 0 && index < static_cast<int>(cmdAtlas.size()))
        ui::msgBox(atlas::kAtlasMessages[static_cast<size_t>(index)], ui::Icon::Information,
                   shell::DemoTitle);
}

void frmPCAtlas::cmdAction_Click(int) {
    Unload();
}

// ------------------------------------------------------------------ replay

void frmPCAtlas::PlayAtlasInput() {
    replaying_ = true;
    for (ui::TextBox* box : txtBox) box->clear();
    for (ui::Label* l : lblReturn) l->clear();
    for (size_t i = 0; i < txtBox.size(); ++i)
        TypeIntoBox(atlas::kSampleInput[i], *txtBox[i], charPauseMs);
    Option1->select(0);
    Label18->setText(QStringLiteral("Try clicking on the \"Read &Atlas\" Button."));
    replaying_ = false;
    if (tickWaiting_) {
        tickWaiting_ = false;
        QTimer::singleShot(0, this, &frmPCAtlas::Timer1_Timer);
    }
}

void frmPCAtlas::TypeIntoBox(const QString& text, ui::TextBox& box, int pauseMs) {
    for (qsizetype n = 1; n <= text.size(); ++n) {
        box.setText(text.left(n));
        box.repaint();
        ui::pause(pauseMs);
    }
}

}  // namespace tours
