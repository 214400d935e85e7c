// The pause after the death, game-over and ending screens while joystick button 0 is still held, so
// that a held jump button does not skip the next screen.
#pragma once

#include "shell/globals.h"

// Polls gently so the wait does not spin a core; every poll also serves the window. A close
// request ends the wait and the game, as it would on any other screen.
inline void wait_while_jump_button_held() {
    constexpr int kPollMs = 10;
    while (JoyDown(0, 0) != 0) {
        if (AppTerminate()) {
            game.state = game_tag::kQuit;
            return;
        }
        Delay(kPollMs);
    }
}
