// SPDX-License-Identifier: GPL-3.0-or-later
// The pack check of one area: each structural rule broken once gives its message in plain
// words, at the line and column of the character in the source and at the cell concerned;
// the compiler's mistakes come first; the game's own fifteen areas keep every rule.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "packs/game_sources.h"
#include "packs/pack_check.h"
#include "packs/pack_fixture.h"

namespace {

struct BrokenRule {
    const char* what;
    int level, area;
    std::function<void(PlainArea&)> edit;
    std::string message;
    int line, column, cell_column, cell_row;
};

// The line of a cell's terrain and of what stands on it, and the header of tile2.
int t1(int row) {
    return PlainArea::tile1_line(row);
}
int t2(int row) {
    return PlainArea::tile2_line(row);
}
constexpr int kTile2Header = 14;

}  // namespace

TEST(AreaRules, EachStructuralRuleBrokenOnceIsNamedAtItsLineColumnAndCell) {
    const std::vector<BrokenRule> rules = {
        {"terrain of another area type", 1, 1, [](PlainArea& a) { a.tile1(40, 10, 'B'); },
         "a brick does not belong in an outdoor area (area 1)", t1(10), 41, 40, 10},
        {"an overlay of another area type", 1, 1, [](PlainArea& a) { a.tile2(40, 9, 'B'); },
         "a fake brick does not belong in an outdoor area (area 1)", t2(9), 41, 40, 9},
        {"a monster of another area type", 1, 2, [](PlainArea& a) { a.tile2(40, 9, 'f'); },
         "a leaping fish does not belong in a castle area (area 2)", t2(9), 41, 40, 9},
        {"a magic item outside a third area", 1, 1, [](PlainArea& a) { a.tile2(40, 5, '1'); },
         "a magic item belongs in the third area of a level only", t2(5), 41, 40, 5},
        {"another level's magic item", 1, 3, [](PlainArea& a) { a.tile2(40, 5, '2'); },
         "the axe is not this level's magic item: level 1 has the scissors", t2(5), 41, 40, 5},
        {"a second magic item", 1, 3, [](PlainArea& a) { a.tile2(80, 5, '1'); },
         "a second scissors: an area holds one", t2(5), 81, 80, 5},
        {"no magic item in a third area", 2, 3, [](PlainArea& a) { a.tile2(70, 5, '.'); },
         "a third area must hold its level's magic item, the axe", kTile2Header, 1, -1, -1},
        {"no start", 1, 1, [](PlainArea& a) { a.tile2(2, 9, '.'); },
         "the area has no start (@ on background)", kTile2Header, 1, -1, -1},
        {"a second start", 1, 1, [](PlainArea& a) { a.tile2(4, 9, '@'); },
         "a second start: an area has one", t2(9), 5, 4, 9},
        {"the start beyond the first columns", 1, 2,
         [](PlainArea& a) { a.tile2(2, 9, '.').tile2(8, 9, '@'); },
         "the start must be in columns 2 to 7 of its row", t2(9), 9, 8, 9},
        {"the start inside a solid tile", 1, 1, [](PlainArea& a) { a.tile1(2, 9, 'S'); },
         "the start must be on background, not on the grey stone block", t2(9), 3, 2, 9},
        {"no floor below the start", 1, 2,
         [](PlainArea& a) { a.tile1(2, 10, '.').tile1(2, 11, '.'); },
         "below the start the hero falls off the bottom of the screen", t2(9), 3, 2, 9},
        {"water below the start", 1, 1, [](PlainArea& a) { a.tile1(2, 10, '.').tile1(2, 11, '~'); },
         "below the start the hero falls into water", t2(9), 3, 2, 9},
        {"no cauldron", 1, 1, [](PlainArea& a) { a.tile2(135, 9, '.'); },
         "the area has no cauldron (C)", kTile2Header, 1, -1, -1},
        {"a second cauldron", 1, 1, [](PlainArea& a) { a.tile2(136, 9, 'C'); },
         "a second cauldron: an area has one", t2(9), 137, 136, 9},
        {"the cauldron before the end", 1, 1,
         [](PlainArea& a) { a.tile2(135, 9, '.').tile2(120, 9, 'C'); },
         "the cauldron must be in columns 135 to 137 of its row", t2(9), 121, 120, 9},
        {"the cauldron in the air", 1, 2,
         [](PlainArea& a) { a.tile2(135, 9, '.').tile2(135, 5, 'C'); },
         "the cauldron must stand on a solid tile", t2(5), 136, 135, 5},
        {"a fish out of water", 1, 1, [](PlainArea& a) { a.tile2(40, 9, 'f'); },
         "a leaping fish must start in water", t2(9), 41, 40, 9},
        {"a leaping flame out of lava", 1, 3, [](PlainArea& a) { a.tile2(40, 9, 'F'); },
         "a leaping flame must start in lava", t2(9), 41, 40, 9},
        {"a lift in a fortress", 1, 3, [](PlainArea& a) { a.tile2(40, 5, '='); },
         "lifts belong in areas 1 and 2 only, not in a fortress", t2(5), 41, 40, 5},
        {"a rune stone in the air", 1, 1, [](PlainArea& a) { a.tile2(40, 9, 'r'); },
         "a rune stone must be on a solid tile", t2(9), 41, 40, 9},
        {"a power item in stone", 1, 1, [](PlainArea& a) { a.tile2(40, 10, 'p'); },
         "a power item must be on background or in a brick or bonus block", t2(10), 41, 40, 10},
        {"a hidden block in stone", 1, 2, [](PlainArea& a) { a.tile2(40, 10, 'e'); },
         "a hidden block must be on background", t2(10), 41, 40, 10},
        {"a walker in the air", 1, 2, [](PlainArea& a) { a.tile2(40, 5, 'a'); },
         "a spider must start on background with a solid tile right below it", t2(5), 41, 40, 5},
        {"a fake block in a solid one", 1, 1, [](PlainArea& a) { a.tile2(40, 10, 'S'); },
         "a fake grey stone block must be on background", t2(10), 41, 40, 10},
        {"a fake block over a drop", 1, 1,
         [](PlainArea& a) { a.tile2(40, 9, 'S').tile1(40, 10, '.').tile1(40, 11, '.'); },
         "a fake grey stone block must not hide a deadly drop below it", t2(9), 41, 40, 9},
        {"too much plain stone in a fortress", 1, 3,
         [](PlainArea& a) {
             for (int c = 20; c <= 32; ++c) a.tile1(c, 3, '.');
         },
         "more than 12 cells of the dark stone wall in a fortress", t1(3), 33, 32, 3},
    };
    for (const BrokenRule& rule : rules) {
        PlainArea source(rule.level, rule.area);
        rule.edit(source);
        const CheckedArea checked =
            check_area_source(source.text(), "map.txt", rule.level, rule.area);
        EXPECT_TRUE(checked.compiled) << rule.what;
        ASSERT_EQ(checked.messages.size(), 1u)
            << rule.what << ": "
            << (checked.messages.empty() ? "no message" : checked.messages.back().to_string());
        const PackMessage& m = checked.messages.front();
        EXPECT_EQ(m.text, rule.message) << rule.what;
        EXPECT_EQ(m.line, rule.line) << rule.what;
        EXPECT_EQ(m.column, rule.column) << rule.what;
        EXPECT_EQ(m.cell_column, rule.cell_column) << rule.what;
        EXPECT_EQ(m.cell_row, rule.cell_row) << rule.what;
        EXPECT_EQ(m.to_string(), "map.txt:" + std::to_string(rule.line) + ":" +
                                     std::to_string(rule.column) + ": " + rule.message);
    }
}

TEST(AreaRules, ThePlainAreasAndTheGamesOwnFifteenKeepEveryRule) {
    for (int level = 1; level <= 5; ++level) {
        for (int area = 1; area <= 3; ++area) {
            const CheckedArea plain =
                check_area_source(PlainArea(level, area).text(), "plain.txt", level, area);
            EXPECT_TRUE(plain.ok())
                << level << "." << area << ": "
                << (plain.messages.empty() ? "" : plain.messages[0].to_string());
            const std::string own = game_area_source(level, area);
            ASSERT_FALSE(own.empty());
            const CheckedArea shipped = check_area_source(own, "own.txt", level, area);
            EXPECT_TRUE(shipped.ok())
                << level << "." << area << ": "
                << (shipped.messages.empty() ? "" : shipped.messages[0].to_string());
        }
    }
    EXPECT_EQ(game_area_source(6, 1), "");
    EXPECT_EQ(game_area_source(1, 0), "");
}

TEST(AreaRules, TheCompilersMistakesComeFirstEachAtItsLineColumnAndCell) {
    PlainArea source(1, 1);
    source.tile1(40, 3, 'Z').tile2(7, 6, 'Q');
    std::string text = source.text();
    // Row 4 of tile2 one character short.
    const size_t tile2_rows = text.find("tile2\n") + 6;
    text.erase(tile2_rows + 4 * 141 + 139, 1);
    const CheckedArea checked = check_area_source(text, "bad.txt", 1, 1);
    EXPECT_FALSE(checked.compiled);
    ASSERT_EQ(checked.messages.size(), 3u);
    EXPECT_EQ(checked.messages[0].to_string(),
              "bad.txt:5:41: character 'Z' is not in the legend of layer tile1");
    EXPECT_EQ(checked.messages[0].cell_column, 40);
    EXPECT_EQ(checked.messages[0].cell_row, 3);
    EXPECT_EQ(checked.messages[1].to_string(),
              "bad.txt:19:140: row has 139 characters, expected 140");
    EXPECT_EQ(checked.messages[1].cell_row, 4);
    EXPECT_EQ(checked.messages[2].to_string(),
              "bad.txt:21:8: character 'Q' is not in the legend of layer tile2");
    // With no tile2 at all, the missing layer is named after the last line.
    const std::string plain = PlainArea(1, 1).text();
    const std::string half = plain.substr(0, plain.find("tile2\n"));
    const CheckedArea missing = check_area_source(half, "half.txt", 1, 1);
    ASSERT_EQ(missing.messages.size(), 1u);
    EXPECT_EQ(missing.messages[0].to_string(), "half.txt:14:1: layer tile2 is missing");
}

TEST(AreaRules, AGridHeldInMemoryIsCheckedAtTheLinesItsLayoutGives) {
    PlainArea source(1, 1);
    source.tile2(40, 9, 'f');
    const CheckedArea read = check_area_source(source.text(), "map.txt", 1, 1);
    mapc::SourceLayout layout;
    layout.header_line = {100, 200};
    for (size_t r = 0; r < 12; ++r) {
        layout.row_line[0][r] = static_cast<int>(101 + r);
        layout.row_line[1][r] = static_cast<int>(201 + r);
    }
    const std::vector<PackMessage> found = check_area_grid(read.grid, 1, 1, "editor", layout);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].to_string(), "editor:210:41: a leaping fish must start in water");
    EXPECT_EQ(found[0].cell_column, 40);
    EXPECT_EQ(found[0].cell_row, 9);
}
