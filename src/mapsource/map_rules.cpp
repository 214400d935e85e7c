// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the placement rules of a compiled map against its catalogue entry and the code sets of
// its area type (outdoors over water, brick castle, fortress over lava).
#include "map_rules.h"

#include <algorithm>
#include <set>

namespace mapc {
namespace {

struct AreaType {
    std::set<int> tile1;     // terrain codes allowed
    std::set<int> overlays;  // tile2 codes allowed besides monsters
    std::set<int> monsters;  // monster codes allowed
    std::set<int> background;
};

const AreaType& area_type(int area) {
    static const AreaType types[3] = {
        {{0, 1, 2, 3, 19, 5, 9, 10, 94},
         {0, 3, 9, 11, 12, 13, 20, 28, 29, 30, 38, 39, 49, 50, 55, 56},
         {57, 59, 61, 64, 67, 69, 71, 81, 83, 87},
         {0, 1, 2, 3, 19}},
        {{0, 15, 16, 17, 18, 4, 5, 8},
         {0, 4, 8, 11, 12, 13, 20, 28, 29, 30, 38, 39, 49, 50, 55, 56},
         {57, 59, 61, 64, 71, 73, 76},
         {0, 15, 16, 17, 18}},
        {{23, 0, 24, 25, 95}, {0, 11, 20, 24, 30, 39}, {26, 27, 88}, {23, 0}},
    };
    return types[area - 1];
}

std::string cell(int r, int c) {
    return " at column " + std::to_string(c) + ", row " + std::to_string(r);
}

bool is_walker(int code) {
    return code == 57 || code == 59 || code == 61 || code == 64 || code == 67 || code == 69 ||
           code == 73 || code == 76 || code == 83 || code == 87;
}

}  // namespace

std::vector<std::string> check_rules(const MapGrid& g, const CatalogueEntry& e) {
    std::vector<std::string> bad;
    const AreaType& type = area_type(e.area);
    const int item = 98 + 2 * e.level;
    const OverlayBlock& ob = overlay_block();
    const bool owns_overlay_block = ob.level == e.level && ob.area == e.area;
    int starts = 0, cauldrons = 0, items = 0, zeros = 0, overlay_blocks = 0;
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kCols; ++c) {
            const int a = g.t1(r, c), b = g.t2(r, c);
            const bool bg = type.background.count(a) > 0;
            if (!type.tile1.count(a))
                bad.push_back("terrain " + std::to_string(a) + " not of this area type" +
                              cell(r, c));
            if (e.area == 3 && a == 0) ++zeros;
            if (b >= 100 && b <= 109) {
                if (e.area != 3 || b != item)
                    bad.push_back("magic item " + std::to_string(b) + " does not belong here" +
                                  cell(r, c));
                else if (r != e.item_row || c != e.item_col)
                    bad.push_back("magic item away from its catalogue cell" + cell(r, c));
                else
                    ++items;
                continue;
            }
            if (is_monster(b)) {
                if (!type.monsters.count(b))
                    bad.push_back("monster " + std::to_string(b) + " not of this area type" +
                                  cell(r, c));
            } else if (!type.overlays.count(b)) {
                bad.push_back("code " + std::to_string(b) + " not of this area type" + cell(r, c));
            }
            if (b == 30 && !is_block(a)) {
                ++starts;
                if (c < 1 || c > 6) bad.push_back("start outside columns 1..6" + cell(r, c));
                if (r != e.start_row || c != e.start_col)
                    bad.push_back("start away from its catalogue cell" + cell(r, c));
            }
            if (b == 39) {
                ++cauldrons;
                if (c < 134 || c > 136)
                    bad.push_back("cauldron outside columns 134..136" + cell(r, c));
                if (r != e.cauldron_row || c != e.cauldron_col)
                    bad.push_back("cauldron away from its catalogue cell" + cell(r, c));
                if (r + 1 >= kRows || !is_solid(g.t1(r + 1, c)))
                    bad.push_back("cauldron not on a floor" + cell(r, c));
            }
            if (is_overlay_block(a, b)) {
                if (owns_overlay_block && r == ob.row && c == ob.col)
                    ++overlay_blocks;
                else
                    bad.push_back("bonus block with an overlay away from its catalogue cell" +
                                  cell(r, c));
            }
            if (b == 81 && a != 94) bad.push_back("fish outside water" + cell(r, c));
            if (b == 88 && a != 95) bad.push_back("leaping flame outside lava" + cell(r, c));
            if ((b == 12 || b == 13) && e.area == 3)
                bad.push_back("lift in a third area" + cell(r, c));
            if (b == 11 && !is_solid(a))
                bad.push_back("rune stone not on a solid tile" + cell(r, c));
            // Codes whose meaning depends on the tile must have a tile that gives them one.
            if ((b == 29 || b == 49 || b == 50) && a > 5)
                bad.push_back("block code on a tile that is neither background nor block" +
                              cell(r, c));
            if ((b == 55 || b == 56) && a >= 4)
                bad.push_back("hidden block code on a solid tile" + cell(r, c));
            if (e.area == 3 && (is_block(a) || b == 38 || b == 28 || b == 29 || b == 49 ||
                                b == 50 || b == 55 || b == 56))
                bad.push_back("block, hidden block, hidden wall or token in a third area" +
                              cell(r, c));
            // Fair play: walkers start on a floor, and a fake block never hides a drop to death.
            if (is_walker(b) && (r + 1 >= kRows || !is_solid(g.t1(r + 1, c)) || !bg))
                bad.push_back("walker not standing on a floor" + cell(r, c));
            if (b == 3 || b == 4 || b == 8 || b == 9 || b == 24) {
                int rr = r + 1;
                while (rr < kRows && type.background.count(g.t1(rr, c))) ++rr;
                if (!bg && !is_overlay_block(a, b))
                    bad.push_back("fake overlay on a tile that is not background" + cell(r, c));
                if (bg && (rr >= kRows || !is_solid(g.t1(rr, c))))
                    bad.push_back("fake overlay above a deadly drop" + cell(r, c));
            }
        }
    }
    if (starts != 1) bad.push_back("expected one start, found " + std::to_string(starts));
    if (cauldrons != 1) bad.push_back("expected one cauldron, found " + std::to_string(cauldrons));
    if (e.area == 3 && items != 1)
        bad.push_back("expected one magic item " + std::to_string(item) + ", found " +
                      std::to_string(items));
    if (owns_overlay_block && overlay_blocks != 1)
        bad.push_back("expected the bonus block with an overlay at column " +
                      std::to_string(ob.col) + ", row " + std::to_string(ob.row));
    if (zeros > 12)
        bad.push_back("more than a few plain dark stone cells in the fortress: " +
                      std::to_string(zeros));
    // The hero falls from the start onto a floor, not into liquid or off the screen.
    {
        int r = e.start_row + 1;
        while (r < kRows && !is_solid(g.t1(r, e.start_col)) && !is_liquid(g.t1(r, e.start_col)))
            ++r;
        if (r >= kRows || !is_solid(g.t1(r, e.start_col)))
            bad.push_back("no floor below the start");
    }
    if (e.level == 1 && e.area == 1) {
        const FirstScreen& s = first_screen_1_1();
        for (int r = 0; r < kRows; ++r) {
            for (int c = 0; c < 16; ++c) {
                const auto rs = static_cast<size_t>(r), cs = static_cast<size_t>(c);
                if (g.t1(r, c) != s.tile1[rs][cs] || g.t2(r, c) != s.tile2[rs][cs]) {
                    bad.push_back("first screen differs from the catalogue" + cell(r, c) + ": " +
                                  std::to_string(g.t1(r, c)) + "/" + std::to_string(g.t2(r, c)) +
                                  " instead of " + std::to_string(s.tile1[rs][cs]) + "/" +
                                  std::to_string(s.tile2[rs][cs]));
                }
            }
        }
    }
    return bad;
}

}  // namespace mapc
