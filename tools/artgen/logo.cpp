// SPDX-License-Identifier: GPL-3.0-or-later
// The maker's logo of our invented studio, Quorlamp Softworks: a lantern inside a ring that
// closes into a Q, with the studio name below in bevelled pixel capitals.
#include <cmath>
#include <string>

#include "palette.h"
#include "pictures.h"
#include "shapes.h"

namespace artgen {

namespace {

void lantern_mark(Canvas& c, float cx, float cy) {
    // Ring with the tail of the Q.
    ring(c, cx, cy, 62, 62, 9, pal::kGold1);
    ring(c, cx, cy, 60, 60, 3, pal::kGold3);
    line(c, cx + 26, cy + 28, cx + 58, cy + 60, 13, pal::kGold1);
    line(c, cx + 29, cy + 29, cx + 56, cy + 56, 3, pal::kGold3);
    // Inner night sky.
    paint(c, [&](int x, int y) -> std::optional<Rgb> {
        float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
        if (dx * dx + dy * dy >= 51.0f * 51.0f) return std::nullopt;
        if (c.solid(x, y)) return std::nullopt;
        return mix(Rgb{40, 30, 80}, Rgb{16, 12, 36}, (dy + 51) / 102.0f);
    });
    // Lantern: handle, cap, glowing glass, base.
    ring(c, cx, cy - 33, 9, 9, 3, pal::kStone4);
    fill_poly(c, {{cx - 22, cy - 18}, {cx + 22, cy - 18}, {cx + 12, cy - 28}, {cx - 12, cy - 28}},
              pal::kStone3);
    glow(c, cx, cy + 4, 24, 22, pal::kGold3, pal::kOrange1);
    fill_rect(c, static_cast<int>(cx - 18), static_cast<int>(cy - 18), 36, 42, pal::kGold2);
    for (float dx : {-18.0f, -1.5f, 15.0f})
        fill_rect(c, static_cast<int>(cx + dx), static_cast<int>(cy - 18), 3, 42, pal::kStone2);
    fill_poly(c, {{cx - 7, cy + 14}, {cx, cy - 10}, {cx + 7, cy + 14}, {cx, cy + 18}},
              pal::kOrange2);
    fill_poly(c, {{cx - 3.5f, cy + 14}, {cx, cy}, {cx + 3.5f, cy + 14}}, pal::kWhite3);
    fill_rect(c, static_cast<int>(cx - 22), static_cast<int>(cy + 24), 44, 6, pal::kStone3);
    fill_rect(c, static_cast<int>(cx - 22), static_cast<int>(cy + 24), 44, 2, pal::kStone5);
}

}  // namespace

Canvas studio_logo(const PixFont& font) {
    Canvas c(kLogoW, kLogoH);
    lantern_mark(c, 210, 72);
    const std::string name = "QUORLAMP", sub = "SOFTWORKS";
    Canvas text(kLogoW, kLogoH);
    int w = font.text_width(name, 5);
    font.draw(text, (kLogoW - w) / 2, 150, name, 5, [](int, int py) {
        return mix(pal::kGold3, pal::kOrange1, static_cast<float>(py) / 35.0f);
    });
    bevel(text, 1.2f, 0.7f);
    w = font.text_width(sub, 3, 2);
    font.draw(text, (kLogoW - w) / 2, 200, sub, 3, pal::kWhite1, 2);
    outline(text, pal::kRed0, true);
    outline(text, pal::kInk);
    c.blit(text, 0, 0);
    return c;
}

}  // namespace artgen
