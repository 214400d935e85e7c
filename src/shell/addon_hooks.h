// SPDX-License-Identifier: GPL-3.0-or-later
// The few places where the designed game hands over to what was added beyond it: the options
// screen, replays, level packs and the editor. Each hook is a plain function pointer that the
// added modules set at start-up (install_addons); while one is unset the game runs exactly as
// designed, which is how the walkthroughs, recordings and fidelity tests see it.
#pragma once

#include <string>

// What the Space pause does after asking pause_poll.
enum class PauseAnswer {
    kStayPaused,      // nothing happened
    kShowPauseAgain,  // another screen was shown: the pause's own picture is drawn again
    kLeaveGame,       // back to the title, as F1 does
    kQuit,            // the window was closed: the game ends
};

struct addon_hooks_tag {
    // The title screen, at the start of each of its frames: another screen may run here (the
    // options on F10). True when the player asked meanwhile to end the game.
    bool (*title_frame)() = nullptr;
    // The title screen's menu, once it is drawn: what is added to the picture.
    void (*title_draw)() = nullptr;
    // Each poll of the Space pause.
    PauseAnswer (*pause_poll)() = nullptr;
    // Asked with the pause keys at every frame; true pauses play as Space does.
    bool (*pause_wanted)() = nullptr;
    // A game has just been set up, a real one or the attract demo (demo_playing tells which).
    void (*game_starts)() = nullptr;
    // True while no monster, shot, flame or firebar touches the hero, for good or ill.
    bool (*hero_untouchable)() = nullptr;
    // True while a life lost is not counted.
    bool (*lives_unlimited)() = nullptr;
    // True while no score may become the top score.
    bool (*top_score_barred)() = nullptr;
    // The status display, once it is drawn: what is added beside it.
    void (*hud_draw)() = nullptr;

    // Level packs. The resource a game's map of level.area is read from (the attract demo does
    // not ask); null: the embedded map.
    std::string (*area_map_resource)(int level, int area) = nullptr;
    // The top score's file for the maps in force, given the game's own; null: the game's own.
    std::string (*top_score_file)(const std::string& game_file) = nullptr;
};

extern addon_hooks_tag addon_hooks;
