// SPDX-License-Identifier: GPL-3.0-or-later
// The hero's vertical motion and drawing rules measured frame by frame: jump and bounce
// heights, the terminal speed, the squash, the fall death line, the aura and the red pulse.
#include "hero_fixture.h"

namespace {

struct Rise {
    float height;
    int peak_frame;
};

// Lets the hero fly with no scenery from a start speed and reports the top of the arc.
Rise measure_rise(float start_speed) {
    player_tag& p = hero();
    p.y = 400;
    p.ystp = start_speed;
    float top = p.y;
    int peak = 0;
    for (int f = 1; f <= 80; ++f) {
        p.update();
        if (p.y < top) {
            top = p.y;
            peak = f;
        }
    }
    return {400 - top, peak};
}

struct Glow {
    int pixels = 0;
    long red = 0;
    long blue = 0;
};

// The hero alone in the middle of a black picture, and what shows around his own square.
Glow glow_around_hero() {
    player_tag& p = hero();
    p.x = 320;
    p.y = 240;
    p.ystp = 0;
    Cls();
    p.update();
    std::vector<uint8_t> rgb;
    EXPECT_TRUE(ReadBackBuffer(rgb));
    Glow g;
    for (int y = 200; y < 280; ++y)
        for (int x = 280; x < 360; ++x) {
            if (x >= 298 && x < 342 && y >= 218 && y < 262) continue;
            const uint8_t* px = &rgb[(static_cast<size_t>(y) * 640 + x) * 3];
            if (px[0] + px[1] + px[2] < 30) continue;
            ++g.pixels;
            g.red += px[0];
            g.blue += px[2];
        }
    return g;
}

// Ten frames together, since the aura flickers in size and opacity.
Glow glow_over_ten_frames() {
    Glow sum;
    for (int f = 0; f < 10; ++f) {
        const Glow g = glow_around_hero();
        sum.pixels += g.pixels;
        sum.red += g.red;
        sum.blue += g.blue;
    }
    return sum;
}

}  // namespace

TEST_F(HeroTest, JumpAndBounceHeightsFollowTheGravityOfTheFeel) {
    const struct {
        float speed;
        float height;
        int peak;
    } cases[] = {
        {-7.0f, 126, 35}, {-6.0f, 93, 30}, {-3.0f, 24, 15}, {-4.0f, 42, 20}, {-10.0f, 255, 50}};
    for (const auto& c : cases) {
        game.state = game_tag::kPlay;
        const Rise r = measure_rise(c.speed);
        EXPECT_NEAR(r.height, c.height, 0.5f) << "start speed " << c.speed;
        EXPECT_EQ(r.peak_frame, c.peak) << "start speed " << c.speed;
    }
}

TEST_F(HeroTest, LiveJumpStartsAtTurboSpeedAndRisesAbout126Pixels) {
    player_tag& p = hero();
    p.y = 300;
    tap("jump");
    float top = p.y;
    for (int f = 0; f < 40; ++f) {
        ASSERT_EQ(play_frames(1), 1);
        if (f == 0) {
            EXPECT_EQ(game.jump, 1);
            EXPECT_FLOAT_EQ(p.y, 293.0f);  // moved with -7 before gravity
        }
        top = std::min(top, p.y);
    }
    EXPECT_NEAR(300 - top, 126, 0.5f);
    EXPECT_EQ(sounds_played(), std::vector<std::string>{"snd_jump"});
}

TEST_F(HeroTest, FallingSpeedReachesTheCapAfterFortyFramesAndStaysThere) {
    player_tag& p = hero();
    p.y = 0;
    for (int f = 1; f <= 39; ++f) p.update();
    EXPECT_LT(p.ystp, 8.0f);
    p.update();
    EXPECT_NEAR(p.ystp, 8.0f, 1e-4f);
    p.update();
    EXPECT_FLOAT_EQ(p.ystp, 8.0f);
    for (int f = 0; f < 20; ++f) {
        p.update();
        EXPECT_LE(p.ystp, 8.0f);
    }
}

TEST_F(HeroTest, SquashRecoversInTenFrames) {
    player_tag& p = hero();
    p.yscale = 0.5f;
    for (int f = 0; f < 9; ++f) p.update();
    EXPECT_LT(p.yscale, 1.0f);
    p.update();
    EXPECT_GE(p.yscale, 1.0f);
    const float settled = p.yscale;
    p.update();
    EXPECT_FLOAT_EQ(p.yscale, settled);
}

TEST_F(HeroTest, OnlyDroppingBelowTheBottomEdgeKills) {
    player_tag& p = hero();
    p.y = 480.0f;
    p.ystp = 0;
    p.update();
    EXPECT_EQ(game.state, game_tag::kPlay);
    p.update();  // 480.2 now
    EXPECT_EQ(game.state, game_tag::kDeath);
    EXPECT_EQ(game.tovodeath, 0);

    game.state = game_tag::kPlay;
    game.tovodeath = 1;  // a kind set earlier in the frame is kept
    p.y = 480.1f;
    p.ystp = 0;
    p.update();
    EXPECT_EQ(game.state, game_tag::kDeath);
    EXPECT_EQ(game.tovodeath, 1);
}

TEST_F(HeroTest, FirePowerPulsesBetweenWhiteAndRedUnlessInvincible) {
    player_tag& p = hero();
    p.power = 2;
    game.fbflashstp = 10;
    game.fbflashctr = 0;
    for (int f = 0; f < 25; ++f) p.update();
    EXPECT_EQ(game.fbflashctr, 250);
    p.update();
    EXPECT_EQ(game.fbflashctr, 255);
    EXPECT_EQ(game.fbflashstp, -10);
    for (int f = 0; f < 26; ++f) p.update();
    EXPECT_EQ(game.fbflashctr, 0);
    EXPECT_EQ(game.fbflashstp, 10);

    game.invincible = 5;
    p.update();
    EXPECT_EQ(game.fbflashctr, 0);

    // Power 1 has no pulse.
    game.invincible = 0;
    p.power = 1;
    p.update();
    EXPECT_EQ(game.fbflashctr, 0);
}

TEST_F(HeroTest, DrawingLeavesTheDrawingStateClean) {
    player_tag& p = hero();
    p.power = 2;
    p.rotation = 70;
    p.yscale = 0.5f;
    game.fbflashstp = 10;
    p.update();
    float sx = 0, sy = 0;
    GetScale(sx, sy);
    int r = 0, g = 0, b = 0;
    GetColor(r, g, b);
    EXPECT_FLOAT_EQ(GetRotation(), 0.0f);
    EXPECT_FLOAT_EQ(sx, 1.0f);
    EXPECT_FLOAT_EQ(sy, 1.0f);
    EXPECT_FLOAT_EQ(GetAlpha(), 1.0f);
    EXPECT_EQ(r + g + b, 3 * 255);
}

TEST(HeroRecords, CreateGivesTwoFreshRecords) {
    fresh_game();
    player[1].score = 99;
    player[1].item[4] = 1;
    player[0].yscale = 0.3f;
    player_tag::Create();
    for (const player_tag& p : player) {
        EXPECT_EQ(p.score, 0);
        EXPECT_EQ(p.item[4], 0);
        EXPECT_EQ(p.rotation, 0);
        EXPECT_FLOAT_EQ(p.yscale, 1.0f);
    }
}

TEST_F(HeroTest, AuraIsBlueForPowerRedForFirePowerAndHiddenWhileInvincible) {
    HeadlessStartDrawing();
    EXPECT_EQ(glow_over_ten_frames().pixels, 0);

    hero().power = 1;
    const Glow blue = glow_over_ten_frames();
    EXPECT_GT(blue.pixels, 100);
    EXPECT_GT(blue.blue, 2 * blue.red);

    hero().power = 2;
    const Glow red = glow_over_ten_frames();
    EXPECT_GT(red.pixels, 100);
    EXPECT_GT(red.red, 2 * red.blue);

    game.invincible = 5;
    EXPECT_EQ(glow_over_ten_frames().pixels, 0);
}
