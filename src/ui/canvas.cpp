#include "ui/canvas.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "ui/twips.h"

namespace ui {

namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

}  // namespace

Canvas::Canvas(QWidget* parent) : QFrame(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    backColor_ = palette().color(QPalette::Base);
    foreColor_ = palette().color(QPalette::Text);
    fillColor_ = foreColor_;
}

Canvas::Op& Canvas::record(Op::Kind kind) {
    Op& op = ops_.emplace_back();
    op.kind = kind;
    op.fore = foreColor_;
    op.fill = fillColor_;
    op.filled = fillStyle_ == Fill::Solid;
    op.drawWidth = drawWidth_;
    update();
    return op;
}

void Canvas::Circle(double x, double y, double radius) {
    Op& op = record(Op::Kind::Circle);
    op.p1 = QPointF(x, y);
    op.radius = radius;
    current_ = op.p1;
}

void Canvas::Circle(double x, double y, double radius, double start, double end) {
    Circle(x, y, radius);
    ops_.back().start = start;
    ops_.back().end = end;
}

void Canvas::Line(double x1, double y1, double x2, double y2) {
    Op& op = record(Op::Kind::Line);
    op.p1 = QPointF(x1, y1);
    op.p2 = QPointF(x2, y2);
    current_ = op.p2;
}

void Canvas::Print(const QString& text) {
    Op& op = record(Op::Kind::Print);
    op.p1 = current_;
    op.text = text;
    op.font = font();
    current_ = QPointF(0, current_.y() + TextHeight(text));
}

void Canvas::Cls() {
    ops_.clear();
    current_ = QPointF();
    update();
}

double Canvas::TextWidth(const QString& text) const {
    double widest = 0;
    for (const QString& line : text.split(u'\n'))
        widest = std::max(widest, textWidthTwips(font(), line));
    return widest;
}

double Canvas::TextHeight(const QString& text) const {
    return textHeightTwips(font()) * static_cast<double>(text.count(u'\n') + 1);
}

void Canvas::setBackColor(const QColor& c) {
    backColor_ = c;
    update();
}

double Canvas::scale() const {
    const QSizeF design = geometryTwips(this).size();
    if (design.isEmpty())
        return 1.0 / kTwipsPerPixel;
    return std::min(width() / design.width(), height() / design.height());
}

QPointF Canvas::mapFromDesign(const QPointF& design) const {
    const double k = scale();
    const QSizeF d = geometryTwips(this).size() * k;
    return QPointF((width() - d.width()) / 2, (height() - d.height()) / 2) + design * k;
}

void Canvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), backColor_);
    p.setRenderHint(QPainter::Antialiasing);
    const double k = scale();
    for (const Op& op : ops_) {
        p.setPen(QPen(op.fore, op.drawWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        const QPointF a = mapFromDesign(op.p1);
        switch (op.kind) {
            case Op::Kind::Line:
                p.drawLine(a, mapFromDesign(op.p2));
                break;
            case Op::Kind::Circle: {
                const double r = std::fabs(op.radius) * k;
                const QRectF box(a.x() - r, a.y() - r, 2 * r, 2 * r);
                if (!op.start || !op.end) {
                    if (op.filled)
                        p.setBrush(op.fill);
                    p.drawEllipse(box);
                    break;
                }
                // Qt counts degrees counter-clockwise as seen, like the angles given here.
                const double from = std::fabs(*op.start);
                double span = std::fabs(*op.end) - from;
                if (span <= 0)
                    span += 2 * std::numbers::pi;  // the arc wraps through 0
                const bool pie = *op.start < 0 && *op.end < 0;
                QPainterPath path;
                if (*op.start < 0)
                    path.moveTo(a);  // arcTo then draws the radius to the arc's start
                else
                    path.arcMoveTo(box, from * kDegreesPerRadian);
                path.arcTo(box, from * kDegreesPerRadian, span * kDegreesPerRadian);
                if (*op.end < 0)
                    path.lineTo(a);
                if (pie) {
                    path.closeSubpath();
                    if (op.filled)
                        p.setBrush(op.fill);
                }
                p.drawPath(path);
                break;
            }
            case Op::Kind::Print: {
                // Text grows with the drawing: the font is scaled from its design size.
                p.save();
                p.translate(a);
                p.scale(k * kTwipsPerPixel, k * kTwipsPerPixel);
                p.setFont(op.font);
                p.setPen(op.fore);
                p.drawText(QPointF(0, QFontMetricsF(op.font).ascent()), op.text);
                p.restore();
                break;
            }
        }
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    drawFrame(&p);
}

}  // namespace ui
