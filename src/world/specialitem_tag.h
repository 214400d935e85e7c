// SPDX-License-Identifier: GPL-3.0-or-later
// Pickups released by struck blocks: power potion (3), extra-life potion (4), invincibility
// pumpkin (5) and fire orb (6).
#pragma once

struct specialitem_tag {
    float x = 0;
    float y = 0;
    float xstp = 0;
    float ystp = 0;
    float yinc = 0;
    int rstp = 0;
    int rotation = 0;
    int frame = 0;
    int framedly = 0;
    int framectr = 0;
    int typ = 0;

    static void Create(float x, float y, int typ);
    void update(int dx);
    void collisions();
};
