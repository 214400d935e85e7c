// SPDX-License-Identifier: GPL-3.0-or-later
// The assist of the game under way: slower frames, a hero whom monsters and their shots cannot
// touch, lives that are not counted. A game takes it from the settings when it starts and keeps
// it to its end; a replay puts back the assist its game was played with.
#pragma once

struct AssistSettings {
    int speed = 100;
    bool invincible = false;
    bool unlimited_lives = false;
};

// The assist of the game in force (all off for the attract demo and before any game).
AssistSettings assist_in_force();
// Puts an assist in force at once, the game's pace included.
void set_assist_in_force(const AssistSettings& assist);
// True when anything of it is on: the game then sets no top score and shows a mark.
bool assist_on(const AssistSettings& assist);

// The designed game's hooks that the assist answers (installed by install_options).
void assist_game_starts();
bool assist_hero_untouchable();
bool assist_lives_unlimited();
bool assist_top_score_barred();
// The small mark beside the score during an assisted game.
void assist_draw_mark();
