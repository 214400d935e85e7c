// SPDX-License-Identifier: GPL-3.0-or-later
// What the bot plays for, read from the area as it was loaded: the way to the cauldron, through
// the magic item in a third area, and in a demo the things worth showing on the way. Scores
// the live game state; higher is better.
#pragma once

#include "bot/game_driver.h"

struct AreaGoal {
    PlayMode mode = PlayMode::kArea;
    bool needs_item = false;
    float item_x = 0, item_y = 0;  // in map pixels: column * 40 + 20, row * 40 + 20
    float cauldron_x = 0, cauldron_y = 0;
    int bricks = 0;       // bricks at the start, to count the ones broken
    int used_blocks = 0;  // used blocks at the start, to count the ones struck

    // Reads the live state right after the area (or demo) was entered.
    static AreaGoal of_live_area(PlayMode mode);

    // The hero's x in map pixels (the screen x plus how far the world has scrolled).
    static float hero_map_x();

    // Things done worth a look in a demo: tokens, struck or broken blocks, power.
    int deeds() const;

    // The score of the live state; `kills` is the number of monsters the hero has beaten.
    double score(int kills) const;
};

// Monsters beaten and still falling off the screen (a frame that beats one raises it).
int beaten_monsters_on_screen();
