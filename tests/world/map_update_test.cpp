// SPDX-License-Identifier: GPL-3.0-or-later
// A cell's frame: scrolling, the visibility window, the multi-reward timer, the struck-block
// lift and the pace of the animations.
#include <gtest/gtest.h>

#include "world/world_helpers.h"

namespace {

// A lone bonus block at x; its animation counter only moves when it is drawn.
map_tag bonus_block_at(float x) {
    map_tag c;
    c.x = x;
    c.y = 100;
    c.tile1 = 5;
    return c;
}

}  // namespace

TEST(MapUpdate, OnlyCellsInsideTheScreenWindowAreDrawn) {
    fresh_game();
    for (float x : {-40.0f, 680.0f, 700.0f, -300.0f}) {
        map_tag c = bonus_block_at(x);
        c.yoffset = -5;
        c.update(0);
        EXPECT_EQ(c.framedly, 0) << "x " << x;
        EXPECT_EQ(c.yoffset, -5) << "x " << x;
    }
    for (float x : {-39.5f, 0.0f, 679.5f}) {
        map_tag c = bonus_block_at(x);
        c.yoffset = -5;
        c.update(0);
        EXPECT_EQ(c.framedly, 1) << "x " << x;
        EXPECT_EQ(c.yoffset, -4) << "x " << x;
    }
    // The scroll comes first: a cell scrolled into the window is drawn in the same call.
    map_tag c = bonus_block_at(682);
    c.update(-4);
    EXPECT_EQ(c.x, 678);
    EXPECT_EQ(c.framedly, 1);
}

TEST(MapUpdate, MultiRewardTimerRunsDownToTwoEvenOffScreen) {
    fresh_game();
    map_tag c;
    c.x = -2000;  // off screen: the timer still runs
    c.tile1 = 4;
    c.objectid = 2;
    c.multitmr = 160;
    for (int i = 0; i < 157; ++i) c.update(0);
    EXPECT_EQ(c.multitmr, 3);
    c.update(0);
    EXPECT_EQ(c.multitmr, 2) << "paying strikes for 158 frames";
    for (int i = 0; i < 100; ++i) c.update(0);
    EXPECT_EQ(c.multitmr, 2) << "stops at 2 until the last strike";

    map_tag unstarted;
    unstarted.multitmr = 1;
    map_tag used;
    used.multitmr = 0;
    for (int i = 0; i < 10; ++i) unstarted.update(0), used.update(0);
    EXPECT_EQ(unstarted.multitmr, 1);
    EXPECT_EQ(used.multitmr, 0);
}

TEST(MapUpdate, StruckBlockSettlesBackInTenFrames) {
    fresh_game();
    map_tag c;
    c.x = 200;
    c.y = 200;
    c.tile1 = 8;
    c.yoffset = -10;
    for (int i = 1; i <= 10; ++i) {
        c.update(0);
        EXPECT_EQ(c.yoffset, -10 + i);
    }
    c.update(0);
    EXPECT_EQ(c.yoffset, 0);
}

TEST(MapUpdate, AnimationsKeepTheirPace) {
    fresh_game();
    struct Case {
        int tile1, tile2, period, steps;
    };
    // Bonus block every 11 drawn frames over 3 pictures, lantern every 3 over 3, magic item
    // every 5 over 2.
    for (const Case& k : {Case{5, 0, 11, 3}, Case{0, 20, 3, 3}, Case{0, 104, 5, 2}}) {
        map_tag c;
        c.x = 300;
        c.y = 300;
        c.tile1 = k.tile1;
        c.tile2 = k.tile2;
        std::vector<int> seen;
        for (int f = 0; f < k.period * k.steps; ++f) {
            c.update(0);
            if ((f + 1) % k.period == 0) seen.push_back(c.framectr);
        }
        std::vector<int> expected;
        for (int s = 1; s <= k.steps; ++s) expected.push_back(s % k.steps);
        EXPECT_EQ(seen, expected) << "tile1 " << k.tile1 << " tile2 " << k.tile2;
    }
}

TEST(MapUpdate, OverlaysLeaveTheDrawingStateAsTheyFoundIt) {
    fresh_game();
    for (int tile2 : {0, 20, 28, 100, 108, 8, 11}) {
        map_tag c;
        c.x = 300;
        c.y = 300;
        c.tile1 = 5;
        c.tile2 = tile2;
        c.yoffset = -3;
        c.update(0);
        EXPECT_TRUE(drawing_state_restored()) << "tile2 " << tile2;
        EXPECT_EQ(GetBlend(), 1) << "tile2 " << tile2;
    }
}

TEST(MapUpdate, FreeTokenSpinsOnlyWhileDrawn) {
    fresh_game();
    map_tag c;
    c.x = 100;
    c.y = 100;
    c.tile2 = 28;
    for (int i = 0; i < 4; ++i) c.update(0);
    EXPECT_EQ(c.rotation, 20);
    c.x = 900;
    c.update(0);
    EXPECT_EQ(c.rotation, 20);
}

// The hero's strikes from below against a multi-reward brick: the first starts the timer, every
// strike while it runs pays a token, the first one after it has run out pays once more and
// uses the block up.
TEST(MapUpdate, MultiRewardBlockPaysWhileItsTimerRuns) {
    const SolidSprites solid;  // a fresh game on solid squares
    lay_out_grid();
    const int index = 5 * map_tag::kColumns + 8;
    map_tag& block = map_cells[index];
    block.tile1 = 4;
    block.tile2 = 29;
    map_tag::initialize();
    ASSERT_EQ(block.objectid, 2);
    player_tag& p = hero();
    p.magic = 0;
    p.score = 0;
    p.power = 0;
    auto strike = [&] {
        p.x = block.x;
        p.y = block.y + 30;
        p.ystp = -2.0f;
        game.jump = 1;
        p.collisions(index);
    };
    auto frames = [&](int n) {
        for (int i = 0; i < n; ++i) block.update(0);
    };

    strike();
    EXPECT_EQ(block.multitmr, 160);
    EXPECT_EQ(p.magic, 1);
    frames(157);
    strike();
    EXPECT_EQ(p.magic, 2) << "the 157th frame after the first strike still pays";
    EXPECT_EQ(block.tile1, 4);
    frames(1);
    EXPECT_EQ(block.multitmr, 2);
    frames(40);
    strike();
    EXPECT_EQ(p.magic, 3) << "once more after the timer has run out";
    EXPECT_EQ(p.score, 300);
    EXPECT_EQ(block.tile1, 8);
    EXPECT_EQ(block.multitmr, 0);
    frames(10);
    EXPECT_EQ(block.multitmr, 0);
    strike();
    EXPECT_EQ(p.magic, 3) << "a used block pays nothing";
}

// The one bonus block of the maps that keeps an overlay (map 2.2) draws it as frames 8, 9 and
// 10 in step with its own frames 5, 6 and 7.
TEST(MapUpdate, TheBonusBlockWithAnOverlayAnimatesItWithTheBlock) {
    fresh_game();
    ASSERT_TRUE(map_tag::Load(2, 2));
    map_tag::initialize();
    int blocks = 0;
    map_tag block;
    for (const map_tag& c : map_cells) {
        if (c.tile1 == 5 && c.tile2 != 0) ++blocks, block = c;
    }
    ASSERT_EQ(blocks, 1);
    EXPECT_EQ(block.tile2, 8);
    block.x = 300;
    block.y = 300;
    for (int k = 0; k < 3; ++k) {
        std::vector<uint8_t> drawn, expected;
        block.framectr = k;
        block.framedly = 0;
        Cls();
        block.update(0);
        ReadBackBuffer(drawn);
        Cls();
        DrawImage(img_sprites, 300, 300, 5 + k);
        DrawImage(img_sprites, 300, 300, 8 + k);
        ReadBackBuffer(expected);
        EXPECT_TRUE(drawn == expected) << "block frame " << 5 + k;
    }
}
