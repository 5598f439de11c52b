#pragma once

// A picture box to draw on with circles, arcs, lines and text, in the box's design
// units (twips). The calls are kept as a display list that every paint replays,
// mapped onto the box's current size with one factor for both directions and the
// design rectangle centred: a drawing grows with its window, stays round, is never
// clipped and is painted at the screen's full resolution. Drawing happens outside
// paint events; a paint only replays.

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QPointF>
#include <QString>
#include <algorithm>
#include <optional>
#include <vector>

namespace ui {

class Canvas : public QFrame {
    Q_OBJECT
public:
    enum class Fill { Solid, Transparent };

    // One recorded call with the box's settings as they were when it was made.
    struct Op {
        enum class Kind { Circle, Line, Print };
        Kind kind = Kind::Line;
        QPointF p1;  // centre, line start, or the text's top-left
        QPointF p2;  // line end
        double radius = 0;
        std::optional<double> start, end;  // arc angles as given (radians)
        QString text;
        QFont font;
        QColor fore;
        QColor fill;
        bool filled = false;
        int drawWidth = 1;
    };

    explicit Canvas(QWidget* parent = nullptr);

    // A complete circle, or with angles an arc drawn counter-clockwise (as seen) from
    // start to end, 0 at three o'clock. A negative angle stands for its absolute value
    // and also draws the radius to that end; with both negative the figure is a closed
    // pie. Complete circles and pies are filled when FillStyle is Solid. The current
    // point becomes the centre.
    void Circle(double x, double y, double radius);
    void Circle(double x, double y, double radius, double start, double end);
    // A straight line; the current point becomes its end.
    void Line(double x1, double y1, double x2, double y2);
    // Prints a line of text with its top-left at the current point, which then moves
    // to the start of the next line.
    void Print(const QString& text);
    // Clears the drawing and puts the current point at the top-left corner.
    void Cls();

    double TextWidth(const QString& text) const;
    double TextHeight(const QString& text) const;

    double CurrentX() const { return current_.x(); }
    double CurrentY() const { return current_.y(); }
    void setCurrentX(double x) { current_.setX(x); }
    void setCurrentY(double y) { current_.setY(y); }

    Fill FillStyle() const { return fillStyle_; }
    void setFillStyle(Fill f) { fillStyle_ = f; }
    QColor FillColor() const { return fillColor_; }
    void setFillColor(const QColor& c) { fillColor_ = c; }
    QColor ForeColor() const { return foreColor_; }
    void setForeColor(const QColor& c) { foreColor_ = c; }
    QColor BackColor() const { return backColor_; }
    void setBackColor(const QColor& c);
    // Line width in screen pixels, whatever the box's size.
    int DrawWidth() const { return drawWidth_; }
    void setDrawWidth(int pixels) { drawWidth_ = std::max(1, pixels); }

    const std::vector<Op>& displayList() const { return ops_; }

    // Where a point in design units lands in the widget, as painted now.
    QPointF mapFromDesign(const QPointF& design) const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    Op& record(Op::Kind kind);
    double scale() const;  // widget pixels per design unit

    std::vector<Op> ops_;
    QPointF current_;
    Fill fillStyle_ = Fill::Transparent;
    QColor fillColor_;
    QColor foreColor_;
    QColor backColor_;
    int drawWidth_ = 1;
};

}  // namespace ui
