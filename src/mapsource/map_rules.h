// SPDX-License-Identifier: GPL-3.0-or-later
// The rules a map must keep: those of every playable area (one start, one cauldron, the codes
// of its area type, fish in water, lifts outside the fortress, fair play...), which level packs
// keep too, and on top of them the catalogue's fixed cells for the fifteen shipped maps.
#pragma once

#include <string>
#include <vector>

#include "catalogue.h"

namespace mapc {

// A rule broken in a map. The cell is the one the rule concerns (from 0); -1 when it concerns
// the area as a whole (no start at all). `layer` says which of the cell's two codes is wrong,
// 0 for the terrain (tile1), 1 for what stands on it (tile2), and so which source row to show.
struct RuleBreak {
    int column = -1;
    int row = -1;
    int layer = 1;
    std::string reason;  // plain words, without the position
};

// Every structural rule of a playable area of this level and area number, in cell order, then
// the rules about the area as a whole. None of the catalogue's rules (counts, fixed cells, the
// first screen of 1.1, the one bonus block with an overlay) are among them.
std::vector<RuleBreak> check_structure(const MapGrid& grid, int level, int area);

// The structural rules and the catalogue's own, as one message per broken rule naming the cell;
// empty when the map keeps every rule.
std::vector<std::string> check_rules(const MapGrid& grid, const CatalogueEntry& entry);

}  // namespace mapc
