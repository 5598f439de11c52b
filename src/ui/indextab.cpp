#include "ui/indextab.h"

#include <QMouseEvent>
#include <QStackedWidget>
#include <QStringList>
#include <QVBoxLayout>
#include <vector>

#include "ui/accessible.h"
#include "ui/elastic.h"
#include "ui/twips.h"

namespace ui {

class IndexTab::Bar : public QTabBar {
    Q_OBJECT  // its own class name, by which assistive technology gets the layer's tab interface
public:
    explicit Bar(IndexTab* owner) : QTabBar(owner), owner_(owner) {
        useAccessibleControls();
        setDrawBase(true);
        setExpanding(false);
        setUsesScrollButtons(false);
        setElideMode(Qt::ElideNone);
    }

protected:
    void mousePressEvent(QMouseEvent* e) override {
        // A click on the tab that is already current changes nothing in QTabBar,
        // yet it is a Click of the control.
        const int hit = tabAt(e->position().toPoint());
        if (e->button() == Qt::LeftButton && hit >= 0 && hit == currentIndex()) {
            emit owner_->Click();
            return;
        }
        QTabBar::mousePressEvent(e);
    }

private:
    IndexTab* owner_;
};

IndexTab::IndexTab(QWidget* parent) : QWidget(parent), bar_(new Bar(this)), stack_(new QStackedWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar_);
    layout->addWidget(stack_, 1);
    stack_->setFrameShape(QFrame::StyledPanel);
    stack_->setAutoFillBackground(true);
    connect(bar_, &QTabBar::currentChanged, this, [this](int tab) {
        if (!selecting_ && tab >= 0) select(tab);
    });
}

void IndexTab::setCaptions(const QString& captionList) {
    const QStringList captions = captionList.split(u'|');
    selecting_ = true;
    while (bar_->count() > 0) bar_->removeTab(0);
    for (const QString& c : captions) bar_->addTab(c);
    while (stack_->count() < captions.size()) {
        auto* p = new ElasticPanel(stack_);
        stack_->addWidget(p);
    }
    selecting_ = false;
    current_ = bar_->currentIndex();
    stack_->setCurrentIndex(current_);
}

QString IndexTab::caption(int tab) const { return bar_->tabText(tab); }
double IndexTab::tabRowWidthTwips() const { return toTwips(bar_->sizeHint().width()); }

int IndexTab::count() const { return bar_->count(); }
QWidget* IndexTab::page(int tab) const { return stack_->widget(tab); }

void IndexTab::setCurrTab(int tab) {
    if (tab < 0 || tab >= count()) return;
    select(tab);
}

void IndexTab::select(int tab) {
    current_ = tab;
    if (bar_->currentIndex() != tab) {
        selecting_ = true;
        bar_->setCurrentIndex(tab);
        selecting_ = false;
    }
    const bool switching = stack_->currentIndex() != tab;
    emit Click();
    if (switching && current_ == tab) {
        showCurrentPage();
        emit Switch(tab);
    }
}

void IndexTab::showCurrentPage() {
    if (current_ >= 0 && stack_->currentIndex() != current_) stack_->setCurrentIndex(current_);
}

QSizeF IndexTab::pageSizeTwips() {
    // A hidden control gets no resize events: lay out again from its size as it is now.
    if (layout()) {
        layout()->invalidate();
        layout()->activate();
    }
    layOutPages();
    const QRect r = stack_->contentsRect();
    return {toTwips(r.width()), toTwips(r.height())};
}

QSizeF IndexTab::fixPageDesignSize() {
    const QSizeF size = pageSizeTwips();
    for (int i = 0; i < stack_->count(); ++i) {
        if (auto* p = qobject_cast<ElasticPanel*>(stack_->widget(i))) p->setDesignSizeTwips(size.width(), size.height());
    }
    return size;
}

void IndexTab::layOutPages() {
    // The stack sizes only the page on top; the others are sized here, so code
    // can place and centre things on any page before it is first shown.
    const QRect r = stack_->contentsRect();
    for (int i = 0; i < stack_->count(); ++i) stack_->widget(i)->setGeometry(r);
}

void IndexTab::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (layout()) layout()->activate();
    layOutPages();
}

void IndexTab::showPageOf(QWidget* control) {
    std::vector<std::pair<IndexTab*, int>> pages;  // innermost first
    for (QWidget* w = control; w; w = w->parentWidget()) {
        auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget());
        auto* tab = stack ? qobject_cast<IndexTab*>(stack->parentWidget()) : nullptr;
        if (tab && tab->stack_ == stack) pages.emplace_back(tab, stack->indexOf(w));
    }
    for (auto it = pages.rbegin(); it != pages.rend(); ++it) {
        if (it->first->CurrTab() != it->second) it->first->setCurrTab(it->second);
    }
}

void IndexTab::Refresh() {
    showCurrentPage();
    repaint();
    if (QWidget* p = stack_->currentWidget()) p->repaint();
}

}  // namespace ui

#include "indextab.moc"
