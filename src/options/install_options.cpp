// SPDX-License-Identifier: GPL-3.0-or-later
// Where the options screen opens: F10 or the pad's options button on the title and in the
// Space pause. The settings are written when it closes; the game goes on where it was.
#include "options/install_options.h"

#include "options/assist.h"
#include "options/options_screen.h"
#include "options/settings_edit.h"
#include "options/standard_options.h"
#include "options/title_line.h"
#include "options/title_screens.h"
#include "platform/player_choices.h"
#include "shell/addon_hooks.h"
#include "shell/globals.h"

namespace {

bool options_asked() {
    const bool key = KeyHit(kKeyF10) != 0;
    return JoyHit(kOptionsJoyButton, 0) != 0 || key;
}

OptionsExit open_options(bool in_game) {
    const OptionsExit exit = RunOptionsScreen(in_game);
    // The file written now holds F2's and F3's choices too, as the one written at exit does
    // (what the attract demo mutes is not the player's choice).
    KeepEffectsAndMusic(demo_playing == 1 ? game.soundset : game.sound, game.music);
    SaveEditedSettings();
    return exit;
}

bool title_frame() {
    // The menu answers at full pace whatever the last game's speed was.
    if (demo_playing == 0 && FramePace() != 100) SetFramePace(100);
    return RunTitleScreens();
}

bool title_options() {
    const OptionsExit exit = open_options(false);
    // Back on the menu the player is not idle: the demo waits its full time again.
    if (demo_playing == 0) demo_pos = 0;
    return exit == OptionsExit::kQuit;
}

PauseAnswer pause_poll() {
    // A pad unplugged while paused keeps the pause as it is.
    TakePadUnplugged();
    if (!options_asked()) return PauseAnswer::kStayPaused;
    switch (open_options(true)) {
        case OptionsExit::kQuit:
            return PauseAnswer::kQuit;
        case OptionsExit::kLeaveGame:
            return PauseAnswer::kLeaveGame;
        default:
            return PauseAnswer::kShowPauseAgain;
    }
}

bool pause_wanted() {
    return TakePadUnplugged();
}

}  // namespace

void install_options() {
    addon_hooks.title_frame = title_frame;
    addon_hooks.title_draw = DrawTitleLine;
    addon_hooks.pause_poll = pause_poll;
    addon_hooks.pause_wanted = pause_wanted;
    addon_hooks.game_starts = assist_game_starts;
    addon_hooks.hero_untouchable = assist_hero_untouchable;
    addon_hooks.lives_unlimited = assist_lives_unlimited;
    addon_hooks.top_score_barred = assist_top_score_barred;
    addon_hooks.hud_draw = assist_draw_mark;
    if (FindOptionsPage(kOptionsMainPage)) return;
    AddStandardOptions();
    AddTitleScreen(options_asked, title_options);
    AddTitleLinePart(10, [] { return std::string("F10 options"); });
}
