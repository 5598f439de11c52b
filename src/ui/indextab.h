#pragma once

// An index-tab control: a row of tabs named by a caption list ("&One|T&wo"), one
// page per tab. Selecting a tab (mouse, access key, keyboard or code) raises
// Click with CurrTab() already the new tab, and only then shows the new page and
// raises Switch. Clicking the current tab again raises Click alone.

#include <QTabBar>
#include <QWidget>

class QStackedWidget;

namespace ui {

class IndexTab : public QWidget {
    Q_OBJECT
public:
    explicit IndexTab(QWidget* parent = nullptr);

    void setCaptions(const QString& captionList);
    QString caption(int tab) const;
    int count() const;
    // The width the row of tabs needs to show every caption whole.
    double tabRowWidthTwips() const;

    // The page for a tab; children placed on it show while the tab is current.
    QWidget* page(int tab) const;

    int CurrTab() const { return current_; }
    // Selects a tab from code; raises Click every time.
    void setCurrTab(int tab);

    // The size every page gets inside the control, in twips (laid out on demand,
    // so a load sequence can centre things before the window is shown).
    QSizeF pageSizeTwips();
    // Makes that size every page's design size (its children then grow with the
    // page, never below it) and returns it.
    QSizeF fixPageDesignSize();

    // Makes the pages that hold a control current, as a user selecting their
    // tabs would (Click and Switch run), from the outermost index tab inward.
    static void showPageOf(QWidget* control);

    // Draws the current page now (a preview running inside Click needs it).
    void Refresh();

    QTabBar* tabBar() const { return bar_; }

signals:
    void Click();
    void Switch(int tab);

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void layOutPages();
    class Bar;
    void select(int tab);
    void showCurrentPage();

    QTabBar* bar_;
    QStackedWidget* stack_;
    int current_ = -1;
    bool selecting_ = false;
};

}  // namespace ui
