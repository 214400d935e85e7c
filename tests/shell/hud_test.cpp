// The status display read back from the picture: where the top score and the right-hand
// label sit for values of different lengths, and the flashing of the player label.
#include <gtest/gtest.h>

#include "shell/globals.h"
#include "shell_helpers.h"
#include "support/test_game.h"

using shell_test::hud_picture;
using shell_test::is_cyan;
using shell_test::is_white;
using shell_test::is_yellow;
using shell_test::leftmost;

namespace {
constexpr int kTopRows = 32;

int top_label_x() {
    return leftmost(hud_picture(), 160, 460, 0, kTopRows, is_yellow);
}
int right_label_x() {
    return leftmost(hud_picture(), 400, 598, 0, kTopRows, is_cyan);
}
bool player_label_shown() {
    return leftmost(hud_picture(), 60, 116, 0, kTopRows, is_cyan) >= 0;
}
}  // namespace

TEST(Hud, TopScoreIsPlacedByItsNumberOfCharacters) {
    fresh_game(true);
    game.state = game_tag::kPlay;
    game.topscore = 0;
    const int x0 = top_label_x();
    // "Top: 0" has 6 characters: the label at 286, its value 53 further on.
    EXPECT_GE(x0, 286);
    EXPECT_LT(x0, 286 + 8);
    const int value = leftmost(hud_picture(), 335, 460, 0, kTopRows, is_white);
    EXPECT_GE(value, 339);
    EXPECT_LT(value, 339 + 8);
    game.topscore = 100;
    EXPECT_EQ(top_label_x(), x0 - 8) << "two more characters move it left by 8";
}

TEST(Hud, RightLabelMovesLeftByEightPixelsPerDigit) {
    fresh_game(true);
    game.state = game_tag::kPlay;
    hero().magic = 5;
    const int one_digit = right_label_x();
    EXPECT_GE(one_digit, 481);
    EXPECT_LT(one_digit, 481 + 8);
    hero().magic = 42;
    EXPECT_EQ(right_label_x(), one_digit - 8);

    // On the title the right side shows player 2's score under "2up:".
    game.state = game_tag::kTitle;
    player[1].score = 7;
    const int title = right_label_x();
    EXPECT_GE(title, 545 - 8 * 6);
    EXPECT_LT(title, 545 - 8 * 6 + 8);
}

TEST(Hud, PlayerLabelFlashesOnA60FrameCycleButStaysOnTheTitle) {
    fresh_game(true);
    game.state = game_tag::kPlay;
    game.cpflasher = 0;
    std::vector<bool> shown;
    for (int i = 0; i < 61; ++i) shown.push_back(player_label_shown());
    for (int i = 0; i < 28; ++i) EXPECT_TRUE(shown[i]) << "call " << i + 1;
    for (int i = 28; i < 60; ++i) EXPECT_FALSE(shown[i]) << "call " << i + 1;
    EXPECT_TRUE(shown[60]);

    game.state = game_tag::kTitle;
    game.cpflasher = 60;
    EXPECT_FALSE(player_label_shown()) << "the first title frame only resets the count";
    for (int i = 0; i < 40; ++i) EXPECT_TRUE(player_label_shown());
}

TEST(Hud, CentredTextIsPlacedByHalfItsWidth) {
    fresh_game(true);
    Cls();
    draw_shadow_text(5, 200, 255, 255, 255, "Quit game", 1);
    std::vector<uint8_t> rgb;
    ReadBackBuffer(rgb);
    const int x = leftmost(rgb, 0, 640, 190, 240, is_white);
    const int expected = 320 - TextWidth("Quit game") / 2;
    EXPECT_GE(x, expected);
    EXPECT_LT(x, expected + 6);
}
