// SPDX-License-Identifier: GPL-3.0-or-later
// The few places where the designed game hands over to what was added beyond it: the options
// screen, replays, level packs and the editor. Each hook is a plain function pointer that the
// added modules set at start-up (install_addons); while one is unset the game runs exactly as
// designed, which is how the walkthroughs, recordings and fidelity tests see it.
#pragma once

#include <string>

struct addon_hooks_tag {
    // Level packs. The resource a game's map of level.area is read from (the attract demo does
    // not ask); null: the embedded map.
    std::string (*area_map_resource)(int level, int area) = nullptr;
    // The top score's file for the maps in force, given the game's own; null: the game's own.
    std::string (*top_score_file)(const std::string& game_file) = nullptr;
};

extern addon_hooks_tag addon_hooks;
