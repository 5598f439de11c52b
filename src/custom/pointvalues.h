#pragma once

// The point values window: how many points each chart point counts for when the
// full program totals elements and modalities. Values live while it is open.

#include <QString>
#include <array>

#include "ui/form.h"

class QGroupBox;

namespace ui {
class CheckBox;
class CommandButton;
class Label;
class ListBox;
class TextBox;
}  // namespace ui

namespace custom {

class PointValues : public ui::Form {
    Q_OBJECT
public:
    PointValues();
    void Form_Load() override;

    // Builds the window afresh and shows it modally over `owner`.
    static void open(QWidget* owner);

    ui::ListBox* PlanetList;
    QGroupBox* fraPointValue;
    ui::TextBox* Text1;
    ui::CheckBox* SplitPointsBox;
    ui::Label* lblSplit;
    std::array<ui::CommandButton*, 3> Command1{};  // 0 save and exit, 1 defaults, 2 cancel

    std::array<QString, 25> PointNames;
    std::array<qint16, 25> PointDefaults{};
    std::array<float, 25> PointWeights{};
    qint16 EditedPoint = -1;

private:
    void PlanetList_Click();
    void Text1_LostFocus();
    void Command1_Click(int index);
};

}  // namespace custom
