// SPDX-License-Identifier: GPL-3.0-or-later
// The options screen: the registered pages drawn with the game's own font and sprites, run as
// a screen of its own until the player leaves it. Keyboard, mouse and pad each work alone.
#pragma once

#include "options/options_menu.h"

// Runs the screen from its main page; `in_game` when opened from the pause. The game's state
// is left as it was, input pending when it opened included, and the mouse where it was.
OptionsExit RunOptionsScreen(bool in_game);
