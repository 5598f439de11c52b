#pragma once

// Controls with the event rules the windows were written for:
// - Click is raised by a user action and equally by setting the value from code,
//   every time, even when the value does not change;
// - an access key (Alt+letter) clicks a button at once, without Qt's animation delay
//   (a key that several controls share only moves the focus among them);
// - a text box lets a key filter see every typed character first, and runs a
//   check when the user leaves it for another control of the same window.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <functional>
#include <vector>

namespace ui {

// Handles QEvent::Shortcut with an immediate click (focus first, as a click would).
bool clickOnAccessKey(QAbstractButton* button, QEvent* e);

// Sees each typed character (control characters below 32 included: Backspace
// is 8, Enter 13) and may change it, or set it to 0 to discard it.
using KeyFilter = std::function<void(int& keyAscii)>;

// A text field's key press through its key filter: `edit` is the field's own
// handling, given the key as the filter left it, and not called for a discarded key.
void filterKeyPress(QKeyEvent* e, const KeyFilter& filter, const std::function<void(QKeyEvent*)>& edit);

class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(const QString& caption, QWidget* parent = nullptr);

protected:
    bool event(QEvent* e) override;
};

// A command button with a picture above its caption, as on the main menu.
class PictureButton : public QToolButton {
    Q_OBJECT
public:
    explicit PictureButton(const QString& caption, QWidget* parent = nullptr);

signals:
    void MouseMove();

protected:
    bool event(QEvent* e) override;
};

class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit CheckBox(const QString& caption, QWidget* parent = nullptr);
    // Sets the value from code and raises Click.
    void setValue(Qt::CheckState state);
    void setValue(bool checked) { setValue(checked ? Qt::Checked : Qt::Unchecked); }
    Qt::CheckState value() const { return checkState(); }

signals:
    void Click();

protected:
    bool event(QEvent* e) override;

private:
    bool fromCode_ = false;
};

class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(const QString& caption, QWidget* parent = nullptr);
    // Selects the option from code and raises Click.
    void select();

signals:
    void Click();

protected:
    bool event(QEvent* e) override;

private:
    bool fromCode_ = false;
    bool toggledByThisClick_ = false;
};

// An option button array sharing one handler that receives the index.
class OptionArray : public QObject {
    Q_OBJECT
public:
    explicit OptionArray(QObject* parent = nullptr) : QObject(parent) {}
    OptionButton* add(const QString& caption, QWidget* parent);
    OptionButton* operator[](int index) const { return buttons_.at(static_cast<size_t>(index)); }
    int size() const { return static_cast<int>(buttons_.size()); }
    int selected() const;  // -1 when none
    void select(int index) { (*this)[index]->select(); }

signals:
    void Click(int index);

private:
    std::vector<OptionButton*> buttons_;
};

// A list tells a selected line from Qt's current line: taking the focus (by Tab
// or by code) makes a line current without selecting it, and raises no Click.
// Click comes with every selection the user makes, and with a click on a line
// even when that line is selected already.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);
    void AddItem(const QString& text);
    // Removes a line without raising Click; afterwards no line is selected.
    void RemoveItem(int index);
    // The selected line of a single-selection list (-1 when none); the current
    // line of a list with several selections.
    int ListIndex() const;
    // Selects from code and raises Click; -1 clears the selection.
    void setListIndex(int index);
    QString List(int index) const;
    int ListCount() const { return count(); }

    // Multiple selection from code: one entry on or off, the others kept, no Click.
    void setSelected(int index, bool selected);
    bool Selected(int index) const;
    // The first visible entry. Set before the list is shown, it applies when it is.
    void setTopIndex(int index);
    int TopIndex() const;

signals:
    void Click();
    void DblClick();
    void GotFocus();

protected:
    void focusInEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void applyTopIndex();
    bool fromCode_ = false;
    int pendingTop_ = -1;
    bool selectionChanged_ = false;
};

class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);
    void AddItem(const QString& text) { addItem(text); }
    int ListIndex() const { return currentIndex(); }
    void setListIndex(int index);

    // Makes the box's text editable; typed text is neither completed from the
    // entries nor added to them on Enter.
    void makeEditable();
    QString Text() const { return currentText(); }
    void setText(const QString& text) { setEditText(text); }
    // Empties the list and the text.
    void Clear();

    // Opens the list below the box, as many entries tall as the box shows.
    void showPopup() override;

signals:
    void Click();
};

class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    using KeyFilter = ui::KeyFilter;
    void setKeyFilter(KeyFilter filter) { keyFilter_ = std::move(filter); }
    bool hasKeyFilter() const { return bool(keyFilter_); }

    // Runs when the user leaves the field for another control of the same window
    // (after the click, when a mouse press left it); not once the window is
    // closing. Return false to take the focus back (the check shows its own
    // message), on the field's own page if leaving it switched pages.
    using LeaveCheck = std::function<bool()>;
    void setLeaveCheck(LeaveCheck check) { leaveCheck_ = std::move(check); }

    // Selects the whole text whenever the field gains the focus.
    void setSelectAllOnFocus(bool on) { selectAllOnFocus_ = on; }

    // Inserts text as if typed: each character passes the key filter first.
    void insertFiltered(const QString& text);

    // Runs the leave check now, as leaving the field does (the layer's own use).
    void runLeaveCheckNow() { runLeaveCheck(); }

signals:
    void GotFocus();
    void LostFocus();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;

private:
    void runLeaveCheck();
    KeyFilter keyFilter_;
    LeaveCheck leaveCheck_;
    bool selectAllOnFocus_ = false;
    bool checking_ = false;
};

// A label that shows data: plain text only, and a MouseMove signal for status lines.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(const QString& text = {}, QWidget* parent = nullptr);
    // Sets the text from code and raises Change when it differs.
    void setCaption(const QString& text);

signals:
    void MouseMove();
    void Change();

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
};

// Gives a control its object name (what tests and the accessibility tree find
// it by) and returns it, so a control can be made, named and kept in one line.
template <class T>
T* named(T* w, QAnyStringView name) {
    w->setObjectName(name);
    return w;
}

// A label at its design place, in twips.
Label* label(const QString& text, QWidget* parent, double l, double t, double w, double h);
// The same, its words wrapping from the top left.
Label* paragraph(const QString& text, QWidget* parent, double l, double t, double w, double h);

}  // namespace ui
