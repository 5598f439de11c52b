#include "ui/controls.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QProxyStyle>
#include <QTimer>

#include "ui/accessible.h"
#include "ui/indextab.h"
#include "ui/itemtext.h"
#include "ui/twips.h"

namespace ui {

namespace {
// Set while a failed check hands the focus back: the field that loses the focus
// then is not being left by the user, so its own check must not run.
bool g_returningFocus = false;

// Which mouse buttons are down, as the presses and releases delivered so far tell
// (the same for real and synthesized events), and the leave checks waiting for
// the click in progress to end.
class MouseTracker : public QObject {
public:
    static MouseTracker& instance() {
        static QPointer<MouseTracker> tracker;
        if (!tracker) {
            tracker = new MouseTracker;
            tracker->setParent(qApp);
            qApp->installEventFilter(tracker);
        }
        return *tracker;
    }
    Qt::MouseButtons buttonsDown() const { return down_; }
    void afterRelease(TextBox* field) { waiting_.emplace_back(field); }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        const QEvent::Type t = e->type();
        if (t != QEvent::MouseButtonPress && t != QEvent::MouseButtonRelease && t != QEvent::MouseButtonDblClick)
            return false;
        down_ = static_cast<QMouseEvent*>(e)->buttons();
        if (down_ == Qt::NoButton && !waiting_.empty()) {
            // After the release has done its work (the click included).
            for (const QPointer<TextBox>& field : waiting_) {
                if (field) QTimer::singleShot(0, field, &TextBox::runLeaveCheckNow);
            }
            waiting_.clear();
        }
        return false;
    }

private:
    Qt::MouseButtons down_;
    std::vector<QPointer<TextBox>> waiting_;
};
}  // namespace

bool clickOnAccessKey(QAbstractButton* button, QEvent* e) {
    if (e->type() != QEvent::Shortcut) return false;
    if (!button->isEnabled() || !button->isVisible()) return true;
    if (button->focusPolicy() != Qt::NoFocus) button->setFocus(Qt::ShortcutFocusReason);
    // A key that several controls of the window share only moves the focus among them.
    if (!static_cast<QShortcutEvent*>(e)->isAmbiguous()) button->click();
    return true;
}

// ---------------------------------------------------------------- buttons

CommandButton::CommandButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    useAccessibleControls();
    setAutoDefault(false);
}

bool CommandButton::event(QEvent* e) { return clickOnAccessKey(this, e) || QPushButton::event(e); }

PictureButton::PictureButton(const QString& caption, QWidget* parent) : QToolButton(parent) {
    useAccessibleControls();
    setText(caption);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setAutoRaise(false);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

bool PictureButton::event(QEvent* e) {
    if (e->type() == QEvent::MouseMove || e->type() == QEvent::Enter) emit MouseMove();
    return clickOnAccessKey(this, e) || QToolButton::event(e);
}

CheckBox::CheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {
    useAccessibleControls();
    // Any change not made by setValue() is the user's (mouse, keyboard or assistive
    // technology), and each is one Click.
    connect(this, &QCheckBox::stateChanged, this, [this] {
        if (!fromCode_) emit Click();
    });
}

void CheckBox::setValue(Qt::CheckState state) {
    fromCode_ = true;
    setCheckState(state);
    fromCode_ = false;
    emit Click();
}

bool CheckBox::event(QEvent* e) { return clickOnAccessKey(this, e) || QCheckBox::event(e); }

OptionButton::OptionButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent) {
    useAccessibleControls();
    connect(this, &QRadioButton::toggled, this, [this](bool on) {
        if (on && !fromCode_) {
            toggledByThisClick_ = true;
            emit Click();
        }
    });
    // Clicking an option that is already selected raises Click as well.
    connect(this, &QRadioButton::clicked, this, [this] {
        if (!toggledByThisClick_) emit Click();
        toggledByThisClick_ = false;
    });
}

void OptionButton::select() {
    fromCode_ = true;
    setChecked(true);
    fromCode_ = false;
    emit Click();
}

bool OptionButton::event(QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::KeyPress) toggledByThisClick_ = false;
    return clickOnAccessKey(this, e) || QRadioButton::event(e);
}

OptionButton* OptionArray::add(const QString& caption, QWidget* parent) {
    auto* b = new OptionButton(caption, parent);
    const int index = size();
    buttons_.push_back(b);
    connect(b, &OptionButton::Click, this, [this, index] { emit Click(index); });
    return b;
}

int OptionArray::selected() const {
    for (int i = 0; i < size(); ++i) {
        if ((*this)[i]->isChecked()) return i;
    }
    return -1;
}

// ---------------------------------------------------------------- lists

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new PlainTextDelegate(this));
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        selectionChanged_ = true;
        if (!fromCode_) emit Click();
    });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { emit DblClick(); });
}

void ListBox::AddItem(const QString& text) { addItem(text); }

void ListBox::RemoveItem(int index) {
    if (index < 0 || index >= count()) return;
    fromCode_ = true;
    delete takeItem(index);
    clearSelection();  // Qt would pass the selection on to a neighbour
    fromCode_ = false;
}

int ListBox::ListIndex() const {
    if (selectionMode() != QAbstractItemView::SingleSelection) return currentRow();
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ListBox::setListIndex(int index) {
    fromCode_ = true;
    if (index < 0) {
        setCurrentRow(-1);
        clearSelection();
    } else {
        setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    }
    fromCode_ = false;
    emit Click();
}

void ListBox::focusInEvent(QFocusEvent* e) {
    fromCode_ = true;  // Qt makes a line current on focus; that selects nothing
    // The focus frame is drawn round the current line: one scrolled out of
    // view would leave no sign of the focus, so the top line shown takes it.
    const QModelIndex top = indexAt(QPoint(1, 1));
    if (top.isValid() && (!currentIndex().isValid() || !viewport()->rect().intersects(visualRect(currentIndex()))))
        selectionModel()->setCurrentIndex(top, QItemSelectionModel::NoUpdate);
    QListWidget::focusInEvent(e);
    fromCode_ = false;
    emit GotFocus();
}

void ListBox::keyPressEvent(QKeyEvent* e) {
    // With nothing selected, the first arrow key selects the line that is
    // current (the first one, after Tab), rather than moving past it.
    const bool arrow = e->key() == Qt::Key_Down || e->key() == Qt::Key_Up;
    if (arrow && e->modifiers() == Qt::NoModifier && ListIndex() < 0 && currentItem() &&
        selectionMode() == QAbstractItemView::SingleSelection) {
        currentItem()->setSelected(true);
        return;
    }
    QListWidget::keyPressEvent(e);
}

void ListBox::mousePressEvent(QMouseEvent* e) {
    selectionChanged_ = false;
    QListWidget::mousePressEvent(e);
    // A click on the line that is selected already is a Click all the same.
    const QListWidgetItem* hit = itemAt(e->position().toPoint());
    if (e->button() == Qt::LeftButton && hit && hit->isSelected() && !selectionChanged_) emit Click();
}

QString ListBox::List(int index) const {
    const QListWidgetItem* it = item(index);
    return it ? it->text() : QString();
}

void ListBox::setSelected(int index, bool selected) {
    QListWidgetItem* it = item(index);
    if (!it) return;
    fromCode_ = true;
    it->setSelected(selected);
    fromCode_ = false;
}

bool ListBox::Selected(int index) const {
    const QListWidgetItem* it = item(index);
    return it && it->isSelected();
}

void ListBox::setTopIndex(int index) {
    pendingTop_ = index;
    applyTopIndex();
}

int ListBox::TopIndex() const {
    if (pendingTop_ >= 0) return pendingTop_;
    const QModelIndex top = indexAt(QPoint(1, 1));
    return top.isValid() ? top.row() : 0;
}

void ListBox::showEvent(QShowEvent* e) {
    QListWidget::showEvent(e);
    applyTopIndex();
}

void ListBox::applyTopIndex() {
    // Scrolling needs the entries laid out in the list's size, which a hidden
    // list does not have yet.
    if (pendingTop_ < 0 || !isVisible()) return;
    doItemsLayout();
    if (QListWidgetItem* it = item(pendingTop_)) scrollToItem(it, QAbstractItemView::PositionAtTop);
    pendingTop_ = -1;
}

namespace {
// Styles such as Fusion open a combo box's list as a menu over the box, as tall as
// the screen allows, ignoring how many entries the box means to show. This one
// opens it below the box with that many entries and a scroll bar.
class ListBelowStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle* listBelowStyle() {
    static QPointer<QStyle> style;
    if (!style) {
        style = new ListBelowStyle;
        style->setParent(qApp);
    }
    return style;
}
}  // namespace

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::activated, this, [this] { emit Click(); });
}

void ComboBox::showPopup() {
    // Set when the list first opens, not when the box is built: a style change
    // makes the box build its list window at once, and a window with many boxes
    // would pay for lists nobody opens.
    if (style() != listBelowStyle())
        setStyle(listBelowStyle());
    QComboBox::showPopup();
}

void ComboBox::setListIndex(int index) {
    setCurrentIndex(index);
    emit Click();
}

void ComboBox::makeEditable() {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
}

void ComboBox::Clear() {
    clear();
    clearEditText();
}

// ---------------------------------------------------------------- text box

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    useAccessibleControls();
    MouseTracker::instance();  // watching from now on, before any press leaves a field
}

void filterKeyPress(QKeyEvent* e, const KeyFilter& filter, const std::function<void(QKeyEvent*)>& edit) {
    const bool withAlt = e->modifiers() & (Qt::AltModifier | Qt::MetaModifier);
    if (withAlt && !e->text().isEmpty() && e->text().at(0).isPrint()) {
        e->ignore();  // an access key that no control took is no typing (nor past a key filter)
        return;
    }
    if (!filter || withAlt) {
        edit(e);
        return;
    }
    // The filter sees typed characters; editing shortcuts (select all, copy, cut,
    // undo, redo) are no typing and work as in every field.
    int key = 0;
    switch (e->key()) {
        case Qt::Key_Backspace: key = 8; break;
        case Qt::Key_Return:
        case Qt::Key_Enter: key = (e->modifiers() & Qt::ControlModifier) ? 10 : 13; break;
        case Qt::Key_Escape: key = 27; break;
        default:
            if (!(e->modifiers() & Qt::ControlModifier) && !e->text().isEmpty()) key = e->text().at(0).unicode();
    }
    if (key == 0) {  // navigation and editing keys are no characters
        edit(e);
        return;
    }
    const int original = key;
    filter(key);
    if (key == 0) {
        e->accept();
        return;
    }
    if (key == original) {
        edit(e);
        return;
    }
    const QString replacement(QChar(static_cast<char16_t>(key)));
    QKeyEvent changed(e->type(), key == 8 ? int(Qt::Key_Backspace) : int(Qt::Key_unknown), e->modifiers(),
                      key == 8 ? QString() : replacement);
    edit(&changed);
}

void TextBox::keyPressEvent(QKeyEvent* e) {
    if (keyFilter_ && e->matches(QKeySequence::Paste)) {  // Ctrl+V and Shift+Insert alike
        if (!isReadOnly()) insertFiltered(QGuiApplication::clipboard()->text());
        e->accept();
        return;
    }
    filterKeyPress(e, keyFilter_, [this](QKeyEvent* k) { QLineEdit::keyPressEvent(k); });
}

void TextBox::insertFiltered(const QString& text) {
    if (!keyFilter_) {
        insert(text);
        return;
    }
    for (const QChar c : text) {
        int key = c.unicode();
        keyFilter_(key);
        if (key == 8) {
            backspace();
        } else if (key >= 32) {
            insert(QString(QChar(static_cast<char16_t>(key))));
        }
    }
}

void TextBox::contextMenuEvent(QContextMenuEvent* e) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (keyFilter_) {
        for (QAction* a : menu->actions()) {
            if (!a->text().startsWith(QLineEdit::tr("&Paste"))) continue;
            disconnect(a, &QAction::triggered, nullptr, nullptr);
            connect(a, &QAction::triggered, this, [this] { insertFiltered(QGuiApplication::clipboard()->text()); });
        }
    }
    menu->popup(e->globalPos());
}

void TextBox::dropEvent(QDropEvent* e) {
    if (!keyFilter_ || isReadOnly()) {
        QLineEdit::dropEvent(e);
        return;
    }
    deselect();
    setCursorPosition(cursorPositionAt(e->position().toPoint()));
    insertFiltered(e->mimeData()->text());
    e->setDropAction(Qt::CopyAction);
    e->accept();
    setFocus(Qt::MouseFocusReason);
}

// A composed text is typed text too: it reaches the field through the filter.
void TextBox::inputMethodEvent(QInputMethodEvent* e) {
    if (!keyFilter_ || isReadOnly() || e->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(e);
        return;
    }
    QInputMethodEvent composing(e->preeditString(), e->attributes());
    QLineEdit::inputMethodEvent(&composing);
    insertFiltered(e->commitString());
    e->accept();
}

void TextBox::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    if (selectAllOnFocus_) {
        // After the mouse press that gave the focus has placed the cursor.
        QTimer::singleShot(0, this, &QLineEdit::selectAll);
        selectAll();
    }
    emit GotFocus();
}

void TextBox::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    const Qt::FocusReason reason = e->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
        reason == Qt::MenuBarFocusReason || g_returningFocus) {
        return;  // a box, a menu or another window took over: not leaving
    }
    const QWidget* next = QApplication::focusWidget();
    if (!next || next->window() != window()) return;
    emit LostFocus();
    if (!leaveCheck_) return;
    QTimer::singleShot(0, this, [this] {
        // Left by a mouse press (seen by now, as Qt moves the focus before it
        // delivers the press): the check waits until the click is over, so the
        // click is never lost to its message, and a click that closes the window
        // closes it.
        if (MouseTracker::instance().buttonsDown() != Qt::NoButton) {
            MouseTracker::instance().afterRelease(this);
            return;
        }
        runLeaveCheck();
    });
}

void TextBox::runLeaveCheck() {
    // A window that is closing checks nothing.
    if (checking_ || !leaveCheck_ || !window()->isVisible()) return;
    checking_ = true;
    const bool ok = leaveCheck_();
    if (!ok) {
        // Back on the field's own page, when leaving it switched pages.
        if (!isVisible()) IndexTab::showPageOf(this);
        if (isVisible()) {
            g_returningFocus = true;
            setFocus(Qt::OtherFocusReason);
            g_returningFocus = false;
        }
    }
    checking_ = false;
}

// ---------------------------------------------------------------- label

Label::Label(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
}

void Label::setCaption(const QString& t) {
    if (t == text()) return;
    setText(t);
    emit Change();
}

void Label::mouseMoveEvent(QMouseEvent* e) {
    emit MouseMove();
    QLabel::mouseMoveEvent(e);
}

Label* label(const QString& text, QWidget* parent, double l, double t, double w, double h) {
    auto* lbl = new Label(text, parent);
    setGeometryTwips(lbl, l, t, w, h);
    return lbl;
}

Label* paragraph(const QString& text, QWidget* parent, double l, double t, double w, double h) {
    auto* lbl = label(text, parent, l, t, w, h);
    lbl->setWordWrap(true);
    lbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return lbl;
}

}  // namespace ui
