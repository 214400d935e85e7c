// SPDX-License-Identifier: GPL-3.0-or-later
// The walking enemies, drawn facing left with their feet on the bottom rows of the cell:
// blue spider, grey turtle and its shell, red spiked turtle, red scorpion and the hunchback.
// The right-facing frames are mirror images.
#include <cmath>

#include "frames.h"
#include "palette.h"
#include "shapes.h"

namespace artgen {

namespace {

constexpr Rgb kFlesh{226, 190, 150}, kFleshDark{170, 128, 96};

Canvas spider(int step) {
    Canvas c = blank_cell();
    const Rgb leg = pal::kBlue1;
    for (int i = 0; i < 4; ++i) {
        float hx = 15.0f + i * 4.0f, lift = ((i + step) % 2) ? 3.0f : 0.0f;
        float kx = hx - 9 + i * 3, ky = 13 + lift;
        float fx = hx - 12 + i * 6 + (step ? 2.0f : -2.0f), fy = 38 - lift * 0.7f;
        line(c, hx, 24, kx, ky, 2.2f, leg);
        line(c, kx, ky, fx, fy, 2.0f, leg);
    }
    fill_ball(c, 25, 22, 10, 8.5f, pal::kBlue0, pal::kBlue2, pal::kBlue3);
    fill_ball(c, 13, 26, 6, 5.5f, pal::kBlue0, pal::kBlue2, pal::kBlue3);
    line(c, 22, 16, 28, 24, 1.5f, pal::kBlue1);
    fill_rect(c, 9, 24, 2, 2, pal::kWhite3), fill_rect(c, 13, 24, 2, 2, pal::kWhite3);
    c.set(9, 25, pal::kRed1), c.set(13, 25, pal::kRed1);
    line(c, 9, 30, 8, 33, 1.2f, pal::kWhite1), line(c, 13, 30, 13, 33, 1.2f, pal::kWhite1);
    outline(c, pal::kInk);
    return c;
}

void shell_dome(Canvas& c, Rgb dark, Rgb mid, Rgb light, float cy) {
    Canvas d = blank_cell();
    fill_ball(d, 22, cy, 13, 11, dark, mid, light);
    for (int y = static_cast<int>(cy) + 1; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) d.erase(x, y);
    // Plates of the shell.
    line(d, 16, cy - 9, 13, cy, 1.0f, dark), line(d, 28, cy - 9, 31, cy, 1.0f, dark);
    line(d, 15, cy - 5, 29, cy - 5, 1.0f, dark);
    c.blit(d, 0, 0);
    fill_rect(c, 8, static_cast<int>(cy), 28, 3, mix(mid, light, 0.4f));
    fill_rect(c, 8, static_cast<int>(cy) + 2, 28, 1, dark);
}

Canvas turtle(int step, bool spiked) {
    Canvas c = blank_cell();
    const Rgb skin0 = pal::kSkin0, skin1 = pal::kSkin1;
    // Legs, head and tail under the shell.
    float a = step ? 2.5f : -2.5f;
    fill_rect(c, static_cast<int>(13 + a), 29, 5, 9, skin1);
    fill_rect(c, static_cast<int>(26 - a), 29, 5, 9, skin1);
    fill_rect(c, static_cast<int>(12 + a), 36, 7, 3, skin0);
    fill_rect(c, static_cast<int>(25 - a), 36, 7, 3, skin0);
    fill_poly(c, {{34, 27}, {39, 30}, {34, 31}}, skin1);
    fill_ball(c, 8, 22, 6, 5.5f, skin0, skin1, pal::kSkin2);
    fill_rect(c, 6, 19, 2, 3, pal::kInk);
    c.set(6, 19, pal::kWhite3);
    fill_rect(c, 2, 24, 5, 1, skin0);
    if (spiked) {
        shell_dome(c, pal::kRed0, pal::kRed1, pal::kRed3, 28);
        for (float x : {14.0f, 22.0f, 30.0f}) {
            float top = x == 22.0f ? 11 : 14;
            fill_poly(c, {{x - 3, top + 6}, {x, top - 4}, {x + 3, top + 6}}, pal::kWhite2);
            line(c, x - 1, top + 5, x, top - 2, 1.0f, pal::kWhite3);
        }
    } else {
        shell_dome(c, pal::kStone2, pal::kStone4, pal::kStone5, 28);
    }
    outline(c, pal::kInk);
    return c;
}

Canvas empty_shell() {
    Canvas c = blank_cell();
    shell_dome(c, pal::kStone2, pal::kStone4, pal::kStone5, 34);
    fill_rect(c, 9, 37, 26, 2, pal::kStone1);
    outline(c, pal::kInk);
    return c;
}

Canvas scorpion(int pose) {
    Canvas c = blank_cell();
    const Rgb d = pal::kRed0, m = pal::kRed1, l = pal::kRed2;
    // Legs.
    for (int i = 0; i < 3; ++i) {
        float x = 14.0f + i * 6, s = ((i + pose) % 2) ? 2.0f : -2.0f;
        line(c, x, 30, x - 3 + s, 38, 1.8f, d);
        line(c, x + 2, 30, x + 5 + s, 38, 1.8f, d);
    }
    // Segmented body low on the ground.
    for (int i = 0; i < 4; ++i) fill_ball(c, 15.0f + i * 5, 29, 4.5f, 4, d, m, l);
    // Tail: rising from the rear and curling forward over the back; the stinger strikes
    // forward (pose 2) after a shot.
    std::vector<Pt> tail =
        pose == 2 ? std::vector<Pt>{{31, 28}, {35, 22}, {34, 14}, {27, 9}, {19, 9}, {13, 11}}
                  : std::vector<Pt>{{31, 28}, {35, 22}, {35, 14}, {31, 8}, {25, 7}, {22, 11}};
    for (std::size_t i = 0; i < tail.size(); ++i)
        fill_ball(c, tail[i].x, tail[i].y, 3.6f - i * 0.2f, 3.4f - i * 0.2f, d, m, l);
    Pt tip = tail.back();
    fill_poly(c, {{tip.x + 2, tip.y}, {tip.x - 5, tip.y + 3}, {tip.x, tip.y - 2}}, pal::kGold2);
    // Claws reaching forward.
    line(c, 12, 29, 6, 26, 2.2f, m);
    fill_poly(c, {{7, 22}, {1, 24}, {3, 27}, {7, 28}, {5, 25}}, l);
    fill_poly(c, {{7, 31}, {1, 31}, {3, 34}, {8, 33}}, l);
    fill_rect(c, 10, 26, 2, 2, pal::kGold3);
    outline(c, pal::kInk);
    return c;
}

Canvas hunchback(int pose) {
    Canvas c = blank_cell();
    const Rgb robe0{62, 50, 40}, robe1{104, 84, 60}, robe2{140, 116, 84};
    // Legs.
    float s = pose == 1 ? 3.0f : (pose == 0 ? -3.0f : 0.0f);
    line(c, 18, 30, 15 + s, 38, 3.0f, robe0);
    line(c, 24, 30, 26 - s, 38, 3.0f, robe0);
    fill_rect(c, static_cast<int>(12 + s), 37, 5, 2, pal::kWood0);
    fill_rect(c, static_cast<int>(24 - s), 37, 5, 2, pal::kWood0);
    // Hunched body with the hump on the back (right, since he faces left).
    fill_poly(c, {{12, 14}, {18, 9}, {27, 7}, {33, 11}, {35, 20}, {31, 31}, {13, 31}, {11, 22}},
              robe1);
    curve(c, {20, 10}, {31, 7}, {33, 20}, 1.5f, robe2);  // light on the hump
    line(c, 13, 31, 31, 31, 1.5f, robe0);
    line(c, 16, 20, 28, 25, 1.2f, robe0);
    // Head thrust forward.
    fill_ball(c, 11, 15, 5.5f, 5.5f, kFleshDark, kFlesh, {246, 222, 190});
    fill_poly(c, {{6, 15}, {3, 18}, {7, 18}}, kFleshDark);
    fill_rect(c, 8, 13, 2, 2, pal::kInk);
    fill_poly(c, {{7, 10}, {15, 9}, {17, 13}, {9, 12}}, robe0);
    // Arms: reaching up when carrying or throwing the axe.
    if (pose == 2) {
        line(c, 16, 18, 6, 5, 3.5f, robe0);
        fill_ellipse(c, 5.5f, 4, 2.5f, 2.5f, kFlesh);
    } else {
        // Both hands up by the axe handle, which is drawn over them.
        line(c, 16, 18, 22, 7, 3.5f, robe0);
        line(c, 24, 14, 26, 7, 3.5f, robe0);
        fill_ellipse(c, 22.5f, 5.5f, 2.5f, 2.5f, kFlesh);
        fill_ellipse(c, 26.5f, 5.5f, 2.5f, 2.5f, kFlesh);
    }
    outline(c, pal::kInk);
    return c;
}

}  // namespace

void draw_walkers(Frames& f) {
    for (int i = 0; i < 2; ++i) {
        f[57 + i] = spider(i);
        f[59 + i] = f[57 + i].mirrored();
        f[61 + i] = turtle(i, false);
        f[64 + i] = f[61 + i].mirrored();
        f[67 + i] = turtle(i, true);
        f[69 + i] = f[67 + i].mirrored();
    }
    f[63] = empty_shell();
    f[66] = f[63].mirrored();
    for (int i = 0; i < 3; ++i) {
        f[73 + i] = scorpion(i);
        f[76 + i] = f[73 + i].mirrored();
        f[83 + i] = hunchback(i);
    }
}

}  // namespace artgen
