// SPDX-License-Identifier: GPL-3.0-or-later
// Splashes of slime (cauldron), water and lava: five pictures each of a crown of liquid that
// shoots up, spreads out, throws drops and sinks back to a ripple.
#include <cmath>

#include "frames.h"
#include "palette.h"
#include "shapes.h"

namespace artgen {

namespace {

Canvas splash(int phase, Rgb dark, Rgb mid, Rgb light) {
    Canvas c = blank_cell();
    const float height[] = {24, 31, 24, 14, 6}, half[] = {5, 8, 12, 15, 17};
    const float h = height[phase], w = half[phase], base = 38;
    // The crown: a column whose rim breaks into points.
    std::vector<Pt> crown{{20 - w - 3, base}};
    const int spikes = 5;
    for (int i = 0; i <= spikes * 2; ++i) {
        float t = static_cast<float>(i) / (spikes * 2);
        float x = 20 - w + 2 * w * t;
        float top = base - h * (0.75f + 0.25f * std::sin(t * 3.1416f));
        crown.push_back({x, i % 2 ? top + 5 : top});
    }
    crown.push_back({20 + w + 3, base});
    fill_poly(c, crown, mid);
    fill_ellipse(c, 20, base - 1, w + 5, 2.5f, mid);
    line(c, 20 - w * 0.5f, base - 2, 20 - w * 0.5f, base - h * 0.7f, 1.5f, light);
    // Drops flung outwards, falling lower as the splash ages.
    if (phase >= 1 && phase <= 3) {
        for (int side = -1; side <= 1; side += 2)
            for (int k = 0; k < 2; ++k) {
                float dx = w + 4 + k * 4 + phase * 2, dy = base - h - 4 + phase * 7 + k * 5;
                fill_ellipse(c, 20 + side * dx, dy, 2, 2.5f, mid);
                c.set(static_cast<int>(20 + side * dx), static_cast<int>(dy - 1), light);
            }
    }
    outline(c, dark);
    return c;
}

}  // namespace

void draw_effects(Frames& f) {
    for (int p = 0; p < 5; ++p) {
        f[42 + p] = splash(p, pal::kGreen0, pal::kGreen2, pal::kGreen3);
        f[113 + p] = splash(p, pal::kWater0, pal::kWater2, pal::kWater3);
        f[118 + p] = splash(p, pal::kLava0, pal::kLava2, pal::kLava3);
    }
}

}  // namespace artgen
