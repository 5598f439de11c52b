#include "ui/columnheads.h"

#include <QPainter>
#include <QStyle>

namespace ui {

ColumnHeads::ColumnHeads(const QString& text, QWidget* parent) : Label(text, parent) {}

void ColumnHeads::setColumns(std::vector<QWidget*> fields) {
    fields_.assign(fields.begin(), fields.end());
    update();
}

int ColumnHeads::wordCentre(int i) const {
    const QWidget* f = i >= 0 && i < static_cast<int>(fields_.size()) ? fields_[static_cast<size_t>(i)].data() : nullptr;
    if (!f) return -1;
    return mapFromGlobal(f->mapToGlobal(QPoint(f->width() / 2, 0))).x();
}

void ColumnHeads::paintEvent(QPaintEvent* e) {
    const QStringList words = text().split(u' ', Qt::SkipEmptyParts);
    if (words.size() != static_cast<qsizetype>(fields_.size())) {
        Label::paintEvent(e);  // nothing to line up with: an ordinary label
        return;
    }
    QPainter p(this);
    const QFontMetrics fm(font());
    for (int i = 0; i < words.size(); ++i) {
        const int w = fm.horizontalAdvance(words[i]);
        const QRect r(wordCentre(i) - w / 2, 0, w, height());
        style()->drawItemText(&p, r, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(), words[i],
                              foregroundRole());
    }
}

}  // namespace ui
