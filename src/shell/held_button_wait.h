// SPDX-License-Identifier: GPL-3.0-or-later
// Waiting while a control is held without spinning: the pauses after the death, game-over,
// ending and title screens while joystick button 0 is still held (so a held jump does not skip
// the next screen), and the title menu's wait for the stick to leave a full deflection.
#pragma once

#include "shell/globals.h"

// Waits while `held` says a control is still held. Polls gently so the wait does not spin a
// core; every poll also serves the window. True when the window was closed meanwhile: asking
// for a close request uses it up, so the caller must act on it.
template <class Held>
bool wait_while_held(Held held) {
    constexpr int kPollMs = 10;
    while (held()) {
        if (AppTerminate()) return true;
        Delay(kPollMs);
    }
    return false;
}

// A close request ends the wait and the game, as it would on any other screen.
inline void wait_while_jump_button_held() {
    if (wait_while_held([] { return JoyDown(0, 0) != 0; })) game.state = game_tag::kQuit;
}
