// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that work beside the hero's controls: F1 reset to the title, F2 effects,
// F3 music, and the pause on Space or joystick button 2 during play.
#include "shell/addon_hooks.h"
#include "shell/globals.h"

namespace {
constexpr int kPausePollMs = 10;  // keeps a pause from spinning a core

void toggle(int& flag) {
    ++flag;
    if (flag > 1) flag = 0;
}

void reset_to_title() {
    Cls();
    Flip(-1);
    Delay(1000);
    Cls();
    game.scmx = 640;
    game.scmy = 200;
    // The demo's silence is not the player's setting: a reset out of a demo brings it back.
    if (demo_playing == 1) game.sound = game.soundset;
    demo_next = 1;
    demo_playing = 0;
    demo_pos = 0;
    game.curplayer = 0;
    game.state = game_tag::kTitle;
}

void show_paused() {
    draw_shadow_text(325, 200, 0, 255, 0, "** Paused **", 1);
    Flip(-1);
}

void pause_game() {
    // The main loop cleared the back buffer just before, so only the message shows.
    show_paused();
    for (;;) {
        if (KeyHit(kKeySpace) || JoyHit(0, 0) || JoyHit(2, 0)) return;
        if (quit_requested()) return;
        const PauseAnswer answer =
            addon_hooks.pause_poll ? addon_hooks.pause_poll() : PauseAnswer::kStayPaused;
        if (answer == PauseAnswer::kShowPauseAgain) {
            Cls();
            show_paused();
        }
        if (answer == PauseAnswer::kLeaveGame) return reset_to_title();
        if (answer == PauseAnswer::kQuit) {
            game.state = game_tag::kQuit;
            return;
        }
        // Minimised or out of focus while paused: the music waits too, as on every screen.
        suspend_handling();
        Delay(kPausePollMs);
    }
}
}  // namespace

void game_tag::key_inputs() {
    // Every key is asked first, so a press is used up even where its command does not apply.
    if (KeyHit(kKeyF1)) reset_to_title();
    if (KeyHit(kKeyF2) && demo_playing != 1) toggle(game.sound);
    if (KeyHit(kKeyF3)) {
        toggle(game.music);
        // Paused and resumed, never restarted, so the tune goes on where it stopped.
        if (game.music == 1) {
            ResumeChannel(music_channel);
        } else {
            PauseChannel(music_channel);
        }
    }
    if ((KeyHit(kKeySpace) || JoyHit(2, 0) ||
         (addon_hooks.pause_wanted && addon_hooks.pause_wanted())) &&
        game.state == kPlay && demo_playing == 0) {
        pause_game();
    }
}
