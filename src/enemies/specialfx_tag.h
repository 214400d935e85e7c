// SPDX-License-Identifier: GPL-3.0-or-later
// Short-lived decorations that move, turn, shrink and fade by themselves: trails, debris,
// sparkles, splashes, score texts and power sparkles.
#pragma once

#include <string>

struct specialfx_tag {
    float x = 0;
    float y = 0;
    float xstp = 0;
    float ystp = 0;
    float astp = 0;
    int rstp = 0;
    int rotation = 0;
    float xscale = 0;
    float yscale = 0;
    float alpha = 0;
    int typ = 0;
    int clr = 0;
    int frametmr = 0;
    int framectr = 0;
    std::string point;

    void update(int dx);
    static void reset();
    static void Create(float x, float y, int rotation, int rstp, float xstp, float ystp, float astp,
                       int typ, int clr);
};
