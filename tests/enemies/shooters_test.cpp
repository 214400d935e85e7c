// SPDX-License-Identifier: GPL-3.0-or-later
// The monsters that throw or shoot (scorpion, cannon, hunchback) and the firebar's arm, with
// the fall speeds of leaping and killed monsters.
#include "enemies/monster_fixture.h"

TEST_F(MonsterTest, AScorpionShootsOnlyForwardAndOnlyAtExactlyItsHeight) {
    // With no solid cell anywhere the scorpion glides at a fixed height.
    monster_tag& s = spawn(400, 200, -1.0f, 0, monster_tag::kScorpion);
    pin_hero(100, 200.5f);
    frames(20);
    pin_hero(600, 200);  // behind it
    frames(20);
    EXPECT_EQ(s.projectile, 0);
    EXPECT_EQ(count_of(sounds_played(), "snd_scorpshot"), 0);

    pin_hero(100, 200);
    frames(1);
    EXPECT_EQ(s.projectile, 1);
    EXPECT_EQ(s.pframe, 79);
    EXPECT_EQ(s.frame, 75);
    EXPECT_EQ(s.xstp, 0.0f);
    EXPECT_EQ(count_of(sounds_played(), "snd_scorpshot"), 1);
}

TEST_F(MonsterTest, AScorpionPausesAfterAShotAndWaitsForItToEndBeforeTheNext) {
    monster_tag& s = spawn(400, 200, -1.0f, 0, monster_tag::kScorpion);
    pin_hero(100, 200);
    frames(1);
    ASSERT_EQ(s.projectile, 1);
    const float stop = s.x;
    frames(47);
    EXPECT_EQ(s.x, stop) << "still for the shot's frame and 47 more";
    EXPECT_EQ(s.frame + s.framectr, 75);
    frames(1);
    EXPECT_EQ(s.xstp, -1.0f);
    EXPECT_EQ(s.x, stop - 1) << "walks on in the 49th frame";

    // The shot passes the hero harmlessly while he is invincible and flies off the left edge;
    // only then does the scorpion, still level with him, shoot again.
    int frames_to_end = 0;
    sounds_played();
    while (s.projectile == 1 && frames_to_end < 200) {
        game.invincible = 100;
        frames(1);
        ++frames_to_end;
        if (s.projectile == 1) {
            EXPECT_EQ(count_of(sounds_played(), "snd_scorpshot"), 0);
        }
    }
    ASSERT_LT(frames_to_end, 200);
    game.invincible = 100;
    frames(1);
    EXPECT_EQ(s.projectile, 1);
    EXPECT_EQ(count_of(sounds_played(), "snd_scorpshot"), 1);
}

TEST_F(MonsterTest, AScorpionShotToTheRightEndsBeyondX660) {
    monster_tag& s = spawn(300, 200, 1.0f, 0, monster_tag::kScorpion);
    pin_hero(600, 200);
    game.invincible = 1000;
    frames(1);
    ASSERT_EQ(s.pframe, 80);
    EXPECT_EQ(s.frame, 78);
    float last = s.px;
    while (s.projectile == 1 && last < 700) {
        last = s.px;
        frames(1);
    }
    EXPECT_EQ(s.projectile, 0);
    EXPECT_GT(last, 650.0f);
    EXPECT_LE(last, 660.0f);
}

TEST_F(MonsterTest, ACannonFiresFromBelowX900OnScreenOrNotAndItsSkullKills) {
    monster_tag::Create(899, 195, 0, 0, 1.0f, 1.0f, monster_tag::kCannon);
    monster_tag& near = last_monster();
    monster_tag::Create(900, 300, 0, 0, 1.0f, 1.0f, monster_tag::kCannon);
    monster_tag& at = last_monster();
    monster_tag::Create(901, 400, 0, 0, 1.0f, 1.0f, monster_tag::kCannon);
    monster_tag& far = last_monster();
    pin_hero(100, 190);
    frames(1);
    EXPECT_EQ(near.projectile, 1);
    EXPECT_EQ(near.px, 869.0f);
    EXPECT_EQ(near.py, 190.0f);
    EXPECT_EQ(near.entered, 0);
    EXPECT_EQ(at.projectile, 0);
    EXPECT_EQ(far.projectile, 0);
    EXPECT_EQ(count_of(sounds_played(), "snd_cannon"), 1);

    // Nothing shields the hero: the skull flies in from off screen and ends his life.
    int run = 0;
    while (game.state == game_tag::kPlay && near.px > 150 && run < 400) run += frames(1);
    game.setpoint = "150";
    specialfx_tag::Create(50, 50, 0, 0, 0, -1.0f, 0.01f, 4, 0);
    run += frames(100);
    EXPECT_LT(run, 400);
    EXPECT_EQ(game.state, game_tag::kDeath);
    EXPECT_EQ(game.tovodeath, 1);
    EXPECT_EQ(near.px, 869.0f) << "the cannon fires anew in the frame its skull ended";
    EXPECT_TRUE(specialfx_list.IsEmpty()) << "a hit clears every effect";
}

TEST_F(MonsterTest, AHunchbackThrowsWhenItTurnsLeftButNeverAtX150OrLess) {
    pin_hero(600, 100);
    monster_tag& low = spawn(100, 300, 1.0f, 0, monster_tag::kHunchback);
    frames(300);
    EXPECT_EQ(low.projectile, 0);
    EXPECT_EQ(count_of(sounds_played(), "snd_hbthrow"), 0);
    EXPECT_LE(low.x, 141.0f);

    monster_tag& high = spawn(300, 300, 1.0f, 0, monster_tag::kHunchback);
    frames(40);
    EXPECT_EQ(high.projectile, 0);
    frames(1);
    EXPECT_EQ(high.projectile, 1);
    EXPECT_EQ(high.pframe, 86);
    EXPECT_EQ(count_of(sounds_played(), "snd_hbthrow"), 1);
    const float x = high.x;
    frames(49);
    EXPECT_EQ(high.x, x) << "stands still after the throw";
    EXPECT_EQ(high.frame, 85);
    frames(1);
    EXPECT_EQ(high.xstp, -1.0f);
}

TEST_F(MonsterTest, FallingSpeedsAreCappedOnlyAfterTheMove) {
    monster_tag& bat = spawn(200, 20, 0, 5.0f, monster_tag::kBat);
    bat.state = 0;
    monster_tag& flame = spawn(400, 420, 0, -8.0f, monster_tag::kLeapingFlame);
    monster_tag& fish = spawn(500, 20, 0, 5.0f, monster_tag::kLeapingFish);
    fish.state = 0;
    std::vector<float> bat_y, fish_y;
    float flame_fastest = 0;
    float flame_lowest = 0;
    for (int i = 0; i < 60; ++i) {
        const float before = flame.y;
        frames(1);
        bat_y.push_back(bat.y);
        fish_y.push_back(fish.y);
        flame_fastest = std::max(flame_fastest, flame.y - before);
        flame_lowest = std::max(flame_lowest, flame.y);
    }
    for (int i = 0; i < 200; ++i) {
        const float before = flame.y;
        frames(1);
        flame_fastest = std::max(flame_fastest, flame.y - before);
        flame_lowest = std::max(flame_lowest, flame.y);
    }
    EXPECT_EQ(bat_y[1] - bat_y[0], 6.0f);
    EXPECT_EQ(bat_y[10] - bat_y[9], 6.5f) << "a killed bat settles at 6.5 px a frame";
    EXPECT_FLOAT_EQ(fish_y[10] - fish_y[9], 5.0f) << "a killed fish no longer accelerates";
    EXPECT_NEAR(flame_fastest, 6.1f, 1e-3) << "a leaping flame comes down at 6.1 px a frame";
    EXPECT_LT(flame_lowest, 420.0f + 6.2f) << "and leaps again from its home height";
}

TEST_F(MonsterTest, EachOfTheFirebarsBallsHitsOnItsOwn) {
    monster_tag::Create(300, 300, -1.0f, 0, 1.0f, 1.0f, monster_tag::kFirebar);
    monster_tag& bar = last_monster();
    EXPECT_EQ(bar.frame, 26);
    EXPECT_EQ(bar.rstp, -22);
    EXPECT_EQ(bar.xstp, 0.0f);
    frames(10);
    EXPECT_EQ(bar.ctr1, -9.0f) << "code 26 turns anticlockwise, from its first frame on screen";

    // Astride two balls of the arm pointing up: the power goes on the first, life on the next.
    hero().power = 1;
    pin_hero(300, 300 - 50);
    frames(1);
    EXPECT_EQ(hero().power, 0);
    EXPECT_EQ(game.state, game_tag::kDeath);
    EXPECT_EQ(game.tovodeath, 1);
    EXPECT_EQ(count_of(sounds_played(), "snd_powerdwn"), 1);
}

TEST_F(MonsterTest, AFirebarHitTakesThePowersSparklesWithThePower) {
    const auto sparkles = [] {
        int n = 0;
        specialfx_list.ForEach([&](const specialfx_tag& fx) { n += fx.typ == 5 ? 1 : 0; });
        return n;
    };
    monster_tag::Create(300, 300, 1.0f, 0, 1.0f, 1.0f, monster_tag::kFirebar);
    hero().power = 2;
    frames(1);
    ASSERT_EQ(sparkles(), 1);
    pin_hero(300, 300 - 140);  // beyond the arm's tip: one ball only
    frames(1);
    EXPECT_EQ(hero().power, 0);
    EXPECT_EQ(game.state, game_tag::kPlay);
    EXPECT_EQ(sparkles(), 0) << "no sparkle is left to show the power that is gone";
}

TEST_F(MonsterTest, AFirebarIgnoresInvincibility) {
    monster_tag::Create(300, 300, 1.0f, 0, 1.0f, 1.0f, monster_tag::kFirebar);
    EXPECT_EQ(last_monster().frame, 27);
    EXPECT_EQ(last_monster().frametmr, 1);
    frames(1);
    game.invincible = 40;
    pin_hero(300, 300 - 110);  // at the arm's tip
    frames(1);
    EXPECT_EQ(game.state, game_tag::kDeath);
}
