// SPDX-License-Identifier: GPL-3.0-or-later
// One cell per frame: scrolling, the multi-reward timer, and drawing the tile with its
// struck-block lift, bonus-block animation and overlay (lantern, token, magic item).
#include "shell/globals.h"

namespace {
constexpr int kBlankFrame = 0;
constexpr int kGlowFrame = 36;
}  // namespace

// The timer runs even off screen and during the still screens, before the visibility test.
void map_tag::scroll(int dx) {
    x += dx;
    if (multitmr > 1) {
        multitmr -= 1;
        if (multitmr < 2) multitmr = 2;
    }
}

bool map_tag::on_screen() const {
    return x > -40 && x < 680;
}

void map_tag::update(int dx) {
    scroll(dx);
    SetBlend(1);
    if (!on_screen()) return;

    if (yoffset < 0) {
        // Fill the gap the jumping block leaves behind.
        DrawImage(img_sprites, x, y, kBlankFrame);
        yoffset += 1;
    }
    if (tile1 == 5) {
        framedly += 1;
        if (framedly > 10) {
            framedly = 0;
            framectr += 1;
        }
        if (framectr > 2) framectr = 0;
        DrawImage(img_sprites, x, y + yoffset, 5 + framectr);
    } else {
        DrawImage(img_sprites, x, y + yoffset, tile1);
    }
    if (tile2 == 0) return;

    if (tile2 == 20) {
        framedly += 1;
        if (framedly > 2) {
            framedly = 0;
            framectr += 1;
        }
        if (framectr > 2) framectr = 0;
        // The glow goes first so the lantern covers its lower part.
        SetAlpha(static_cast<float>(Rnd(0.1, 0.3)));
        SetBlend(3);
        SetScale(1.0f, static_cast<float>(Rnd(1.2, 2.8)));
        DrawImage(img_sprites, x, y - 10, kGlowFrame);
        SetAlpha(1);
        SetScale(1, 1);
        SetBlend(1);
    }
    if (tile2 == 28) {
        rotation += 5;
        const float r = static_cast<float>(Rnd(0.5, 1.5));
        SetTransform(static_cast<float>(rotation), r, r);
    }
    if (tile2 >= 100 && tile2 <= 108) {
        framedly += 1;
        if (framedly > 4) {
            framedly = 0;
            framectr += 1;
        }
        if (framectr > 1) framectr = 0;
    }
    DrawImage(img_sprites, x, y + yoffset, tile2 + framectr);
    SetTransform(0, 1, 1);
}
