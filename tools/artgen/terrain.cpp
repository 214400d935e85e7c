// SPDX-License-Identifier: GPL-3.0-or-later
// Walls and solid blocks: stone walls with beams, blue brick, bonus and used blocks, grey,
// white, riveted and fortress stone. Solid blocks cover their whole 40 x 40 cell.
#include <cmath>

#include "frames.h"
#include "palette.h"
#include "shapes.h"

namespace artgen {

namespace {

struct Ramp {
    Rgb mortar, dark, mid, light;
};

// Courses of bricks `bh` rows tall and `bw` wide, every other course shifted by half a brick.
void bricks(Canvas& c, int bw, int bh, const Ramp& r, int seed) {
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
            int course = y / bh, shift = (course % 2) * (bw / 2);
            int bx = (x + shift) % bw, by = y % bh, id = (x + shift) / bw + course * 7;
            Rgb col;
            if (by == bh - 1 || bx == bw - 1) {
                col = r.mortar;
            } else {
                float tone = hash01(id, course, seed) * 0.25f + hash01(x, y, seed + 1) * 0.12f;
                col = mix(r.mid, r.dark, tone);
                if (by == 0 || bx == 0) col = mix(col, r.light, 0.55f);
                if (by == bh - 2 || bx == bw - 2) col = mix(col, r.dark, 0.6f);
            }
            c.set(x, y, col);
        }
}

void beam_vertical(Canvas& c) {
    for (int y = 0; y < kCell; ++y)
        for (int x = 14; x < 26; ++x) {
            Rgb col = (x == 14 || x == 25) ? pal::kWood0 : pal::kWood1;
            if (x == 15 || x == 16) col = pal::kWood2;
            if ((x == 19 || x == 22) && hash01(x, y / 3, 5) > 0.3f) col = pal::kWood0;
            c.set(x, y, col);
        }
}

void beam_horizontal(Canvas& c) {
    for (int y = 14; y < 26; ++y)
        for (int x = 0; x < kCell; ++x) {
            Rgb col = (y == 14 || y == 25) ? pal::kWood0 : pal::kWood1;
            if (y == 15 || y == 16) col = pal::kWood2;
            if ((y == 19 || y == 22) && hash01(x / 3, y, 6) > 0.3f) col = pal::kWood0;
            c.set(x, y, col);
        }
}

void peg(Canvas& c, int x, int y) {
    fill_rect(c, x, y, 2, 2, pal::kStone4);
    c.set(x, y, pal::kStone5);
}

// A full block with a raised rim: light upper-left edges, dark lower-right edges.
void raised_block(Canvas& c, Rgb dark, Rgb mid, Rgb light, int rim) {
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
            Rgb col = mid;
            int d = std::min(std::min(x, y), std::min(kCell - 1 - x, kCell - 1 - y));
            if (d < rim) col = (x < kCell - 1 - y) ? light : dark;
            if (x == kCell - 1 || y == kCell - 1) col = scale(dark, 0.6f);
            c.set(x, y, col);
        }
}

void rivet(Canvas& c, int x, int y, Rgb dark, Rgb light) {
    fill_rect(c, x, y, 3, 3, dark);
    c.set(x, y, light);
    c.set(x + 1, y, light);
    c.set(x, y + 1, light);
}

// The bonus block's question mark as a thick pixel pattern, shadowed one pixel down-right.
void question_mark(Canvas& c, Rgb ink, Rgb shadow) {
    static const char* q[] = {
        "..######..", ".########.", "###....###", "###....###", ".......###",
        "......###.", ".....###..", "....###...", "....###...", "....###...",
        "..........", "....###...", "....###...",
    };
    for (int pass = 0; pass < 2; ++pass) {
        int off = pass == 0 ? 2 : 0;
        for (int r = 0; r < 13; ++r)
            for (int col = 0; col < 10; ++col)
                if (q[r][col] == '#')
                    fill_rect(c, 10 + col * 2 + off, 7 + r * 2 + off, 2, 2, pass ? ink : shadow);
    }
}

Canvas bonus_block(int phase) {
    Canvas c = blank_cell();
    raised_block(c, pal::kGold0, pal::kGold1, pal::kGold3, 3);
    for (int y = 3; y < 37; ++y)
        for (int x = 3; x < 37; ++x) {
            float band = std::fmod(static_cast<float>(x + y) + phase * 13.0f, 40.0f);
            c.set(x, y, band < 5.0f ? pal::kGold2 : mix(pal::kGold1, pal::kGold2, 0.35f));
        }
    for (int p : {4, 33}) {
        rivet(c, p, 4, pal::kGold0, pal::kGold3);
        rivet(c, p, 33, pal::kGold0, pal::kGold3);
    }
    Rgb ink = phase == 1 ? pal::kWhite3 : (phase == 2 ? pal::kGold3 : pal::kWhite2);
    question_mark(c, ink, pal::kGold0);
    return c;
}

}  // namespace

Canvas blank_cell() {
    return Canvas(kCell, kCell);
}

void draw_terrain(Frames& f) {
    const Ramp wall{pal::kStone0, {38, 38, 52}, pal::kStone1, pal::kStone2};
    for (int i : {0, 1, 2, 3}) bricks(f[i], 20, 10, wall, 3);
    beam_vertical(f[1]);
    beam_horizontal(f[2]);
    beam_horizontal(f[3]);
    beam_vertical(f[3]);
    peg(f[1], 19, 4), peg(f[1], 19, 34);
    peg(f[2], 4, 19), peg(f[2], 34, 19);
    peg(f[3], 16, 16), peg(f[3], 22, 16), peg(f[3], 16, 22), peg(f[3], 22, 22);

    bricks(f[4], 20, 10, {pal::kBlue0, pal::kBlue1, pal::kBlue2, pal::kBlue3}, 4);
    for (int i = 0; i < 3; ++i) f[5 + i] = bonus_block(i);

    raised_block(f[8], pal::kRust0, pal::kRust1, pal::kRust3, 3);
    for (int y = 3; y < 37; ++y)
        for (int x = 3; x < 37; ++x)
            if (hash01(x, y, 8) > 0.85f) f[8].set(x, y, pal::kRust2);
    for (int p : {5, 32}) {
        rivet(f[8], p, 5, pal::kRust0, pal::kRust3);
        rivet(f[8], p, 32, pal::kRust0, pal::kRust3);
    }

    raised_block(f[9], pal::kStone2, pal::kStone3, pal::kStone5, 3);
    for (int y = 3; y < 37; ++y)
        for (int x = 3; x < 37; ++x)
            if (hash01(x / 2, y / 2, 9) > 0.8f)
                f[9].set(x, y, mix(pal::kStone3, pal::kStone4, 0.5f));
    line(f[9], 9, 12, 16, 19, 1.2f, pal::kStone2);
    line(f[9], 16, 19, 14, 27, 1.2f, pal::kStone2);
    line(f[9], 26, 26, 31, 30, 1.2f, pal::kStone2);

    // Wooden support: end grain of a square beam bound with iron straps.
    Canvas& w = f[10];
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
            float ring = std::sqrt(float((x - 20) * (x - 20) + (y - 20) * (y - 20)));
            Rgb col = (static_cast<int>(ring) % 5 == 0) ? pal::kWood1 : pal::kWood2;
            if (ring < 2.5f) col = pal::kWood0;
            if (x == 0 || y == 0) col = pal::kWood3;
            if (x == 39 || y == 39) col = pal::kWood0;
            w.set(x, y, col);
        }
    for (int band : {3, 33}) {
        fill_rect(w, 0, band, 40, 4, pal::kStone2);
        fill_rect(w, 0, band, 40, 1, pal::kStone4);
        for (int x : {4, 18, 33}) rivet(w, x, band + 1, pal::kStone1, pal::kStone5);
    }

    const Ramp fort{pal::kFort0, pal::kFort1, {66, 40, 44}, pal::kFort3};
    bricks(f[23], 40, 20, fort, 23);
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x)
            if (f[23].at(x, y) != pal::kFort0 && hash01(x, y, 230) > 0.9f)
                f[23].set(x, y, pal::kFort0);

    bricks(f[24], 20, 20, {pal::kWhite0, pal::kWhite1, pal::kWhite2, pal::kWhite3}, 24);

    raised_block(f[25], pal::kStone1, pal::kStone3, pal::kStone4, 2);
    for (int y = 2; y < 38; ++y)
        for (int x = 2; x < 38; ++x)
            if ((x + y) % 9 == 0) f[25].set(x, y, mix(pal::kStone3, pal::kStone2, 0.5f));
    for (int x : {4, 18, 33})
        for (int y : {4, 18, 33}) rivet(f[25], x, y, pal::kStone1, pal::kStone5);
}

}  // namespace artgen
