// SPDX-License-Identifier: GPL-3.0-or-later
// The witch in all her pictures (HUD heads, flying on her broom, standing in the ending), the
// banner's rope and tail, the menu's pointing hand, and the figures of the ending: the hero
// as a man, the hatted pumpkin, and the blue glows in their shapes.
#include <cmath>

#include "frames.h"
#include "palette.h"
#include "shapes.h"

namespace artgen {

namespace {

constexpr Rgb kHat0{40, 22, 60}, kHat1{70, 40, 100}, kHat2{110, 70, 150};
constexpr Rgb kHair{92, 88, 110}, kEye{250, 230, 60};

void hat(Canvas& c, float cx, float brim_y, float brim_w, float tip_dx) {
    fill_poly(c,
              {{cx - brim_w * 0.45f, brim_y},
               {cx + tip_dx, brim_y - 17},
               {cx + tip_dx + 3, brim_y - 15},
               {cx + brim_w * 0.45f, brim_y}},
              kHat1);
    line(c, cx - brim_w * 0.3f, brim_y - 1, cx + tip_dx, brim_y - 15, 1.0f, kHat2);
    fill_ellipse(c, cx, brim_y, brim_w / 2, 2.5f, kHat0);
    fill_rect(c, static_cast<int>(cx - brim_w * 0.35f), static_cast<int>(brim_y - 4),
              static_cast<int>(brim_w * 0.7f), 2, pal::kGold1);
}

// Head in profile facing right: hooked nose and chin, hair falling behind.
Canvas head(bool laughing) {
    Canvas c = blank_cell();
    fill_poly(c, {{9, 16}, {5, 36}, {10, 39}, {15, 28}}, kHair);
    Canvas face = blank_cell();
    fill_poly(face,
              {{11, 17},
               {26, 16},
               {27, 21},
               {38, 28},
               {36, 29.5f},
               {28, 27.5f},
               {29, 30},
               {27, 31.5f},
               {34, 36},
               {31, 38.5f},
               {20, 37.5f},
               {12, 33},
               {9, 25}},
              pal::kSkin1);
    bevel(face, 1.3f, 0.7f);
    c.blit(face, 0, 0);
    fill_ellipse(c, 31, 25.5f, 1.3f, 1.3f, pal::kSkin0);  // wart on the nose
    fill_ellipse(c, 22.5f, 21.5f, 2.8f, 2.2f, kEye);
    fill_rect(c, 23, 21, 2, 2, pal::kRed1);
    line(c, 18, 18, 26, 19.5f, 1.4f, pal::kInk);  // frowning brow
    if (laughing) {
        fill_poly(c, {{20, 28.5f}, {29, 29.5f}, {28, 35}, {22, 34}}, pal::kRed0);
        fill_rect(c, 22, 29, 6, 1, pal::kWhite2);
        fill_rect(c, 23, 33, 4, 1, pal::kWhite2);
    } else {
        line(c, 21, 30.5f, 28, 31, 1.3f, pal::kSkin0);
    }
    hat(c, 17, 16, 30, 5);
    outline(c, pal::kInk);
    return c;
}

Canvas witch_on_broom() {
    Canvas c = blank_cell();
    // Broom flying left: bristles trail at the right end.
    fill_poly(c, {{28, 25}, {39, 20}, {39, 35}, {28, 30}}, pal::kSand1);
    line(c, 29, 27, 39, 24, 1.0f, pal::kSand3), line(c, 29, 28, 39, 31, 1.0f, pal::kSand0);
    fill_rect(c, 26, 25, 3, 6, pal::kWood0);
    line(c, 1, 28, 28, 28, 2.5f, pal::kWood2);
    // Cape streaming back, robe, legs over the handle.
    fill_poly(c, {{16, 12}, {36, 10}, {33, 16}, {38, 19}, {24, 24}}, kHat0);
    fill_poly(c, {{12, 13}, {21, 12}, {25, 27}, {10, 27}}, kHat1);
    line(c, 14, 26, 8, 33, 2.2f, kHat1);
    fill_rect(c, 5, 33, 4, 2, pal::kInk);
    line(c, 13, 16, 6, 26, 2.0f, kHat1);  // arm to the handle
    fill_ellipse(c, 6, 27, 1.8f, 1.8f, pal::kSkin1);
    // Head with the hooked nose leading.
    fill_ball(c, 14, 10, 5, 5, pal::kSkin0, pal::kSkin1, pal::kSkin2);
    fill_poly(c, {{10, 9}, {4, 12}, {10, 12}}, pal::kSkin1);
    c.set(12, 9, kEye);
    fill_poly(c, {{15, 6}, {22, 7}, {23, 14}, {18, 13}}, kHair);
    fill_poly(c, {{7, 6}, {22, 5}, {23, 3}, {29, 0}, {21, 0}, {15, 1}}, kHat1);
    outline(c, pal::kInk);
    return c;
}

// Twisted rope across the middle row of the cell, which is where the banner text hangs.
void rope(Canvas& c, int x0, int x1) {
    for (int x = x0; x < x1; ++x)
        for (int y = 18; y < 22; ++y) c.set(x, y, ((x + y) % 4 < 2) ? pal::kWood3 : pal::kWood1);
}

Canvas banner_tail() {
    Canvas c = blank_cell();
    rope(c, 14, 24);
    fill_ellipse(c, 24, 20, 3, 3, pal::kWood2);
    fill_poly(c, {{24, 18}, {39, 11}, {33, 20}, {39, 29}, {24, 22}}, pal::kRed1);
    line(c, 26, 19, 37, 13, 1.0f, pal::kRed3);
    return c;
}

Canvas pointing_hand() {
    Canvas c = blank_cell();
    const Rgb glove0 = pal::kWhite0, glove1 = pal::kWhite2;
    fill_rect(c, 2, 14, 6, 16, pal::kRed1);  // cuff
    fill_poly(c, {{8, 13}, {20, 12}, {23, 16}, {22, 31}, {8, 31}}, glove1);
    fill_poly(c, {{20, 13}, {37, 14}, {38, 16}, {37, 18}, {21, 19}}, glove1);  // index finger
    for (int y : {20, 24, 28})
        fill_poly(
            c, {{20, float(y)}, {27, float(y) + 0.5f}, {27, float(y) + 3.5f}, {20, float(y) + 4}},
            glove1);
    for (int y : {23, 27}) line(c, 21, y + 0.5f, 26, y + 0.5f, 1.0f, glove0);
    line(c, 22, 18.5f, 36, 17.5f, 1.0f, glove0);
    fill_poly(c, {{11, 12}, {16, 6}, {19, 7}, {17, 13}}, glove1);  // thumb
    outline(c, pal::kInk);
    return c;
}

Canvas witch_standing() {
    Canvas c = blank_cell();
    fill_poly(c, {{20, 14}, {31, 39}, {9, 39}}, kHat1);  // gown
    line(c, 16, 20, 11, 34, 1.0f, kHat2);
    fill_poly(c, {{17, 17}, {10, 26}, {12, 27}, {19, 20}}, kHat1);  // arm pointing left
    fill_ellipse(c, 10, 27, 1.8f, 1.8f, pal::kSkin1);
    fill_poly(c, {{23, 14}, {27, 20}, {24, 11}}, kHair);
    fill_ball(c, 20, 11, 5, 5, pal::kSkin0, pal::kSkin1, pal::kSkin2);
    fill_poly(c, {{16, 10}, {11, 13}, {16, 13}}, pal::kSkin1);
    c.set(18, 10, kEye);
    fill_poly(c, {{10, 7}, {30, 7}, {25, 5}, {21, 0}, {16, 1}, {15, 5}}, kHat1);
    fill_rect(c, 11, 6, 19, 2, kHat0);
    outline(c, pal::kInk);
    return c;
}

Canvas man() {
    Canvas c = blank_cell();
    const Rgb tunic0{30, 70, 140}, tunic1{60, 110, 190}, legs{80, 56, 40};
    fill_rect(c, 15, 28, 4, 10, legs), fill_rect(c, 21, 28, 4, 10, legs);
    fill_rect(c, 14, 37, 5, 2, pal::kWood0), fill_rect(c, 21, 37, 5, 2, pal::kWood0);
    fill_poly(c, {{13, 14}, {27, 14}, {28, 30}, {12, 30}}, tunic1);
    fill_rect(c, 12, 26, 16, 2, pal::kWood1);  // belt
    line(c, 13, 15, 8, 26, 2.5f, tunic0), line(c, 27, 15, 32, 26, 2.5f, tunic0);
    fill_ellipse(c, 8, 27, 1.8f, 1.8f, {230, 190, 150});
    fill_ellipse(c, 32, 27, 1.8f, 1.8f, {230, 190, 150});
    fill_ball(c, 20, 8, 5.5f, 6, {180, 130, 96}, {230, 190, 150}, {250, 220, 190});
    fill_poly(c, {{14, 7}, {15, 2}, {20, 1}, {25, 2}, {26, 7}, {22, 4}, {17, 5}}, pal::kWood1);
    c.set(18, 8, pal::kInk), c.set(22, 8, pal::kInk);
    line(c, 18.5f, 11, 21.5f, 11, 1.0f, {170, 90, 80});
    outline(c, pal::kInk);
    return c;
}

// The pumpkin shrunk to three quarters about its bottom centre, with the witch's hat on top.
Canvas hatted_pumpkin() {
    Canvas big = pumpkin(true, CellView{}), c = blank_cell();
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
            int sx = static_cast<int>(20 + (x + 0.5f - 20) / 0.75f);
            int sy = static_cast<int>(39 + (y + 0.5f - 39.5f) / 0.75f);
            if (big.solid(sx, sy)) c.set(x, y, big.at(sx, sy));
        }
    hat(c, 20, 15, 30, 4);
    outline(c, pal::kInk);
    return c;
}

// A soft blue light in the figure's shape, spreading a few pixels beyond it.
Canvas glow_of(const Canvas& figure) {
    Canvas c = blank_cell();
    paint(c, [&](int x, int y) -> std::optional<Rgb> {
        int best = 9;
        for (int dy = -4; dy <= 4; ++dy)
            for (int dx = -4; dx <= 4; ++dx)
                if (figure.solid(x + dx, y + dy))
                    best = std::min(best, std::max(std::abs(dx), std::abs(dy)));
        if (best > 4) return std::nullopt;
        if (best > 0 && 1.0f - best / 5.0f < bayer(x, y)) return std::nullopt;
        return mix(pal::kWater3, pal::kWater1, best / 4.0f);
    });
    return c;
}

}  // namespace

void draw_witch(Frames& f, Frames2& f2) {
    f[98] = head(false);
    f[99] = f[98].mirrored();
    f[111] = head(true);
    f[112] = f[111].mirrored();
    f[123] = pointing_hand();
    f[124] = witch_on_broom();
    rope(f[125], 0, kCell);
    f[126] = banner_tail();

    f2[3] = witch_standing();
    f2[0] = glow_of(f2[3]);
    f2[1] = man();
    f2[2] = glow_of(f2[1]);
    f2[4] = hatted_pumpkin();
    f2[5] = glow_of(f2[4]);
}

}  // namespace artgen
