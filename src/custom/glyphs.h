#pragma once

// The glyphs of the optional points, drawn from circles, arcs and lines around a
// centre (X, Y) with a unit length R, so one routine draws its glyph at any size.
// Arc angles are whole degrees times DegToRad; a negative angle also draws the
// radius to that end of the arc.

namespace ui {
class Canvas;
}

namespace custom {

void DrawNorthNode(ui::Canvas& box, int X, int Y, int R, float DegToRad);
void DrawSouthNode(ui::Canvas& box, int X, int Y, int R, float DegToRad);
void DrawFortune(ui::Canvas& box, int X, int Y, int R, float DegToRad);
void DrawChiron(ui::Canvas& box, int X, int Y, int R, float DegToRad);
void DrawCeres(ui::Canvas& box, int X, int Y, int R, float DegToRad);
void DrawPallas(ui::Canvas& box, int X, int Y, int R, float DegToRad);
void DrawJuno(ui::Canvas& box, int X, int Y, int R, float DegToRad);
void DrawVesta(ui::Canvas& box, int X, int Y, int R, float DegToRad);
void DrawBlackMoon(ui::Canvas& box, int X, int Y, int R);

}  // namespace custom
