// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue table of the fifteen maps, the first screen of map 1.1, and the rules by which
// each catalogue figure is counted from the codes of a grid.
#include "catalogue.h"

namespace mapc {

const std::vector<CatalogueEntry>& catalogue() {
    // counts: liquid, bricks, bonus, contents, hidden, tokens, h lifts, v lifts, monsters,
    //         hidden walls, rune stones, lanterns, fakes
    static const std::vector<CatalogueEntry> table = {
        {1, 1, 2, 5, 135, 10, 0, 0, 0, {0, 0, 22, 17, 17, 11, 0, 0, 20, 8, 3, 35, 0}},
        {1, 2, 4, 9, 136, 10, 0, 0, 0, {0, 528, 36, 53, 11, 0, 0, 3, 22, 4, 1, 5, 17}},
        {1, 3, 4, 8, 136, 10, 100, 127, 5, {30, 0, 0, 0, 0, 0, 0, 0, 15, 0, 1, 8, 0}},
        {2, 1, 2, 5, 135, 9, 0, 0, 0, {26, 0, 12, 12, 8, 18, 1, 1, 29, 21, 3, 48, 0}},
        {2, 2, 2, 8, 136, 10, 0, 0, 0, {0, 502, 26, 45, 9, 0, 0, 2, 22, 6, 4, 5, 5}},
        {2, 3, 4, 5, 136, 10, 102, 128, 3, {32, 0, 0, 0, 0, 0, 0, 0, 14, 0, 2, 8, 0}},
        {3, 1, 1, 2, 135, 10, 0, 0, 0, {26, 0, 27, 19, 13, 31, 0, 1, 31, 13, 4, 44, 5}},
        {3, 2, 3, 3, 136, 10, 0, 0, 0, {0, 358, 37, 54, 11, 0, 2, 3, 22, 8, 4, 5, 18}},
        {3, 3, 4, 8, 136, 8, 104, 103, 6, {51, 0, 0, 0, 0, 0, 0, 0, 42, 0, 4, 9, 2}},
        {4, 1, 6, 6, 135, 10, 0, 0, 0, {9, 0, 23, 19, 16, 52, 0, 0, 34, 16, 5, 38, 14}},
        {4, 2, 2, 2, 136, 10, 0, 0, 0, {0, 348, 36, 73, 14, 0, 1, 3, 28, 16, 3, 5, 7}},
        {4, 3, 4, 4, 136, 7, 106, 126, 8, {58, 0, 0, 0, 0, 0, 0, 0, 52, 0, 4, 9, 0}},
        {5, 1, 1, 2, 136, 5, 0, 0, 0, {36, 0, 27, 27, 20, 95, 0, 2, 53, 11, 5, 49, 4}},
        {5, 2, 2, 1, 134, 7, 0, 0, 0, {0, 317, 36, 54, 21, 0, 3, 1, 39, 18, 3, 6, 32}},
        {5, 3, 3, 3, 134, 6, 108, 118, 3, {65, 0, 0, 0, 0, 0, 0, 0, 83, 0, 4, 10, 13}},
    };
    return table;
}

const OverlayBlock& overlay_block() {
    static const OverlayBlock block = {2, 2, 104, 6};
    return block;
}

const char* figure_name(Figure f) {
    static const char* const names[kFigureCount] = {
        "deadly liquid cells", "bricks",         "bonus blocks",
        "block contents",      "hidden blocks",  "free tokens",
        "horizontal lifts",    "vertical lifts", "monsters",
        "hidden walls",        "rune stones",    "lanterns",
        "fake overlays"};
    return names[f];
}

std::array<int, kFigureCount> count_figures(const MapGrid& grid) {
    std::array<int, kFigureCount> n{};
    for (size_t i = 0; i < static_cast<size_t>(kCells); ++i) {
        const int a = grid.tile1[i];
        const int b = grid.tile2[i];
        if (is_liquid(a)) ++n[kLiquid];
        if (a == 4) ++n[kBricks];
        if (a == 5) ++n[kBonus];
        // A block's content is one of the codes that initialisation turns into an objectid.
        if (is_block(a) && (b == 28 || b == 29 || b == 30 || b == 49 || b == 50)) ++n[kContents];
        if (a < 4 && (b == 29 || b == 49 || b == 50 || b == 55 || b == 56)) ++n[kHidden];
        if (!is_block(a) && b == 28) ++n[kTokens];
        if (b == 12) ++n[kHLifts];
        if (b == 13) ++n[kVLifts];
        if (is_monster(b)) ++n[kMonsters];
        if (b == 38) ++n[kHiddenWalls];
        if (b == 11) ++n[kRunes];
        if (b == 20) ++n[kLanterns];
        if ((b == 3 || b == 4 || b == 8 || b == 9 || b == 24) && !is_overlay_block(a, b))
            ++n[kFakes];
    }
    return n;
}

const FirstScreen& first_screen_1_1() {
    static const FirstScreen screen = [] {
        FirstScreen s{};
        static const char* const rows[kRows] = {
            "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0",       "0 0 0 0 0 1 0 0 0 0 0 1 0 0 0 0",
            "0 0 0 0 0 1 0 0 0 0 0 1 0 0 0 0",       "2/50 2 2 2 2 3 2 2 2 2 2 3 2 2/28 2/28 2/28",
            "0 0 0/20 0 0 1 0 0 0 0 0 5/28 0 0 0 0", "0/20 0 0/30 0 0/20 1 0 0 0 0 0 1 0 0 0/20 0",
            "0 0 0 0 0 1 0 0 0 0 0 1 0 0 0 0",       "9 9 9 9 9 1 0 0 0 0 10 10 10 0 0 0",
            "9 9 9 9 9 9 2 2 2 2 2 3 2 2 5/49 2",    "9 9 9 9 9 9 9 0 0 0 0 1 0 0 0 0",
            "9 9 9 9 9 9 9 9 0 0 0 1 0 0 0/57 0",    "9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9",
        };
        for (int r = 0; r < kRows; ++r) {
            const char* p = rows[r];
            for (int c = 0; c < 16; ++c) {
                int a = 0, b = 0;
                while (*p == ' ') ++p;
                while (*p >= '0' && *p <= '9') a = a * 10 + (*p++ - '0');
                if (*p == '/') {
                    ++p;
                    while (*p >= '0' && *p <= '9') b = b * 10 + (*p++ - '0');
                }
                s.tile1[static_cast<size_t>(r)][static_cast<size_t>(c)] = a;
                s.tile2[static_cast<size_t>(r)][static_cast<size_t>(c)] = b;
            }
        }
        return s;
    }();
    return screen;
}

}  // namespace mapc
