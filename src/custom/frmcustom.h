#pragma once

// The customizing window: which points are displayed or included, aspect orbs by
// list type, the astrological font, the chart centre image, Arabic Part formulas,
// sign rulers and asteroids. Everything is sample data held by the window; the
// Save buttons only say what saving would do.

#include <QString>
#include <array>

#include "custom/orbdefaults.h"
#include "ui/form.h"

class QFrame;
class QGroupBox;
class QTimer;

namespace ui {
class Canvas;
class CheckBox;
class ComboBox;
class CommandButton;
class ElasticPanel;
class IndexTab;
class Label;
class ListBox;
class OptionArray;
class Picture;
class TextBox;
}  // namespace ui

namespace custom {

class frmCustom : public ui::Form {
    Q_OBJECT
public:
    static constexpr int kHintMs = 3000;    // the orb hint's delay
    static constexpr int kArrowMs = 400;    // how long the arrow takes to slide in
    static constexpr int kArrowEnd = 1100;  // the arrow's last left position, twips

    frmCustom();
    void Form_Load() override;

    ui::ElasticPanel* VSElastic1;
    ui::IndexTab* VSIndexTab1;
    ui::ElasticPanel* vsePlanets;
    ui::ElasticPanel* vseAspects;
    ui::ElasticPanel* vseFonts;
    ui::ElasticPanel* vseCtrImage;
    ui::ElasticPanel* vseArabic;
    ui::ElasticPanel* vseRulers;
    ui::ElasticPanel* vseAsteroids;

    // Buttons of all pages, indexed as the window numbers them.
    std::array<ui::CommandButton*, 5>
        SaveButton{};  // 0 Arabic, 1 rulers, 2 planets, 3 aspects, 4 asteroids
    std::array<ui::CommandButton*, 4> HelpButton{};  // 0 Arabic, 1 rulers, 2 planets, 3 aspects
    std::array<ui::CommandButton*, 5> cmdAction{};   // the Close buttons of pages 3, 2, 1, 0 and 6
    std::array<ui::CommandButton*, 3> CancelButton{};  // 0 rulers, 1 aspects, 2 asteroids
    std::array<ui::CommandButton*, 2> btnDefault{};    // 0 rulers, 1 aspects
    ui::CommandButton* Command1;
    ui::CommandButton* cmdClose;

    // Planets page. Each pair: index 0 the D (display) box, index 1 the I box.
    using CheckPair = std::array<ui::CheckBox*, 2>;
    ui::Label* Label8;
    ui::Label* Label9;
    ui::Label* Label10;
    CheckPair CheckAsc{}, CheckMC{}, CheckMN{}, CheckPF{}, CheckChiron{}, CheckCeres{},
        CheckPallas{}, CheckJuno{}, CheckVesta{}, CheckVertex{}, CheckEastPoint{}, CheckBlackMoon{};
    std::array<ui::Canvas*, 13> picGlyph{};  // the glyphs are drawn on these boxes
    ui::OptionArray* optMoon;
    ui::OptionArray* optBlackMoon;
    ui::CheckBox* PFReverseBox;
    ui::Label* lblPlanets;
    ui::CommandButton* vseCmdPointValues;

    // Aspects page.
    QGroupBox* fraOrbs;
    ui::OptionArray* optOrbs;
    ui::Label* lblOrbHeader;
    std::array<ui::Label*, kAspectCount> lblAspect{};
    std::array<ui::TextBox*, kAspectCount> OrbL{};
    std::array<ui::TextBox*, kAspectCount> OrbP{};
    ui::Label* lblOrbNote;
    QTimer* Timer1;

    // Astrological fonts page.
    ui::Picture* imgFontTable;
    ui::Label* lblFonts;

    // Chart centre image page.
    ui::Label* lblCtrImage;
    ui::Picture* imgCtrImage;
    ui::Picture* imgCtrImageForm;
    ui::Picture* imgArrow;

    // Arabic parts page.
    ui::Label* lblArabic;
    ui::Label* lblPartNames;
    ui::ComboBox* cboPartNames;
    ui::Label* lblPartName;
    ui::TextBox* PartName;
    ui::ComboBox* cboArPlanet1;
    ui::ComboBox* cboArPlanet2;
    ui::ComboBox* cboArPlanet3;
    ui::Label* lblPlus;
    ui::Label* lblMinus;
    ui::TextBox* DegreeAmount;
    ui::CheckBox* ReverseBox;
    ui::CheckBox* TradBox;
    ui::CommandButton* cmdAddArrow;
    ui::Label* lblAdd;
    ui::CommandButton* cmdDeleteItem;
    ui::CommandButton* cmdClearItem;
    ui::CommandButton* OpenFileButton;

    // Ruling planets page.
    QGroupBox* fraRulers;
    ui::OptionArray* optRulers;
    ui::Label* lblRulerHeader;
    std::array<ui::Label*, 12> lblSign{};
    std::array<ui::TextBox*, 12> SignPlanet{};
    ui::CheckBox* chkTraditional;
    ui::Label* lblDefaultModern;
    ui::Label* lblRulers;

    // Asteroids page.
    ui::ListBox* lstRoid;
    ui::Label* lblAsteroids;
    ui::Label* lblRoidFont;
    ui::Label* lblRoidClick;
    ui::OptionArray* optRoidShow;

    // Window state, rebuilt on every load.
    DefaultOrbsTable DefaultOrbs;
    std::array<QString, 72> AsteroidNames;
    std::array<QString, 36> PartPointNames;
    bool OrbHintPending = false;
    bool OrbHintSuppressed = false;

    // Handlers that tests drive directly (the timer's tick) or through controls.
    void Timer1_Timer();
    // Draws the letters and glyphs of the planets page into their boxes' display
    // lists; the boxes repaint from those lists on their own.
    void Form_Paint();
    void ShowArabicPart(int slot);
    void ShowModernRulers();
    void ShowTraditionalRulers();

private:
    void buildPlanetsPage();
    void buildAspectsPage();
    void buildFontsPage();
    void buildCtrImagePage();
    void buildArabicPage();
    void buildRulersPage();
    void buildAsteroidsPage();
    void wireButtons();

    void VSIndexTab1_Click();
    void VSIndexTab1_Switch(int tab);
    void MoveArrow();
    void optOrbs_Click(int index);
    void btnDefault_Click(int index);
    void optRulers_Click(int index);
    void SaveButton_Click(int index);
    void HelpButton_Click();
    void Command1_Click();
    void vseCmdPointValues_Click();
    void CheckMN_Click(int index);
    void CheckBlackMoon_Click(int index);
    void CheckPF_Click(int index);
    void cboPartNames_Click();
    void cboArPlanet2_Click();
    void OpenFileButton_Click();

    void SetSpecialPoints();
    void FillArabicLists();
    void FillAsteroids();

    QString Message;  // the prompt of the window's next message box
    bool animating_ = false;

protected:
    void closeEvent(QCloseEvent* e) override;
};

}  // namespace custom
