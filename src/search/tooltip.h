#pragma once

// Hover descriptions: a small pale-yellow window just below the pointer, shown
// without taking the activation from the window under it.

#include <QWidget>

namespace ui {
class Label;
}

namespace search {

class frmHelp : public QWidget {
    Q_OBJECT
public:
    frmHelp();
    void Form_Load();

    ui::Label* Label1;

protected:
    void paintEvent(QPaintEvent* e) override;
};

// A non-empty text: shows the description below the pointer; an empty one hides it.
void ShowHoverText(const QString& text);

// The description window, if it has been created.
frmHelp* hoverWindow();

}  // namespace search
