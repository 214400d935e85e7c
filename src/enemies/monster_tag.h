// SPDX-License-Identifier: GPL-3.0-or-later
// Every enemy and hazard: one record type, twelve kinds selected by typ.
#pragma once

struct monster_tag {
    float x = 0;
    float y = 0;
    float sx = 0;
    float sy = 0;
    float xstp = 0;
    float ystp = 0;
    float ctr1 = 0;
    int rotation = 0;
    int rstp = 0;
    float xscale = 0;
    float yscale = 0;
    int frame = 0;
    int framectr = 0;
    int frametmr = 0;
    int typ = 0;
    int deathtmr = 0;
    int state = 0;
    int entered = 0;
    int projectile = 0;
    float px = 0;
    float py = 0;
    float pxstp = 0;
    float pystp = 0;
    int prstp = 0;
    int pframe = 0;

    // Kinds.
    static constexpr int kSpider = 0;
    static constexpr int kTurtle = 1;
    static constexpr int kSpikedTurtle = 2;
    static constexpr int kBat = 3;
    static constexpr int kScorpion = 4;
    static constexpr int kCannon = 5;
    static constexpr int kHunchback = 6;
    static constexpr int kShell = 7;
    static constexpr int kLeapingFlame = 8;
    static constexpr int kFlyingFlame = 9;
    static constexpr int kFirebar = 10;
    static constexpr int kLeapingFish = 11;

    void update(int dx);  // enemies/monster_behaviour.cpp
    void collisions();    // enemies/monster_collisions.cpp
    static void bscollisions(int x, int y, int frame);
    static void Create(float x, float y, float xstp, float ystp, float xscale, float yscale,
                       int typ);
};

// A monster, its shot or a firebar touching the hero (enemies/monster_behaviour.cpp).
void hero_hit();
