// SPDX-License-Identifier: GPL-3.0-or-later
// Walkers on a small grid: standing on blocks, turning at block sides and hidden walls, falling
// off ledges; and the moment a monster comes on screen.
#include <random>

#include "enemies/monster_fixture.h"

TEST_F(MonsterTest, WalkerTurnsAtABlockSideAndKeepsStandingOnTheFloor) {
    lay_floor();
    set_cell(12, 10, 4);  // a wall standing on the floor
    monster_tag& t = spawn(cx(8, 10), cy(8, 10), 1.0f, 0, monster_tag::kTurtle);
    const float wall = cx(12, 10);
    float max_x = t.x;
    bool turned = false;
    for (int i = 0; i < 200; ++i) {
        ASSERT_EQ(frames(1), 1);
        max_x = std::max(max_x, t.x);
        if (t.xstp < 0) turned = true;
        EXPECT_EQ(t.y, cy(8, 11) - 40) << "frame " << i;
    }
    EXPECT_TRUE(turned);
    EXPECT_LE(max_x, wall - 40 + 1);
    EXPECT_EQ(t.xstp, -1.0f);
    EXPECT_EQ(t.frame, 61);
    // A walker turns without a sound.
    EXPECT_EQ(count_of(sounds_played(), "snd_bonk"), 0);
}

TEST_F(MonsterTest, HiddenWallsTurnTurtlesButNotSpidersOrShells) {
    // Each walker on a row of its own with its own hidden wall. There is no solid cell
    // anywhere, so they neither stand nor fall: they glide along their rows.
    for (int row : {3, 5, 8}) cell(12, row).hiddenwall = 1;
    const float wall = cx(12, 5);
    monster_tag& turtle = spawn(cx(9, 5), cy(9, 5), 1.0f, 0, monster_tag::kTurtle);
    monster_tag& spider = spawn(cx(9, 3), cy(9, 3), 1.0f, 0, monster_tag::kSpider);
    monster_tag& shell = spawn(cx(7, 8), cy(7, 8), 4.0f, 0, monster_tag::kShell);
    shell.frame = 66;
    float turtle_max = turtle.x;
    float shell_max = shell.x;
    for (int i = 0; i < 200; ++i) {
        frames(1);
        turtle_max = std::max(turtle_max, turtle.x);
        if (monster_list.Count() == 3) shell_max = std::max(shell_max, shell.x);
    }
    EXPECT_LT(turtle_max, wall);
    EXPECT_LT(turtle.xstp, 0);
    EXPECT_GT(spider.x, wall + 40);
    EXPECT_EQ(spider.xstp, 1.0f);
    EXPECT_GE(shell_max, 680.0f);
    EXPECT_EQ(monster_list.Count(), 2) << "the shell slid on past x 680 and left";
}

TEST_F(MonsterTest, AWalkerSteppingOffALedgeFallsFourPixelsAFrame) {
    lay_floor();
    for (int col = 5; col <= 8; ++col) set_cell(col, 6, 4);
    monster_tag& t = spawn(cx(8, 5), cy(8, 5), 1.0f, 0, monster_tag::kTurtle);
    std::vector<float> ys;
    for (int i = 0; i < 120; ++i) {
        frames(1);
        ys.push_back(t.y);
    }
    // At the very edge a walker may still touch the ledge and be put back on top of it; from
    // the last time that happens it falls freely.
    size_t left_ledge = 1;
    for (size_t i = 1; i < ys.size(); ++i)
        if (ys[i] < ys[i - 1]) left_ledge = i + 1;
    int falling = 0;
    for (size_t i = left_ledge; i < ys.size(); ++i) {
        const float step = ys[i] - ys[i - 1];
        if (step != 0) {
            EXPECT_EQ(step, 4.0f) << "frame " << i;
            ++falling;
        }
    }
    EXPECT_GT(falling, 40);
    EXPECT_EQ(ys.back(), cy(0, 11) - 40) << "landed on the floor";
}

TEST_F(MonsterTest, AMonsterComesOnScreenBelowX660AndActsFromTheNextFrame) {
    monster_tag::Create(659, 200, -1.0f, 0, 1.0f, 1.0f, monster_tag::kSpider);
    monster_tag& in = last_monster();
    monster_tag::Create(660, 300, -1.0f, 0, 1.0f, 1.0f, monster_tag::kSpider);
    monster_tag& out = last_monster();
    frames(1);
    EXPECT_EQ(in.entered, 1);
    EXPECT_EQ(in.x, 659.0f) << "entered only at the end of the frame";
    EXPECT_EQ(out.entered, 0);
    frames(1);
    EXPECT_EQ(in.x, 658.0f);
    EXPECT_EQ(out.x, 660.0f) << "a waiting monster only scrolls with the world";
}

TEST_F(MonsterTest, ASquashedSpiderLiesFlatForFiftyNineFramesHarmingNobody) {
    monster_tag& s = spawn(300, 200, -1.0f, 0, monster_tag::kSpider);
    pin_hero(300, 176, 6.0f);  // falling onto it
    frames(1);
    EXPECT_EQ(s.state, 0);
    EXPECT_EQ(s.deathtmr, 60);
    EXPECT_EQ(s.yscale, 0.5f);
    EXPECT_EQ(s.xstp, 0.0f);
    EXPECT_EQ(s.y, 210.0f);
    EXPECT_EQ(hero().score, 150);
    EXPECT_EQ(game.jump, 1);
    const auto sounds = sounds_played();
    EXPECT_EQ(count_of(sounds, "snd_splat"), 1);
    EXPECT_EQ(count_of(sounds, "snd_edeath"), 0);

    // The hero now stands right in it: the flattened spider neither hurts nor scores.
    pin_hero(300, 205);
    game.jump = 0;
    EXPECT_EQ(frames(58), 58);
    EXPECT_EQ(monster_list.Count(), 1);
    EXPECT_EQ(s.y, 210.0f);
    EXPECT_EQ(s.frame + s.framectr, 57);
    frames(1);
    EXPECT_EQ(monster_list.Count(), 0);
    EXPECT_EQ(game.state, game_tag::kPlay);
    EXPECT_EQ(hero().score, 150);
}

TEST_F(MonsterTest, VisitingOnlyNearCellsEndsExactlyLikeTheWalkOverEveryCell) {
    for (unsigned seed = 1; seed <= 8; ++seed) {
        SetUp();
        SCOPED_TRACE(seed);
        // A crowded random grid; the same frames once on the regular grid (the near-cell walk)
        // and once with one far, empty cell nudged off the grid (the walk over every cell).
        std::mt19937 rng(seed);
        for (int i = 0; i < map_tag::kCells; ++i) {
            map_tag& c = map_cells[i];
            const unsigned r = rng() % 100;
            c.tile1 = r < 25 ? static_cast<int>(4 + rng() % 7) : (r < 28 ? 24 : 0);
            c.hiddenwall = rng() % 100 < 5 ? 1 : 0;
        }
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 4; ++col) set_cell(col, row, 0);
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 4; ++col) cell(col, row).hiddenwall = 0;
        const int kinds[] = {monster_tag::kSpider, monster_tag::kTurtle, monster_tag::kSpikedTurtle,
                             monster_tag::kScorpion, monster_tag::kShell};
        for (int k = 0; k < 30; ++k) {
            const int typ = kinds[rng() % 5];
            const float xstp = (rng() & 1) ? 1.0f : (typ == monster_tag::kShell ? -4.0f : -1.0f);
            monster_tag& m =
                spawn(static_cast<float>(200 + rng() % 440), static_cast<float>(100 + rng() % 380),
                      xstp, static_cast<float>(rng() % 3), typ);
            if (typ == monster_tag::kShell) m.frame = 63;
        }
        pin_hero(60, 60);
        const game_state start = save_state();
        EXPECT_EQ(frames(60), 60);
        std::vector<monster_tag> near;
        monster_list.ForEach([&](monster_tag& m) { near.push_back(m); });
        const auto near_sounds = sounds_played();

        load_state(start);
        cell(1, 0).y += 0.5f;
        frames(60);
        std::vector<monster_tag> every;
        monster_list.ForEach([&](monster_tag& m) { every.push_back(m); });
        ASSERT_EQ(near.size(), every.size());
        for (size_t i = 0; i < near.size(); ++i) {
            EXPECT_EQ(near[i].x, every[i].x) << "monster " << i;
            EXPECT_EQ(near[i].y, every[i].y) << "monster " << i;
            EXPECT_EQ(near[i].xstp, every[i].xstp) << "monster " << i;
            EXPECT_EQ(near[i].ystp, every[i].ystp) << "monster " << i;
            EXPECT_EQ(near[i].state, every[i].state) << "monster " << i;
        }
        EXPECT_EQ(near_sounds, sounds_played());
        EXPECT_GT(near.size(), 5u);
    }
}
