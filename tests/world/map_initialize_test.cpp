// SPDX-License-Identifier: GPL-3.0-or-later
// Turning the object codes of a hand-made grid into block contents, flags, lifts, monsters,
// the start and the cauldron.
#include <gtest/gtest.h>

#include "world/world_helpers.h"

namespace {

map_tag& put(int col, int row, int tile1, int tile2) {
    map_tag& c = map_cells[row * map_tag::kColumns + col];
    c.tile1 = tile1;
    c.tile2 = tile2;
    return c;
}

std::vector<monster_tag> monsters() {
    std::vector<monster_tag> out;
    monster_list.ForEach([&](monster_tag& m) { out.push_back(m); });
    return out;
}

}  // namespace

TEST(MapInitialize, BlockContentsAndHiddenBlocks) {
    fresh_game();
    lay_out_grid();
    struct Case {
        int tile1, tile2, objectid, hidden;
    };
    const Case cases[] = {
        {4, 28, 1, 0}, {5, 28, 1, 0}, {0, 29, 1, 1}, {4, 29, 2, 0}, {5, 30, 5, 0}, {2, 49, 3, 1},
        {5, 49, 3, 0}, {1, 50, 4, 1}, {4, 50, 4, 0}, {3, 55, 0, 1}, {0, 56, 5, 1},
    };
    int col = 10;
    for (const Case& k : cases) put(col++, 4, k.tile1, k.tile2);
    map_tag::initialize();
    col = 10;
    for (const Case& k : cases) {
        const map_tag& c = cell(col++, 4);
        SCOPED_TRACE(testing::Message() << "tile1 " << k.tile1 << " tile2 " << k.tile2);
        EXPECT_EQ(c.tile2, 0);
        EXPECT_EQ(c.tile1, k.tile1);
        EXPECT_EQ(c.objectid, k.objectid);
        EXPECT_EQ(c.hidden, k.hidden);
        EXPECT_EQ(c.multitmr, 1);
    }
}

TEST(MapInitialize, CodesWhoseConditionFailsStayAsOverlay) {
    fresh_game();
    lay_out_grid();
    const int kept[][2] = {{0, 28}, {9, 28}, {8, 29}, {9, 49}, {6, 50}, {4, 55}, {5, 56}};
    int col = 3;
    for (const auto& k : kept) put(col++, 6, k[0], k[1]);
    map_tag::initialize();
    col = 3;
    for (const auto& k : kept) {
        const map_tag& c = cell(col++, 6);
        EXPECT_EQ(c.tile2, k[1]) << "tile1 " << k[0];
        EXPECT_EQ(c.objectid, 0);
        EXPECT_EQ(c.hidden, 0);
    }
}

TEST(MapInitialize, StartCauldronWallAndMouse) {
    fresh_game();
    lay_out_grid();
    game.curplayer = 1;
    put(3, 5, 0, 30);
    put(135, 10, 0, 39);
    put(20, 9, 9, 38);
    MoveMouse(10, 10);
    map_tag::initialize();
    EXPECT_EQ(player[1].x, 140);
    EXPECT_EQ(player[1].y, 220);
    EXPECT_EQ(player[0].x, 0) << "only the current player is placed";
    EXPECT_EQ(game.cauldx, 5420);
    EXPECT_EQ(game.cauldy, 417);
    EXPECT_EQ(cell(20, 9).hiddenwall, 1);
    for (auto [c, r] : {std::pair{3, 5}, {135, 10}, {20, 9}}) EXPECT_EQ(cell(c, r).tile2, 0);
    EXPECT_EQ(MouseX(), 320);
    EXPECT_EQ(MouseY(), 0);
}

TEST(MapInitialize, LiftsInCellOrder) {
    fresh_game();
    lay_out_grid();
    put(30, 8, 0, 13);  // later in index order, though further left
    put(40, 2, 9, 12);
    map_tag::initialize();
    std::vector<elevator_tag> lifts;
    elevator_list.ForEach([&](elevator_tag& e) { lifts.push_back(e); });
    ASSERT_EQ(lifts.size(), 2u);
    EXPECT_EQ(lifts[0].frame, 12);
    EXPECT_EQ(lifts[0].x, 1620);
    EXPECT_EQ(lifts[0].y, 100);
    EXPECT_EQ(lifts[0].xscale, 2.0f);
    EXPECT_EQ(lifts[1].frame, 13);
    EXPECT_EQ(lifts[1].x, 1220);
    EXPECT_EQ(lifts[1].ystp, 2.0f);
    EXPECT_EQ(cell(30, 8).tile2, 0);
    EXPECT_EQ(cell(40, 2).tile2, 0);
}

TEST(MapInitialize, MonsterCodesOnAnyTile) {
    fresh_game();
    lay_out_grid();
    struct Case {
        int tile2, typ;
        float dx, dy, xstp, ystp, xscale, yscale;
    };
    const Case cases[] = {
        {57, 0, 0, 0, -1, 0, 1, 1},  {59, 0, 0, 0, 1, 0, 1, 1},
        {61, 1, 0, 0, -1, 0, 1, 1},  {64, 1, 0, 0, 1, 0, 1, 1},
        {67, 2, 0, 0, -1, 0, 1, 1},  {69, 2, 0, 0, 1, 0, 1, 1},
        {73, 4, 0, 0, -1, 0, 1, 1},  {76, 4, 0, 0, 1, 0, 1, 1},
        {81, 11, 0, 0, 0, -8, 1, 1}, {83, 6, -20, -16, 1, 0, 1.4f, 1.8f},
        {87, 5, 0, 0, 0, 0, 1, 1},   {88, 8, 0, 0, 0, -8, 1.5f, 1},
    };
    // Row 7 (centre y 300) for all, each on a different kind of tile.
    const int tiles[] = {0, 5, 9, 94, 95, 24, 4, 23, 94, 0, 9, 95};
    int col = 0;
    for (const Case& k : cases) put(col, 7, tiles[col], k.tile2), ++col;
    put(20, 2, 0, 71);   // centre y 100: flies up
    put(21, 8, 0, 71);   // centre y 340: flies down
    put(22, 3, 23, 26);  // firebars turn either way
    put(23, 3, 23, 27);
    map_tag::initialize();

    const std::vector<monster_tag> made = monsters();
    ASSERT_EQ(made.size(), 16u);
    // Index order: the bat of row 2, the firebars of row 3, row 7, then the bat of row 8.
    for (int i = 0; i < 12; ++i) {
        const Case& k = cases[i];
        const monster_tag& m = made[3 + i];
        SCOPED_TRACE(testing::Message() << "code " << k.tile2);
        EXPECT_EQ(m.typ, k.typ);
        EXPECT_EQ(m.x, 20 + 40 * i + k.dx);
        EXPECT_EQ(m.y, 300 + k.dy);
        EXPECT_EQ(m.xstp, k.xstp);
        EXPECT_EQ(m.ystp, k.ystp);
        EXPECT_EQ(m.xscale, k.xscale);
        EXPECT_EQ(m.yscale, k.yscale);
        EXPECT_EQ(cell(i, 7).tile2, 0);
        EXPECT_EQ(cell(i, 7).tile1, tiles[i]);
    }
    EXPECT_EQ(made[0].typ, monster_tag::kBat);
    EXPECT_EQ(made[0].ystp, -4.0f);
    EXPECT_EQ(made[15].typ, monster_tag::kBat);
    EXPECT_EQ(made[15].ystp, 4.0f);
    EXPECT_EQ(made[1].typ, monster_tag::kFirebar);
    EXPECT_LT(made[1].rstp, 0);
    EXPECT_GT(made[2].rstp, 0);
}
