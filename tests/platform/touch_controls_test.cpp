// SPDX-License-Identifier: GPL-3.0-or-later
// A touch screen's buttons and fingers as the hero feels them: the game's own controls past the
// player's key bindings, several at once, and a finger on the picture as the mouse that leaves
// nothing steering once lifted.
#include "platform/touch_controls.h"

#include "platform/key_bindings.h"
#include "player/hero_fixture.h"

namespace {

class TouchTest : public HeroTest {
  protected:
    void TearDown() override {
        for (int vk : {37, 39, 162, 164, 32}) TouchKey(vk, false);
        plat::key_bindings() = BindingsFrom(Settings{});
        HeroTest::TearDown();
    }
};

}  // namespace

TEST_F(TouchTest, ButtonsPressTheGamesOwnControlsWhateverKeysThePlayerBound) {
    // The player swapped jump and pause on the keyboard: Left Ctrl now pauses.
    Settings swapped;
    swapped.keys[static_cast<size_t>(BoundControl::kJump)] = "Space";
    swapped.keys[static_cast<size_t>(BoundControl::kPause)] = "Left Ctrl";
    plat::key_bindings() = BindingsFrom(swapped);
    DeliverKey("Left Ctrl", true);
    DeliverKey("Left Ctrl", false);
    EXPECT_EQ(KeyHit(32), 1);
    EXPECT_EQ(KeyHit(162), 0);

    // The jump button still jumps: it presses the game's jump, not the key bound to it.
    TouchKey(162, true);
    player_tag::get_inputs();
    EXPECT_EQ(game.jump, 1);
    EXPECT_LT(hero().ystp, 0.0f);
    TouchKey(162, false);
    TouchKey(32, true);
    TouchKey(32, false);
    EXPECT_EQ(KeyHit(32), 1);
    TouchKey(121, true);
    TouchKey(121, false);
    EXPECT_EQ(KeyHit(121), 1);
}

TEST_F(TouchTest, TwoFingersRunAndJumpAndALiftedButtonLetsGo) {
    game.autoturbo = 0;
    player_tag& p = hero();
    TouchKey(39, true);
    TouchKey(162, true);
    player_tag::get_inputs();
    EXPECT_FLOAT_EQ(p.x, 202.0f);
    EXPECT_EQ(game.jump, 1);
    EXPECT_FLOAT_EQ(p.ystp, -6.0f);

    // The jump finger lifts; the run finger stays and runs on.
    TouchKey(162, false);
    player_tag::get_inputs();
    EXPECT_FLOAT_EQ(p.x, 204.0f);
    TouchKey(39, false);
    player_tag::get_inputs();
    EXPECT_FLOAT_EQ(p.x, 204.0f);

    // A finger sliding from "right" to "left" lets go of one and presses the other.
    TouchKey(39, true);
    TouchKey(39, false);
    TouchKey(37, true);
    player_tag::get_inputs();
    EXPECT_FLOAT_EQ(p.x, 202.0f);
    EXPECT_EQ(game.curdir, 0);
}

TEST_F(TouchTest, AFingerOnThePictureIsTheMouseAndLiftedSteersNothing) {
    player_tag& p = hero();
    // Held at the left of the picture it steers left, as the mouse does, and jumps.
    TouchPointer(100, 300, TouchPhase::kDown);
    EXPECT_EQ(MouseX(), 100);
    EXPECT_EQ(MouseY(), 300);
    EXPECT_EQ(MouseDown(1), 1);
    player_tag::get_inputs();
    EXPECT_LT(p.x, 200.0f);
    EXPECT_EQ(game.jump, 1);
    TouchPointer(120, 310, TouchPhase::kMove);
    EXPECT_EQ(MouseX(), 120);
    EXPECT_EQ(MouseHit(1), 0);  // moving is no second press

    // Lifted, the pointer rests in the middle band at the finger's height: the hero stays.
    TouchPointer(120, 310, TouchPhase::kUp);
    EXPECT_EQ(MouseDown(1), 0);
    EXPECT_EQ(MouseX(), 320);
    EXPECT_EQ(MouseY(), 310);
    const float x = p.x;
    for (int i = 0; i < 5; ++i) player_tag::get_inputs();
    EXPECT_FLOAT_EQ(p.x, x);

    // A tap on the title's menu is a click on the entry under it.
    TouchPointer(320, 200, TouchPhase::kDown);
    TouchPointer(320, 200, TouchPhase::kUp);
    EXPECT_EQ(MouseHit(1), 1);
    EXPECT_EQ(MouseY() / 160, 1);
}
