// SPDX-License-Identifier: GPL-3.0-or-later
// Loading, clearing and re-initialising the cell grid.
#include <gtest/gtest.h>

#include "world/world_helpers.h"

TEST(MapGrid, LoadPlacesCellsRowByRowAcrossTheWorld) {
    fresh_game();
    register_map(9, 1, numbered_map(140, 12));
    ASSERT_TRUE(map_tag::Load(9, 1));
    const struct {
        int index;
        float x, y;
    } expected[] = {{0, 20, 20}, {139, 5580, 20}, {140, 20, 60}, {1679, 5580, 460}};
    for (const auto& e : expected) {
        const map_tag& c = map_cells[e.index];
        EXPECT_EQ(c.x, e.x) << "cell " << e.index;
        EXPECT_EQ(c.y, e.y) << "cell " << e.index;
        EXPECT_EQ(c.tile1, e.index % 97) << "cell " << e.index;
        EXPECT_EQ(c.tile2, e.index / 97) << "cell " << e.index;
    }
}

TEST(MapGrid, HeaderWordsAreIgnored) {
    fresh_game();
    register_map(9, 1, numbered_map(140, 12));
    register_map(9, 2, numbered_map(7, -3));
    ASSERT_TRUE(map_tag::Load(9, 1));
    const game_state first = save_state();
    ASSERT_TRUE(map_tag::Load(9, 2));
    for (int i = 0; i < map_tag::kCells; ++i) {
        ASSERT_EQ(map_cells[i].tile1, first.map_cells[i].tile1) << i;
        ASSERT_EQ(map_cells[i].tile2, first.map_cells[i].tile2) << i;
        ASSERT_EQ(map_cells[i].x, first.map_cells[i].x) << i;
        ASSERT_EQ(map_cells[i].y, first.map_cells[i].y) << i;
    }
}

TEST(MapGrid, ShortOrMissingMapLoadsTheLackingCellsEmpty) {
    fresh_game();
    register_map(9, 1, numbered_map(140, 12));
    // Cut off in the middle of cell 1000: its tile1 is there, its tile2 is not.
    std::vector<unsigned char> short_map = numbered_map(140, 12);
    short_map.resize(8 + 8 * 1000 + 4);
    register_map(9, 3, short_map);

    ASSERT_TRUE(map_tag::Load(9, 1));
    for (map_tag& c : map_cells) c.x -= 300;  // scrolled, as an area leaves the grid
    EXPECT_FALSE(map_tag::Load(9, 3));
    EXPECT_EQ(map_cells[999].tile1, 999 % 97);
    EXPECT_EQ(map_cells[999].tile2, 999 / 97);
    EXPECT_EQ(map_cells[1000].tile1, 1000 % 97);
    EXPECT_EQ(map_cells[1000].tile2, 0);
    for (int i = 1001; i < map_tag::kCells; ++i) {
        ASSERT_EQ(map_cells[i].tile1, 0) << i;
        ASSERT_EQ(map_cells[i].tile2, 0) << i;
    }
    EXPECT_EQ(map_cells[1679].x, 5580);
    EXPECT_EQ(map_cells[1679].y, 460);

    ASSERT_TRUE(map_tag::Load(9, 1));
    for (map_tag& c : map_cells) c.x -= 300;
    EXPECT_FALSE(map_tag::Load(8, 7));  // no such resource: an empty grid
    for (int i = 0; i < map_tag::kCells; ++i) {
        ASSERT_EQ(map_cells[i].tile1, 0) << i;
        ASSERT_EQ(map_cells[i].tile2, 0) << i;
    }
    EXPECT_EQ(map_cells[0].x, 20);
    EXPECT_EQ(map_cells[1679].x, 5580);
}

TEST(MapGrid, ResetClearsOnlyCodesAndFlags) {
    fresh_game();
    lay_out_grid();
    map_tag& c = map_cells[300];
    c = map_tag{1.5f, 2.5f, 5, 28, 45, 0, 0, 2, 7, -6, 3, 90, 1, 1};
    map_tag::reset();
    EXPECT_EQ(c.tile1, 0);
    EXPECT_EQ(c.tile2, 0);
    EXPECT_EQ(c.objectid, 0);
    EXPECT_EQ(c.hidden, 0);
    EXPECT_EQ(c.hiddenwall, 0);
    EXPECT_EQ(c.x, 1.5f);
    EXPECT_EQ(c.y, 2.5f);
    EXPECT_EQ(c.rotation, 45);
    EXPECT_EQ(c.framectr, 2);
    EXPECT_EQ(c.framedly, 7);
    EXPECT_EQ(c.yoffset, -6);
    EXPECT_EQ(c.multitmr, 90);
}

TEST(MapGrid, LeftoversSurviveLoadUntilInitialise) {
    fresh_game();
    register_map(9, 1, numbered_map(140, 12));
    lay_out_grid();
    map_tag& c = map_cells[5];
    c.rotation = 35;
    c.framectr = 2;
    c.framedly = 9;
    c.yoffset = -4;
    c.multitmr = 77;
    map_tag::reset();
    ASSERT_TRUE(map_tag::Load(9, 1));
    EXPECT_EQ(c.rotation, 35);
    EXPECT_EQ(c.framectr, 2);
    EXPECT_EQ(c.framedly, 9);
    EXPECT_EQ(c.multitmr, 77);
    EXPECT_EQ(c.yoffset, -4);

    map_tag::initialize();
    EXPECT_EQ(c.framectr, 0);
    EXPECT_EQ(c.framedly, 0);
    EXPECT_EQ(c.multitmr, 1);
    EXPECT_EQ(c.yoffset, -4) << "a block still rising from a strike keeps rising";
    EXPECT_EQ(c.rotation, 35);
}

TEST(MapGrid, CatalogueMapLoadsTheSameTwice) {
    fresh_game();
    ASSERT_TRUE(map_tag::Load(3, 2));
    const game_state first = save_state();
    ASSERT_TRUE(map_tag::Load(3, 2));
    for (int i = 0; i < map_tag::kCells; ++i) {
        ASSERT_EQ(map_cells[i].tile1, first.map_cells[i].tile1) << i;
        ASSERT_EQ(map_cells[i].tile2, first.map_cells[i].tile2) << i;
    }
    EXPECT_EQ(map_cells[1679].x, 5580);
    EXPECT_EQ(map_cells[1679].y, 460);
}
