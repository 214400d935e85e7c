// SPDX-License-Identifier: GPL-3.0-or-later
// The bot's walkthroughs of the game's own areas (the scripts the walkthrough tests play in the
// runner, shipped embedded) read as replays: a walkthrough starts where the runner's --start
// starts it, one player with the runner's seed and no assist, and ends at the frame its header
// names, at the area's cauldron.
#pragma once

#include <string>

#include "replay/replay_file.h"

// True when the bytes begin as a walkthrough does ("# --start L.A --frames N").
bool is_walkthrough_text(const std::string& bytes);

// True with the replay when the text is a whole walkthrough of the game's own controls;
// otherwise false and one line in `why`.
bool decode_walkthrough(const std::string& text, ReplayRecord& replay, std::string& why);

// The shipped walkthrough of level.area as a file name the reader takes; "" when the game has
// none for it.
std::string walkthrough_path(int level, int area);
