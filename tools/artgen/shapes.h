// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing primitives shared by every picture: filled shapes, thick lines, outlines, bevels,
// dithered glows and a position hash that stands in for randomness so output never varies.
#pragma once

#include <initializer_list>
#include <optional>
#include <vector>

#include "canvas.h"

namespace artgen {

struct Pt {
    float x, y;
};

// Deterministic pseudo-random value in [0, 1) for a grid position and a seed.
float hash01(int x, int y, int seed);
// 4 x 4 ordered-dither threshold in (0, 1) for a pixel position.
float bayer(int x, int y);

// Calls f(x, y) for every pixel and paints the colour it returns, if any.
template <class F>
void paint(Canvas& c, F f) {
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (std::optional<Rgb> col = f(x, y)) c.set(x, y, *col);
}

void fill_rect(Canvas& c, int x, int y, int w, int h, Rgb col);
// Vertical gradient from top colour to bottom colour over the rectangle.
void fill_vgrad(Canvas& c, int x, int y, int w, int h, Rgb top, Rgb bottom);
void fill_ellipse(Canvas& c, float cx, float cy, float rx, float ry, Rgb col);
// Ellipse lit from the upper left: light in the lit part, dark on the far rim.
void fill_ball(Canvas& c, float cx, float cy, float rx, float ry, Rgb dark, Rgb mid, Rgb light);
void fill_poly(Canvas& c, const std::vector<Pt>& pts, Rgb col);
void line(Canvas& c, float x0, float y0, float x1, float y1, float width, Rgb col);
void ring(Canvas& c, float cx, float cy, float rx, float ry, float thick, Rgb col);
// Quadratic curve through a control point, drawn as a thick line.
void curve(Canvas& c, Pt a, Pt ctrl, Pt b, float width, Rgb col);

// Adds a one-pixel border of col around every visible shape (4-neighbour, or 8 with diag).
void outline(Canvas& c, Rgb col, bool diag = false);
// Lightens pixels whose upper-left neighbour is empty and darkens those facing lower right.
void bevel(Canvas& c, float light, float dark);
// Dithered radial glow: full density at the centre thinning to nothing at radius r.
void glow(Canvas& c, float cx, float cy, float rx, float ry, Rgb inner, Rgb outer);
// Every visible pixel replaced by col (a flat silhouette).
void flatten(Canvas& c, Rgb col);
// Recolours visible pixels: f maps an old colour to a new one.
template <class F>
void recolour(Canvas& c, F f) {
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (c.solid(x, y)) c.set(x, y, f(c.at(x, y)));
}
// Rotates a picture about its centre by deg degrees clockwise (nearest neighbour).
Canvas rotated(const Canvas& src, float deg);

}  // namespace artgen
