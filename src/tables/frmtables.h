#pragma once

// The tables window: a sunrise-time page, six report pages filled once with the
// sample reports, and a courtesy-block page. Selecting a report tab runs a short
// scroll preview of its grid, then points at the scroll bar.

#include <QPixmap>
#include <QString>
#include <array>

#include "ui/form.h"

class QGroupBox;
class QLabel;

namespace ui {
class ColumnHeads;
class CommandButton;
class ElasticPanel;
class Grid;
class IndexTab;
class Label;
class OptionArray;
class TextBox;
}  // namespace ui

namespace tables {

class frmTables : public ui::Form {
    Q_OBJECT
public:
    // Wall-clock length of one scroll preview.
    static constexpr int kPreviewMs = 450;

    frmTables();
    void Form_Load() override;

    // The grid of a report tab (1..6), or nullptr for the other tabs.
    ui::Grid* reportGrid(int tab) const;

    ui::ElasticPanel* VSElastic1;
    ui::IndexTab* VSIndexTab1;
    ui::ElasticPanel* vseToolBar;
    ui::CommandButton* Command3D1;

    ui::ElasticPanel* vseSun;
    ui::ElasticPanel* vseMP;
    ui::ElasticPanel* vseMPAsp;
    ui::ElasticPanel* vseAnal;
    ui::ElasticPanel* vseAngles;
    ui::ElasticPanel* vseArabic;
    ui::ElasticPanel* vseArabAspects;
    ui::ElasticPanel* vseCourtesy;

    ui::Grid* grdMP;
    ui::Grid* grdMPAsp;
    ui::Grid* grdAnal;
    ui::Grid* grdAngles;
    ui::Grid* grdArabic;
    ui::Grid* grdArabicAspect;

    // Page titles.
    ui::Label* Label1;
    ui::Label* Label2;
    ui::Label* Label3;
    ui::Label* Label4;
    ui::Label* Label13;
    ui::Label* Label14;
    // 0: a minute mark on the sunrise page; 2..7: the scroll hints of tabs 1..6.
    std::array<ui::Label*, 8> Label9{};
    std::array<QLabel*, 8> imgDownArrow{};  // 2..7
    ui::CommandButton* cmdSortMP;
    ui::CommandButton* cmdSortArabic;
    ui::CommandButton* cmdSortArabicAspects;

    // Sunrise page.
    std::array<ui::TextBox*, 10> txtInput{};
    ui::ColumnHeads* Label5;        // "Mo  Day  Year" over inputs 0..2
    ui::ColumnHeads* lblTimeHeads;  // "Hours Min Sec" over inputs 3..5
    ui::OptionArray* ADBC;
    ui::OptionArray* AMPM;
    ui::OptionArray* EWOp;
    ui::OptionArray* NSOp;
    ui::CommandButton* Sunrise;
    ui::ElasticPanel* VSElastic2;
    ui::ElasticPanel* VSElastic4;
    QLabel* Image3;
    ui::Label* lblSunrise3;
    ui::Label* Label12;

    // Courtesy-block page.
    std::array<ui::TextBox*, 7> BlockLine{};
    ui::OptionArray* Justify1;
    std::array<ui::TextBox*, 2> Footer{};
    ui::OptionArray* DoPrint1;
    ui::OptionArray* DoPrint2;
    ui::CommandButton* cmdOkay;
    ui::CommandButton* cmdCancel;
    ui::CommandButton* HelpButton;
    ui::Label* Label15;

    void PreviewScroll(ui::Grid& grid, qint32 previewMs, qint16 tab);

private:
    QPixmap downArrow_;  // the report pages' scroll-bar arrow
    void buildSunrisePage();
    void buildCourtesyPage();
    void buildReportPage(int tab, ui::ElasticPanel* page, ui::Grid*& grid, ui::Label*& title,
                         const QString& titleText, ui::CommandButton** sortButton);

    void ResetSunriseInputs();
    void ShowSunriseTime();
    void FillMidpointAspects();
    void FillMidpoints();
    void FillAngles();
    void FillChartAnalysis();
    void FillArabicParts();
    void FillArabicAspects();

    void placeHint(int tab, const ui::Grid& grid);

    void VSIndexTab1_Click();
    void Justify1_Click();
    void cmdSortArabic_Click();

    double pageWidth_ = 0;
};

}  // namespace tables
