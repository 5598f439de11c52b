#pragma once

// A horizontal scroll bar as the windows use it: minimum, maximum, small and large
// step and value, with a Change signal raised whenever the value changes (by the
// user or by code) and never when it is set to the value it already has. It takes
// the focus on a click and by Tab; with the focus, Left/Up and Right/Down take a
// small step, PageUp/PageDown a large one, Home/End go to the ends.

#include <QScrollBar>

namespace ui {

class HScrollBar : public QScrollBar {
    Q_OBJECT
public:
    explicit HScrollBar(QWidget* parent = nullptr);

    int Min() const { return minimum(); }
    int Max() const { return maximum(); }
    int SmallChange() const { return singleStep(); }
    int LargeChange() const { return pageStep(); }
    int Value() const { return value(); }

    void setRange(int min, int max, int smallChange, int largeChange);
    // Out-of-range values are held at the nearer end.
    void setValue(int v) { QScrollBar::setValue(v); }

signals:
    void Change();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
};

}  // namespace ui
