#include "shell/mainmenu.h"

#include <QEvent>
#include <QFrame>
#include <QIcon>
#include <QMouseEvent>

#include "shell/screen.h"
#include "shell/vocabulary.h"
#include "ui/controls.h"
#include "ui/elastic.h"
#include "ui/form.h"
#include "ui/keyboard.h"
#include "ui/twips.h"

namespace shell {

namespace {

struct Feature {
    const char* caption;
    const char* picture;
    int left;
    int top;
};

// Indexed as the button array; positions in twips inside picMain.
constexpr std::array<Feature, Form1::kFeatureCount> kFeatures{{
    {"&Files", "files", 0, 0},
    {"&Options", "options", 1200, 0},
    {"&PC Atlas", "atlas", 2388, 0},
    {"&Customizing", "customizing", 4800, 0},
    {"&More Data", "moredata", 0, 975},
    {"&Tables", "tables", 1200, 975},
    {"Researc&h", "research", 3588, 0},
    {"&Synastry", "synastry", 2400, 975},
    {"&Reports", "reports", 3600, 960},
    {"&Editing", "editing", 4800, 960},
}};

const std::array<QString, Form1::kFeatureCount> kDescriptions{
    QStringLiteral("Several File Options are available in Starwright."),
    QStringLiteral("Starwright adds the ability to do more detailed transits and progressions lists, a variety of "
                   "charts derived from the natal chart, progressed charts for a particular date, and "
                   "compatibility searches."),
    QStringLiteral("Click here to see how Starwright interfaces with PC Atlas."),
    QStringLiteral("Starwright is fully customizable to work to your preferences."),
    QStringLiteral("Add a variety of information about the chart native to an Access 2.0 database."),
    QStringLiteral("Produce tables of All Angles between planets, Midpoints and their aspects, Arabic Parts and "
                   "their aspects, a Chart Analysis, a sunrise chart, and print your courtesy information."),
    QStringLiteral("Search large chart files (such as Penwick Software's Vellacore File) for charts which meet "
                   "specific criteria."),
    QStringLiteral("Create reports of the synastry between two charts based on their planets, midpoints, Arabic "
                   "Parts, and asteroids.  Also create composite charts."),
    QStringLiteral("With version 8.1 for Windows 95/98/ME/NT/2000/XP/Vista/Windows 7/Windows 8, create "
                   "interpretation reports from interpretation sets that we sell or from sets that you have "
                   "entered."),
    QStringLiteral("Edit the interpretation sets that we sell or create your own interpretation sets on which to "
                   "draw."),
};

// Tab order of the buttons as designed (Exit sits between Tables and Research).
constexpr std::array<int, Form1::kFeatureCount> kTabOrder{0, 1, 3, 2, 4, 5, 6, 7, 8, 9};

const QString kExitDescription = QStringLiteral("Click the Exit button to end the Starwright Demo.");

const QString kSalesSentence = QStringLiteral(
    "Version 8.1 of Starwright for Windows, called Starwright Scribeline, costs $169.  After you register "
    "Skyloom for $45.00, there is a $25 discount on Starwright.");

QFrame* panel3D(QWidget* parent, QFrame::Shadow shadow) {
    auto* f = new QFrame(parent);
    f->setFrameShape(QFrame::Panel);
    f->setFrameShadow(shadow);
    f->setLineWidth(2);
    f->setMouseTracking(true);
    return f;
}

}  // namespace

const QString& Form1::description(int index) { return kDescriptions.at(static_cast<size_t>(index)); }

Form1::Form1(QWidget* parent) : QWidget(parent) {
    ui::installKeyboardRules();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Demo of additional features in Starwright for Windows"));
    setWindowIcon(ProgramIcon());
    ui::keepDesignedTabOrder(this);  // the buttons' order is not their reading order
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    pal.setColor(QPalette::Button, QColor(0xC0, 0xC0, 0xC0));
    setPalette(pal);
    setAutoFillBackground(true);
    ui::setClientSizeTwips(this, 8865, 4095);
    setFixedSize(size());

    buildButtons();
    buildStatusAndLogo();
}

void Form1::buildButtons() {
    picMain = new QWidget(this);
    picMain->setObjectName(QStringLiteral("picMain"));
    ui::setGeometryTwips(picMain, 0, 0, 8865, 1965);

    for (int i = 0; i < kFeatureCount; ++i) {
        const Feature& f = kFeatures[static_cast<size_t>(i)];
        auto* b = new ui::PictureButton(QString::fromLatin1(f.caption), picMain);
        b->setObjectName(QStringLiteral("cmdAction%1").arg(i));
        b->setIcon(ButtonPicture(QLatin1String(f.picture)));
        b->setIconSize(QSize(36, 36));
        ui::setGeometryTwips(b, f.left, f.top, 1200, 972);
        // A feature whose window is not built yet stays disabled; its description
        // still shows, since the button reports the pointer entering it.
        b->setEnabled(false);
        connect(b, &ui::PictureButton::clicked, this, [this, i] { cmdAction_Click(i); });
        connect(b, &ui::PictureButton::MouseMove, this, [this, i] { cmdAction_MouseMove(i); });
        cmdAction[static_cast<size_t>(i)] = b;
    }

    Panel3D1 = panel3D(picMain, QFrame::Raised);
    Panel3D1->setObjectName(QStringLiteral("Panel3D1"));
    ui::setGeometryTwips(Panel3D1, 6000, 0, 2856, 1944);
    Panel3D1->installEventFilter(this);

    Label1 = new ui::Label(QStringLiteral("Select any of the buttons to the left to see examples of the additional "
                                          "features of Starwright for Windows"),
                           Panel3D1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignCenter);
    ui::setGeometryTwips(Label1, 90, 90, 2676, 1100);
    connect(Label1, &ui::Label::MouseMove, this, &Form1::restoreStatus);

    cmdExit = new ui::CommandButton(QStringLiteral("E&xit"), Panel3D1);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    cmdExit->setMouseTracking(true);
    ui::setGeometryTwips(cmdExit, 36, 1250, 2790, 660);
    cmdExit->installEventFilter(this);
    connect(cmdExit, &ui::CommandButton::clicked, this, [] { ui::endProgram(); });

    QWidget* previous = nullptr;
    for (int i : kTabOrder) {
        QWidget* w = cmdAction[static_cast<size_t>(i)];
        if (previous) setTabOrder(previous, w);
        previous = w;
        if (i == 5) {
            setTabOrder(previous, cmdExit);
            previous = cmdExit;
        }
    }
}

void Form1::buildStatusAndLogo() {
    vseLogo = new ui::ElasticPanel(this);
    vseLogo->setObjectName(QStringLiteral("vseLogo"));
    ui::setGeometryTwips(vseLogo, 0, 2640, 8865, 1455);
    vseLogo->setDesignSizeTwips(8865, 1455);
    connect(vseLogo, &ui::ElasticPanel::MouseMove, this, &Form1::restoreStatus);

    const std::array<QString, 4> logo{
        QStringLiteral("Penwick Software, Inc."), QStringLiteral("Telephone: (555) 014-2290"),
        QStringLiteral("E-mail: sales@penwick-software.example"),
        QStringLiteral("www.penwick-software.example")};
    const std::array<int, 4> tops{200, 620, 880, 1140};
    for (size_t i = 0; i < logo.size(); ++i) {
        auto* l = new ui::Label(logo[i], vseLogo);
        l->setObjectName(QStringLiteral("lblLogo%1").arg(i));
        // The logo area as a whole restores the status line.
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        QFont f = l->font();
        if (i == 0) {
            f.setPointSizeF(f.pointSizeF() * 1.5);
            f.setBold(true);
        }
        l->setFont(f);
        const double w = ui::textWidthTwips(f, logo[i]) + 60;
        const double h = ui::textHeightTwips(f) + 30;
        // Designed roughly in place; the load centres the first three exactly.
        ui::setGeometryTwips(l, 2400, tops[i], w, h);
        lblLogo[i] = l;
    }
    ui::setLeft(lblLogo[3], centredOffset(8865, ui::width(lblLogo[3]), 2));

    pnlStatus = panel3D(this, QFrame::Raised);
    pnlStatus->setObjectName(QStringLiteral("pnlStatus"));
    ui::setGeometryTwips(pnlStatus, 0, 1975, 8895, 720);
    Panel3D2 = panel3D(pnlStatus, QFrame::Sunken);
    Panel3D2->setObjectName(QStringLiteral("Panel3D2"));
    ui::setGeometryTwips(Panel3D2, 45, 45, 8775, 630);
    lblStatus = new ui::Label(QString(), Panel3D2);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);
    lblStatus->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ui::setGeometryTwips(lblStatus, 60, 30, 8655, 570);
    connect(lblStatus, &ui::Label::MouseMove, this, &Form1::restoreStatus);
}

void Form1::Form_Load() {
    CenterForm(*this);
    StatusDefaultText = kSalesSentence;
    for (size_t i = 0; i < 3; ++i) {
        ui::setLeft(lblLogo[i], centredOffset(ui::width(vseLogo), ui::width(lblLogo[i]), 2));
    }
    FillVocabulary();
    lblStatus->setText(StatusDefaultText);
}

void Form1::setFeature(int index, std::function<void()> open) {
    const auto i = static_cast<size_t>(index);
    open_.at(i) = std::move(open);
    cmdAction.at(i)->setEnabled(static_cast<bool>(open_[i]));
}

void Form1::cmdAction_Click(int index) {
    if (const auto& open = open_.at(static_cast<size_t>(index))) open();
}

void Form1::cmdAction_MouseMove(int index) { lblStatus->setText(description(index)); }

void Form1::cmdExit_MouseMove() { lblStatus->setText(kExitDescription); }

void Form1::restoreStatus() { lblStatus->setText(StatusDefaultText); }

bool Form1::eventFilter(QObject* watched, QEvent* e) {
    if (watched == cmdExit && (e->type() == QEvent::MouseMove || e->type() == QEvent::Enter)) {
        cmdExit_MouseMove();
    } else if (watched == Panel3D1 && e->type() == QEvent::MouseMove) {
        // Moves over Exit bubble up to the panel too; only the panel's own surface
        // (or the instruction label on it) restores the sales sentence.
        const QWidget* under = Panel3D1->childAt(static_cast<QMouseEvent*>(e)->position().toPoint());
        if (under == nullptr || under == Label1) restoreStatus();
    }
    return QWidget::eventFilter(watched, e);
}

}  // namespace shell
