#include "tours/picturetour.h"

#include <QVBoxLayout>
#include <algorithm>

#include "shell/screen.h"
#include "ui/controls.h"
#include "ui/elastic.h"
#include "ui/indextab.h"
#include "ui/picture.h"
#include "ui/twips.h"

namespace tours {

namespace {

// Design sizes in twips. The tab control is tall enough for the screen pictures
// to show at about their drawn size; the tool bar takes what its texts need.
constexpr double kClientWidth = 11400;
constexpr double kTabHeight = 7260;
constexpr double kEdge = 60;
constexpr double kMargin = 120;
constexpr double kButtonWidth = 1500;
constexpr double kButtonHeight = 420;
constexpr double kMinToolBarHeight = 660;

using ui::named;

// A word-wrapped text label; the height it needs at its width, in twips.
ui::Label* paragraph(const char* text, QWidget* parent, const QString& name) {
    auto* lbl = named(new ui::Label(QString::fromUtf8(text), parent), name);
    lbl->setWordWrap(true);
    lbl->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return lbl;
}

double neededHeight(const ui::Label* lbl, double width) {
    return ui::toTwips(lbl->heightForWidth(ui::toPixels(width))) + 30;
}

}  // namespace

PictureTour::PictureTour(const char* name, const QString& caption, std::span<const TourTab> tabs) {
    setObjectName(QLatin1String(name));
    setWindowTitle(caption);

    vseForm = clientPanel(QStringLiteral("vseForm"));

    QStringList captions;
    for (const TourTab& t : tabs) captions << QString::fromUtf8(t.caption);
    VSIndexTab1 = named(new ui::IndexTab(vseForm), QStringLiteral("VSIndexTab1"));
    VSIndexTab1->setCaptions(captions.join(u'|'));
    // The tab row neither scrolls nor elides: the window is as wide as it needs.
    const double width = std::max(
        kClientWidth, VSIndexTab1->tabRowWidthTwips() + 2 * kMargin);

    // The tool bar: "&Close" at the right, the descriptions in one place to its left,
    // as tall as the longest of them wraps in the window's font.
    vseToolBar = named(new ui::ElasticPanel(vseForm), QStringLiteral("vseToolBar"));
    cmdAction2 = named(new ui::CommandButton(QStringLiteral("&Close"), vseToolBar),
                       QStringLiteral("cmdAction2"));
    const double buttonWidth =
        std::max(kButtonWidth, ui::toTwips(cmdAction2->sizeHint().width()) + 240);
    const double textWidth = width - 3 * kMargin - buttonWidth - kMargin;
    double textHeight = 0;
    for (const TourTab& t : tabs) {
        if (!t.description)
            break;  // the described tabs come first
        auto* lbl = paragraph(t.description, vseToolBar,
                              QStringLiteral("lblToolBar%1").arg(lblToolBar.size()));
        lbl->hide();
        textHeight = std::max(textHeight, neededHeight(lbl, textWidth));
        lblToolBar.push_back(lbl);
    }
    const double barHeight = std::max(kMinToolBarHeight, textHeight + 2 * kMargin);
    ui::setGeometryTwips(cmdAction2, width - kMargin - buttonWidth, (barHeight - kButtonHeight) / 2,
                         buttonWidth, kButtonHeight);
    for (ui::Label* lbl : lblToolBar)
        ui::setGeometryTwips(lbl, 2 * kMargin, kMargin, textWidth, textHeight);

    const double height = kEdge + kTabHeight + barHeight;
    setDesignClientSizeTwips(width, height);
    ui::setGeometryTwips(VSIndexTab1, kEdge, kEdge, width - 2 * kEdge, kTabHeight);
    ui::setGeometryTwips(vseToolBar, 0, kEdge + kTabHeight, width, barHeight);
    vseToolBar->setDesignSizeTwips(width, barHeight);

    // One picture per page, under the page's own text where it has one. The
    // pictures render when first painted, so only the tab shown costs anything;
    // a click on them does nothing.
    const QSizeF pageSize = VSIndexTab1->pageSizeTwips();
    for (int i = 0; i < static_cast<int>(tabs.size()); ++i) {
        const TourTab& t = tabs[static_cast<size_t>(i)];
        auto* page = static_cast<ui::ElasticPanel*>(VSIndexTab1->page(i));
        page->setDesignSizeTwips(pageSize.width(), pageSize.height());
        ui::setGeometryTwips(page, 0, 0, pageSize.width(), pageSize.height());

        double top = kMargin;
        const double inner = pageSize.width() - 2 * kMargin;
        ui::Label* text = nullptr;
        if (t.pageText) {
            text = paragraph(t.pageText, page, QStringLiteral("lblPage%1").arg(i));
            text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            const double h = neededHeight(text, inner);
            ui::setGeometryTwips(text, kMargin, top, inner, h);
            top += h + kMargin;
        }
        lblPage.push_back(text);

        auto* img = named(new ui::Picture(QString::fromUtf8(t.picture), page),
                          QStringLiteral("imgTab%1").arg(i));
        img->setAccessibleName(QString::fromUtf8(t.shows));
        ui::setGeometryTwips(img, kMargin, top, inner, pageSize.height() - top - kMargin);
        imgTab.push_back(img);
    }

    connect(VSIndexTab1, &ui::IndexTab::Click, this, &PictureTour::VSIndexTab1_Click);
    connect(cmdAction2, &ui::CommandButton::clicked, this, [this] { cmdAction_Click(2); });
}

void PictureTour::Form_Load() {
    shell::CenterForm(*this);
    VSIndexTab1->setCurrTab(0);
}

void PictureTour::VSIndexTab1_Click() {
    // Every description goes first, so two never show at once; a tab without
    // one (the editor's import page) leaves the tool bar to "&Close".
    for (ui::Label* lbl : lblToolBar) lbl->hide();
    const auto tab = static_cast<size_t>(VSIndexTab1->CurrTab());
    if (tab < lblToolBar.size())
        lblToolBar[tab]->show();
}

void PictureTour::cmdAction_Click(int) {
    Unload();
}

}  // namespace tours
