#pragma once

// The list options window: transits and progressions list settings with their
// scroll-bar and number-box pairs, progressed chart settings, and pictures of the
// derived-chart and compatibility screens. Nothing is calculated; the action
// buttons say what they would do.

#include <QString>
#include <array>

#include "ui/form.h"

class QGroupBox;

namespace ui {
class CheckBox;
class ComboBox;
class CommandButton;
class ElasticPanel;
class HScrollBar;
class IndexTab;
class Label;
class ListBox;
class OptionArray;
class Picture;
class TextBox;
}  // namespace ui

namespace options {

class frmOp : public ui::Form {
    Q_OBJECT
public:
    frmOp();
    void Form_Load() override;

    ui::ElasticPanel* VSElastic1;
    ui::IndexTab* VSIndexTab1;
    ui::ElasticPanel* vseTransit;
    ui::ElasticPanel* VSElastic2;
    ui::ElasticPanel* vseProgress;
    ui::ElasticPanel* vseCompare;
    ui::ElasticPanel* vseResult;

    // Tool bar: the close button and the two descriptions; the arrangement is 0
    // while a description shows, 3 while none does.
    ui::ElasticPanel* vseToolBar;
    std::array<ui::CommandButton*, 3> cmdAction{};  // only 2 exists
    std::array<ui::Label*, 2> lblToolBar{};
    int ToolBarArrangement = 3;

    // Transits and progressions list.
    ui::Label* Label12;
    QGroupBox* frmDynamicType;
    ui::OptionArray* TranProgOption;
    QGroupBox* frmViewType;
    ui::OptionArray* TranViewOption;
    ui::OptionArray* ProgListOption;
    QGroupBox* Frame9;
    ui::TextBox* TMonth;
    ui::TextBox* TDay;
    ui::TextBox* TYear;
    ui::Label* Label21;
    QGroupBox* Frame8;
    QGroupBox* OrbStartFrame;
    std::array<ui::ListBox*, 2> PlanetList{};
    QGroupBox* Frame7;
    ui::OptionArray* TimeUnit;
    QGroupBox* ScrollFrame;
    ui::HScrollBar* PeriodScroll;
    ui::TextBox* PeriodBox;
    QGroupBox* Frame5;
    ui::CheckBox* chkCollate;
    std::array<QGroupBox*, 2> Frame6{};
    std::array<ui::TextBox*, 2> OrbTextBox{};
    std::array<ui::HScrollBar*, 2> OrbScroll{};
    QGroupBox* Frame4;
    ui::ComboBox* cboTimeZones;
    ui::CommandButton* ButtonOK;
    ui::CommandButton* ButtonCancel;
    ui::CommandButton* ButtonHelp;
    ui::CommandButton* ButtonAspects;
    std::array<ui::CommandButton*, 2> btnFile{};

    // Derived charts.
    ui::Picture* imgDerived;

    // Progressed charts.
    ui::Label* Label11;
    QGroupBox* Frame2;
    ui::ComboBox* cmbProgType;
    ui::ComboBox* cmbUserRate;
    ui::CommandButton* cmdSaveUserRate;
    QGroupBox* Frame3;
    ui::ComboBox* cmbMCType;
    QGroupBox* Frame1;
    ui::TextBox* PMon;
    ui::TextBox* PDay;
    ui::TextBox* Pyear;
    QGroupBox* LatFrame;
    ui::TextBox* LatDeg;
    ui::TextBox* LatMin;
    ui::OptionArray* NSOp;
    QGroupBox* LongFrame;
    ui::TextBox* LongDeg;
    ui::TextBox* LongMin;
    ui::OptionArray* EWOp;
    ui::TextBox* CityBox;
    ui::TextBox* StateBox;
    ui::CommandButton* RelocButton;
    ui::CommandButton* CityButton;
    ui::CommandButton* OkButton;
    ui::CommandButton* CancelButton;
    ui::CommandButton* HelpButton;

    // Compatibility search and its result.
    ui::Picture* imgCompare;
    ui::Label* Label2;
    ui::Picture* imgResult;

private:
    void buildTransitPage();
    void buildProgressPage();
    void buildPicturePages();
    void buildToolBar(double clientWidth, double top, double height);
    ui::CommandButton* messageButton(const char* name, QWidget* parent);

    void FillTransitsTab();
    void ArrangeDateFields();
    void FillProgressedTab();
    void layOutToolBar();

    void VSIndexTab1_Click();
    void TranProgOption_Click(int index);
    void OrbScroll_Change(int index);
    void OrbTextBox_LostFocus(int index);
    void PeriodScroll_Change();
    void PeriodBox_LostFocus();
    void cmbProgType_Click();
    void cmdSaveUserRate_Click();
};

}  // namespace options
