#pragma once

// The atlas lookup window: a sample birth place and time are typed into the atlas
// screen character by character shortly after the window opens and again each
// time the atlas page comes back; "Read Atlas" shows the sample lookup result,
// the other atlas buttons explain themselves, and a second page shows the result
// carried into the natal information screen.

#include <QString>
#include <array>

#include "ui/form.h"

class QCheckBox;
class QTimer;

namespace ui {
class CommandButton;
class ElasticPanel;
class IndexTab;
class Label;
class OptionArray;
class Picture;
class TextBox;
}  // namespace ui

namespace tours {

class frmPCAtlas : public ui::Form {
    Q_OBJECT
public:
    static constexpr int kReplayDelayMs = 1250;  // from opening to the first replay
    // Wall-clock wait after each typed character: every character is seen
    // appearing, and the sample takes about a second on any machine.
    static constexpr int kCharPauseMs = 40;
    int charPauseMs = kCharPauseMs;  // tests shorten it

    frmPCAtlas();
    void Form_Load() override;

    // The window's event handlers, as the controls raise them.
    void Timer1_Timer();
    void VSIndexTab1_Click();
    void cmdAtlas_Click(int index);
    void cmdAction_Click(int index);

    // True while the sample input is being typed.
    bool replaying() const { return replaying_; }

    ui::ElasticPanel* VSElastic1;
    std::array<ui::CommandButton*, 1> cmdAction{};
    ui::Label* Label1;
    ui::IndexTab* VSIndexTab1;
    ui::ElasticPanel* vsePCAtlas;
    ui::ElasticPanel* vseNatal;

    std::array<ui::TextBox*, 7> txtBox{};
    std::array<ui::Label*, 7> lblBoxCaption{};
    ui::OptionArray* Option1;
    std::array<ui::CommandButton*, 8> cmdAtlas{};
    QCheckBox* chkHospitals;
    std::array<ui::Label*, 7> lblReturn{};
    std::array<ui::Label*, 7> lblReturnCaption{};
    ui::Label* ZoneAbbrev;
    ui::Label* Label18;
    ui::Label* Label19;
    ui::Label* Label14;
    QTimer* Timer1;

    ui::Picture* imgNatal;
    ui::Label* Label2;

    bool FirstTabClick = false;

private:
    void buildAtlasPage();
    void buildNatalPage();
    void PlayAtlasInput();
    void TypeIntoBox(const QString& text, ui::TextBox& box, int pauseMs);

    bool replaying_ = false;
    bool tickWaiting_ = false;
};

}  // namespace tours
