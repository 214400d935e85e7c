// SPDX-License-Identifier: GPL-3.0-or-later
// A new game placed at any area, without the logo and the title menu.
#include "sim/game_start.h"

#include "shell/globals.h"

void begin_game_at(int level, int area, int players) {
    if (game.music == 1) PlaySound(snd_tilesong, music_channel);
    game.players = players - 1;
    game.curplayer = 0;
    game.state = game_tag::kLevelIntro;
    game_tag::start_new();
    for (player_tag& p : player) p.level = level, p.area = area;
    SetChannelVolume(music_channel, 0.4f);
    FlushKeys();
    FlushMouse();
}
