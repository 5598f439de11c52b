#pragma once

// A label that heads columns of fields ("Mo  Day  Year"): its text stays as
// written, blanks included, and each word is drawn centred over its own field,
// wherever the fields are and whatever the font's width of a blank.

#include <QPointer>
#include <vector>

#include "ui/controls.h"

namespace ui {

class ColumnHeads : public Label {
    Q_OBJECT
public:
    explicit ColumnHeads(const QString& text, QWidget* parent = nullptr);

    // The fields the words head, in the order of the words; siblings of the label.
    void setColumns(std::vector<QWidget*> fields);

    // The horizontal centre of word i as drawn, in the label's pixels.
    int wordCentre(int i) const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::vector<QPointer<QWidget>> fields_;
};

}  // namespace ui
