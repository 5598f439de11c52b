#pragma once

// The picture tours of the report writer and the interpretation editor: an index
// tab with one picture of the full product per tab, and a tool bar whose
// description follows the current tab. Both windows are the same design, told
// once by PictureTour and filled from a table of tabs.

#include <QString>
#include <span>
#include <vector>

#include "ui/form.h"

namespace ui {
class CommandButton;
class ElasticPanel;
class IndexTab;
class Label;
class Picture;
}  // namespace ui

namespace tours {

struct TourTab {
    const char* caption;             // with its access key ("&&" shows one ampersand)
    const char* picture;             // resource path of the screen picture
    const char* shows;               // what the picture shows, for assistive technology
    const char* description;         // the tool bar text; nullptr for a tab without one
    const char* pageText = nullptr;  // a text on the page itself, above the picture
};

class PictureTour : public ui::Form {
    Q_OBJECT
public:
    void Form_Load() override;

    ui::ElasticPanel* vseForm;
    ui::IndexTab* VSIndexTab1;
    std::vector<ui::Picture*> imgTab;  // one per tab
    ui::ElasticPanel* vseToolBar;
    ui::CommandButton* cmdAction2;       // "&Close"
    std::vector<ui::Label*> lblToolBar;  // one per described tab, all in one place
    std::vector<ui::Label*> lblPage;     // the page texts, nullptr where a page has none

protected:
    PictureTour(const char* name, const QString& caption, std::span<const TourTab> tabs);

private:
    void VSIndexTab1_Click();
    void cmdAction_Click(int index);
};

class frmReports final : public PictureTour {
    Q_OBJECT
public:
    frmReports();
};

class frmEdit final : public PictureTour {
    Q_OBJECT
public:
    frmEdit();
    ui::Label* Label2;  // the text on the "&Import" page
};

}  // namespace tours
