#include "ui/accessible.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QKeySequence>
#include <QLineEdit>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabBar>
#include <QToolButton>

#include "ui/controls.h"
#include "ui/pause.h"

namespace ui {

namespace {

QString stripAccessKey(const QString& caption) {
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&') {
            out += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == u'&') {
            out += u'&';  // "&&" is a literal ampersand
            ++i;
        }
    }
    return out;
}

QString accessKeyText(const QString& caption) {
    return QKeySequence::mnemonic(caption).toString(QKeySequence::NativeText);
}

// ---------------------------------------------------------------- buttons

class ButtonAccessible : public QAccessibleWidget {
public:
    ButtonAccessible(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }

    QString text(QAccessible::Text t) const override {
        QString s = QAccessibleWidget::text(t);
        if (!s.isEmpty())
            return s;
        if (t == QAccessible::Name)
            return stripAccessKey(button()->text());
        if (t == QAccessible::Accelerator)
            return accessKeyText(button()->text());
        return s;
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = button()->isCheckable();
        s.checked = button()->isChecked();
        s.pressed = button()->isDown();
        return s;
    }

    QStringList actionNames() const override {
        QStringList names;
        if (widget()->isEnabled())
            names << (button()->isCheckable() ? toggleAction() : pressAction());
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override {
        if (name != pressAction() && name != toggleAction()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        // A click, as the mouse gives it: an option button already selected
        // raises its Click as well.
        deliverInput(button(), [b = QPointer<QAbstractButton>(button())] {
            if (b && b->isEnabled())
                b->click();
        });
    }
};

// ---------------------------------------------------------------- text boxes

class TextBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
public:
    explicit TextBoxAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::EditableText) {}

    QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::EditableTextInterface && !edit()->isReadOnly())
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return edit()->displayText();
        return QAccessibleWidget::text(t);
    }

    void setText(QAccessible::Text t, const QString& text) override {
        if (t == QAccessible::Value)
            change([text](QString&) { return text; }, 0, -1, text);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = edit()->isReadOnly();
        s.editable = !s.readOnly;
        s.selectableText = true;
        s.passwordEdit = edit()->echoMode() != QLineEdit::Normal;
        return s;
    }

    // Reading
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index == 0 && edit()->hasSelectedText()) {
            *start = edit()->selectionStart();
            *end = *start + edit()->selectionLength();
        }
    }
    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { edit()->deselect(); }
    void setSelection(int, int start, int end) override {
        edit()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    QString text(int start, int end) const override {
        return edit()->displayText().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(edit()->displayText().size()); }
    QRect characterRect(int offset) const override {
        QStyleOptionFrame opt;
        opt.initFrom(edit());
        const QRect contents =
            edit()->style()->subElementRect(QStyle::SE_LineEditContents, &opt, edit());
        const QString shown = edit()->displayText();
        const QFontMetrics fm = edit()->fontMetrics();
        const int x = contents.x() + fm.horizontalAdvance(shown.left(offset));
        const int w = offset < shown.size() ? fm.horizontalAdvance(shown.at(offset)) : 1;
        const QRect local(x, contents.y() + (contents.height() - fm.height()) / 2, w, fm.height());
        return QRect(edit()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
    }
    void scrollToSubstring(int, int end) override { edit()->setCursorPosition(end); }
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

    // Editing
    void deleteText(int start, int end) override {
        change([start, end](QString& s) { return s.remove(start, end - start); }, start, end);
    }
    void insertText(int offset, const QString& text) override {
        change([offset, text](QString& s) { return s.insert(offset, text); }, offset, offset, text);
    }
    void replaceText(int start, int end, const QString& text) override {
        change([start, end, text](QString& s) { return s.replace(start, end - start, text); }, start, end, text);
    }

private:
    // Waits for a running pause like typing does. A field with a key filter gets
    // the new text typed through it over [start, end) (end -1: the whole text),
    // so no edit can leave there what typing could not.
    template <class Edit>
    void change(Edit edit, int start, int end, const QString& typed = {}) {
        deliverInput(this->edit(), [e = QPointer<QLineEdit>(this->edit()), edit, start, end, typed]() mutable {
            if (!e || e->isReadOnly())
                return;
            if (auto* box = qobject_cast<TextBox*>(e.data()); box && box->hasKeyFilter()) {
                const int to = end < 0 ? int(box->text().size()) : end;
                box->setSelection(start, to - start);
                box->del();
                box->insertFiltered(typed);
                return;
            }
            QString s = e->text();
            e->setText(edit(s));
        });
    }
};

// ---------------------------------------------------------------- index tabs

class TabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TabAccessible(QTabBar* bar, int index) : bar_(bar), index_(index) {}

    bool isValid() const override { return bar_ && index_ < bar_->count(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(bar_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QString text(QAccessible::Text t) const override {
        if (!isValid())
            return {};
        switch (t) {
            case QAccessible::Name:
                return stripAccessKey(bar_->tabText(index_));
            case QAccessible::Accelerator:
                return accessKeyText(bar_->tabText(index_));
            case QAccessible::Description:
                return bar_->tabToolTip(index_);
            default:
                return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.selectable = true;
        s.selected = bar_->currentIndex() == index_;
        s.disabled = !bar_->isTabEnabled(index_);
        s.invisible = !bar_->isVisible() || !bar_->isTabVisible(index_);
        return s;
    }

    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect r = bar_->tabRect(index_);
        return QRect(bar_->mapToGlobal(r.topLeft()), r.size());
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                 : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& name) override {
        if (name != pressAction() || !isValid())
            return;
        deliverInput(bar_, [bar = bar_, index = index_] {
            if (bar && bar->isTabEnabled(index))
                bar->setCurrentIndex(index);
        });
    }

private:
    QPointer<QTabBar> bar_;
    int index_;
};

class TabBarAccessible : public QAccessibleWidget {
public:
    explicit TabBarAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::PageTabList) {}
    ~TabBarAccessible() override {
        for (QAccessible::Id id : std::as_const(tabs_)) QAccessible::deleteAccessibleInterface(id);
    }

    QTabBar* bar() const { return static_cast<QTabBar*>(widget()); }

    int childCount() const override { return bar()->count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= bar()->count())
            return nullptr;
        if (QAccessible::Id id = tabs_.value(index))
            return QAccessible::accessibleInterface(id);
        auto* tab = new TabAccessible(bar(), index);
        tabs_.insert(index, QAccessible::registerAccessibleInterface(tab));
        return tab;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child)
            return -1;
        const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child));
        for (auto it = tabs_.cbegin(); it != tabs_.cend(); ++it) {
            if (it.value() == id)
                return it.key();
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const int index = bar()->tabAt(bar()->mapFromGlobal(QPoint(x, y)));
        return index >= 0 ? child(index) : nullptr;
    }

private:
    mutable QHash<int, QAccessible::Id> tabs_;
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* w = static_cast<QWidget*>(object);
    if (className == u"ui::CommandButton" || className == u"ui::PictureButton")
        return new ButtonAccessible(w, QAccessible::PushButton);
    if (className == u"ui::CheckBox")
        return new ButtonAccessible(w, QAccessible::CheckBox);
    if (className == u"ui::OptionButton")
        return new ButtonAccessible(w, QAccessible::RadioButton);
    if (className == u"ui::TextBox")
        return new TextBoxAccessible(w);
    if (className == u"ui::IndexTab::Bar")
        return new TabBarAccessible(w);
    return nullptr;
}

}  // namespace

void useAccessibleControls() {
    static const bool installed = [] {
        QAccessible::installFactory(&factory);
        return true;
    }();
    (void)installed;
}

}  // namespace ui
