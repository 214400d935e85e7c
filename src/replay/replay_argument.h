// SPDX-License-Identifier: GPL-3.0-or-later
// Which command-line argument names a replay to play. A file manager opens a replay with the
// game by putting its path last (the desktop entry's %f, Windows' "Open with"): absolute, with
// spaces, and not always ending in .vrp, since the file type is also known by its first bytes.
#pragma once

#include <string>
#include <vector>

// Takes the replay off the end of args and gives its absolute path, or gives "" and leaves
// args alone. The last argument is a replay when it ends in .vrp (in any case), or when it is
// no option nor an option's value and the file it names begins as a replay does.
std::string take_replay_argument(std::vector<std::string>& args);
