// SPDX-License-Identifier: GPL-3.0-or-later
// Special effects in real frames of play: how long each kind lives, what a score text shows,
// clearing them all, and debris leaving once it has fallen out of sight.
#include "enemies/monster_fixture.h"

class SpecialFxTest : public MonsterTest {
  protected:
    // Frames of play until the effect list is empty (at most limit).
    int lifetime(int limit = 400) {
        int n = 0;
        while (!specialfx_list.IsEmpty() && n < limit) n += frames(1);
        return n;
    }
};

TEST_F(SpecialFxTest, EachKindLivesItsOwnNumberOfFrames) {
    game.setpoint = "100";
    specialfx_tag::Create(300, 300, 0, 0, 0, -1.0f, 0.01f, 4, 0);
    EXPECT_EQ(lifetime(), 81) << "score text";
    specialfx_tag::Create(300, 300, 0, 0, 0, 0, 0.03f, 0, 0);
    EXPECT_EQ(lifetime(), 27) << "invincibility trail";
    specialfx_tag::Create(300, 300, 45, 5, 0, 0, 0.03f, 5, 0);
    EXPECT_EQ(lifetime(), 27) << "power sparkle";
    specialfx_tag::Create(300, 260, 0, 15, 0, -4.0f, 0.02f, 2, 0);
    EXPECT_EQ(lifetime(), 18) << "magic sparkle: its scale runs out first";
    specialfx_tag::Create(300, 300, 0, 0, 0, 0, 0, 3, 1);
    EXPECT_EQ(lifetime(), 12 + 13 * 3 + 1) << "splash: five pictures, no fading";
    EXPECT_EQ(game.state, game_tag::kPlay);
}

TEST_F(SpecialFxTest, AScoreTextKeepsThePointsOfItsCreationAndRisesWithTheWorld) {
    game.setpoint = "150";
    specialfx_tag::Create(300, 300, 0, 0, 0, -1.0f, 0.01f, 4, 0);
    game.setpoint = "9999";
    frames(10);
    const specialfx_tag* fx = specialfx_list.First();
    ASSERT_NE(fx, nullptr);
    EXPECT_EQ(fx->point, "150");
    EXPECT_EQ(fx->y, 290.0f);
    EXPECT_EQ(fx->xscale, 0.6f);
    EXPECT_EQ(fx->yscale, 0.8f);
}

TEST_F(SpecialFxTest, ResetEmptiesTheListButLaterEffectsOfTheFrameSurvive) {
    for (int i = 0; i < 3; ++i) specialfx_tag::Create(100, 100, 0, 0, 0, 0, 0.03f, 0, 0);
    bool done = false;
    specialfx_list.ForEach([&](specialfx_tag&) {
        if (done) return;
        done = true;
        specialfx_tag::reset();
        specialfx_tag::Create(200, 200, 0, 0, 0, 0, 0.03f, 0, 0);
    });
    ASSERT_EQ(specialfx_list.Count(), 1);
    EXPECT_EQ(specialfx_list.First()->x, 200.0f);
}

TEST_F(SpecialFxTest, DebrisIsDroppedOnceItHasFallenOutOfSight) {
    specialfx_tag::Create(300, 300, 0, -10, 2.0f, -6.0f, 0, 1, 0);
    float last_y = 0;
    float last_step = 0;
    int n = 0;
    while (!specialfx_list.IsEmpty() && n < 300) {
        last_y = specialfx_list.First()->y;
        last_step = specialfx_list.First()->ystp + 0.2f;
        EXPECT_LE(last_y, 520.0f) << "still listed only while it could be seen";
        n += frames(1);
    }
    EXPECT_LT(n, 300);
    EXPECT_GT(last_y + last_step, 520.0f) << "kept until it had fallen below the screen";
}
