// SPDX-License-Identifier: GPL-3.0-or-later
// Lifts: a horizontal slab that waits for the hero's first landing and then swings for good,
// and a vertical slab on a chain that goes up and down; the hero bounces on both.
#include "shell/globals.h"

namespace {
constexpr int kHorizontalFrame = 12;
constexpr int kVerticalFrame = 13;
constexpr int kChainFrame = 14;
constexpr float kLiftSpeed = 2.0f;
constexpr int kSwingLength = 280;
}  // namespace

void elevator_tag::Create(float x, float y, int wide, int typ) {
    elevator_tag lift;
    lift.typ = typ;
    lift.x = x;
    lift.y = y;
    lift.xscale = wide != 0 ? 2.0f : 1.0f;
    if (typ != 0) {
        lift.xstp = 0;
        lift.frame = kVerticalFrame;
        lift.ystp = y > 240 ? kLiftSpeed : -kLiftSpeed;
    } else {
        lift.distctr = 1;
        lift.dstp = 1;
        lift.xstp = 0;
        lift.ystp = 0;
        lift.frame = kHorizontalFrame;
    }
    elevator_list.AddLast(lift);
}

void elevator_tag::update(int dx) {
    x += dx;
    // The platform is drawn even beyond the screen edges.
    SetScale(xscale, 1.0f);
    SetBlend(1);
    DrawImage(img_sprites, x, y, frame);
    SetScale(1, 1);
    // Lifts still waiting beyond the right edge only scroll with the world.
    if (x < 680) {
        if (frame == kVerticalFrame) {
            for (int n = Int(y - 32); n > -20; n -= 22) DrawImage(img_sprites, x, n, kChainFrame);
        }
        if (frame == kHorizontalFrame && xstp != 0) {
            distctr += dstp;
            if (distctr > kSwingLength) {
                dstp = -1;
                xstp = -kLiftSpeed;
            }
            if (distctr < 1) {
                dstp = 1;
                xstp = kLiftSpeed;
            }
        }
        x += xstp;
        y += ystp;
    }
    if (y < 55) {
        ystp = kLiftSpeed;
    } else if (y > 465) {
        ystp = -kLiftSpeed;
    }
    if (x < -80) elevator_list.Remove(this);
}

// Tested with one unscaled platform frame although the lift is drawn twice as wide. The hero
// is never carried sideways: a moving lift slides away under him.
void elevator_tag::collisions(int px, int py) {
    if (!ImagesCollide(img_sprites, px, py, 30, img_sprites, Int(x), Int(y), frame)) return;
    game.jump = 0;
    play_effect(snd_boing);
    player_tag& p = hero();
    p.y = y - 40;
    p.rotation = 0;
    p.yscale = 0.5f;
    if (frame == kHorizontalFrame && xstp == 0) xstp = kLiftSpeed;
    p.ystp = (frame == kVerticalFrame && ystp < 0) ? -5.0f : -3.0f;
}
