#pragma once

// The chart search window: nine pages of search criteria, a tool bar whose
// pictures describe themselves under the pointer, and the chart list with its
// count. The one search it can run (on the By Aspect page) shows a fixed sample.

#include <QIcon>
#include <QPointer>
#include <QString>
#include <array>

#include "ui/form.h"

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QTimer;

namespace ui {
class CheckBox;
class ComboBox;
class CommandButton;
class ElasticPanel;
class IndexTab;
class Label;
class ListBox;
class OptionArray;
class PictureButton;
class TextBox;
}  // namespace ui

namespace search {

class frmSearch : public ui::Form {
    Q_OBJECT
public:
    // Polling intervals of the hover help: away from the tool bar, and on it.
    static constexpr int kIdlePollMs = 1000;
    static constexpr int kHoverPollMs = 5;

    frmSearch();
    ~frmSearch() override;
    void Form_Load() override;

    // Page numbers of vstSearch.
    enum Page {
        ByHouse,
        BySign,
        ByLongitude,
        ByAspect,
        ByBirthday,
        ByRemarks,
        RulerInAspect,
        RulerInHouse,
        MidpointInAspect
    };

    // The description each tool bar button shows under the pointer.
    static QString toolBarDescription(int index);

    void SetDefaultOrb(ui::ComboBox* firstList, ui::ComboBox* secondList, ui::ComboBox* aspectList,
                       ui::TextBox* orbField);
    void FillChartList();
    // One tick of Timer1: looks what lies under the pointer.
    void Timer1_Timer();

    // Window-level state.
    std::array<QString, 22> PlanetName;
    std::array<QString, 21> AspectName;
    bool RulerContext = false;
    bool OrbEditing = false;
    QPointer<QWidget> LastHoverWindow;

    // Controls, named as the window designs them.
    QMenuBar* menuBar;
    QMenu* mnuFile;
    QAction* mnuExit;
    QMenu* mnuSearch;
    QAction* mnuSearchBegin;
    QAction* mnuRefill;
    QAction* mnuUndo;
    QAction* mnuPrint;
    QMenu* mnuControlGroups;
    QAction* mnuCreateControl;
    QAction* mnuHelp;

    ui::ElasticPanel* vseCriteria;
    ui::IndexTab* vstSearch;
    QWidget* vseResults;
    QWidget* picToolBar;
    std::array<ui::PictureButton*, 4> cmdToolBar{};
    ui::CommandButton* Command3D1;
    ui::ListBox* ChartListBox;
    ui::Label* lblRecordsFound;
    std::array<ui::Label*, 2> Label18{};
    QLabel* imgUndoOn;
    QLabel* imgUndoOff;
    QTimer* Timer1;

    ui::ElasticPanel* vseHouse;
    ui::ElasticPanel* vseSign;
    ui::ElasticPanel* vseLongitude;
    ui::ElasticPanel* vseAspect;
    ui::ElasticPanel* vseBirthday;
    ui::ElasticPanel* vseRemarks;
    ui::ElasticPanel* vseRulerInAspect;
    ui::ElasticPanel* vseRulerInHouse;
    ui::ElasticPanel* vseRulerInSign;

    ui::ComboBox* cboHPlanet;
    ui::ComboBox* cboSPlanet;
    ui::ComboBox* cboLPlanet;
    ui::ComboBox* cboSign;
    std::array<ui::ComboBox*, 3> cboAPlanet1{};
    std::array<ui::ComboBox*, 3> cboAPlanet2{};
    std::array<ui::ComboBox*, 3> cboAspect{};
    std::array<ui::ComboBox*, 2> cboHouse{};
    std::array<ui::ComboBox*, 2> cboHRulers{};

    std::array<ui::TextBox*, 2> txtHouseOrbDef{};
    std::array<ui::TextBox*, 3> txtOrbDef{};
    ui::TextBox* txtLong1;
    ui::TextBox* txtLong2;
    ui::TextBox* txtDay;
    ui::TextBox* txtMonth;
    ui::TextBox* txtYear;
    ui::TextBox* txtSearch;

    ui::CheckBox* chkNoUnknowns;
    ui::CheckBox* chkNoUnknowns1;
    ui::CheckBox* chkOrbDef;
    ui::CheckBox* chkOrbDef1;
    ui::CheckBox* chkNoUnkAspects;
    ui::CheckBox* chkNoUnkAspects1;
    ui::CheckBox* chkNoUnkAspects2;
    ui::CheckBox* chkDay;
    ui::CheckBox* chkMonth;
    ui::CheckBox* chkYear;

    ui::Label* lblLong;
    QGroupBox* GenderFrame;
    QGroupBox* RulerTypeFrame;
    QGroupBox* RulerTypeFrame1;
    QGroupBox* MidTypeFrame;
    ui::OptionArray* MFOp;
    ui::OptionArray* RulerOption;
    ui::OptionArray* MidOption;

    // The Undo button's two looks.
    QIcon UndoOnPicture;
    QIcon UndoOffPicture;

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildMenus();
    void buildPages();
    void buildHousePage(double listWidth, double houseWidth);
    void buildSignPage(double listWidth);
    void buildLongitudePage(double listWidth);
    void buildAspectPage(double listWidth, double aspectWidth);
    void buildBirthdayPage();
    void buildRemarksPage();
    void buildRulerInAspectPage(double listWidth, double aspectWidth, double rulerWidth);
    void buildRulerInHousePage(double houseWidth, double rulerWidth);
    void buildMidpointPage(double listWidth, double aspectWidth);
    void buildResults();
    void wireLists();
    void wireChecks();

    void ArrangeBirthdayRows();
    void SwitchUndo(bool on);

    void vstSearch_Switch(int page);
    void cboAPlanet1_Click(int index);
    void cboAPlanet2_Click(int index);
    void cboAspect_Click(int index);
    void cboHRulers_Click(int index);
    void chkOrbDef_Click();
    void chkOrbDef1_Click();
    void cmdToolBar_Click(int index);
    void mnuCreateControl_Click();
    void ChartListBox_DblClick();

    // Field checks on leaving; false gives the focus back.
    bool txtDay_LostFocus();
    bool txtMonth_LostFocus();
    bool txtYear_LostFocus();
    bool txtLong_LostFocus(ui::TextBox* field);
    bool txtHouseOrbDef_LostFocus(int index);
    bool txtOrbDef_LostFocus(int index);
    void txtOrbDef_Change(int index);
};

// Shared routines that work on the window's single instance.
void ShowSampleResults();
void ShowRecordCount();

}  // namespace search
