// SPDX-License-Identifier: GPL-3.0-or-later
// A winning run as the game records a game (a .vrp file's bytes): the start of the game and
// every read the game made, so that a game program in any state of its own (the editor) can
// watch it through the replays' playback, where the bot's replay text holds only the keys of
// a runner freshly started.
#pragma once

#include <string>

// Plays the replay text again as prove_replay plays it, recorded; "" with the reason in `why`
// when it does not win. Call with the area's map in force, after boot_game.
std::string recording_of_run(const std::string& replay, std::string& why);
