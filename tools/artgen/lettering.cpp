// SPDX-License-Identifier: GPL-3.0-or-later
// The title lettering "Varnoth" (fiery, bevelled, dripping letters from title_letters.txt)
// and the one-line credits strip shown under the title.
#include <string>

#include "palette.h"
#include "pictures.h"
#include "shapes.h"

namespace artgen {

namespace {

constexpr Rgb kRim{70, 8, 14};

// Hangs drips from the lower edges of the letters: one per edge run that is wide enough.
void drips(Canvas& c, int min_y) {
    const Canvas ink = c;
    for (int y = min_y; y < c.height() - 1; ++y) {
        int x = 0;
        while (x < c.width()) {
            if (!(ink.solid(x, y) && !ink.solid(x, y + 1))) {
                ++x;
                continue;
            }
            int start = x;
            while (x < c.width() && ink.solid(x, y) && !ink.solid(x, y + 1)) ++x;
            int run = x - start;
            if (run < 6) continue;
            float h = hash01(start, y, 77);
            if (h < 0.25f) continue;
            int dx = start + 1 + static_cast<int>(hash01(start, y, 78) * (run - 5));
            float len = 8 + h * 26;
            fill_vgrad(c, dx, y, 4, static_cast<int>(len), pal::kRed1, pal::kRed0);
            fill_ellipse(c, dx + 2.0f, y + len, 3.2f, 3.6f, pal::kRed0);
            fill_ellipse(c, dx + 1.5f, y + len - 1, 1.2f, 1.2f, pal::kRed2);
        }
    }
}

}  // namespace

Canvas title_lettering(const PixFont& letters) {
    Canvas c(kTitleW, kTitleH);
    const std::string word = "Varnoth";
    const int scale = 4, top = 12;
    const int w = letters.text_width(word, scale), x0 = (kTitleW - w) / 2;
    const int h = letters.height() * scale;
    letters.draw(c, x0, top, word, scale, [h](int, int py) {
        float t = static_cast<float>(py) / static_cast<float>(h);
        if (t < 0.45f) return mix(pal::kGold3, pal::kOrange2, t / 0.45f);
        return mix(pal::kOrange2, pal::kRed1, (t - 0.45f) / 0.55f);
    });
    bevel(c, 1.25f, 0.7f);
    drips(c, top + h / 2);
    outline(c, kRim);
    outline(c, kRim, true);
    outline(c, pal::kInk);
    return c;
}

Canvas credits_strip(const PixFont& font) {
    Canvas c(kStripW, kStripH);
    const std::string text = "(C) 2026 QUORLAMP SOFTWORKS";
    const int scale = 2, w = font.text_width(text, scale), x0 = (kStripW - w) / 2;
    font.draw(c, x0, 9, text, scale, [](int, int py) {
        return mix(pal::kGold3, pal::kOrange1, static_cast<float>(py) / 14.0f);
    });
    outline(c, pal::kInk, true);
    return c;
}

}  // namespace artgen
