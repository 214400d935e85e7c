// SPDX-License-Identifier: GPL-3.0-or-later
// The screens the title screen opens on a key of their own: the options on F10 (or the pad's
// options button), and whatever other modules add the same way (the replays on Tab).
#pragma once

#include <functional>

// `asked` is tried at every title frame (it should use up the key it looks for); when it says
// yes, `run` shows the screen and answers true when the player asked meanwhile to quit.
void AddTitleScreen(std::function<bool()> asked, std::function<bool()> run);
// Tries each screen in the order they were added; true when the game is to end.
bool RunTitleScreens();
