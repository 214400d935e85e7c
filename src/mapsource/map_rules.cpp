// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the placement rules of a compiled map: first those of every playable area of its
// number, against the code sets of its area type (outdoors over water, brick castle, fortress
// over lava), then for the shipped maps the cells the catalogue fixes.
#include "map_rules.h"

#include <set>

namespace mapc {
namespace {

struct AreaType {
    const char* name;
    std::set<int> tile1;     // terrain codes allowed
    std::set<int> overlays;  // tile2 codes allowed besides monsters and magic items
    std::set<int> monsters;  // monster codes allowed
    std::set<int> background;
};

const AreaType& area_type(int area) {
    static const AreaType types[3] = {
        {"an outdoor area (area 1)",
         {0, 1, 2, 3, 19, 5, 9, 10, 94},
         {0, 3, 9, 11, 12, 13, 20, 28, 29, 30, 38, 39, 49, 50, 55, 56},
         {57, 59, 61, 64, 67, 69, 71, 81, 83, 87},
         {0, 1, 2, 3, 19}},
        {"a castle area (area 2)",
         {0, 15, 16, 17, 18, 4, 5, 8},
         {0, 4, 8, 11, 12, 13, 20, 28, 29, 30, 38, 39, 49, 50, 55, 56},
         {57, 59, 61, 64, 71, 73, 76},
         {0, 15, 16, 17, 18}},
        {"a fortress area (area 3)",
         {23, 0, 24, 25, 95},
         {0, 11, 20, 24, 30, 39},
         {26, 27, 88},
         {23, 0}},
    };
    return types[area - 1];
}

constexpr int kMostPlainStoneInFortress = 12;
constexpr int kFirstItem = 100;  // the magic item of level L is 98 + 2 * L
constexpr int kLastItem = 109;

std::string terrain_name(int code) {
    switch (code) {
        case 0:
            return "the dark stone wall";
        case 1:
        case 2:
        case 3:
            return "the wall with wooden beams";
        case 4:
            return "a brick";
        case 5:
            return "a bonus block";
        case 8:
            return "a used block";
        case 9:
            return "the grey stone block";
        case 10:
            return "the wooden beam support";
        case 15:
        case 16:
        case 17:
        case 18:
            return "a cobweb";
        case 19:
            return "the shield with crossed swords";
        case 23:
            return "the dark fortress wall";
        case 24:
            return "the white stone blocks";
        case 25:
            return "the riveted stone slab";
        case 94:
            return "water";
        case 95:
            return "lava";
        default:
            return "terrain code " + std::to_string(code);
    }
}

std::string item_name(int level) {
    static const char* const items[5] = {"scissors", "axe", "goblet", "crown", "spell book"};
    return level >= 1 && level <= 5 ? items[level - 1] : "magic item";
}

std::string thing_name(int code) {
    switch (code) {
        case 3:
            return "the fake crossed beams";
        case 4:
            return "a fake brick";
        case 8:
            return "a fake used block";
        case 9:
            return "a fake grey stone block";
        case 24:
            return "the fake white stone blocks";
        case 11:
            return "a rune stone";
        case 12:
            return "a horizontal lift";
        case 13:
            return "a vertical lift";
        case 20:
            return "a lantern";
        case 26:
        case 27:
            return "a firebar";
        case 28:
            return "a magic token";
        case 29:
            return "a token block";
        case 30:
            return "the start";
        case 38:
            return "a hidden wall";
        case 39:
            return "the cauldron";
        case 49:
            return "a power item";
        case 50:
            return "an extra life";
        case 55:
        case 56:
            return "a hidden block";
        case 57:
        case 59:
            return "a spider";
        case 61:
        case 64:
            return "a turtle";
        case 67:
        case 69:
            return "a spiked turtle";
        case 71:
            return "a bat";
        case 73:
        case 76:
            return "a scorpion";
        case 81:
            return "a leaping fish";
        case 83:
            return "a hunchback";
        case 87:
            return "a cannon";
        case 88:
            return "a leaping flame";
        default:
            if (code >= kFirstItem && code <= kLastItem && code % 2 == 0)
                return "the " + item_name((code - 98) / 2);
            return "code " + std::to_string(code);
    }
}

bool is_walker(int code) {
    return code == 57 || code == 59 || code == 61 || code == 64 || code == 67 || code == 69 ||
           code == 73 || code == 76 || code == 83 || code == 87;
}

bool is_fake(int code) {
    return code == 3 || code == 4 || code == 8 || code == 9 || code == 24;
}

struct Checker {
    const MapGrid& g;
    int level, area;
    const AreaType& type;
    std::vector<RuleBreak> out;
    int starts = 0, cauldrons = 0, items = 0, plain_stone = 0;

    bool background(int tile1) const { return type.background.count(tile1) > 0; }
    void broken(int c, int r, int layer, const std::string& reason) {
        out.push_back(RuleBreak{c, r, layer, reason});
    }
    bool floor_below(int r, int c) const { return r + 1 < kRows && is_solid(g.t1(r + 1, c)); }

    void terrain(int r, int c) {
        const int a = g.t1(r, c);
        if (!type.tile1.count(a))
            broken(c, r, 0, terrain_name(a) + " does not belong in " + type.name);
        if (area == 3 && a == 0 && ++plain_stone == kMostPlainStoneInFortress + 1)
            broken(c, r, 0,
                   "more than " + std::to_string(kMostPlainStoneInFortress) +
                       " cells of the dark stone wall in a fortress");
    }

    void magic_item(int r, int c, int b) {
        const int own = 98 + 2 * level;
        if (area != 3)
            broken(c, r, 1, "a magic item belongs in the third area of a level only");
        else if (b != own)
            broken(c, r, 1,
                   thing_name(b) + " is not this level's magic item: level " +
                       std::to_string(level) + " has the " + item_name(level));
        else if (++items > 1)
            broken(c, r, 1, "a second " + item_name(level) + ": an area holds one");
    }

    void start(int r, int c) {
        const int a = g.t1(r, c);
        if (++starts > 1) broken(c, r, 1, "a second start: an area has one");
        if (c < 1 || c > 6) broken(c, r, 1, "the start must be in columns 2 to 7 of its row");
        if (!background(a)) {
            broken(c, r, 1, "the start must be on background, not on " + terrain_name(a));
            return;
        }
        // The hero falls from the start onto a floor, not into liquid or off the screen.
        int rr = r + 1;
        while (rr < kRows && !is_solid(g.t1(rr, c)) && !is_liquid(g.t1(rr, c))) ++rr;
        if (rr >= kRows)
            broken(c, r, 1, "below the start the hero falls off the bottom of the screen");
        else if (is_liquid(g.t1(rr, c)))
            broken(c, r, 1, "below the start the hero falls into " + terrain_name(g.t1(rr, c)));
    }

    void cauldron(int r, int c) {
        if (++cauldrons > 1) broken(c, r, 1, "a second cauldron: an area has one");
        if (c < 134 || c > 136)
            broken(c, r, 1, "the cauldron must be in columns 135 to 137 of its row");
        if (!floor_below(r, c)) broken(c, r, 1, "the cauldron must stand on a solid tile");
    }

    void thing(int r, int c) {
        const int a = g.t1(r, c), b = g.t2(r, c);
        if (b >= kFirstItem && b <= kLastItem) return magic_item(r, c, b);
        const bool allowed =
            is_monster(b) ? type.monsters.count(b) > 0 : type.overlays.count(b) > 0;
        if ((b == 12 || b == 13) && area == 3) {
            broken(c, r, 1, "lifts belong in areas 1 and 2 only, not in a fortress");
        } else if (!allowed) {
            broken(c, r, 1, thing_name(b) + " does not belong in " + type.name);
            return;
        }
        if (b == 30 && !is_block(a)) start(r, c);
        if (b == 39) cauldron(r, c);
        if (b == 81 && a != 94) broken(c, r, 1, "a leaping fish must start in water");
        if (b == 88 && a != 95) broken(c, r, 1, "a leaping flame must start in lava");
        if (b == 11 && !is_solid(a)) broken(c, r, 1, "a rune stone must be on a solid tile");
        // Codes whose meaning depends on the tile must have a tile that gives them one.
        if ((b == 29 || b == 49 || b == 50) && a > 5)
            broken(c, r, 1, thing_name(b) + " must be on background or in a brick or bonus block");
        if ((b == 55 || b == 56) && a >= 4) broken(c, r, 1, "a hidden block must be on background");
        // Fair play: walkers start on a floor, and a fake block never hides a drop to death.
        if (is_walker(b) && (!background(a) || !floor_below(r, c)))
            broken(c, r, 1,
                   thing_name(b) + " must start on background with a solid tile right below it");
        if (is_fake(b) && !is_overlay_block(a, b)) {
            int rr = r + 1;
            while (rr < kRows && background(g.t1(rr, c))) ++rr;
            if (!background(a))
                broken(c, r, 1, thing_name(b) + " must be on background");
            else if (rr >= kRows || !is_solid(g.t1(rr, c)))
                broken(c, r, 1, thing_name(b) + " must not hide a deadly drop below it");
        }
    }

    void whole_area() {
        if (starts == 0) broken(-1, -1, 1, "the area has no start (@ on background)");
        if (cauldrons == 0) broken(-1, -1, 1, "the area has no cauldron (C)");
        if (area == 3 && items == 0)
            broken(-1, -1, 1,
                   "a third area must hold its level's magic item, the " + item_name(level));
    }
};

std::string cell(int r, int c) {
    return " at column " + std::to_string(c) + ", row " + std::to_string(r);
}

// The cells the catalogue fixes for one of the fifteen shipped maps.
void check_catalogue_cells(const MapGrid& g, const CatalogueEntry& e,
                           std::vector<std::string>& bad) {
    const OverlayBlock& ob = overlay_block();
    const bool owns_overlay_block = ob.level == e.level && ob.area == e.area;
    int overlay_blocks = 0;
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kCols; ++c) {
            const int a = g.t1(r, c), b = g.t2(r, c);
            if (b == 30 && !is_block(a) && (r != e.start_row || c != e.start_col))
                bad.push_back("start away from its catalogue cell" + cell(r, c));
            if (b == 39 && (r != e.cauldron_row || c != e.cauldron_col))
                bad.push_back("cauldron away from its catalogue cell" + cell(r, c));
            if (b == e.item_code && e.item_code != 0 && (r != e.item_row || c != e.item_col))
                bad.push_back("magic item away from its catalogue cell" + cell(r, c));
            if (is_overlay_block(a, b)) {
                if (owns_overlay_block && r == ob.row && c == ob.col)
                    ++overlay_blocks;
                else
                    bad.push_back("bonus block with an overlay away from its catalogue cell" +
                                  cell(r, c));
            }
        }
    }
    if (owns_overlay_block && overlay_blocks != 1)
        bad.push_back("expected the bonus block with an overlay at column " +
                      std::to_string(ob.col) + ", row " + std::to_string(ob.row));
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
}

}  // namespace

std::vector<RuleBreak> check_structure(const MapGrid& grid, int level, int area) {
    Checker check{grid, level, area, area_type(area), {}};
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kCols; ++c) {
            check.terrain(r, c);
            check.thing(r, c);
        }
    }
    check.whole_area();
    return check.out;
}

std::vector<std::string> check_rules(const MapGrid& g, const CatalogueEntry& e) {
    std::vector<std::string> bad;
    for (const RuleBreak& b : check_structure(g, e.level, e.area))
        bad.push_back(b.row < 0 ? b.reason : b.reason + cell(b.row, b.column));
    check_catalogue_cells(g, e, bad);
    return bad;
}

}  // namespace mapc
