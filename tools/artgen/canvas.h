// SPDX-License-Identifier: GPL-3.0-or-later
// An RGB picture in which pure black means "nothing here" (the game masks black away).
// Every visible pixel is kept at least (1, 1, 1) so that dark paint never turns transparent.
#pragma once

#include <cstdint>
#include <vector>

namespace artgen {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

constexpr Rgb kClear{0, 0, 0};

// Linear blend from a (t = 0) to b (t = 1); t is clamped.
Rgb mix(Rgb a, Rgb b, float t);
// Multiplies every channel by f (brighter above 1), saturating at 255.
Rgb scale(Rgb c, float f);

class Canvas {
  public:
    Canvas() = default;
    Canvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Rgb at(int x, int y) const;
    // True for a visible pixel; outside the canvas counts as empty.
    bool solid(int x, int y) const;
    // Paints one pixel; ignored outside, channels lifted to at least 1.
    void set(int x, int y, Rgb c);
    void erase(int x, int y);

    // Copies the visible pixels of src with its top-left at (x, y).
    void blit(const Canvas& src, int x, int y);
    Canvas mirrored() const;
    Canvas enlarged(int factor) const;
    // The rectangle (x, y, w, h) as a canvas of its own.
    Canvas crop(int x, int y, int w, int h) const;

    const std::vector<Rgb>& pixels() const { return pixels_; }

  private:
    int width_ = 0, height_ = 0;
    std::vector<Rgb> pixels_;
};

}  // namespace artgen
