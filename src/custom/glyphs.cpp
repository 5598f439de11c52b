#include "custom/glyphs.h"

#include <cmath>

#include "ui/canvas.h"

namespace custom {

namespace {

// 0.8 R as a whole number, halves going to the even neighbour.
int shrunk(int R) {
    return static_cast<int>(std::nearbyint(0.8 * R));
}

// An arc between two angles in whole degrees; the angle factor is single precision,
// so the angles are too.
void arc(ui::Canvas& box, double x, double y, double r, int from, int to, float DegToRad) {
    box.Circle(x, y, r, static_cast<float>(from) * DegToRad, static_cast<float>(to) * DegToRad);
}

}  // namespace

void DrawNorthNode(ui::Canvas& box, int X, int Y, int R, float DegToRad) {
    arc(box, X, Y - R, 1.5 * R, 325, 230, DegToRad);  // a horseshoe open at the bottom
    arc(box, X - 2 * R, Y + 0.5 * R, R, 310, 60, DegToRad);
    arc(box, X + 2 * R, Y + 0.5 * R, R, 140, 235, DegToRad);
    box.Circle(X + 1.4 * R, Y + 1.6 * R, 0.5 * R);
    box.Circle(X - 1.4 * R, Y + 1.6 * R, 0.5 * R);
    box.setDrawWidth(1);
}

void DrawSouthNode(ui::Canvas& box, int X, int Y, int R, float DegToRad) {
    arc(box, X, Y + R, 1.5 * R, 140, 41, DegToRad);
    arc(box, X - 2 * R, Y - 0.5 * R, R, 320, 40, DegToRad);
    arc(box, X + 2 * R, Y - 0.5 * R, R, 155, 238, DegToRad);
    box.Circle(X + 1.4 * R, Y - 1.6 * R, 0.5 * R);
    box.Circle(X - 1.4 * R, Y - 1.6 * R, 0.5 * R);
    box.setDrawWidth(1);
}

void DrawFortune(ui::Canvas& box, int X, int Y, int R, float DegToRad) {
    const int Q = shrunk(R);
    box.Circle(X, Y, 3 * Q);
    // Two arcs with radii at both ends: together the radii form a saltire.
    arc(box, X, Y, 3 * Q, -45, -135, DegToRad);
    arc(box, X, Y, 3 * Q, -225, -315, DegToRad);
    box.setDrawWidth(1);
}

void DrawChiron(ui::Canvas& box, int X, int Y, int R, float) {
    box.Circle(X - 0.6 * R, Y + 2 * R, R);
    box.Line(X - 0.6 * R, Y + R, X - 0.6 * R, Y - 3 * R);
    box.Line(X - 0.6 * R, Y - R, X + 1.4 * R, Y - 3 * R);
    box.Line(X - 0.6 * R, Y - R, X + 1.4 * R, Y + R);
    box.setDrawWidth(1);
}

void DrawCeres(ui::Canvas& box, int X, int Y, int R, float DegToRad) {
    arc(box, X, Y - 0.75 * R, 1.5 * R, 270, 150, DegToRad);
    box.Line(X, Y + 0.95 * R, X, Y + 2.95 * R);
    box.Line(X - R, Y + 2.2 * R, X + R, Y + 2.2 * R);
}

void DrawPallas(ui::Canvas& box, int X, int Y, int R, float) {
    box.Line(X, Y - 3 * R, X - 1.5 * R, Y - 1.5 * R);
    box.Line(X - 1.5 * R, Y - 1.5 * R, X, Y);
    box.Line(X, Y, X + 1.5 * R, Y - 1.5 * R);
    box.Line(X + 1.5 * R, Y - 1.5 * R, X, Y - 3 * R);
    box.Line(X, Y, X, Y + 2 * R);
    box.Line(X - R, Y + R, X + R, Y + R);
}

void DrawJuno(ui::Canvas& box, int X, int Y, int R, float) {
    box.Line(X, Y - 3 * R, X, Y + 3 * R);
    box.Line(X - R, Y + 2 * R, X + R, Y + 2 * R);
    box.Line(X - 1.5 * R, Y - R, X + 1.5 * R, Y - R);
    box.Line(X - 1.5 * R, Y + 0.5 * R, X + 1.5 * R, Y - 2.5 * R);
    box.Line(X - 1.5 * R, Y - 2.5 * R, X + 1.5 * R, Y + 0.5 * R);
    box.setDrawWidth(1);
}

void DrawVesta(ui::Canvas& box, int X, int Y, int R, float) {
    box.Line(X, Y + 1.8 * R, X - 2.5 * R, Y - 0.2 * R);
    box.Line(X - 2.5 * R, Y - 0.2 * R, X - 3 * R, Y - 0.2 * R);
    box.Line(X, Y + 1.8 * R, X + 2.5 * R, Y - 0.2 * R);
    box.Line(X + 2.5 * R, Y - 0.2 * R, X + 3 * R, Y - 0.2 * R);
    box.Line(X, Y + 0.2 * R, X - 1.5 * R, Y - 1.3 * R);
    box.Line(X - 1.5 * R, Y - 1.3 * R, X - 2.5 * R, Y - 1.3 * R);
    box.Line(X, Y + 0.2 * R, X + 1.5 * R, Y - 1.3 * R);
    box.Line(X + 1.5 * R, Y - 1.3 * R, X + 2.5 * R, Y - 1.3 * R);
    box.Line(X, Y - 1.8 * R, X, Y - 1.3 * R);
    box.setDrawWidth(1);
}

void DrawBlackMoon(ui::Canvas& box, int X, int Y, int R) {
    const int Q = shrunk(R);
    const ui::Canvas::Fill style = box.FillStyle();
    const QColor fill = box.FillColor();
    const QColor fore = box.ForeColor();
    box.setFillStyle(ui::Canvas::Fill::Solid);
    box.setFillColor(fore);
    box.Circle(X + 0.5 * Q, Y - 1.2 * Q, 2 * Q);
    // A second disc in the background colour bites the first into a crescent.
    box.setFillColor(box.BackColor());
    box.setForeColor(box.BackColor());
    box.Circle(X + 2.2 * Q, Y - 1.3 * Q, 1.7 * Q);
    box.setFillStyle(style);
    box.setFillColor(fill);
    box.setForeColor(fore);
    // The cross below takes the full R.
    box.Line(X, Y + 0.8 * R, X, Y + 2.6 * R);
    box.Line(X - R, Y + 1.9 * R, X + 1.03 * R, Y + 1.9 * R);
}

}  // namespace custom
