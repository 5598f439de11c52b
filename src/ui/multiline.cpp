#include "ui/multiline.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTimer>
#include <algorithm>
#include <limits>

namespace ui {

MultiLineTextBox::MultiLineTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);  // Tab goes on to the next control, as in every field
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void MultiLineTextBox::setText(const QString& text) {
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    setPlainText(plain);
}

int MultiLineTextBox::room() const {
    if (maxLength_ <= 0)
        return std::numeric_limits<int>::max();
    const QTextCursor c = textCursor();
    const int length = document()->characterCount() - 1;  // without the closing paragraph mark
    return maxLength_ - (length - (c.selectionEnd() - c.selectionStart()));
}

void MultiLineTextBox::keyPressEvent(QKeyEvent* e) {
    filterKeyPress(e, keyFilter_, [this](QKeyEvent* k) { edit(k); });
}

void MultiLineTextBox::edit(QKeyEvent* e) {
    const bool lineBreak = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    const bool typing = lineBreak || (!e->text().isEmpty() && e->text().at(0).isPrint());
    const bool shortcut = (e->modifiers() & Qt::ControlModifier) && !lineBreak;
    if (typing && !shortcut && room() < 1) {
        e->accept();  // full: the key is dropped, as a single-line box drops it
        return;
    }
    if (lineBreak && (e->modifiers() & Qt::ControlModifier) && !isReadOnly()) {
        // Ctrl+Enter breaks the line as well (Qt's editor would ignore it).
        insertPlainText(QStringLiteral("\n"));
        e->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

void MultiLineTextBox::inputMethodEvent(QInputMethodEvent* e) {
    const int free = room();
    if (e->commitString().size() > free) {
        QInputMethodEvent cut(e->preeditString(), e->attributes());
        cut.setCommitString(e->commitString().left(std::max(0, free)), e->replacementStart(),
                            e->replacementLength());
        QPlainTextEdit::inputMethodEvent(&cut);
        return;
    }
    QPlainTextEdit::inputMethodEvent(e);
}

void MultiLineTextBox::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasText())
        return;
    QString text = source->text();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    if (keyFilter_) {  // pasted characters pass the filter as typed ones do; line breaks are text
        QString kept;
        for (const QChar c : text) {
            int key = c.unicode();
            if (key >= 32)
                keyFilter_(key);
            if (key >= 32 || c == u'\n')
                kept += key == c.unicode() ? c : QChar(static_cast<char16_t>(key));
        }
        text = kept;
    }
    const int free = room();
    if (free <= 0)
        return;
    if (text.size() > free)
        text.truncate(free);  // as much as fits goes in
    textCursor().insertText(text);
    ensureCursorVisible();
}

void MultiLineTextBox::focusInEvent(QFocusEvent* e) {
    QPlainTextEdit::focusInEvent(e);
    enter();
    // A mouse press that gave the focus places the caret after this; select again then.
    if (onEntry_ == OnEntry::SelectAll && e->reason() == Qt::MouseFocusReason)
        QTimer::singleShot(0, this, [this] { enter(); });
    emit GotFocus();
}

void MultiLineTextBox::enter() {
    if (onEntry_ == OnEntry::SelectAll) {
        selectAll();
    } else if (onEntry_ == OnEntry::CaretAtEnd) {
        QTextCursor c = textCursor();
        c.movePosition(QTextCursor::End);
        setTextCursor(c);
    }
}

}  // namespace ui
