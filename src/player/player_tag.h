// SPDX-License-Identifier: GPL-3.0-or-later
// The player record (two of them, one per player), and the hero's per-frame physics, input
// and collisions with the map.
#pragma once

// The hero's picture in img_sprites (the pumpkin), also his collision shape and the lives icon.
inline constexpr int kHeroFrame = 30;

struct player_tag {
    int score = 0;
    int lives = 0;
    int magic = 0;
    int level = 0;
    int area = 0;
    int power = 0;
    float x = 0;
    float y = 0;
    float xstp = 0;
    float ystp = 0;
    float yscale = 0;
    int state = 0;
    int rotation = 0;
    int item[5] = {0, 0, 0, 0, 0};  // element 5 - level holds the item of that level
    // Frames between the area-3 flames for this player: lowered only by the levels this player
    // completes, and put in force (game.fireballmaxtmr) whenever this player's turn begins.
    int fireballmaxtmr = 0;

    static void Create();
    int update();              // player/player_physics.cpp
    static int get_inputs();   // player/player_input.cpp
    int collisions(int cell);  // player/player_collisions.cpp
};
