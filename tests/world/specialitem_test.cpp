// SPDX-License-Identifier: GPL-3.0-or-later
// Pickups: release, collection effects of the four kinds, how they settle on blocks, and
// their loss when they leave the screen.
#include <gtest/gtest.h>

#include "world/world_helpers.h"

namespace {

specialitem_tag& only_item() {
    return *specialitem_list.First();
}

void hero_far_away() {
    hero().x = -1000;
    hero().y = -1000;
}

// The pickup's frame as the play loop runs it.
void item_frame(int dx = 0) {
    specialitem_list.ForEach([&](specialitem_tag& s) {
        s.update(dx);
        s.collisions();
    });
}

// A released pickup of typ with the hero standing on it.
void collect(int typ) {
    specialitem_tag::Create(300, 300, typ);
    hero().x = 300;
    hero().y = 260;
    only_item().collisions();
}

// A floor of grey stone along row 7 (centres y 300), columns 2..14.
void stone_floor() {
    lay_out_grid();
    for (int col = 2; col <= 14; ++col) cell(col, 7).tile1 = 9;
}

}  // namespace

TEST(SpecialItem, PowerPotionAndFireOrb) {
    const SolidSprites solid;  // a fresh game on solid squares
    game.sound = 1;
    hero().power = 0;
    hero().score = 0;
    sounds_played();
    collect(3);
    EXPECT_EQ(hero().power, 1);
    EXPECT_TRUE(specialitem_list.IsEmpty());

    collect(6);  // at power 1: fire, but no points
    EXPECT_EQ(hero().power, 2);
    EXPECT_EQ(hero().score, 0);
    EXPECT_TRUE(specialfx_list.IsEmpty());

    collect(6);  // at power 2: 1000 points and their text
    EXPECT_EQ(hero().power, 2);
    EXPECT_EQ(hero().score, 1000);
    EXPECT_EQ(game.setpoint, "1000");
    EXPECT_EQ(specialfx_list.Count(), 1);

    collect(3);  // a power potion takes the fire away again
    EXPECT_EQ(hero().power, 1);
    EXPECT_EQ(sounds_played(), std::vector<std::string>(4, "snd_powerup"));
}

TEST(SpecialItem, ExtraLifeAndInvincibility) {
    const SolidSprites solid;  // a fresh game on solid squares
    game.sound = 1;
    hero().lives = 2;
    hero().score = 700;
    sounds_played();
    collect(4);
    EXPECT_EQ(hero().lives, 3);
    EXPECT_EQ(game.setpoint, "1up");
    EXPECT_EQ(specialfx_list.Count(), 1);
    EXPECT_EQ(hero().score, 700);

    collect(5);
    EXPECT_EQ(game.invincible, 600);
    EXPECT_EQ(hero().score, 2200);
    EXPECT_EQ(specialfx_list.Count(), 1) << "no score text for the pumpkin";
    EXPECT_EQ(sounds_played(), (std::vector<std::string>{"snd_extralife", "snd_invincible"}));
    EXPECT_TRUE(specialitem_list.IsEmpty());
}

TEST(SpecialItem, PotionLandsStopsSpinningAndWalksRight) {
    const SolidSprites solid;  // a fresh game on solid squares
    hero_far_away();
    stone_floor();
    specialitem_tag::Create(cell(6, 7).x, cell(6, 7).y, 4);
    for (int f = 0; f < 120; ++f) item_frame();
    ASSERT_EQ(specialitem_list.Count(), 1);
    const specialitem_tag& s = only_item();
    EXPECT_EQ(s.rstp, 0);
    EXPECT_EQ(s.rotation, 0);
    EXPECT_EQ(s.xstp, 2.0f);
    EXPECT_LT(s.y, 280) << "hopping along on top of the floor";
    EXPECT_GT(s.x, cell(6, 7).x + 40);
    EXPECT_TRUE(drawing_state_restored());
}

TEST(SpecialItem, FireOrbSettlesOnItsBlock) {
    const SolidSprites solid;  // a fresh game on solid squares
    hero_far_away();
    stone_floor();
    specialitem_tag::Create(cell(6, 7).x, cell(6, 7).y, 6);
    for (int f = 0; f < 120; ++f) item_frame();
    ASSERT_EQ(specialitem_list.Count(), 1);
    const specialitem_tag& s = only_item();
    EXPECT_EQ(s.y, 260);
    EXPECT_EQ(s.x, cell(6, 7).x);
    EXPECT_EQ(s.rstp, 0);
    EXPECT_EQ(s.yinc, 0.0f);
    EXPECT_GE(s.framectr, 0);
    EXPECT_LE(s.framectr, 3);
}

TEST(SpecialItem, PumpkinKeepsSpinningAndBounces) {
    const SolidSprites solid;  // a fresh game on solid squares
    hero_far_away();
    stone_floor();
    specialitem_tag::Create(cell(4, 7).x, cell(4, 7).y, 5);
    bool bounced = false;
    for (int f = 0; f < 90; ++f) {
        item_frame();
        if (!specialitem_list.IsEmpty() && only_item().ystp == -3.0f) bounced = true;
        EXPECT_TRUE(drawing_state_restored()) << "frame " << f;
    }
    ASSERT_EQ(specialitem_list.Count(), 1);
    EXPECT_TRUE(bounced);
    EXPECT_EQ(only_item().rstp, 22);
    EXPECT_EQ(only_item().xstp, 2.0f);
}

TEST(SpecialItem, LostWhenLeavingTheScreen) {
    fresh_game();
    hero_far_away();
    lay_out_grid();
    // Walking past the right edge, over scenery that goes on.
    specialitem_tag::Create(639, 300, 3);
    only_item().xstp = 2.0f;
    only_item().update(0);
    EXPECT_TRUE(specialitem_list.IsEmpty());
    // Falling below the bottom.
    specialitem_tag::Create(300, 519, 3);
    only_item().ystp = 2.0f;
    only_item().update(0);
    EXPECT_TRUE(specialitem_list.IsEmpty());
    // Scrolled off the left edge, even while resting.
    specialitem_tag::Create(1, 300, 6);
    only_item().ystp = 0;
    only_item().yinc = 0;
    only_item().update(-2);
    EXPECT_TRUE(specialitem_list.IsEmpty());
    EXPECT_TRUE(drawing_state_restored());
}
