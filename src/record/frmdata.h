#pragma once

// The chart record window: the database record the full product keeps for a
// chart native (data source, life history, address, notes, memo). One sample
// native is written in at the first paint; the user may then edit freely and
// add or delete life history lines. Nothing is saved.

#include <QString>
#include <array>

#include "ui/form.h"

namespace ui {
class CommandButton;
class IndexTab;
class Label;
class ListBox;
class MultiLineTextBox;
class TextBox;
}  // namespace ui

namespace record {

class frmData : public ui::Form {
    Q_OBJECT
public:
    static constexpr int kMemoLength = 32000;

    frmData();
    void Form_Load() override;

    ui::CommandButton* cmdAction;
    ui::IndexTab* vstData;

    // Data source page.
    ui::TextBox* txtSource;
    ui::TextBox* txtRating;

    // Life history page.
    ui::TextBox* mhiDate;
    ui::MultiLineTextBox* txtHistoryItem;
    ui::ListBox* lstHistory;
    std::array<ui::CommandButton*, 2> cmdHistory{};  // 0 Add Item, 1 Delete Item

    // Client information page.
    std::array<ui::TextBox*, 2> txtStreet{};
    ui::TextBox* txtCity;
    ui::TextBox* txtState;
    ui::TextBox* txtCountry;
    ui::TextBox* txtZip;
    ui::TextBox* txtPhone;

    // Notes and memo pages.
    std::array<ui::TextBox*, 3> txtNotes{};
    ui::MultiLineTextBox* txtMemo;

    // The native's name: 0 client information, 1 notes, 2 memo page.
    std::array<ui::Label*, 3> lblClientName{};

    void FillSampleRecord();
    bool recordWritten() const { return recordWritten_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void buildSourcePage();
    void buildHistoryPage();
    void buildInfoPage();
    void buildNotesPage();
    void buildMemoPage();

    void cmdHistory_Click(int index);
    void lstHistory_Click();
    void txtHistoryItem_KeyPress(int& keyAscii);
    void vstData_Switch(int tab);
    void historyButtonsFor(bool list);

    bool recordWritten_ = false;
};

}  // namespace record
