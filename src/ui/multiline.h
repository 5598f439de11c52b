#pragma once

// A text box of several lines: the single-line box's key filter (Enter reaches
// it as 13, and the filter may discard it), a maximum length that holds for
// typing and pasting alike, word wrap, and what entering the box does.

#include <QPlainTextEdit>

#include "ui/controls.h"

namespace ui {

class MultiLineTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    enum class OnEntry { Nothing, SelectAll, CaretAtEnd };

    explicit MultiLineTextBox(QWidget* parent = nullptr);

    QString Text() const { return toPlainText(); }
    void setText(const QString& text);

    void setKeyFilter(KeyFilter filter) { keyFilter_ = std::move(filter); }

    // At most this many characters (0: no limit); text set by code is not cut.
    void setMaxLength(int length) { maxLength_ = length; }
    int maxLength() const { return maxLength_; }

    void setOnEntry(OnEntry what) { onEntry_ = what; }

signals:
    void GotFocus();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void insertFromMimeData(const QMimeData* source) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    int room() const;  // characters that may still go in, in place of the selection
    void edit(QKeyEvent* e);
    void enter();
    KeyFilter keyFilter_;
    int maxLength_ = 0;
    OnEntry onEntry_ = OnEntry::Nothing;
};

}  // namespace ui
