// SPDX-License-Identifier: GPL-3.0-or-later
// Watching the Check's winning run in the editor: the bot's game played again through the
// replays' own playback, from the area's announcement to the cauldron, with the playback's
// pause, speeds and seeking, and the editor back as it was afterwards.
#pragma once

#include <string>
#include <vector>

#include "editor/test_play.h"

namespace editor {

// Plays `recording` (a recorded game's bytes, as the check hands them over) on the compiled
// map it was made on, as level.area. Escape leaves it early; closing the window ends it with
// quit set. Nothing of it is recorded or sets a top score.
TestPlayEnd watch_check_run(const std::string& recording, const std::vector<unsigned char>& map,
                            int level, int area);

}  // namespace editor
