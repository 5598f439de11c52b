#include "record/frmdata.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "record/record_data.h"
#include "shell/screen.h"
#include "ui/controls.h"
#include "ui/elastic.h"
#include "ui/indextab.h"
#include "ui/multiline.h"
#include "ui/twips.h"

namespace record {

namespace {

const QString kCaption = QStringLiteral("More Chart Data");

// Design sizes in twips; a larger font gets what it needs on top.
constexpr double kPageWidth = 8100;
constexpr double kPageHeight = 4200;
constexpr double kMargin = 240;
constexpr double kGap = 120;
constexpr double kButtonWidth = 1500;

using ui::named;

// A caption label whose access key moves the focus to its field and whose
// words name the field for assistive technology.
ui::Label* caption(const QString& text, QWidget* field) {
    auto* l = new ui::Label(text);
    l->setBuddy(field);
    QString spoken = text;
    field->setAccessibleName(spoken.remove(u'&'));
    return l;
}

// A single-line field as wide as the characters it is meant to hold.
ui::TextBox* field(const char* name, int characters, int maxLength = 0) {
    auto* t = named(new ui::TextBox, name);
    t->setSelectAllOnFocus(true);
    if (maxLength > 0)
        t->setMaxLength(maxLength);
    const QFontMetrics fm = t->fontMetrics();
    const int frame = t->sizeHint().width() - 17 * fm.horizontalAdvance(u'x');
    t->setFixedWidth(frame + std::max(characters, 4) * fm.averageCharWidth());
    return t;
}

ui::CommandButton* button(const QString& text, const char* name) {
    auto* b = named(new ui::CommandButton(text), name);
    b->setMinimumWidth(std::max(ui::toPixels(kButtonWidth), b->sizeHint().width()));
    return b;
}

// The page's contents go in a plain container that covers the whole elastic
// page, laid out by a grid: fields keep their height, the list and the memo
// take what the window grows.
QGridLayout* pageGrid(QWidget* page) {
    auto* box = new QWidget(page);
    box->setObjectName(page->objectName() + QStringLiteral("Contents"));
    auto* grid = new QGridLayout(box);
    const int m = ui::toPixels(kMargin);
    grid->setContentsMargins(m, m, m, m);
    grid->setHorizontalSpacing(ui::toPixels(kGap));
    grid->setVerticalSpacing(ui::toPixels(kGap));
    return grid;
}

// "Notes for " and the name: the name follows the text, a blank apart either way.
QHBoxLayout* headingWithName(const QString& text, ui::Label* name) {
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    auto* l = new ui::Label(text);
    row->addWidget(l);
    if (!text.endsWith(u' '))
        row->addSpacing(l->fontMetrics().horizontalAdvance(u' '));
    row->addWidget(name);
    row->addStretch(1);
    return row;
}

}  // namespace

frmData::frmData() {
    setObjectName(QStringLiteral("frmData"));
    setWindowTitle(kCaption);

    vstData = named(new ui::IndexTab(this), "vstData");
    vstData->setCaptions(
        QStringLiteral("Data &Source|&Life History|Client &Information|&Notes|&Memo"));
    const std::array<const char*, 5> pageNames{"vseSource", "vseHistory", "vseInfo", "vseNotes",
                                               "vseMemo"};
    for (size_t t = 0; t < pageNames.size(); ++t)
        vstData->page(static_cast<int>(t))->setObjectName(QLatin1String(pageNames[t]));
    for (size_t i = 0; i < lblClientName.size(); ++i) {
        lblClientName[i] = new ui::Label;
        lblClientName[i]->setObjectName(QStringLiteral("lblClientName%1").arg(i));
    }
    buildSourcePage();
    buildHistoryPage();
    buildInfoPage();
    buildNotesPage();
    buildMemoPage();
    cmdAction = button(QStringLiteral("&Close"), "cmdAction");

    // The pages are as large as the design, or as their contents need in this font.
    QSize need(ui::toPixels(kPageWidth), ui::toPixels(kPageHeight));
    for (int t = 0; t < vstData->count(); ++t) {
        const QWidget* box =
            vstData->page(t)->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        need = need.expandedTo(box->sizeHint());
    }
    need.setWidth(std::max(need.width(), vstData->tabBar()->sizeHint().width()));
    vstData->resize(need * 2);
    const QSizeF spare = QSizeF(ui::toTwips(need.width() * 2), ui::toTwips(need.height() * 2)) -
                         vstData->pageSizeTwips();
    const QSizeF page(ui::toTwips(need.width()), ui::toTwips(need.height()));
    vstData->setMinimumSize(ui::toPixels(page.width() + spare.width()),
                            ui::toPixels(page.height() + spare.height()));
    for (int t = 0; t < vstData->count(); ++t) {
        auto* p = static_cast<ui::ElasticPanel*>(vstData->page(t));
        p->setDesignSizeTwips(page.width(), page.height());
        QWidget* box = p->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        ui::setGeometryTwips(box, 0, 0, page.width(), page.height());
    }

    auto* whole = new QVBoxLayout(this);
    const int m = ui::toPixels(kGap);
    whole->setContentsMargins(m, m, m, m);
    whole->setSpacing(m);
    whole->addWidget(vstData, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdAction);
    whole->addLayout(buttons);
    const QSize client = whole->totalMinimumSize();
    setDesignClientSizeTwips(ui::toTwips(client.width()), ui::toTwips(client.height()));

    connect(cmdAction, &QPushButton::clicked, this, &frmData::Unload);
    connect(vstData, &ui::IndexTab::Switch, this, &frmData::vstData_Switch);
    for (size_t i = 0; i < cmdHistory.size(); ++i) {
        connect(cmdHistory[i], &QPushButton::clicked, this,
                [this, i] { cmdHistory_Click(static_cast<int>(i)); });
    }
    connect(lstHistory, &ui::ListBox::Click, this, &frmData::lstHistory_Click);
    connect(lstHistory, &ui::ListBox::GotFocus, this, [this] { historyButtonsFor(true); });
    connect(mhiDate, &ui::TextBox::GotFocus, this, [this] { historyButtonsFor(false); });
    connect(txtHistoryItem, &ui::MultiLineTextBox::GotFocus, this,
            [this] { historyButtonsFor(false); });
    txtHistoryItem->setKeyFilter([this](int& key) { txtHistoryItem_KeyPress(key); });
}

// ------------------------------------------------------------------ pages

void frmData::buildSourcePage() {
    QGridLayout* g = pageGrid(vstData->page(0));
    txtSource = field("txtSource", 30, 30);
    txtRating = field("txtRating", 2, 2);
    g->addWidget(caption(QStringLiteral("&Data Source"), txtSource), 0, 0);
    g->addWidget(txtSource, 0, 1, Qt::AlignLeft);
    g->addWidget(caption(QStringLiteral("&Rating Class"), txtRating), 1, 0);
    g->addWidget(txtRating, 1, 1, Qt::AlignLeft);
    g->setColumnStretch(1, 1);
    g->setRowStretch(2, 1);
}

void frmData::buildHistoryPage() {
    QGridLayout* g = pageGrid(vstData->page(1));
    mhiDate = field("mhiDate", 12);
    txtHistoryItem = named(new ui::MultiLineTextBox, "txtHistoryItem");
    txtHistoryItem->setOnEntry(ui::MultiLineTextBox::OnEntry::SelectAll);
    txtHistoryItem->setFixedHeight(txtHistoryItem->fontMetrics().lineSpacing() * 3 +
                                   2 * txtHistoryItem->frameWidth() + 8);
    cmdHistory[0] = button(QStringLiteral("Add Item"), "cmdHistory0");
    cmdHistory[1] = button(QStringLiteral("Delete Item"), "cmdHistory1");
    lstHistory = named(new ui::ListBox, "lstHistory");
    lstHistory->setAccessibleName(QStringLiteral("Life history"));
    lstHistory->setMinimumHeight(lstHistory->fontMetrics().lineSpacing() * 8);

    g->addWidget(caption(QStringLiteral("&Date"), mhiDate), 0, 0);
    g->addWidget(mhiDate, 0, 1, Qt::AlignLeft);
    g->addWidget(cmdHistory[0], 0, 2);
    auto* event = caption(QStringLiteral("&Event"), txtHistoryItem);
    event->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    g->addWidget(event, 1, 0);
    g->addWidget(txtHistoryItem, 1, 1);
    // Beside the list it deletes from, so Tab from the list reaches it while
    // the list's focus has it enabled.
    g->addWidget(lstHistory, 2, 0, 1, 2);
    g->addWidget(cmdHistory[1], 2, 2, Qt::AlignTop);
    g->setColumnStretch(1, 1);
    g->setRowStretch(2, 1);
    historyButtonsFor(false);
}

void frmData::buildInfoPage() {
    QGridLayout* g = pageGrid(vstData->page(2));
    g->addLayout(
        headingWithName(QStringLiteral("Address and phone information for"), lblClientName[0]), 0,
        0, 1, 2);
    txtStreet[0] = field("txtStreet0", 40);
    txtStreet[1] = field("txtStreet1", 40);
    txtCity = field("txtCity", 30);
    txtState = field("txtState", 30);
    txtCountry = field("txtCountry", 30);
    txtZip = field("txtZip", 12);
    txtPhone = field("txtPhone", 20);
    const std::array<std::pair<const char*, ui::TextBox*>, 7> rows{{
        {"Street Address &1", txtStreet[0]},
        {"Street Address &2", txtStreet[1]},
        {"C&ity", txtCity},
        {"State or P&rovince", txtState},
        {"Coun&try", txtCountry},
        {"&Postal Code", txtZip},
        {"P&hone Number", txtPhone},
    }};
    int r = 1;
    for (const auto& [text, box] : rows) {
        g->addWidget(caption(QString::fromLatin1(text), box), r, 0);
        g->addWidget(box, r++, 1, Qt::AlignLeft);
    }
    g->setColumnStretch(1, 1);
    g->setRowStretch(r, 1);
}

void frmData::buildNotesPage() {
    QGridLayout* g = pageGrid(vstData->page(3));
    g->addLayout(headingWithName(QStringLiteral("Notes for "), lblClientName[1]), 0, 0, 1, 2);
    for (int i = 0; i < 3; ++i) {
        auto*& note = txtNotes[static_cast<size_t>(i)];
        note = field(i == 0 ? "txtNotes0" : i == 1 ? "txtNotes1" : "txtNotes2", 45, 45);
        g->addWidget(caption(QStringLiteral("Note &%1").arg(i + 1), note), i + 1, 0);
        g->addWidget(note, i + 1, 1, Qt::AlignLeft);
    }
    g->setColumnStretch(1, 1);
    g->setRowStretch(4, 1);
}

void frmData::buildMemoPage() {
    QGridLayout* g = pageGrid(vstData->page(4));
    g->addLayout(headingWithName(QStringLiteral("Memo for"), lblClientName[2]), 0, 0);
    txtMemo = named(new ui::MultiLineTextBox, "txtMemo");
    txtMemo->setAccessibleName(QStringLiteral("Memo"));
    txtMemo->setMaxLength(kMemoLength);
    txtMemo->setOnEntry(ui::MultiLineTextBox::OnEntry::CaretAtEnd);
    g->addWidget(txtMemo, 1, 0);
    g->setRowStretch(1, 1);
}

// ------------------------------------------------------------------ load and first paint

void frmData::Form_Load() {
    shell::CenterForm(*this);
    vstData->setCurrTab(0);
}

void frmData::paintEvent(QPaintEvent* e) {
    ui::Form::paintEvent(e);
    // Once per opening: covering and uncovering the window repaints it, and
    // must not undo what the user has typed since.
    if (!recordWritten_) {
        recordWritten_ = true;
        FillSampleRecord();
    }
}

void frmData::FillSampleRecord() {
    const SampleRecord& r = sampleRecord();
    txtRating->setText(r.rating);
    txtSource->setText(r.source);
    txtStreet[0]->setText(r.street1);
    txtStreet[1]->setText(r.street2);
    txtCity->setText(r.city);
    txtCountry->setText(r.country);
    txtZip->setText(r.zip);
    txtPhone->setText(r.phone);
    txtNotes[0]->setText(r.note1);
    txtNotes[1]->setText(r.note2);
    txtMemo->setText(r.memo);
    for (ui::Label* l : lblClientName) l->setText(r.name);
    setWindowTitle(kCaption + QStringLiteral(" - ") + r.name);
    for (const QString& line : sampleHistory()) lstHistory->AddItem(line);
}

// ------------------------------------------------------------------ handlers

void frmData::vstData_Switch(int tab) {
    if (!isVisible())
        return;
    const std::array<QWidget*, 5> first{txtSource, mhiDate, txtStreet[0], txtNotes[0], txtMemo};
    first[static_cast<size_t>(tab)]->setFocus(Qt::TabFocusReason);
}

void frmData::historyButtonsFor(bool list) {
    cmdHistory[0]->setEnabled(!list);
    cmdHistory[1]->setEnabled(list);
}

void frmData::cmdHistory_Click(int index) {
    if (index == 0) {
        if (mhiDate->text().startsWith(u' ')) {
            mhiDate->setFocus(Qt::OtherFocusReason);
            return;
        }
        lstHistory->AddItem(mhiDate->text() + QStringLiteral(" - ") + txtHistoryItem->Text());
        lstHistory->scrollToBottom();
        return;
    }
    const int selected = lstHistory->ListIndex();
    if (selected >= 0)
        lstHistory->RemoveItem(selected);
}

void frmData::lstHistory_Click() {
    const int selected = lstHistory->ListIndex();
    if (selected < 0)
        return;
    const QString line = lstHistory->List(selected);
    const QString separator = QStringLiteral(" - ");
    const qsizetype at = line.indexOf(separator);
    if (line.isEmpty() || at < 0)
        return;
    mhiDate->setText(line.left(at));
    txtHistoryItem->setText(line.mid(at + separator.size()));
}

void frmData::txtHistoryItem_KeyPress(int& keyAscii) {
    if (keyAscii != 13)
        return;
    cmdHistory[0]->click();
    txtHistoryItem->clear();
    mhiDate->clear();
    mhiDate->setFocus(Qt::OtherFocusReason);
    keyAscii = 0;  // the line is added: no line break stays behind in the emptied field
}

}  // namespace record
