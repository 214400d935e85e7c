// SPDX-License-Identifier: GPL-3.0-or-later
// The hero's one fireball: thrown with fire power, bouncing on tile tops, dying at their sides.
#pragma once

struct fireball_tag {
    float x = 0;
    float y = 0;
    float xstp = 0;
    float ystp = 0;
    int rstp = 0;
    int rotation = 0;
    int frame = 0;
    int state = 0;

    static void Create(int x, int y);
    int update(int dx);
    int collisions(int cell);
};
