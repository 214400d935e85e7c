// SPDX-License-Identifier: GPL-3.0-or-later
// The cell grid: making the 1680 reusable cell records, emptying them between areas, and
// filling them from an embedded map (two ignored header words, then tile1/tile2 per cell).
#include <string>

#include "shell/addon_hooks.h"
#include "shell/globals.h"

void map_tag::Create() {
    for (map_tag& c : map_cells) c = map_tag{};
}

// Only the codes and flags go: positions, spin, animation counters, a rising block's offset
// and the multi-reward timer carry over until the next area is loaded and initialised.
void map_tag::reset() {
    for (map_tag& c : map_cells) {
        c.tile1 = 0;
        c.tile2 = 0;
        c.objectid = 0;
        c.hidden = 0;
        c.hiddenwall = 0;
    }
}

bool map_tag::Load(int level, int area) {
    // A level pack in force gives the maps of a game; the attract demo keeps the game's own.
    const std::string name =
        addon_hooks.area_map_resource && demo_playing == 0
            ? addon_hooks.area_map_resource(level, area)
            : "incbin::maps\\tovomap" + std::to_string(level) + "." + std::to_string(area);
    TStream* stream = ReadFile(name);
    const bool whole = StreamRemaining(stream) >= static_cast<size_t>(kFileBytes);
    // The grid is always 140 x 12, whatever the header claims.
    ReadInt(stream);
    ReadInt(stream);
    // Past the end of a short (or missing) map every code reads as 0, so the cells it lacks
    // come out empty instead of keeping the last area's scenery.
    int col = 0;
    float x = 20;
    float y = 20;
    for (map_tag& c : map_cells) {
        c.tile1 = ReadInt(stream);
        c.tile2 = ReadInt(stream);
        c.x = x;
        c.y = y;
        ++col;
        x += kCellSize;
        if (col > kColumns - 1) {
            col = 0;
            x = 20;
            y += kCellSize;
        }
    }
    CloseStream(stream);
    return whole;
}
