#include "tours/frmfile.h"

#include <QFontDatabase>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/screen.h"
#include "ui/controls.h"
#include "ui/elastic.h"
#include "ui/filelists.h"
#include "ui/indextab.h"
#include "ui/msgbox.h"
#include "ui/picture.h"
#include "ui/twips.h"

namespace tours {

namespace {

// Design sizes in twips.
constexpr double kClientWidth = 10200;
constexpr double kClientHeight = 7500;
constexpr double kToolBarHeight = 660;
constexpr double kMargin = 180;
constexpr double kGap = 240;
constexpr double kButtonWidth = 1500;
constexpr double kRowHeight = 330;

using ui::named;

// A caption label as wide as its text.
ui::Label* caption(const QString& text, QWidget* parent, double l, double t) {
    auto* lbl = new ui::Label(text, parent);
    ui::setGeometryTwips(lbl, l, t, ui::textWidthTwips(lbl->font(), text) + 60, kRowHeight);
    return lbl;
}

}  // namespace

const std::array<QString, 11>& frmFile::fileTypes() {
    static const std::array<QString, 11> types{
        QStringLiteral("Nova...........  *.NOV"), QStringLiteral("BlueStar.......  *.RND"),
        QStringLiteral("CompactData....  *.CMP"), QStringLiteral("QuickCharts....  *.QCK"),
        QStringLiteral("Kepler.........  *.DAT"), QStringLiteral("Solar Fire.2...  *.CHT"),
        QStringLiteral("Solar Fire.3/4.  *.CHT"), QStringLiteral("Solar Fire.5...  *.CHT"),
        QStringLiteral("JigSaw.1.......  *.DAT"), QStringLiteral("JigSaw.2.......  *.DAT"),
        QStringLiteral("AAF Exchange...  *.AAF")};
    return types;
}

frmFile::frmFile() {
    setObjectName(QStringLiteral("frmFile"));
    setWindowTitle(QStringLiteral("Starwright File Options"));
    setDesignClientSizeTwips(kClientWidth, kClientHeight);

    // On a screen smaller than the design the window opens maximized and its
    // content scrolls instead of being cut off.
    setFitsScreenItself();
    scroller = named(new QScrollArea(this), "scroller");
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);  // a click on its margin leaves the focus where it is
    scroller->setWidgetResizable(true);
    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(scroller);
    vseForm = named(new ui::ElasticPanel, "vseForm");
    vseForm->setMinimumSize(ui::toPixels(kClientWidth), ui::toPixels(kClientHeight));
    vseForm->setDesignSizeTwips(kClientWidth, kClientHeight);
    scroller->setWidget(vseForm);

    VSIndexTab1 = named(new ui::IndexTab(vseForm), "VSIndexTab1");
    VSIndexTab1->setCaptions(QStringLiteral("Convert &Foreign Files|&Merge Chart Files|Save Files to &dBase"));
    ui::setGeometryTwips(VSIndexTab1, 60, 60, kClientWidth - 120, kClientHeight - 90 - kToolBarHeight);
    vseForeign = named(static_cast<ui::ElasticPanel*>(VSIndexTab1->page(0)), "vseForeign");
    vseMerge = named(static_cast<ui::ElasticPanel*>(VSIndexTab1->page(1)), "vseMerge");
    vseDbase = named(static_cast<ui::ElasticPanel*>(VSIndexTab1->page(2)), "vseDbase");
    const QSizeF page = VSIndexTab1->pageSizeTwips();
    for (ui::ElasticPanel* p : {vseForeign, vseMerge, vseDbase}) p->setDesignSizeTwips(page.width(), page.height());

    vseToolBar = named(new ui::ElasticPanel(vseForm), "vseToolBar");
    ui::setGeometryTwips(vseToolBar, 0, kClientHeight - kToolBarHeight, kClientWidth, kToolBarHeight);
    vseToolBar->setDesignSizeTwips(kClientWidth, kToolBarHeight);
    Command3D1 = named(new ui::CommandButton(QStringLiteral("&Close"), vseToolBar), "Command3D1");
    ui::setGeometryTwips(Command3D1, (kClientWidth - kButtonWidth) / 2, 120, kButtonWidth, 420);
    connect(Command3D1, &ui::CommandButton::clicked, this, &frmFile::Unload);

    buildForeignPage();
    buildPicturePage(vseMerge, imgMerge, QStringLiteral(":/tours/merge.svg"),
                     QStringLiteral("Picture: merging chart files"), Label2,
                     QStringLiteral("This feature allows several astrologers to combine chart files.  The program "
                                    "even shows whose program originated each chart."));
    buildPicturePage(vseDbase, imgDbase, QStringLiteral(":/tours/dbase.svg"),
                     QStringLiteral("Picture: chart files saved to a dBase file"), Label1,
                     QStringLiteral("Starwright allows you to save each of your chart files to a dBase file, making "
                                    "each chart a separate record in the database.  This can be useful in conducting "
                                    "research."));
    imgMerge->setObjectName(QStringLiteral("imgMerge"));
    Label2->setObjectName(QStringLiteral("Label2"));
    imgDbase->setObjectName(QStringLiteral("imgDbase"));
    Label1->setObjectName(QStringLiteral("Label1"));
    connect(imgMerge, &ui::Picture::Click, this, &shell::ShowPictureNotice);
    connect(imgDbase, &ui::Picture::Click, this, &shell::ShowPictureNotice);

    // Reading order, the toolbar's Close last.
    QWidget* order[] = {lstFileTypes, drvInput,          dirInput,     flstInputFile, drvOutput,   dirOutput,
                        flstOutputFile, txtOutputFileName, cmdAction[0], cmdAction[1],  cmdAction[2], Command3D1};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void frmFile::buildForeignPage() {
    ui::ElasticPanel* p = vseForeign;
    const QSizeF page = p->designSizeTwips();

    VSElastic1 = named(new ui::Label(QStringLiteral("Starwright makes it easy to upgrade from other astrological "
                                                    "programs by automatically translating your chart files to the "
                                                    "Starwright format."),
                                     p),
                       "VSElastic1");
    VSElastic1->setWordWrap(true);
    VSElastic1->setAlignment(Qt::AlignCenter);
    VSElastic1->setFrameShape(QFrame::StyledPanel);
    VSElastic1->setMargin(4);
    ui::setGeometryTwips(VSElastic1, kMargin, 120, page.width() - 2 * kMargin, 600);

    lblFileTypes = named(caption(QStringLiteral("Input File Format:"), p, kMargin, 915), "lblFileTypes");
    lstFileTypes = named(new ui::ComboBox(p), "lstFileTypes");
    // A fixed-pitch font keeps the dotted names and their patterns in columns.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(font().pointSizeF());
    lstFileTypes->setFont(fixed);
    lstFileTypes->setAccessibleName(QStringLiteral("Input File Format"));
    lblFileTypes->setBuddy(lstFileTypes);
    double widest = 0;
    for (const QString& t : fileTypes()) widest = std::max(widest, ui::textWidthTwips(fixed, t));
    ui::setGeometryTwips(lstFileTypes, ui::left(lblFileTypes) + ui::width(lblFileTypes) + 60, 900, widest + 600,
                         360);

    const double colWidth = (page.width() - 2 * kMargin - kButtonWidth - 2 * kGap) / 2;
    const double buttonsLeft = kMargin + 2 * (colWidth + kGap);
    const double fileTop = 4410;
    const auto side = [&](double l, bool input) {
        const QString io = input ? QStringLiteral("Input") : QStringLiteral("Output");
        auto* path = new ui::PathLabel(io + QStringLiteral(" Path:  "), p);
        ui::setGeometryTwips(path, l, 1440, colWidth, 300);
        auto* drive = new ui::DriveList(p);
        drive->setAccessibleName(io + QStringLiteral(" drive"));
        ui::setGeometryTwips(drive, l, 1770, colWidth, 360);
        auto* dir = new ui::DirList(p);
        dir->setAccessibleName(io + QStringLiteral(" folder"));
        ui::setGeometryTwips(dir, l, 2190, colWidth, 1740);
        auto* name = caption(io + QStringLiteral(" File Name:"), p, l, 4005);
        auto* files = new ui::FileList(p);
        files->setAccessibleName(io + QStringLiteral(" files"));
        ui::setGeometryTwips(files, l, fileTop, colWidth, page.height() - fileTop - kMargin);
        return std::tuple{path, drive, dir, name, files};
    };
    std::tie(lblInputPath, drvInput, dirInput, lblInputFileCaption, flstInputFile) = side(kMargin, true);
    std::tie(lblOutputPath, drvOutput, dirOutput, lblOutputFileCaption, flstOutputFile) =
        side(kMargin + colWidth + kGap, false);
    lblInputPath->setObjectName(QStringLiteral("lblInputPath"));
    drvInput->setObjectName(QStringLiteral("drvInput"));
    dirInput->setObjectName(QStringLiteral("dirInput"));
    flstInputFile->setObjectName(QStringLiteral("flstInputFile"));
    lblOutputPath->setObjectName(QStringLiteral("lblOutputPath"));
    drvOutput->setObjectName(QStringLiteral("drvOutput"));
    dirOutput->setObjectName(QStringLiteral("dirOutput"));
    flstOutputFile->setObjectName(QStringLiteral("flstOutputFile"));
    flstOutputFile->setPattern(QStringLiteral("*.cht"));

    const auto fieldLeft = [](ui::Label* captionLabel) { return ui::left(captionLabel) + ui::width(captionLabel); };
    lblInputFileName = named(new ui::Label(QStringLiteral("*"), p), "lblInputFileName");
    lblInputFileName->setAccessibleName(QStringLiteral("Input File Name"));
    lblInputFileName->setFrameShape(QFrame::StyledPanel);
    lblInputFileName->setMargin(2);
    ui::setGeometryTwips(lblInputFileName, fieldLeft(lblInputFileCaption), 3990, 1200, 360);
    txtOutputFileName = named(new ui::TextBox(p), "txtOutputFileName");
    txtOutputFileName->setText(QStringLiteral("*.cht"));
    txtOutputFileName->setAccessibleName(QStringLiteral("Output File Name"));
    lblOutputFileCaption->setBuddy(txtOutputFileName);
    ui::setGeometryTwips(txtOutputFileName, fieldLeft(lblOutputFileCaption), 3990,
                         std::min(1800.0, kMargin + 2 * colWidth + kGap - fieldLeft(lblOutputFileCaption)), 360);

    const std::array<QString, 3> captions{QStringLiteral("C&onvert"), QStringLiteral("&Close"),
                                          QStringLiteral("&Help")};
    for (size_t i = 0; i < captions.size(); ++i) {
        auto* b = new ui::CommandButton(captions[i], p);
        b->setObjectName(QStringLiteral("cmdAction%1").arg(i));
        ui::setGeometryTwips(b, buttonsLeft, 1770 + 540.0 * static_cast<double>(i), kButtonWidth, 420);
        connect(b, &ui::CommandButton::clicked, this, [this, i] { cmdAction_Click(static_cast<int>(i)); });
        cmdAction[i] = b;
    }

    connect(lstFileTypes, &ui::ComboBox::Click, this, &frmFile::lstFileTypes_Click);
    connect(lblInputFileName, &ui::Label::Change, this,
            [this] { flstInputFile->setPattern(lblInputFileName->text()); });
    connect(flstInputFile, &ui::FileList::PatternChange, this, &frmFile::FileCheck);
    connect(flstInputFile, &ui::FileList::PathChange, this, &frmFile::FileCheck);
    InputDrive = static_cast<qint16>(drvInput->ListIndex());
    OutputDrive = static_cast<qint16>(drvOutput->ListIndex());
    connect(drvInput, &ui::DriveList::GotFocus, this,
            [this] { InputDrive = static_cast<qint16>(drvInput->ListIndex()); });
    connect(drvOutput, &ui::DriveList::GotFocus, this,
            [this] { OutputDrive = static_cast<qint16>(drvOutput->ListIndex()); });
    connect(drvInput, &ui::DriveList::Change, this, [this] { ChangeDrive(drvInput, dirInput, InputDrive); });
    connect(drvOutput, &ui::DriveList::Change, this, [this] { ChangeDrive(drvOutput, dirOutput, OutputDrive); });
    connect(dirInput, &ui::DirList::Change, this, [this] {
        flstInputFile->setPath(dirInput->Path());
        lblInputPath->setText(ui::displayName(flstInputFile->Path()));
    });
    connect(dirOutput, &ui::DirList::Change, this, [this] {
        flstOutputFile->setPath(dirOutput->Path());
        lblOutputPath->setText(ui::displayName(flstOutputFile->Path()));
    });
}

void frmFile::buildPicturePage(ui::ElasticPanel* page, ui::Picture*& picture, const QString& resource,
                               const QString& accessibleName, ui::Label*& label, const QString& text) {
    const QSizeF size = page->designSizeTwips();
    // The pictures are 4:3; the control is as large as the picture, so only a click on it counts.
    const double pictureWidth = std::min(size.width() * 0.62, (size.height() - 2 * kMargin) * 4 / 3);
    const double pictureHeight = pictureWidth * 3 / 4;
    picture = new ui::Picture(resource, page);
    picture->setAccessibleName(accessibleName);
    picture->setCursor(Qt::PointingHandCursor);
    ui::setGeometryTwips(picture, kMargin, (size.height() - pictureHeight) / 2, pictureWidth, pictureHeight);

    label = new ui::Label(text, page);
    label->setWordWrap(true);
    const double labelWidth = std::min(3000.0, size.width() - pictureWidth - 2 * kMargin - kGap);
    const double labelHeight = ui::toTwips(label->heightForWidth(ui::toPixels(labelWidth))) + 60;
    // Centred in the room beside the picture (the load sequence places Label2 again by this rule).
    const double left = kMargin + pictureWidth + shell::centredOffset(size.width() - pictureWidth, labelWidth, 2);
    ui::setGeometryTwips(label, left, (size.height() - labelHeight) / 2, labelWidth, labelHeight);
}

void frmFile::Form_Load() {
    if (ui::width(this) > ui::Screen::widthTwips() || ui::height(this) > ui::Screen::heightTwips()) {
        setMinimumSize(0, 0);
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        shell::CenterForm(*this);
    }
    ui::setLeft(Label2, ui::left(imgMerge) + ui::width(imgMerge) +
                            shell::centredOffset(ui::width(vseMerge) - ui::width(imgMerge), ui::width(Label2), 2));
    for (const QString& t : fileTypes()) lstFileTypes->AddItem(t);
    lstFileTypes->setListIndex(0);
    lblInputPath->setText(ui::displayName(flstInputFile->Path()));
}

void frmFile::lstFileTypes_Click() { lblInputFileName->setCaption(lstFileTypes->currentText().right(5)); }

void frmFile::FileCheck() {
    if (flstInputFile->ListCount() > 0) {
        ui::msgBox(QStringLiteral("You would now be able to convert these files to the Starwright format."),
                   ui::Icon::Exclamation, QStringLiteral("Convert your Files"));
        cmdAction[0]->setEnabled(true);
    } else {
        cmdAction[0]->setEnabled(false);
    }
}

void frmFile::ChangeDrive(ui::DriveList* drive, ui::DirList* dir, qint16 saved) {
    if (dir->setDrive(drive->Drive()) == ui::PathResult::NotReady) {
        ui::msgBox(QStringLiteral("The drive has no disk in it.  Put a disk in the drive and retry."), ui::Icon::Stop,
                   QStringLiteral("Device not ready."));
        drive->setListIndex(saved);
    }
}

void frmFile::cmdAction_Click(int) {
    ui::msgBox(QStringLiteral("This is all it takes to convert your current files to the Starwright format."),
               ui::Icon::Exclamation, QStringLiteral("Just a click of a button!"));
}

}  // namespace tours
