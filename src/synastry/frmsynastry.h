#pragma once

// The synastry window: four comparison reports of two sample charts, each a
// read-only grid filled once when the window loads with a sort button under it
// that only explains itself, and a page with a picture of a composite chart.

#include <QString>

#include "ui/form.h"

namespace ui {
class CommandButton;
class ElasticPanel;
class Grid;
class IndexTab;
class Label;
class Picture;
}  // namespace ui

namespace synastry {

class frmSynastry : public ui::Form {
    Q_OBJECT
public:
    frmSynastry();
    void Form_Load() override;

    ui::ElasticPanel* vseSynastry;
    ui::IndexTab* VSIndexTab1;
    ui::ElasticPanel* vseToolBar;
    ui::CommandButton* Command3D1;

    ui::ElasticPanel* vseChart;
    ui::ElasticPanel* vseMidpoint;
    ui::ElasticPanel* vseArab;
    ui::ElasticPanel* vseAsteroid;
    ui::ElasticPanel* VSComp;

    ui::Grid* grdChart;
    ui::Grid* grdMidpoint;
    ui::Grid* grdArab;
    ui::Grid* grdAsteroid;

    ui::CommandButton* cmdChart;
    ui::CommandButton* cmdMidpoint;
    ui::CommandButton* cmdArabic;
    ui::CommandButton* cmdAstLoc;

    // Page titles and chart names.
    ui::Label* Label3;
    ui::Label* Label1;
    ui::Label* Label2;
    ui::Label* Label4;
    ui::Label* Label6;
    ui::Label* Label5;
    ui::Label* Label7;
    ui::Label* Label9;
    ui::Label* Label8;

    ui::Picture* imgAsteroidBack;  // the asteroid page's background
    ui::Picture* Image1;
    ui::Label* Label10;

private:
    void buildReportPage(ui::ElasticPanel* page, double gridWidth, ui::Grid*& grid, ui::CommandButton*& sortButton,
                         const QString& sortCaption);
    void buildTitledPage(ui::ElasticPanel* page, double gridWidth, ui::Label*& title, const QString& titleText,
                         ui::Label*& first, ui::Label*& second, const QString& secondChart);
    void buildCompositePage();

    void FillChartSynastry();
    void FillMidpointSynastry();
    void FillArabicSynastry();
    void FillAsteroidSynastry();

    // Under the grid; where asked, cut so it does not reach past the page's bottom.
    void placeSortButton(ui::CommandButton& button, const ui::Grid& grid, bool cutToPage);

    void cmdChart_Click();
    void cmdMidpoint_Click();
    void cmdArabic_Click();
    void cmdAstLoc_Click();
};

}  // namespace synastry
