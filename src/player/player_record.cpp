// SPDX-License-Identifier: GPL-3.0-or-later
// The two player records: made once at start-up, refilled by every new game and every death,
// never replaced while the game runs.
#include "shell/globals.h"

void player_tag::Create() {
    for (player_tag& p : player) {
        p = player_tag{};
        p.rotation = 0;
        p.yscale = 1.0f;
    }
}
