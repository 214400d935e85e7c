// SPDX-License-Identifier: GPL-3.0-or-later
// Enemies and hazards that do not walk: fireballs of the hero and the firebars, the cannon
// and its skull, the bat, the leaping fish, flames, the scorpion's streak and the thrown axe.
#include <cmath>

#include "frames.h"
#include "palette.h"
#include "shapes.h"

namespace artgen {

namespace {

// A fiery ball whose tail curls round it, so that it reads as spinning.
Canvas curved_fireball() {
    Canvas c = blank_cell();
    for (int i = 0; i < 14; ++i) {
        float a = 3.1416f * 0.5f + i * 0.2f, r = 6.5f + i * 0.25f;
        float w = 7.0f - i * 0.45f;
        fill_ellipse(c, 20 + r * std::cos(a), 20 + r * std::sin(a), w / 2, w / 2,
                     i < 6 ? pal::kOrange2 : pal::kRed2);
    }
    fill_ball(c, 20, 20, 8, 8, pal::kRed1, pal::kOrange2, pal::kGold3);
    fill_ellipse(c, 18.5f, 18.5f, 3.5f, 3.5f, pal::kWhite3);
    outline(c, pal::kRed0);
    return c;
}

Canvas skull() {
    Canvas c = blank_cell();
    fill_ellipse(c, 20, 17, 11, 10, pal::kWhite2);
    fill_rect(c, 13, 22, 14, 8, pal::kWhite2);
    fill_ellipse(c, 18, 13, 4, 3, pal::kWhite3);
    const Rgb hole{60, 24, 40};
    fill_ellipse(c, 15.5f, 19, 3.5f, 3.5f, hole);
    fill_ellipse(c, 24.5f, 19, 3.5f, 3.5f, hole);
    fill_poly(c, {{18.5f, 25.5f}, {21.5f, 25.5f}, {20, 22}}, hole);
    for (int x = 14; x < 27; x += 3) fill_rect(c, x, 28, 1, 3, pal::kWhite0);
    fill_rect(c, 14, 28, 13, 1, pal::kWhite0);
    outline(c, pal::kInk);
    return c;
}

Canvas bat(bool spread) {
    Canvas c = blank_cell();
    const Rgb wing = pal::kPurple1, wing_hi = pal::kPurple2, body = pal::kPurple2;
    if (spread) {
        std::vector<Pt> w{{17, 16}, {9, 9},   {3, 10},  {0, 17},  {4, 16},
                          {7, 21},  {10, 19}, {13, 24}, {15, 21}, {17, 23}};
        fill_poly(c, w, wing);
        std::vector<Pt> wr;
        for (Pt p : w) wr.push_back({40 - p.x, p.y});
        fill_poly(c, wr, wing);
        line(c, 17, 15, 6, 10, 1.2f, wing_hi), line(c, 23, 15, 34, 10, 1.2f, wing_hi);
    } else {
        fill_poly(c, {{14, 12}, {26, 12}, {28, 28}, {20, 34}, {12, 28}}, wing);
        line(c, 15, 13, 14, 27, 1.2f, wing_hi), line(c, 25, 13, 26, 27, 1.2f, wing_hi);
    }
    fill_ellipse(c, 20, 19, 4.5f, 6, body);
    fill_poly(c, {{16, 14}, {17, 8}, {19, 13}}, body);
    fill_poly(c, {{24, 14}, {23, 8}, {21, 13}}, body);
    c.set(18, 17, pal::kRed3), c.set(21, 17, pal::kRed3);
    c.set(18, 18, pal::kRed2), c.set(21, 18, pal::kRed2);
    c.set(19, 21, pal::kWhite3), c.set(21, 21, pal::kWhite3);
    outline(c, pal::kInk);
    return c;
}

// Fish leaping up: head at the top, tail fin at the bottom (beating left or right).
Canvas fish(int beat) {
    Canvas c = blank_cell();
    float tx = beat ? 3.0f : -3.0f;
    fill_poly(c, {{20 + tx * 0.5f, 29}, {13 + tx, 37}, {27 + tx, 37}}, pal::kOrange1);
    fill_poly(c, {{14, 17}, {8, 22}, {14, 23}}, pal::kOrange1);
    fill_poly(c, {{26, 17}, {32, 22}, {26, 23}}, pal::kOrange1);
    fill_ball(c, 20, 18, 7, 12, pal::kOrange0, pal::kOrange2, pal::kOrange3);
    fill_ellipse(c, 20, 22, 3.5f, 6, pal::kGold3);
    fill_rect(c, 16, 12, 2, 2, pal::kInk), fill_rect(c, 23, 12, 2, 2, pal::kInk);
    c.set(16, 12, pal::kWhite3), c.set(23, 12, pal::kWhite3);
    fill_rect(c, 19, 7, 3, 1, pal::kRed0);
    outline(c, pal::kInk);
    return c;
}

// A flame with its round head up and its tongues trailing downwards.
Canvas flame(int phase) {
    Canvas c = blank_cell();
    const float sway = phase ? 2.5f : -2.5f;
    fill_poly(
        c,
        {{11, 18}, {14 + sway, 36}, {18, 28}, {21 - sway, 38}, {24, 28}, {27 + sway, 35}, {29, 18}},
        pal::kRed2);
    fill_poly(c, {{14, 18}, {17 + sway, 31}, {20, 26}, {23 - sway, 32}, {26, 18}}, pal::kOrange2);
    fill_ball(c, 20, 16, 9.5f, 9, pal::kOrange1, pal::kOrange2, pal::kGold3);
    fill_ellipse(c, 19, 15, 4.5f, 4, pal::kGold3);
    fill_ellipse(c, 18.5f, 14, 2, 2, pal::kWhite3);
    outline(c, pal::kRed0);
    return c;
}

Canvas cannon() {
    Canvas c = blank_cell();
    // Barrel pointing left, bound with bands, over a wooden carriage.
    fill_poly(c, {{3, 13}, {30, 10}, {32, 12}, {32, 24}, {30, 26}, {3, 23}}, pal::kStone2);
    fill_poly(c, {{3, 13}, {30, 10}, {31, 14}, {3, 16}}, pal::kStone4);
    fill_rect(c, 1, 11, 4, 14, pal::kStone3);
    fill_rect(c, 2, 15, 2, 6, pal::kInk);
    fill_ellipse(c, 33, 18, 4, 4, pal::kStone3);
    for (int x : {12, 22}) fill_rect(c, x, 11, 2, 14, pal::kStone1);
    fill_poly(c, {{12, 24}, {36, 24}, {38, 33}, {10, 33}}, pal::kWood1);
    fill_rect(c, 12, 24, 24, 2, pal::kWood2);
    fill_ellipse(c, 27, 32, 6.5f, 6.5f, pal::kWood0);
    ring(c, 27, 32, 6.5f, 6.5f, 2, pal::kStone3);
    fill_ellipse(c, 27, 32, 1.5f, 1.5f, pal::kStone4);
    outline(c, pal::kInk);
    return c;
}

Canvas streak(bool left) {
    Canvas c = blank_cell();
    fill_poly(c, {{7, 20}, {11, 17.5f}, {34, 19}, {34, 21}, {11, 22.5f}}, pal::kRed2);
    line(c, 9, 20, 30, 20, 1.6f, pal::kGold3);
    fill_ellipse(c, 10, 20, 3, 2.5f, pal::kWhite3);
    return left ? c : c.mirrored();
}

Canvas axe() {
    Canvas c = blank_cell();
    line(c, 20, 8, 20, 37, 3.5f, pal::kWood2);
    line(c, 19, 9, 19, 36, 1.0f, pal::kWood3);
    for (int side = 0; side < 2; ++side) {
        Canvas b = blank_cell();
        fill_poly(b, {{21, 9}, {30, 4}, {34, 10}, {35, 17}, {32, 23}, {29, 20}, {21, 17}},
                  pal::kStone4);
        fill_poly(b, {{30, 4}, {34, 10}, {35, 17}, {32, 23}, {33, 16}, {32, 10}}, pal::kWhite2);
        c.blit(side ? b.mirrored() : b, 0, 0);
    }
    fill_rect(c, 18, 8, 5, 10, pal::kStone2);
    fill_ellipse(c, 20.5f, 6.5f, 2.5f, 2.5f, pal::kStone3);
    outline(c, pal::kInk);
    return c;
}

}  // namespace

void draw_creatures(Frames& f) {
    f[26] = curved_fireball();
    f[27] = f[26].mirrored();
    f[37] = skull();
    f[71] = bat(true);
    f[72] = bat(false);
    f[79] = streak(true);
    f[80] = streak(false);
    f[81] = fish(0);
    f[82] = fish(1);
    f[86] = axe();
    f[87] = cannon();
    f[88] = flame(0);
    f[89] = flame(1);
}

}  // namespace artgen
