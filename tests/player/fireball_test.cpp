// SPDX-License-Identifier: GPL-3.0-or-later
// The fireball's flight: gravity before the move, the exit off the left edge, no exit at the
// top, and the rule that tells a tile's side (death) from its top (bounce).
#include "hero_fixture.h"

namespace {

class FireballTest : public HeroTest {
  protected:
    void throw_from(int x, int y, int dir) {
        game.curdir = dir;
        fireball_tag::Create(x, y);
        sounds_played();
    }
};

}  // namespace

TEST_F(FireballTest, FallsFirstAndLeavesTheLeftEdgeAfterSeventeenFrames) {
    throw_from(100, 100, 0);
    fireball.update(0);
    EXPECT_FLOAT_EQ(fireball.y, 102.3f);
    EXPECT_EQ(fireball.rotation, -45);
    for (int f = 2; f <= 16; ++f) fireball.update(0);
    EXPECT_EQ(fireball.state, 1);
    fireball.update(0);
    EXPECT_EQ(fireball.state, 0);
    const float x = fireball.x;
    fireball.update(0);  // idle: nothing moves
    EXPECT_FLOAT_EQ(fireball.x, x);
}

TEST_F(FireballTest, TravelsWithTheScrollAndComesBackFromAboveTheScreen) {
    throw_from(600, -40, 0);
    fireball.ystp = -8.0f;
    fireball.update(-4);
    EXPECT_FLOAT_EQ(fireball.x, 590.0f);
    EXPECT_LT(fireball.y, -40.0f);
    EXPECT_EQ(fireball.state, 1);
    for (int f = 0; f < 80 && fireball.y < 0; ++f) fireball.update(0);
    EXPECT_GE(fireball.y, 0.0f);
    EXPECT_EQ(fireball.state, 1);
}

TEST_F(FireballTest, DiesOnATileSideAndBouncesOnItsTop) {
    set_cell(5, 6, 6);
    const int i = index_of(5, 6);
    const int cx = Int(cell(5, 6).x);
    const int cy = Int(cell(5, 6).y);

    throw_from(cx - 22, cy, 1);
    fireball.collisions(i);
    EXPECT_EQ(fireball.state, 0);
    EXPECT_EQ(sounds_played(), std::vector<std::string>{"snd_bonk"});

    throw_from(cx - 10, cy - 20, 1);
    fireball.collisions(i);
    EXPECT_EQ(fireball.state, 1);
    EXPECT_FLOAT_EQ(fireball.ystp, -4.0f);

    // Low but exactly on the centre line: only the bounce can happen.
    throw_from(cx, cy - 10, 1);
    fireball.collisions(i);
    EXPECT_EQ(fireball.state, 1);
    EXPECT_FLOAT_EQ(fireball.ystp, -4.0f);

    // Liquid and scenery are not solid for it.
    set_cell(5, 6, 94);
    throw_from(cx - 22, cy, 1);
    fireball.collisions(i);
    EXPECT_EQ(fireball.state, 1);
}

TEST_F(FireballTest, BouncesAlongTheGroundInPlay) {
    for (int col = 0; col < 16; ++col) set_cell(col, 11, 6);
    hero().power = 2;
    hero().y = 380;
    hero().x = 100;
    hero().ystp = -1.0f;
    game.curdir = 1;
    game.autoturbo = 0;
    tap("turbo");
    int bounces = 0;
    float last = 0;
    for (int f = 0; f < 60; ++f) {
        play_frames(1);
        ASSERT_EQ(fireball.state, 1) << "frame " << f;
        if (fireball.ystp < last) ++bounces;
        last = fireball.ystp;
    }
    EXPECT_GE(bounces, 2);
}
