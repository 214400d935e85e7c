// SPDX-License-Identifier: GPL-3.0-or-later
// A fresh game: the level is cleared and both player records go back to the first area with
// three lives. The attract demo reuses this but keeps the scores the last game left behind.
#include "shell/addon_hooks.h"
#include "shell/globals.h"

namespace {
constexpr int kStartLives = 3;
constexpr int kFirstEnemyFlameDelay = 700;  // frames between area-3 flames on level 1
}  // namespace

void game_tag::start_new() {
    destroy_all();
    game.tovodeath = 0;
    game.invincible = 0;
    game.fbflashstp = 10;
    game.turbo = 0;
    game.fireballmaxtmr = kFirstEnemyFlameDelay;
    if (demo_playing == 0) {
        for (player_tag& p : player) p.score = 0;
    }
    for (player_tag& p : player) {
        p.power = 0;
        p.magic = 0;
        p.lives = kStartLives;
        p.level = 1;
        p.area = 1;
        for (int& it : p.item) it = 0;
        p.fireballmaxtmr = kFirstEnemyFlameDelay;
    }
    if (addon_hooks.game_starts) addon_hooks.game_starts();
}
