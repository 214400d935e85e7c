// SPDX-License-Identifier: GPL-3.0-or-later
// The edited area's source on disk: opened from the pack (or, where the pack has none yet, as a
// copy of the game's own), and saved whole or not at all with the previous version kept as
// mapL.A.txt.bak.
#pragma once

#include <string>
#include <vector>

#include "map_grid.h"
#include "packs/pack_message.h"

namespace editor {

struct OpenedArea {
    mapc::MapGrid grid;
    std::string source_text;  // as read; the game's own source for a new area
    bool from_game = false;   // the pack had no source for the area
    // Why the pack's source could not be used (unreadable, or mistakes the compiler found):
    // the editor then starts from the game's own area and says so.
    std::vector<PackMessage> problems;
};

OpenedArea open_area(const std::string& folder, int level, int area);

// Writes `text` as the area's source. False, with the reason in `why`, when it cannot: the old
// source and its .bak are then as they were.
bool save_area_source(const std::string& folder, int level, int area, const std::string& text,
                      std::string& why);

}  // namespace editor
