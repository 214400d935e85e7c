// SPDX-License-Identifier: GPL-3.0-or-later
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

namespace {
// The part of a picture inside [x0, x1) x [y0, y1).
std::vector<uint8_t> region(const std::vector<uint8_t>& rgb, int x0, int x1, int y0, int y1) {
    std::vector<uint8_t> out;
    for (int y = y0; y < y1; ++y) {
        const auto row = rgb.begin() + (static_cast<ptrdiff_t>(y) * 640 + x0) * 3;
        out.insert(out.end(), row, row + (x1 - x0) * 3);
    }
    return out;
}

// Texts alone on a black picture, printed the way the HUD prints.
struct Text {
    int x, y, r, g, b;
    std::string text;
};
std::vector<uint8_t> text_picture(const std::vector<Text>& texts) {
    Cls();
    for (const Text& t : texts) draw_shadow_text(t.x, t.y, t.r, t.g, t.b, t.text, 0);
    std::vector<uint8_t> rgb;
    ReadBackBuffer(rgb);
    return rgb;
}
}  // namespace

TEST(Hud, ShowsTheCurrentPlayersLabelScoreAndLives) {
    fresh_game(true);
    game.state = game_tag::kPlay;
    game.cpflasher = 0;
    player[0].score = 11;
    player[0].lives = 2;
    player[1].score = 98765;
    player[1].lives = 7;
    game.curplayer = 1;
    const std::vector<uint8_t> hud = hud_picture();
    // The label and score left of the top score, and the lives count beside the icon.
    const std::vector<uint8_t> expected =
        text_picture({{70, 2, 0, 255, 255, "2up:"}, {118, 2, 255, 255, 255, "98765"}});
    EXPECT_EQ(region(hud, 60, 250, 0, 30), region(expected, 60, 250, 0, 30));
    const std::vector<uint8_t> lives = text_picture({{22, 452, 255, 255, 0, "x7"}});
    EXPECT_EQ(region(hud, 30, 80, 450, 480), region(lives, 30, 80, 450, 480));
}

TEST(Hud, ItemsFillInFromTheBookOnTheRight) {
    fresh_game(true);
    game.state = game_tag::kPlay;
    const std::vector<uint8_t> none = hud_picture();
    // The pictures overlap their neighbours, so each item k is judged by the middle of its
    // own, around x 620 - 30k, which no neighbour or shadow reaches.
    for (int k = 0; k < 5; ++k) {
        for (int& it : hero().item) it = 0;
        hero().item[k] = 1;
        const std::vector<uint8_t> one = hud_picture();
        for (int j = 0; j < 5; ++j) {
            const int x0 = 620 - 30 * j - 7;
            const int x1 = 620 - 30 * j + 10;
            const bool changed = region(one, x0, x1, 440, 480) != region(none, x0, x1, 440, 480);
            EXPECT_EQ(changed, j == k) << "item " << k << ", box " << j;
        }
    }
}

TEST(Hud, TheWitchLaughsFiveFramesInTenOnlyWhileWlaughIsSet) {
    fresh_game(true);
    game.state = game_tag::kPlay;
    // Both corners: the left head and the right one, which faces the other way.
    const auto corners = [] {
        const std::vector<uint8_t> hud = hud_picture();
        std::vector<uint8_t> both = region(hud, 0, 40, 0, 56);
        const std::vector<uint8_t> right = region(hud, 600, 640, 0, 56);
        both.insert(both.end(), right.begin(), right.end());
        return both;
    };
    const std::vector<uint8_t> still = corners();
    game.wlaugh = 1;
    game.wltimer = 0;
    std::string seen;
    for (int i = 0; i < 20; ++i) seen += corners() == still ? '.' : 'L';
    // The timer counts before it is read: 1..4 still, 5..9 laughing, then 0..4 still again.
    EXPECT_EQ(seen, "....LLLLL.....LLLLL.");
    game.wlaugh = 0;
    const int timer = game.wltimer;
    EXPECT_EQ(corners(), still);
    EXPECT_EQ(game.wltimer, timer) << "the timer keeps its value while she is quiet";
}
