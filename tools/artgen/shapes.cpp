// SPDX-License-Identifier: GPL-3.0-or-later
// Implementation of the drawing primitives. Shapes are tested at pixel centres so that a
// shape drawn twice at the same place covers exactly the same pixels.
#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace artgen {

float hash01(int x, int y, int seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u +
                      static_cast<std::uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<float>(h & 0xffffffu) / 16777216.0f;
}

float bayer(int x, int y) {
    static const int m[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (static_cast<float>(m[y & 3][x & 3]) + 0.5f) / 16.0f;
}

void fill_rect(Canvas& c, int x, int y, int w, int h, Rgb col) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) c.set(i, j, col);
}

void fill_vgrad(Canvas& c, int x, int y, int w, int h, Rgb top, Rgb bottom) {
    for (int j = 0; j < h; ++j) {
        Rgb col = mix(top, bottom, h > 1 ? static_cast<float>(j) / static_cast<float>(h - 1) : 0);
        for (int i = x; i < x + w; ++i) c.set(i, y + j, col);
    }
}

void fill_ellipse(Canvas& c, float cx, float cy, float rx, float ry, Rgb col) {
    paint(c, [&](int x, int y) -> std::optional<Rgb> {
        float dx = (x + 0.5f - cx) / rx, dy = (y + 0.5f - cy) / ry;
        if (dx * dx + dy * dy <= 1.0f) return col;
        return std::nullopt;
    });
}

void fill_ball(Canvas& c, float cx, float cy, float rx, float ry, Rgb dark, Rgb mid, Rgb light) {
    paint(c, [&](int x, int y) -> std::optional<Rgb> {
        float dx = (x + 0.5f - cx) / rx, dy = (y + 0.5f - cy) / ry;
        float d = dx * dx + dy * dy;
        if (d > 1.0f) return std::nullopt;
        // Distance from a highlight up and left of the centre decides the tone.
        float hx = dx + 0.35f, hy = dy + 0.4f;
        float l = std::sqrt(hx * hx + hy * hy) / 1.45f;
        if (l < 0.3f) return mix(light, mid, l / 0.3f);
        return mix(mid, dark, (l - 0.3f) / 0.7f);
    });
}

void fill_poly(Canvas& c, const std::vector<Pt>& pts, Rgb col) {
    paint(c, [&](int x, int y) -> std::optional<Rgb> {
        float px = x + 0.5f, py = y + 0.5f;
        bool in = false;
        for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
            const Pt &a = pts[i], &b = pts[j];
            if ((a.y > py) != (b.y > py) && px < (b.x - a.x) * (py - a.y) / (b.y - a.y) + a.x)
                in = !in;
        }
        if (in) return col;
        return std::nullopt;
    });
}

void line(Canvas& c, float x0, float y0, float x1, float y1, float width, Rgb col) {
    float r = width / 2.0f, vx = x1 - x0, vy = y1 - y0, len2 = vx * vx + vy * vy;
    paint(c, [&](int x, int y) -> std::optional<Rgb> {
        float px = x + 0.5f - x0, py = y + 0.5f - y0;
        float t = len2 > 0 ? std::clamp((px * vx + py * vy) / len2, 0.0f, 1.0f) : 0.0f;
        float dx = px - t * vx, dy = py - t * vy;
        if (dx * dx + dy * dy <= r * r) return col;
        return std::nullopt;
    });
}

void ring(Canvas& c, float cx, float cy, float rx, float ry, float thick, Rgb col) {
    paint(c, [&](int x, int y) -> std::optional<Rgb> {
        float dx = (x + 0.5f - cx), dy = (y + 0.5f - cy);
        float o = (dx / rx) * (dx / rx) + (dy / ry) * (dy / ry);
        float irx = rx - thick, iry = ry - thick;
        float i = (dx / irx) * (dx / irx) + (dy / iry) * (dy / iry);
        if (o <= 1.0f && i > 1.0f) return col;
        return std::nullopt;
    });
}

void curve(Canvas& c, Pt a, Pt ctrl, Pt b, float width, Rgb col) {
    const int steps = 16;
    Pt prev = a;
    for (int s = 1; s <= steps; ++s) {
        float t = static_cast<float>(s) / steps, u = 1 - t;
        Pt p{u * u * a.x + 2 * u * t * ctrl.x + t * t * b.x,
             u * u * a.y + 2 * u * t * ctrl.y + t * t * b.y};
        line(c, prev.x, prev.y, p.x, p.y, width, col);
        prev = p;
    }
}

void outline(Canvas& c, Rgb col, bool diag) {
    Canvas src = c;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            if (src.solid(x, y)) continue;
            bool edge = src.solid(x - 1, y) || src.solid(x + 1, y) || src.solid(x, y - 1) ||
                        src.solid(x, y + 1);
            if (diag)
                edge = edge || src.solid(x - 1, y - 1) || src.solid(x + 1, y - 1) ||
                       src.solid(x - 1, y + 1) || src.solid(x + 1, y + 1);
            if (edge) c.set(x, y, col);
        }
}

void bevel(Canvas& c, float light, float dark) {
    Canvas src = c;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            if (!src.solid(x, y)) continue;
            if (!src.solid(x - 1, y) || !src.solid(x, y - 1))
                c.set(x, y, scale(src.at(x, y), light));
            else if (!src.solid(x + 1, y) || !src.solid(x, y + 1))
                c.set(x, y, scale(src.at(x, y), dark));
        }
}

void glow(Canvas& c, float cx, float cy, float rx, float ry, Rgb inner, Rgb outer) {
    paint(c, [&](int x, int y) -> std::optional<Rgb> {
        float dx = (x + 0.5f - cx) / rx, dy = (y + 0.5f - cy) / ry;
        float d = std::sqrt(dx * dx + dy * dy);
        if (d >= 1.0f) return std::nullopt;
        float density = 1.0f - d * d;
        if (density < bayer(x, y)) return std::nullopt;
        return mix(inner, outer, d);
    });
}

void flatten(Canvas& c, Rgb col) {
    recolour(c, [&](Rgb) { return col; });
}

Canvas rotated(const Canvas& src, float deg) {
    Canvas out(src.width(), src.height());
    float a = deg * 3.14159265f / 180.0f, ca = std::cos(a), sa = std::sin(a);
    float cx = src.width() / 2.0f, cy = src.height() / 2.0f;
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
            float sx = ca * dx + sa * dy + cx, sy = -sa * dx + ca * dy + cy;
            int ix = static_cast<int>(std::floor(sx)), iy = static_cast<int>(std::floor(sy));
            if (src.solid(ix, iy)) out.set(x, y, src.at(ix, iy));
        }
    return out;
}

}  // namespace artgen
