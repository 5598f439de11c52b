#pragma once

// The file options window: converting other programs' chart files over the
// machine's real drives, folders and files (nothing is opened or written), and
// two pictures for merging chart files and saving them to a database.

#include <QString>
#include <array>

#include "ui/form.h"

class QScrollArea;

namespace ui {
class CommandButton;
class ComboBox;
class DirList;
class DriveList;
class ElasticPanel;
class FileList;
class IndexTab;
class Label;
class PathLabel;
class Picture;
class TextBox;
}  // namespace ui

namespace tours {

class frmFile : public ui::Form {
    Q_OBJECT
public:
    frmFile();
    void Form_Load() override;

    // The foreign formats, in list order.
    static const std::array<QString, 11>& fileTypes();

    QScrollArea* scroller;      // lets a window smaller than its design scroll
    ui::ElasticPanel* vseForm;  // the whole client area as designed
    ui::IndexTab* VSIndexTab1;
    ui::ElasticPanel* vseForeign;
    ui::ElasticPanel* vseMerge;
    ui::ElasticPanel* vseDbase;
    ui::ElasticPanel* vseToolBar;
    ui::CommandButton* Command3D1;

    ui::Label* VSElastic1;
    ui::Label* lblFileTypes;
    ui::ComboBox* lstFileTypes;
    ui::DriveList* drvInput;
    ui::DirList* dirInput;
    ui::FileList* flstInputFile;
    ui::PathLabel* lblInputPath;
    ui::Label* lblInputFileCaption;
    ui::Label* lblInputFileName;
    ui::DriveList* drvOutput;
    ui::DirList* dirOutput;
    ui::FileList* flstOutputFile;
    ui::PathLabel* lblOutputPath;
    ui::Label* lblOutputFileCaption;
    ui::TextBox* txtOutputFileName;
    std::array<ui::CommandButton*, 3> cmdAction{};

    ui::Picture* imgMerge;
    ui::Label* Label2;
    ui::Picture* imgDbase;
    ui::Label* Label1;

    // Drive positions saved when each drive list got the focus.
    qint16 InputDrive = 0;
    qint16 OutputDrive = 0;

private:
    void buildForeignPage();
    void buildPicturePage(ui::ElasticPanel* page, ui::Picture*& picture, const QString& resource,
                          const QString& accessibleName, ui::Label*& label, const QString& text);

    void lstFileTypes_Click();
    void FileCheck();
    void ChangeDrive(ui::DriveList* drive, ui::DirList* dir, qint16 saved);
    void cmdAction_Click(int index);
};

}  // namespace tours
