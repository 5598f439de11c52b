#pragma once

// A panel that keeps its children's design geometry (twips) and scales it with
// the panel, so a window laid out for one size stays in proportion when resized.

#include <QSizeF>
#include <QWidget>

namespace ui {

class ElasticPanel : public QWidget {
    Q_OBJECT
public:
    explicit ElasticPanel(QWidget* parent = nullptr);

    // The size the children's design geometry refers to. Until it is set, the
    // panel's first laid-out size is taken.
    void setDesignSizeTwips(double width, double height);
    QSizeF designSizeTwips() const { return design_; }

    // Positions one child from its design rectangle (called by ui::setLeft and kin).
    void placeChild(QWidget* child);

signals:
    void MouseMove();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void placeAll();
    QSizeF design_;
};

}  // namespace ui
