// SPDX-License-Identifier: GPL-3.0-or-later
// The top score outside the play loop: the bonuses paid after the last play frame count
// towards it, and a finished game writes it at once instead of only at shut-down.
#include "shell/addon_hooks.h"
#include "shell/globals.h"

void keep_top_score(const player_tag& paid) {
    if (addon_hooks.top_score_barred && addon_hooks.top_score_barred()) return;
    if (paid.score > game.topscore && demo_playing == 0) game.topscore = paid.score;
}

void save_top_score_now() {
    if (demo_playing == 0) hiscore_file(1);
}
