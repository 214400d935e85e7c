// SPDX-License-Identifier: GPL-3.0-or-later
// The one check of a level pack, shared by the game before it plays a pack, `varnoth
// --check-pack`, `varnoth-mapcheck --pack` and the editor: pack.ini, then each source through
// the compiler and every structural rule of a playable area of its number. The level
// catalogue's rules belong to the shipped game and are not among them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "map_grid.h"
#include "map_source.h"
#include "packs/pack_info.h"
#include "packs/pack_message.h"

inline constexpr int kAreasInGame = 15;
// 0..14 for level.area in the game's order (1.1, 1.2, 1.3, 2.1, ...).
inline int area_index(int level, int area) {
    return (level - 1) * 3 + (area - 1);
}

// One area's source read and checked: the compiler's mistakes, or when it compiles, every
// structural rule it breaks, each with its line, column and cell.
struct CheckedArea {
    mapc::MapGrid grid;
    std::vector<PackMessage> messages;
    bool compiled = false;  // the grid is the compiled map (the rules may still be broken)
    bool ok() const { return compiled && messages.empty(); }
};
CheckedArea check_area_source(const std::string& text, const std::string& file_label, int level,
                              int area);

// The structural rules for an area held as a grid (the editor's, before it is saved): each
// broken rule placed at the line and column `layout` gives its cell.
std::vector<PackMessage> check_area_grid(const mapc::MapGrid& grid, int level, int area,
                                         const std::string& file_label,
                                         const mapc::SourceLayout& layout);

// A pack folder read and checked.
struct CheckedPack {
    std::string folder;
    PackInfo info;  // as far as pack.ini could be read; id falls back to the folder's name
    // The compiled map of each area the pack gives (13448 bytes, as the game loads it); empty
    // where the game's own area plays.
    std::array<std::vector<uint8_t>, kAreasInGame> maps;
    std::vector<PackMessage> messages;  // everything wrong, in file order
    bool playable() const { return messages.empty(); }
};
CheckedPack check_pack(const std::string& folder);

// The compiled map that a game with this pack plays in level.area: the pack's own where it
// gives the area, the game's elsewhere. Empty, with the messages, when the pack cannot be
// played. For tools that play one area of a pack (the bot).
std::vector<uint8_t> pack_area_map(const std::string& folder, int level, int area,
                                   std::vector<PackMessage>& messages);

// The check as a command prints it (`varnoth --check-pack`, `varnoth-mapcheck --pack`): each
// message on a line of its own, then a verdict line; 0 when the pack can be played, 1 when not.
int print_pack_check(const std::string& folder);
