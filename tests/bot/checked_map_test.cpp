// SPDX-License-Identifier: GPL-3.0-or-later
// A map given with a check stands in for the game's own map of its area while the check runs,
// and the game's own is back afterwards; a map of the wrong size is refused.
#include "bot/checked_map.h"

#include <gtest/gtest.h>

#include "support/test_game.h"
#include "test_areas.h"

TEST(CheckedMap, GivenMapIsLoadedForItsAreaOnlyAndTheOwnComesBack) {
    fresh_game();
    ASSERT_TRUE(map_tag::Load(2, 1));
    const int own_floor = cell(0, 11).tile1;
    const int own_below_start = cell(2, 11).tile1;
    {
        const CheckedMap map(2, 1, compiled(no_way_source()));
        ASSERT_TRUE(map.ok()) << map.error();
        ASSERT_TRUE(map_tag::Load(2, 1));
        EXPECT_EQ(cell(2, 10).tile2, 30);    // the start of the given map
        EXPECT_EQ(cell(10, 11).tile1, 94);   // its water
        EXPECT_EQ(cell(130, 10).tile2, 39);  // its cauldron
        ASSERT_TRUE(map_tag::Load(2, 2));    // another area stays the game's own
        EXPECT_NE(cell(10, 11).tile1 * 1000 + cell(130, 10).tile2, 94 * 1000 + 39);
    }
    ASSERT_TRUE(map_tag::Load(2, 1));
    EXPECT_EQ(cell(0, 11).tile1, own_floor);
    EXPECT_EQ(cell(2, 11).tile1, own_below_start);
    EXPECT_NE(cell(2, 10).tile2 * 1000 + cell(10, 11).tile1, 30 * 1000 + 94);

    const CheckedMap none(2, 1, {});
    EXPECT_TRUE(none.ok());
    const CheckedMap short_map(2, 1, std::vector<uint8_t>(13447, 0));
    EXPECT_FALSE(short_map.ok());
    EXPECT_EQ(short_map.error(), "the map is not a compiled area (13447 bytes, not 13448)");
    ASSERT_TRUE(map_tag::Load(2, 1));
    EXPECT_EQ(cell(0, 11).tile1, own_floor);
    fresh_game();
}
