// SPDX-License-Identifier: GPL-3.0-or-later
// Starting a game and announcing an area: what a new game resets, the announcement's length
// and its jump shortcut, the fade that cannot be cut, power lost on third areas, the ending,
// each player's flame interval, and the start-up's random seed.
#include <gtest/gtest.h>

#include "shell/globals.h"
#include "shell/startup.h"
#include "shell_helpers.h"
#include "support/test_game.h"

using shell_test::tap_at;

namespace {
// Frames presented by one announcement from its start.
int announcement_frames() {
    const int start = FrameNumber();
    game_tag::level_intro();
    return FrameNumber() - start;
}

void set_up_players() {
    for (player_tag& p : player) {
        p.score = 4321;
        p.lives = 0;
        p.magic = 55;
        p.power = 2;
        p.level = 4;
        p.area = 3;
        for (int& it : p.item) it = 1;
    }
}
}  // namespace

TEST(NewGame, ResetsBothPlayersAndKeepsScoresOnlyForTheDemo) {
    fresh_game();
    set_up_players();
    game.fireballmaxtmr = 200;
    game.invincible = 40;
    game_tag::start_new();
    for (const player_tag& p : player) {
        EXPECT_EQ(p.score, 0);
        EXPECT_EQ(p.lives, 3);
        EXPECT_EQ(p.magic + p.power, 0);
        EXPECT_EQ(p.level, 1);
        EXPECT_EQ(p.area, 1);
        for (int it : p.item) EXPECT_EQ(it, 0);
    }
    EXPECT_EQ(game.fireballmaxtmr, 700);
    EXPECT_EQ(game.fbflashstp, 10);
    EXPECT_EQ(game.invincible, 0);

    set_up_players();
    demo_playing = 1;
    game_tag::start_new();
    EXPECT_EQ(player[0].score, 4321);
    EXPECT_EQ(player[1].score, 4321);
    EXPECT_EQ(player[1].lives, 3);
}

TEST(LevelIntro, RunsItsFullLengthAndAJumpCutsOnlyTheBanner) {
    fresh_game();
    game_tag::start_new();
    game.state = game_tag::kLevelIntro;
    const int full = announcement_frames();
    EXPECT_EQ(game.state, game_tag::kPlay);
    int filled = 0;
    for (const map_tag& c : map_cells) filled += c.tile1 != 0 ? 1 : 0;
    EXPECT_GT(filled, 0) << "the area's map is loaded";
    // One frame of HUD, 200 of banner and the fade of about 91.
    EXPECT_GE(full, 1 + 200 + 88);
    EXPECT_LE(full, 1 + 200 + 93);

    // A jump on the fifth banner frame ends the banner there.
    game_tag::start_new();
    tap_at(1 + 5, "jump");
    EXPECT_EQ(announcement_frames(), full - 195);

    // A jump during the fade changes nothing.
    game_tag::start_new();
    tap_at(1 + 200 + 10, "jump");
    EXPECT_EQ(announcement_frames(), full);
    EXPECT_EQ(KeyHit(162), 0) << "the announcement flushes the keys before play";
}

TEST(LevelIntro, ThirdAreasAreEnteredWithoutPower) {
    fresh_game();
    game_tag::start_new();
    hero().area = 3;
    hero().power = 2;
    tap_at(2, "jump");
    game_tag::level_intro();
    EXPECT_EQ(hero().power, 0);
    EXPECT_EQ(game.state, game_tag::kPlay);
}

TEST(LevelIntro, APlayerPastTheFifthLevelGoesStraightToTheEnding) {
    fresh_game();
    game_tag::start_new();
    clear_grid();
    set_cell(3, 4, 7);
    hero().level = 6;
    hero().area = 1;
    const int start = FrameNumber();
    game_tag::level_intro();
    EXPECT_EQ(game.state, game_tag::kEnding);
    EXPECT_EQ(FrameNumber(), start) << "nothing is shown";
    EXPECT_EQ(cell(3, 4).tile1, 7) << "no map is loaded";
}

TEST(LevelIntro, EachPlayerHasTheFlameIntervalOfItsOwnProgress) {
    fresh_game();
    game.players = 1;
    game_tag::start_new();
    for (player_tag& p : player) p.area = 3;
    // Player 1 completes level 1; player 2 has not got that far.
    game.item = 1;
    game.state = game_tag::kLevelEnd;
    game_tag::end_level();
    EXPECT_EQ(game.fireballmaxtmr, 600);
    game.curplayer = 1;
    tap_at(2, "jump");
    game_tag::level_intro();
    EXPECT_EQ(game.fireballmaxtmr, 700) << "player 2's turn";
    game.curplayer = 0;
    tap_at(2, "jump");
    game_tag::level_intro();
    EXPECT_EQ(game.fireballmaxtmr, 600) << "player 1's turn again";
}

TEST(StartUp, SeedsTheRandomGeneratorFromTheWallClock) {
    fresh_game();
    const int32_t before = WallClockMilliSecs() & 0x7fffffff;
    seed_random_generator();
    const int32_t after = WallClockMilliSecs() & 0x7fffffff;
    if (after < before) GTEST_SKIP() << "the clock's low bits wrapped just now";
    EXPECT_GE(RndState(), before);
    EXPECT_LE(RndState(), after);
}
