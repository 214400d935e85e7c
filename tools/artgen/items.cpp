// SPDX-License-Identifier: GPL-3.0-or-later
// Collectables and props: the blue magic star, sparkle stars, the two potions, the crystal
// ball with its flame, the bubbling cauldron and the five magic items (outline and colour).
#include <cmath>

#include "frames.h"
#include "palette.h"
#include "shapes.h"

namespace artgen {

namespace {

std::vector<Pt> star_points(float cx, float cy, int points, float outer, float inner,
                            float turn = 0) {
    std::vector<Pt> p;
    for (int i = 0; i < points * 2; ++i) {
        float a = -1.5708f + turn + i * 3.14159f / points, r = i % 2 ? inner : outer;
        p.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return p;
}

Canvas blue_star() {
    Canvas c = blank_cell();
    fill_poly(c, star_points(20, 21, 5, 16, 7), pal::kBlue2);
    fill_poly(c, star_points(20, 21, 5, 10, 4.5f), pal::kBlue3);
    fill_ellipse(c, 19, 19, 2.5f, 2.5f, pal::kWhite3);
    outline(c, pal::kBlue0);
    return c;
}

Canvas twinkle(Rgb dark, Rgb mid, Rgb light) {
    Canvas c = blank_cell();
    fill_poly(c, star_points(20, 20, 4, 15, 3.5f), mid);
    fill_poly(c, star_points(20, 20, 4, 8, 2.5f), light);
    outline(c, dark);
    return c;
}

Canvas potion(Rgb dark, Rgb mid, Rgb light) {
    Canvas c = blank_cell();
    fill_rect(c, 17, 9, 7, 10, pal::kWhite1);
    fill_ball(c, 20.5f, 27, 11, 10, dark, mid, light);
    fill_rect(c, 18, 13, 5, 7, mid);
    fill_ellipse(c, 16, 23, 2.5f, 3.5f, pal::kWhite3);
    fill_rect(c, 15, 18, 11, 2, pal::kWhite2);
    fill_rect(c, 17, 4, 7, 6, pal::kWood2);
    fill_rect(c, 17, 4, 7, 1, pal::kWood3);
    outline(c, pal::kInk);
    return c;
}

Canvas crystal_ball(int phase) {
    Canvas c = blank_cell();
    fill_poly(c, {{10, 38}, {30, 38}, {27, 31}, {13, 31}}, pal::kGold1);
    fill_rect(c, 12, 31, 16, 2, pal::kGold2);
    fill_ball(c, 20, 17, 14, 14, {60, 70, 130}, {120, 140, 200}, {210, 220, 250});
    // The flame inside dances from frame to frame.
    const float lean[] = {0.0f, 2.0f, 0.5f, -2.0f}, tall[] = {11.0f, 9.0f, 12.0f, 10.0f};
    float top = 25.0f - tall[phase], tx = 20 + lean[phase];
    fill_poly(c, {{13, 24}, {tx, top}, {27, 24}, {20, 28}}, pal::kRed2);
    fill_poly(c, {{15.5f, 24}, {tx, top + 4}, {24.5f, 24}, {20, 27}}, pal::kOrange2);
    fill_ellipse(c, 20, 24, 3, 2.5f, pal::kGold3);
    fill_ellipse(c, 14, 10, 3, 2, pal::kWhite3);
    outline(c, pal::kInk);
    return c;
}

Canvas cauldron(int phase) {
    Canvas c = blank_cell();
    const Rgb iron0{34, 34, 44}, iron1{62, 62, 78}, iron2{100, 100, 122};
    fill_rect(c, 9, 33, 4, 6, iron0), fill_rect(c, 27, 33, 4, 6, iron0);
    fill_ball(c, 20, 26, 17, 11.5f, iron0, iron1, iron2);
    fill_ellipse(c, 20, 17, 18.5f, 4.5f, iron2);
    fill_ellipse(c, 20, 17, 16, 3, pal::kGreen1);
    // Bubbles swelling on the surface, in a different place on each frame.
    const float bx[3][3] = {{12, 22, 29}, {16, 26, 10}, {21, 13, 27}};
    const float br[3][3] = {{3.5f, 2.5f, 2}, {4, 2, 2.5f}, {3, 3, 2}};
    for (int i = 0; i < 3; ++i) {
        float x = bx[phase][i], r = br[phase][i];
        fill_ellipse(c, x, 16.5f - r * 0.4f, r, r, pal::kGreen2);
        c.set(static_cast<int>(x - r * 0.4f), static_cast<int>(16.5f - r), pal::kGreen3);
    }
    fill_poly(c, {{4, 19}, {9, 27}, {7, 33}, {1, 24}}, pal::kGreen2);  // spill over the rim
    fill_rect(c, 2, 16, 2, 3, iron2), fill_rect(c, 36, 16, 2, 3, iron2);
    line(c, 6, 27, 34, 27, 1.0f, iron2);
    outline(c, pal::kInk);
    return c;
}

Canvas scissors() {
    Canvas c = blank_cell();
    line(c, 13, 27, 31, 5, 3.5f, pal::kWhite1);
    line(c, 27, 27, 9, 5, 3.5f, pal::kWhite2);
    line(c, 26, 27, 10, 6, 1.0f, pal::kWhite3);
    ring(c, 11.5f, 31, 5, 5, 2.5f, pal::kRed1);
    ring(c, 28.5f, 31, 5, 5, 2.5f, pal::kRed1);
    fill_ellipse(c, 20, 18.5f, 2, 2, pal::kGold2);
    outline(c, pal::kInk);
    return c;
}

Canvas magic_axe() {
    Canvas c = blank_cell();
    line(c, 11, 36, 27, 6, 3.5f, pal::kRed1);
    line(c, 10, 35, 26, 5, 1.0f, pal::kRed2);
    fill_poly(c, {{22, 8}, {30, 2}, {37, 8}, {38, 17}, {33, 23}, {29, 14}}, pal::kWhite1);
    fill_poly(c, {{30, 2}, {37, 8}, {38, 17}, {33, 23}, {35, 15}, {34, 8}}, pal::kWhite3);
    fill_ellipse(c, 27.5f, 11.5f, 2.5f, 2.5f, pal::kBlue2);
    fill_ellipse(c, 11, 36, 2.5f, 2.5f, pal::kGold2);
    outline(c, pal::kInk);
    return c;
}

Canvas goblet() {
    Canvas c = blank_cell();
    fill_poly(c, {{8, 5}, {32, 5}, {29, 16}, {22, 21}, {18, 21}, {11, 16}}, pal::kGold1);
    fill_poly(c, {{10, 6}, {18, 6}, {16, 15}, {13, 15}}, pal::kGold3);
    fill_rect(c, 18, 21, 4, 10, pal::kGold1);
    fill_ellipse(c, 20, 25, 3.5f, 2, pal::kGold2);
    fill_poly(c, {{11, 36}, {29, 36}, {25, 31}, {15, 31}}, pal::kGold1);
    fill_rect(c, 11, 35, 18, 1, pal::kGold0);
    fill_ellipse(c, 21, 11, 3, 3, pal::kRed2);
    c.set(20, 10, pal::kRed3);
    fill_rect(c, 8, 5, 24, 2, pal::kGold2);
    outline(c, pal::kInk);
    return c;
}

Canvas crown() {
    Canvas c = blank_cell();
    fill_poly(c, {{6, 31}, {4, 12}, {13, 21}, {20, 8}, {27, 21}, {36, 12}, {34, 31}}, pal::kGold2);
    fill_rect(c, 6, 27, 28, 5, pal::kGold1);
    fill_rect(c, 6, 27, 28, 1, pal::kGold3);
    for (auto [x, y] : {std::pair{4.0f, 11.0f}, {20.0f, 7.0f}, {36.0f, 11.0f}})
        fill_ellipse(c, x, y, 2.5f, 2.5f, pal::kGold3);
    fill_ellipse(c, 20, 29.5f, 2.5f, 2, pal::kRed2);
    fill_ellipse(c, 11, 29.5f, 2, 1.5f, pal::kBlue2);
    fill_ellipse(c, 29, 29.5f, 2, 1.5f, pal::kGreen2);
    outline(c, pal::kInk);
    return c;
}

Canvas spell_book() {
    Canvas c = blank_cell();
    fill_poly(c, {{6, 10}, {29, 6}, {35, 30}, {12, 35}}, pal::kPurple1);
    fill_poly(c, {{12, 35}, {35, 30}, {35, 33}, {13, 38}}, pal::kWhite1);
    fill_poly(c, {{6, 10}, {12, 35}, {13, 38}, {6, 13}}, pal::kPurple0);
    fill_poly(c, star_points(20.5f, 20.5f, 5, 7, 3, -0.2f), pal::kGold2);
    fill_rect(c, 30, 16, 5, 4, pal::kGold1);
    line(c, 8, 11, 28, 7, 1.0f, pal::kPurple3);
    outline(c, pal::kInk);
    return c;
}

// The "not yet found" picture: the item's silhouette traced in a single light line.
Canvas outline_of(const Canvas& item) {
    Canvas c = blank_cell();
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x)
            if (item.solid(x, y) && (!item.solid(x - 1, y) || !item.solid(x + 1, y) ||
                                     !item.solid(x, y - 1) || !item.solid(x, y + 1)))
                c.set(x, y, pal::kStone4);
    return c;
}

}  // namespace

void draw_items(Frames& f) {
    f[28] = blue_star();
    f[90] = twinkle(pal::kBlue0, pal::kBlue2, pal::kWhite3);
    f[91] = twinkle(pal::kOrange0, pal::kOrange2, pal::kGold3);
    f[49] = potion(pal::kRed0, pal::kRed1, pal::kRed3);
    f[50] = potion(pal::kGreen0, pal::kGreen1, pal::kGreen3);
    for (int i = 0; i < 4; ++i) f[51 + i] = crystal_ball(i);
    for (int i = 0; i < 3; ++i) f[39 + i] = cauldron(i);
    const Canvas items[5] = {scissors(), magic_axe(), goblet(), crown(), spell_book()};
    for (int k = 0; k < 5; ++k) {
        f[101 + 2 * k] = items[k];
        f[100 + 2 * k] = outline_of(items[k]);
    }
}

}  // namespace artgen
