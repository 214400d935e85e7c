// SPDX-License-Identifier: GPL-3.0-or-later
// The hero's single fireball: thrown in the facing direction, falling under its own gravity,
// bouncing along tile tops and dying against tile sides or off the screen.
#include "shell/globals.h"

namespace {

constexpr float kThrowSpeed = 6.0f;
constexpr float kThrowDrop = 2.0f;
constexpr int kSpin = 45;
constexpr int kFrameLeft = 26;
constexpr int kFrameRight = 27;
constexpr float kGravity = 0.3f;
constexpr float kBounce = -4.0f;
constexpr float kDrawWidth = 0.8f;
constexpr int kTopBand = 15;

}  // namespace

void fireball_tag::Create(int x, int y) {
    game.fbshoot = 1;
    fireball.state = 1;
    fireball.ystp = kThrowDrop;
    fireball.rotation = 0;
    fireball.x = static_cast<float>(x);
    fireball.y = static_cast<float>(y);
    if (game.curdir == 0) {
        fireball.xstp = -kThrowSpeed;
        fireball.frame = kFrameLeft;
        fireball.rstp = -kSpin;
    } else if (game.curdir == 1) {
        fireball.xstp = kThrowSpeed;
        fireball.frame = kFrameRight;
        fireball.rstp = kSpin;
    }
    play_effect(snd_fireball);
}

int fireball_tag::update(int dx) {
    if (state == 0) return 0;
    x += static_cast<float>(dx);
    // Gravity before the move, unlike the hero's.
    ystp += kGravity;
    rotation += rstp;
    SetTransform(static_cast<float>(rotation), kDrawWidth, 1.0f);
    DrawImage(img_sprites, x, y, frame);
    x += xstp;
    y += ystp;
    SetTransform(0, 1.0f, 1.0f);
    // No test at the top: a fireball thrown above the screen comes back down.
    if (x < 0 || x > 640 || y > 480) state = 0;
    return 0;
}

int fireball_tag::collisions(int cell) {
    if (state == 0) return 0;
    if (cell < 0 || cell >= map_tag::kCells) return 0;
    const map_tag& c = map_cells[cell];
    const int cx = Int(c.x);
    const int cy = Int(c.y);
    if (!solid_for_hero(c.tile1)) return 0;
    if (!ImagesCollide(img_sprites, Int(x), Int(y), frame, img_sprites, cx, cy, c.tile1)) return 0;
    // Low against a tile and off its centre line: it met the side.
    if (y > static_cast<float>(cy - kTopBand) && x != static_cast<float>(cx)) {
        state = 0;
        play_effect(snd_bonk);
    }
    if (y < static_cast<float>(cy)) ystp = kBounce;
    return 0;
}
