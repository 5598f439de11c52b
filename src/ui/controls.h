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

class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);
    void AddItem(const QString& text);
    int ListIndex() const { return currentRow(); }
    // Selects from code and raises Click; -1 clears the selection.
    void setListIndex(int index);
    QString List(int index) const;
    int ListCount() const { return count(); }

signals:
    void Click();
    void DblClick();

private:
    bool fromCode_ = false;
};

class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);
    void AddItem(const QString& text) { addItem(text); }
    int ListIndex() const { return currentIndex(); }
    void setListIndex(int index);

signals:
    void Click();
};

class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    // Sees each typed character (control characters below 32 included: Backspace
    // is 8, Enter 13) and may change it, or set it to 0 to discard it.
    using KeyFilter = std::function<void(int& keyAscii)>;
    void setKeyFilter(KeyFilter filter) { keyFilter_ = std::move(filter); }

    // Runs when the user leaves the field for another control of the same window.
    // Return false to take the focus back (the check shows its own message).
    using LeaveCheck = std::function<bool()>;
    void setLeaveCheck(LeaveCheck check) { leaveCheck_ = std::move(check); }

    // Selects the whole text whenever the field gains the focus.
    void setSelectAllOnFocus(bool on) { selectAllOnFocus_ = on; }

    // Inserts text as if typed: each character passes the key filter first.
    void insertFiltered(const QString& text);

signals:
    void GotFocus();
    void LostFocus();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void dropEvent(QDropEvent* e) override;

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

}  // namespace ui
