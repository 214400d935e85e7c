// SPDX-License-Identifier: GPL-3.0-or-later
// The play frame's own rules: invincibility trail, power sparkle, area-3 flames, the extra
// life, the top score and the demo's frame index; and clearing a level.
#include <gtest/gtest.h>

#include "shell/globals.h"
#include "shell_helpers.h"
#include "support/test_game.h"

using shell_test::count_of;
using shell_test::effects_of_kind;
using shell_test::monsters_of_kind;

namespace {
constexpr int kTrail = 0;
constexpr int kPowerSparkle = 5;
}  // namespace

TEST(PlayLoop, InvincibilityTrailsEveryThirdFrameAndEndsAfterItsFrames) {
    fresh_game();
    enter_area(1, 1);
    specialfx_list.Clear();
    game.tracertmr = 0;
    game.invincible = 9;
    ASSERT_EQ(play_frames(8), 8);
    EXPECT_EQ(game.invincible, 1);
    EXPECT_EQ(effects_of_kind(kTrail), 2);
    play_frames(1);
    EXPECT_EQ(game.invincible, 0);
    EXPECT_EQ(effects_of_kind(kTrail), 3);
    play_frames(4);
    EXPECT_EQ(effects_of_kind(kTrail), 3) << "no trail once invincibility is over";
}

TEST(PlayLoop, PowerSparklesOnePerFrameButNoneWhileInvincible) {
    fresh_game();
    enter_area(1, 1);
    specialfx_list.Clear();
    hero().power = 1;
    play_frames(6);
    EXPECT_EQ(effects_of_kind(kPowerSparkle), 6);
    game.invincible = 20;
    play_frames(4);
    EXPECT_EQ(effects_of_kind(kPowerSparkle), 6);
    specialfx_list.ForEach([](specialfx_tag& fx) {
        if (fx.typ != kPowerSparkle) return;
        EXPECT_NEAR(fx.x, hero().x, 10.5f);
        EXPECT_EQ(fx.rstp, 5);
    });
}

TEST(PlayLoop, EnemyFlamesComeOnlyInThirdAreasAtTheirInterval) {
    fresh_game();
    enter_area(1, 3);
    sounds_played();
    game.fireballmaxtmr = 5;
    const int before = monsters_of_kind(monster_tag::kFlyingFlame);
    play_frames(4);
    EXPECT_EQ(monsters_of_kind(monster_tag::kFlyingFlame), before);
    play_frames(1);
    EXPECT_EQ(monsters_of_kind(monster_tag::kFlyingFlame), before + 1);
    EXPECT_EQ(game.fireballtmr, 0);
    EXPECT_EQ(count_of(sounds_played(), "snd_efireball"), 1);
    int spawned = 0;
    monster_list.ForEach([&](monster_tag& m) {
        if (m.typ != monster_tag::kFlyingFlame || m.x != 680.0f) return;
        ++spawned;
        EXPECT_FLOAT_EQ(m.y, hero().y) << "the flame comes level with the hero";
    });
    EXPECT_EQ(spawned, 1);

    fresh_game();
    enter_area(1, 1);
    game.fireballmaxtmr = 5;
    const int in_first_area = monsters_of_kind(monster_tag::kFlyingFlame);
    play_frames(12);
    EXPECT_EQ(game.fireballtmr, 0) << "the timer does not run outside a third area";
    EXPECT_LE(monsters_of_kind(monster_tag::kFlyingFlame), in_first_area);
}

TEST(PlayLoop, HundredMagicBuysOneLifeAndRestartsTheCount) {
    fresh_game();
    enter_area(1, 1);
    sounds_played();
    hero().magic = 100;
    const int lives = hero().lives;
    play_frames(1);
    EXPECT_EQ(hero().magic, 0);
    EXPECT_EQ(hero().lives, lives + 1);
    EXPECT_EQ(count_of(sounds_played(), "snd_extralife"), 1);
    hero().magic = 99;
    play_frames(1);
    EXPECT_EQ(hero().lives, lives + 1);
}

TEST(PlayLoop, TopScoreFollowsPlayButNotTheDemo) {
    fresh_game();
    enter_area(1, 1);
    game.topscore = 500;
    hero().score = 740;
    play_frames(1);
    EXPECT_EQ(game.topscore, 740);

    // The demo holds player 1's score at its start value and leaves the top score alone.
    demo_tag::Create();
    demo_playing = 1;
    demo_pos = 998;
    game.savesc = 120;
    player[0].score = 9000;
    play_frames(1);
    EXPECT_EQ(player[0].score, 120);
    EXPECT_EQ(game.topscore, 740);
    EXPECT_EQ(demo_pos, 999);
    play_frames(1);
    EXPECT_EQ(demo_pos, 0) << "the recording starts again after its 1000th frame";
}

TEST(PlayLoop, AnObjectThatRemovesItselfDoesNotDisturbTheWalk) {
    fresh_game();
    enter_area(1, 1);
    specialfx_list.Clear();
    // The first fades out on its first update; the second must still be updated after it.
    specialfx_tag::Create(100, 100, 0, 0, 0, 0, 1.0f, 1, 0);
    specialfx_tag::Create(200, 100, 0, 0, 0, 0, 0.1f, 1, 0);
    play_frames(1);
    ASSERT_EQ(specialfx_list.Count(), 1);
    EXPECT_FLOAT_EQ(specialfx_list.First()->x, 200.0f);
    EXPECT_LT(specialfx_list.First()->alpha, 0.8f);
}

TEST(PlayLoop, DestroyAllClearsTheLevel) {
    fresh_game();
    enter_area(1, 1);
    specialfx_tag::Create(100, 100, 0, 0, 0, 0, 0.1f, 1, 0);
    monster_tag::Create(300, 200, -1, 0, 1, 1, monster_tag::kSpider);
    specialitem_tag::Create(300, 200, 3);
    elevator_tag::Create(300, 200, 2, 0);
    game.jump = 1;
    game.tovodeath = 2;
    game.invincible = 30;
    game.cauldx = 400;
    game.cauldy = 300;
    game.fireballtmr = 77;
    fireball.state = 1;
    hero().ystp = 3.5f;
    hero().yscale = 0.7f;
    game_tag::destroy_all();
    EXPECT_TRUE(monster_list.IsEmpty());
    EXPECT_TRUE(specialfx_list.IsEmpty());
    EXPECT_TRUE(specialitem_list.IsEmpty());
    EXPECT_TRUE(elevator_list.IsEmpty());
    EXPECT_EQ(game.jump + game.tovodeath + game.invincible + game.fireballtmr, 0);
    EXPECT_EQ(game.cauldx + game.cauldy + fireball.state, 0);
    EXPECT_FLOAT_EQ(hero().ystp, 0.0f);
    EXPECT_FLOAT_EQ(hero().yscale, 1.0f);
    int filled = 0;
    for (const map_tag& c : map_cells) filled += c.tile1 != 0 || c.tile2 != 0 ? 1 : 0;
    EXPECT_EQ(filled, 0);
}
