// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of a frame: which device wins, hits kept pending, steps, the scroll line, the
// left limit, turning, firing, the jump without buffering, the mouse zones and the demo.
#include "hero_fixture.h"

TEST_F(HeroTest, LeftAndRightTogetherGoRight) {
    hold("left");
    hold("right");
    EXPECT_EQ(player_tag::get_inputs(), 0);
    EXPECT_FLOAT_EQ(hero().x, 204.0f);
    EXPECT_EQ(game.curdir, 1);
}

TEST_F(HeroTest, WalkingRightScrollsOnlyFromTheMiddleLine) {
    player_tag& p = hero();
    p.x = 318;
    hold("right");
    EXPECT_EQ(player_tag::get_inputs(), 0);
    EXPECT_FLOAT_EQ(p.x, 322.0f);
    EXPECT_EQ(player_tag::get_inputs(), -4);
    EXPECT_FLOAT_EQ(p.x, 322.0f);
    EXPECT_EQ(p.rotation, 20);  // turbo turns 10 a frame, scrolling or not
}

TEST_F(HeroTest, WalkingLeftStopsJustUnderTheLeftLimitAndNeverScrolls) {
    player_tag& p = hero();
    p.x = 21;
    hold("left");
    EXPECT_EQ(player_tag::get_inputs(), 0);
    EXPECT_FLOAT_EQ(p.x, 17.0f);
    EXPECT_EQ(player_tag::get_inputs(), 0);
    EXPECT_FLOAT_EQ(p.x, 17.0f);
    EXPECT_EQ(game.curdir, 0);
}

TEST_F(HeroTest, TurningInAJumpLeftWrapsBelowZeroTo360) {
    player_tag& p = hero();
    game.jump = 1;
    p.rotation = 3;
    hold("left");
    player_tag::get_inputs();
    EXPECT_EQ(p.rotation, 360);
    player_tag::get_inputs();
    EXPECT_EQ(p.rotation, 345);

    release("left");
    hold("right");
    p.rotation = 0;
    player_tag::get_inputs();
    EXPECT_EQ(p.rotation, 15);
}

TEST_F(HeroTest, TurboFromTheKeyLeavesThePadHitForTheNextFrame) {
    game.autoturbo = 0;  // so game.turbo shows the turbo command itself
    tap("turbo");
    tap("joy1");
    player_tag::get_inputs();
    EXPECT_EQ(game.turbo, 1);
    player_tag::get_inputs();
    EXPECT_EQ(game.turbo, 1);
    player_tag::get_inputs();
    EXPECT_EQ(game.turbo, 0);

    tap("joy7");
    player_tag::get_inputs();
    EXPECT_EQ(game.turbo, 1);
    tap("mouse2");
    player_tag::get_inputs();
    EXPECT_EQ(game.turbo, 1);
}

TEST_F(HeroTest, WithoutTurboStepsAreTwoAndJumpsLower) {
    game.autoturbo = 0;
    player_tag& p = hero();
    hold("right");
    tap("jump");
    player_tag::get_inputs();
    EXPECT_FLOAT_EQ(p.x, 202.0f);
    EXPECT_FLOAT_EQ(p.ystp, -6.0f);
    EXPECT_EQ(p.rotation, 0);  // no turbo turn, and the jump starts after the step
    player_tag::get_inputs();
    EXPECT_EQ(p.rotation, 5);
}

TEST_F(HeroTest, OneFireballPerPressAndOnlyWithFirePower) {
    player_tag& p = hero();
    p.power = 1;
    tap("turbo");
    player_tag::get_inputs();
    EXPECT_EQ(fireball.state, 0);

    p.power = 2;
    hold("turbo");
    player_tag::get_inputs();
    EXPECT_EQ(fireball.state, 1);
    EXPECT_EQ(game.fbshoot, 1);
    EXPECT_EQ(sounds_played(), std::vector<std::string>{"snd_fireball"});

    // Still held, first ball gone: holding does not throw again.
    fireball.state = 0;
    player_tag::get_inputs();
    EXPECT_EQ(game.fbshoot, 0);
    EXPECT_EQ(fireball.state, 0);

    // A press while a ball flies is lost.
    release("turbo");
    fireball.state = 1;
    tap("turbo");
    player_tag::get_inputs();
    fireball.state = 0;
    player_tag::get_inputs();
    EXPECT_EQ(fireball.state, 0);

    tap("turbo");
    player_tag::get_inputs();
    EXPECT_EQ(fireball.state, 1);
}

TEST_F(HeroTest, FireballIsThrownFromTheTruncatedPositionInTheFacingDirection) {
    player_tag& p = hero();
    p.power = 2;
    p.x = 150.7f;
    p.y = 99.9f;
    game.curdir = 0;
    tap("turbo");
    player_tag::get_inputs();
    EXPECT_FLOAT_EQ(fireball.x, 150.0f);
    EXPECT_FLOAT_EQ(fireball.y, 99.0f);
    EXPECT_FLOAT_EQ(fireball.xstp, -6.0f);
    EXPECT_EQ(fireball.frame, 26);
    EXPECT_EQ(fireball.rstp, -45);
}

TEST_F(HeroTest, JumpsAreNotBuffered) {
    player_tag& p = hero();
    game.jump = 1;
    p.ystp = 1.0f;
    tap("jump");
    player_tag::get_inputs();
    EXPECT_FLOAT_EQ(p.ystp, 1.0f);
    game.jump = 0;
    player_tag::get_inputs();
    EXPECT_FLOAT_EQ(p.ystp, 1.0f);
    EXPECT_TRUE(sounds_played().empty());

    p.yscale = 0.5f;
    tap("jump");
    player_tag::get_inputs();
    EXPECT_FLOAT_EQ(p.ystp, -7.0f);
    EXPECT_FLOAT_EQ(p.yscale, 1.0f);
    EXPECT_EQ(game.jump, 1);
}

TEST_F(HeroTest, JoystickSteersOnlyAtExactlyTheThreshold) {
    player_tag& p = hero();
    hold("joy-left");
    player_tag::get_inputs();
    EXPECT_FLOAT_EQ(p.x, 196.0f);

    joy_left_threshold = -0.99f;  // the stick reads -1.0, which is not the threshold
    player_tag::get_inputs();
    EXPECT_FLOAT_EQ(p.x, 196.0f);

    tap("joy0");
    player_tag::get_inputs();
    EXPECT_EQ(game.jump, 1);
}

TEST_F(HeroTest, MouseSteersOutsideTheMiddleBandUntilKeysTakeOver) {
    player_tag& p = hero();
    move_mouse_to(259, 100);
    player_tag::get_inputs();
    EXPECT_FLOAT_EQ(p.x, 196.0f);
    EXPECT_EQ(MouseX(), 259);  // the mouse itself steered: the pointer stays

    move_mouse_to(260, 100);
    player_tag::get_inputs();
    move_mouse_to(460, 100);
    player_tag::get_inputs();
    EXPECT_FLOAT_EQ(p.x, 196.0f);

    move_mouse_to(461, 100);
    player_tag::get_inputs();
    EXPECT_FLOAT_EQ(p.x, 200.0f);

    move_mouse_to(100, 100);
    hold("right");
    player_tag::get_inputs();
    EXPECT_FLOAT_EQ(p.x, 204.0f);
    EXPECT_EQ(MouseX(), 320);

    tap("mouse1");
    player_tag::get_inputs();
    EXPECT_EQ(game.jump, 1);
}

TEST_F(HeroTest, TheDemoRecordDrivesTheHeroAndLiveKeysDoNothing) {
    player_tag& p = hero();
    demo_playing = 1;
    demo_pos = 5;
    demo[5] = demo_tag{1, 0, 0};
    hold("right");
    tap("jump");
    player_tag::get_inputs();
    EXPECT_FLOAT_EQ(p.x, 198.0f);  // no automatic turbo in the demo
    EXPECT_EQ(game.jump, 0);
    EXPECT_EQ(game.turbo, 0);

    demo[5] = demo_tag{2, 1, 1};
    p.power = 2;
    player_tag::get_inputs();
    EXPECT_FLOAT_EQ(p.x, 202.0f);
    EXPECT_FLOAT_EQ(p.ystp, -7.0f);
    EXPECT_EQ(fireball.state, 1);

    demo[5] = demo_tag{7, 0, 0};  // an unknown direction moves nothing
    player_tag::get_inputs();
    EXPECT_FLOAT_EQ(p.x, 202.0f);
}
