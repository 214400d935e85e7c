// SPDX-License-Identifier: GPL-3.0-or-later
// Scenery details: rune stone, lift slabs and chain, cobwebs, shield, wall lantern, water,
// lava and the purple debris of a smashed brick.
#include <cmath>

#include "frames.h"
#include "palette.h"
#include "shapes.h"

namespace artgen {

namespace {

// Lift platforms fill the top 18 rows, so a hero resting 40 px above the centre sits on them.
void slab(Canvas& c, Rgb dark, Rgb mid, Rgb light, int seed) {
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < kCell; ++x) {
            Rgb col = mix(mid, dark, hash01(x / 2, y / 2, seed) * 0.3f);
            if (y <= 1) col = light;
            if (y >= 16 || x == 39) col = dark;
            if (x == 0) col = light;
            if (y == 8 && x > 3 && x < 36) col = mix(mid, dark, 0.6f);
            c.set(x, y, col);
        }
}

void cobweb(Canvas& c) {
    // Drawn for the top-left corner; the other corners are mirror images.
    const Rgb silk{178, 178, 196}, faint{120, 120, 140};
    for (float a : {0.0f, 0.33f, 0.66f, 1.0f, 1.33f, 1.5708f}) {
        line(c, 0, 0, 38 * std::cos(a), 38 * std::sin(a), 1.0f, silk);
    }
    for (float r : {8.0f, 16.0f, 25.0f, 34.0f}) {
        const int n = 6;
        float step = 1.5708f / (n - 1);
        for (int i = 0; i + 1 < n; ++i) {
            float a0 = i * step, a1 = (i + 1) * step, am = (a0 + a1) / 2;
            Pt p0{r * std::cos(a0), r * std::sin(a0)}, p1{r * std::cos(a1), r * std::sin(a1)};
            Pt m{(r - 3) * std::cos(am), (r - 3) * std::sin(am)};
            curve(c, p0, m, p1, 1.0f, r > 30 ? faint : silk);
        }
    }
}

void lantern(Canvas& c, int phase) {
    const Rgb iron = pal::kStone3, iron_hi = pal::kStone4;
    // Bracket out of the wall on the left, hook over the lantern.
    fill_rect(c, 2, 8, 3, 14, iron);
    line(c, 4, 10, 20, 6, 2.0f, iron);
    line(c, 20, 6, 20, 11, 1.5f, iron);
    // Cap, glass and base.
    fill_poly(c, {{13, 14}, {27, 14}, {23, 10}, {17, 10}}, iron_hi);
    fill_rect(c, 14, 14, 13, 16, pal::kGold2);
    fill_rect(c, 13, 30, 15, 3, iron_hi);
    fill_rect(c, 16, 33, 9, 2, iron);
    for (int x : {14, 20, 26}) fill_rect(c, x, 14, 1, 16, iron);
    // Flame: a teardrop that leans and stretches a little per frame.
    const float lean[] = {0.0f, -1.5f, 1.2f}, tall[] = {11.0f, 9.0f, 12.5f};
    float cx = 20.5f + lean[phase], top = 29.0f - tall[phase];
    fill_poly(c, {{cx - 4, 27}, {cx + lean[phase], top}, {cx + 4, 27}, {20.5f, 29.5f}},
              pal::kOrange2);
    fill_ellipse(c, 20.5f, 26.5f, 3.5f, 3.0f, pal::kOrange2);
    fill_poly(c, {{cx - 2, 27}, {cx + lean[phase] * 0.5f, top + 4}, {cx + 2, 27}}, pal::kGold3);
    fill_ellipse(c, 20.5f, 27.0f, 2.0f, 2.0f, pal::kWhite3);
}

void shield(Canvas& c) {
    // Two swords crossed behind a heater shield.
    for (int s = 0; s < 2; ++s) {
        Canvas sw = blank_cell();
        line(sw, 6, 6, 32, 32, 3.0f, pal::kWhite1);
        line(sw, 7, 6, 32, 31, 1.0f, pal::kWhite3);
        line(sw, 28, 34, 34, 28, 2.5f, pal::kGold1);
        line(sw, 32, 32, 37, 37, 2.5f, pal::kWood1);
        fill_ellipse(sw, 37.5f, 37.5f, 2, 2, pal::kGold2);
        c.blit(s ? sw.mirrored() : sw, 0, 0);
    }
    std::vector<Pt> body{{9, 8}, {31, 8}, {31, 20}, {27, 29}, {20, 35}, {13, 29}, {9, 20}};
    fill_poly(c, body, pal::kGold1);
    std::vector<Pt> inner{{11, 10},    {29, 10},       {29, 20}, {25.5f, 27.5f},
                          {20, 32.5f}, {14.5f, 27.5f}, {11, 20}};
    fill_poly(c, inner, pal::kRed1);
    fill_rect(c, 19, 11, 3, 20, pal::kGold2);
    fill_rect(c, 12, 17, 17, 3, pal::kGold2);
}

}  // namespace

void draw_decor(Frames& f) {
    // Rune stone: a dark slab carved with glowing red signs.
    Canvas& rune = f[11];
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
            Rgb col = mix(pal::kStone2, pal::kStone1, hash01(x / 2, y / 2, 11) * 0.6f);
            if (x == 0 || y == 0) col = pal::kStone4;
            if (x == 39 || y == 39) col = pal::kStone0;
            rune.set(x, y, col);
        }
    Canvas signs = blank_cell();
    line(signs, 8, 8, 8, 20, 2, pal::kRed2), line(signs, 8, 8, 14, 13, 2, pal::kRed2);
    line(signs, 8, 14, 14, 19, 2, pal::kRed2);
    line(signs, 20, 7, 20, 20, 2, pal::kRed2), line(signs, 17, 10, 23, 16, 2, pal::kRed2);
    line(signs, 23, 10, 17, 16, 2, pal::kRed2);
    line(signs, 28, 8, 32, 20, 2, pal::kRed2), line(signs, 32, 8, 28, 20, 2, pal::kRed2);
    line(signs, 9, 25, 31, 25, 2, pal::kRed2);
    line(signs, 12, 30, 16, 33, 2, pal::kRed2), line(signs, 16, 33, 20, 29, 2, pal::kRed2);
    line(signs, 20, 29, 24, 33, 2, pal::kRed2), line(signs, 24, 33, 28, 29, 2, pal::kRed2);
    Canvas halo = signs;
    outline(halo, pal::kRed0, true);
    rune.blit(halo, 0, 0);
    recolour(signs, [](Rgb) { return pal::kRed3; });
    rune.blit(signs, 0, 0);

    slab(f[12], pal::kStone1, pal::kStone3, pal::kStone5, 12);
    slab(f[13], pal::kSand0, pal::kSand2, pal::kSand3, 13);

    // Chain link: an upright oval 24 px tall, so links 22 px apart overlap a little.
    ring(f[14], 20, 20, 7.5f, 12.5f, 4.0f, pal::kStone3);
    ring(f[14], 19.5f, 19.5f, 6.5f, 11.5f, 1.5f, pal::kStone5);
    outline(f[14], pal::kStone1);

    cobweb(f[15]);
    f[16] = f[15].mirrored();
    f[17] = rotated(f[15], 270.0f);
    f[18] = rotated(f[15], 180.0f);

    shield(f[19]);
    // Cobwebs and the shield are background tiles: nothing is drawn behind a tile, so they
    // carry the stone wall they hang on (masked drawing would show black between the threads).
    for (int i = 15; i <= 19; ++i) {
        Canvas on_wall = f[0];
        on_wall.blit(f[i], 0, 0);
        f[i] = on_wall;
    }
    for (int i = 0; i < 3; ++i) lantern(f[20 + i], i);

    // Water: rolling wave bands, light crests near the top of the cell.
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
            float wave = std::sin((x + y * 0.5f) * 6.2832f / 20.0f) * 2.0f;
            float t = (y + wave) / 40.0f;
            Rgb col = mix(pal::kWater2, pal::kWater0, t);
            int band = static_cast<int>(y + wave + 40) % 10;
            if (band == 0) col = mix(col, pal::kWater3, 0.6f - t * 0.4f);
            f[94].set(x, y, col);
        }
    // Lava: a glowing crust broken by bright cracks and bubbles.
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
            float n = hash01(x / 5, y / 5, 95) * 0.5f + hash01(x / 2, y / 2, 96) * 0.5f;
            Rgb col = mix(pal::kLava1, pal::kLava0, n);
            float crack =
                std::sin(x * 0.45f + std::sin(y * 0.3f) * 2.5f) + std::sin(y * 0.5f + x * 0.1f);
            if (std::fabs(crack) < 0.22f) col = pal::kLava2;
            if (std::fabs(crack) < 0.08f) col = pal::kLava3;
            f[95].set(x, y, col);
        }
    fill_ellipse(f[95], 11, 10, 3, 3, pal::kLava2);
    fill_ellipse(f[95], 10.5f, 9.5f, 1.5f, 1.5f, pal::kLava3);
    fill_ellipse(f[95], 29, 27, 2.5f, 2.5f, pal::kLava2);

    // Debris: an angular chip of purple stone.
    fill_poly(f[97], {{13, 16}, {22, 11}, {28, 17}, {26, 27}, {16, 28}, {11, 22}}, pal::kPurple1);
    fill_poly(f[97], {{13, 16}, {22, 11}, {24, 15}, {15, 19}}, pal::kPurple3);
    fill_poly(f[97], {{26, 27}, {16, 28}, {18, 24}, {24, 23}}, pal::kPurple0);
    outline(f[97], pal::kInk);
}

}  // namespace artgen
