// SPDX-License-Identifier: GPL-3.0-or-later
// The pixel store of the art generator: colour helpers, pixel access, copies and mirrors.
// Kept free of drawing logic so every shape routine works on the same simple grid.
#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace artgen {

namespace {
std::uint8_t channel(float v) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}
}  // namespace

Rgb mix(Rgb a, Rgb b, float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    return {channel(a.r + (b.r - a.r) * t), channel(a.g + (b.g - a.g) * t),
            channel(a.b + (b.b - a.b) * t)};
}

Rgb scale(Rgb c, float f) {
    return {channel(c.r * f), channel(c.g * f), channel(c.b * f)};
}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height)) {}

Rgb Canvas::at(int x, int y) const {
    return inside(x, y) ? pixels_[static_cast<std::size_t>(y * width_ + x)] : kClear;
}

bool Canvas::solid(int x, int y) const {
    return at(x, y) != kClear;
}

void Canvas::set(int x, int y, Rgb c) {
    if (!inside(x, y)) return;
    c.r = std::max<std::uint8_t>(c.r, 1);
    c.g = std::max<std::uint8_t>(c.g, 1);
    c.b = std::max<std::uint8_t>(c.b, 1);
    pixels_[static_cast<std::size_t>(y * width_ + x)] = c;
}

void Canvas::erase(int x, int y) {
    if (inside(x, y)) pixels_[static_cast<std::size_t>(y * width_ + x)] = kClear;
}

void Canvas::blit(const Canvas& src, int x, int y) {
    for (int sy = 0; sy < src.height(); ++sy)
        for (int sx = 0; sx < src.width(); ++sx)
            if (src.solid(sx, sy)) set(x + sx, y + sy, src.at(sx, sy));
}

Canvas Canvas::mirrored() const {
    Canvas out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if (solid(x, y)) out.set(width_ - 1 - x, y, at(x, y));
    return out;
}

Canvas Canvas::enlarged(int factor) const {
    Canvas out(width_ * factor, height_ * factor);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if (solid(x / factor, y / factor)) out.set(x, y, at(x / factor, y / factor));
    return out;
}

Canvas Canvas::crop(int x, int y, int w, int h) const {
    Canvas out(w, h);
    for (int cy = 0; cy < h; ++cy)
        for (int cx = 0; cx < w; ++cx)
            if (solid(x + cx, y + cy)) out.set(cx, cy, at(x + cx, y + cy));
    return out;
}

}  // namespace artgen
