// SPDX-License-Identifier: GPL-3.0-or-later
// Which buttons of a pad answer for the game's joystick buttons. The game reads numbered
// buttons (0 jump, 1 and 7 turbo, 2 pause); a binding puts any of the pad's buttons, by SDL's
// game-controller name or, for a plain joystick, by number, in the place of one of them.
#pragma once

#include <SDL2/SDL.h>

#include <array>
#include <string>
#include <vector>

#include "platform/settings.h"

namespace plat {

// The joystick buttons the game and the options screen read: the designed game's eight, and
// the options button after them.
constexpr int kJoyButtons = 9;
constexpr int kOptionsButton = 8;

struct PadBindings {
    // In PadControl order: SDL_GameControllerButton values and plain joystick button numbers.
    std::array<std::vector<int>, kPadControls> controller;
    std::array<std::vector<int>, kPadControls> joystick;
};
PadBindings PadBindingsFrom(const Settings& settings);
// The bindings in force; the defaults until the program sets its own.
PadBindings& pad_bindings();

// The game's joystick button a pad control drives.
int pad_control_button(PadControl control);

// The game's buttons as the pad's (or plain joystick's) buttons hold them now; a button newly
// pressed is kept for take_pad_press.
void read_pad_buttons(SDL_GameController* pad, SDL_Joystick* stick, bool down[kJoyButtons]);
// A scripted controller button (an SDL_GameControllerButton) going down or up: the game's
// buttons it is bound to, with the level each has now.
std::vector<std::pair<int, bool>> script_pad_button(int button, bool down);
// Every scripted button up, as when the pad is unplugged.
void release_script_pad();

// The pad button pressed last since the previous call: its SDL name ("a", "rightshoulder"), or
// its number for a plain joystick; "" when none was.
std::string take_pad_press();

}  // namespace plat
