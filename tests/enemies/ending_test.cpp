// SPDX-License-Identifier: GPL-3.0-or-later
// The ending sequence run for real: when the lives are paid, when the prompt takes the jump
// press, how long the picture spins away, and who plays next.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "support/test_game.h"

namespace {

struct presented {
    int score;
    int lives;
};

class EndingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fresh_game();
        game.state = game_tag::kEnding;
        game.players = 0;
        game.curplayer = 0;
        player[0].level = 6;
        player[0].area = 1;
        player[0].score = 1000;
        start_ = FrameNumber();
        SetFlipHook([this](int) {
            shown_.push_back({hero().score, hero().lives});
            if (shown_.size() > 3000) throw std::runtime_error("the ending never ends");
        });
    }
    void TearDown() override { SetFlipHook(nullptr); }

    // Frames presented before the score first reached `score` (1-based), or 0.
    int frame_of_score(int score) const {
        for (size_t i = 0; i < shown_.size(); ++i)
            if (shown_[i].score >= score) return static_cast<int>(i) + 1;
        return 0;
    }

    static void press_jump_at(int frame) {
        InputEvent e;
        e.frame = frame;
        e.action = InputAction::kTap;
        e.control = "jump";
        HeadlessQueueEvents({e});
    }

    int start_ = 0;
    std::vector<presented> shown_;
};

// The top score the game last saved; -1 when there is no file.
int saved_top_score() {
    std::ifstream in(ResolvePath("data\\hiscore.dat"), std::ios::binary);
    unsigned char b[4];
    if (!in.read(reinterpret_cast<char*>(b), 4)) return -1;
    return static_cast<int>(b[0] | b[1] << 8 | b[2] << 16 | static_cast<unsigned>(b[3]) << 24);
}

constexpr int kBeforeTheEnd = 563;  // frames until the final text, which pays the first life
constexpr int kSpinOut = 167;

}  // namespace

TEST_F(EndingTest, OneLifeIsPaidAtTheFinalTextAndAnEarlyPressEndsAtThePrompt) {
    player[0].lives = 1;
    tap("jump");  // long before the prompt; the press is still counted
    game_tag::the_ending();
    EXPECT_EQ(frame_of_score(6000), kBeforeTheEnd);
    EXPECT_EQ(shown_[kBeforeTheEnd - 2].score, 1000);
    // The prompt frame takes the press and is never presented; then the spin and one blank.
    EXPECT_EQ(static_cast<int>(shown_.size()), kBeforeTheEnd + kSpinOut + 1);
    EXPECT_EQ(player[0].score, 6000);
    EXPECT_EQ(game.topscore, 6000) << "the lives bonus counts towards the top score";
    EXPECT_EQ(saved_top_score(), 6000) << "and it is saved as the ending hands over";
    EXPECT_EQ(player[0].lives, 0);
    EXPECT_EQ(game.state, game_tag::kTitle);
    EXPECT_EQ(game.scmx, 640);
    EXPECT_EQ(game.scmy, 200);
    EXPECT_EQ(game.cauldx, 280);
    EXPECT_EQ(game.cauldy, 402);
    const auto sounds = sounds_played();
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "snd_bonus"), 1);
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "snd_magic"), 1);
}

TEST_F(EndingTest, ThreeLivesArePaidOneHundredAndOneFramesApart) {
    player[0].lives = 3;
    press_jump_at(start_ + 10);
    game_tag::the_ending();
    EXPECT_EQ(frame_of_score(6000), kBeforeTheEnd);
    EXPECT_EQ(frame_of_score(11000), kBeforeTheEnd + 101);
    EXPECT_EQ(frame_of_score(16000), kBeforeTheEnd + 202);
    EXPECT_EQ(frame_of_score(16001), 0);
    EXPECT_EQ(static_cast<int>(shown_.size()), kBeforeTheEnd + 202 + kSpinOut + 1);
}

TEST_F(EndingTest, WithoutAPressThePromptWaits) {
    player[0].lives = 1;
    press_jump_at(start_ + 900);
    game_tag::the_ending();
    EXPECT_EQ(static_cast<int>(shown_.size()), 899 + kSpinOut + 1);
    EXPECT_EQ(shown_[898].lives, 0);
}

TEST_F(EndingTest, TheFirstPlayerHandsOverAndTheSecondGoesToTheTitle) {
    game.players = 1;
    player[0].lives = 2;
    player[1].lives = 1;
    player[1].score = 500;
    tap("jump");
    game_tag::the_ending();
    EXPECT_EQ(game.state, game_tag::kLevelIntro);
    EXPECT_EQ(game.curplayer, 1);
    EXPECT_EQ(game.players, 0);
    EXPECT_EQ(player[0].lives, 0);
    EXPECT_EQ(player[0].score, 11000);
    EXPECT_EQ(player[1].score, 500);

    tap("jump");
    game_tag::the_ending();
    EXPECT_EQ(game.state, game_tag::kTitle);
    EXPECT_EQ(player[1].score, 5500);
    EXPECT_EQ(player[1].lives, 0);
    EXPECT_EQ(game.curplayer, 0) << "the next game starts with player 1";
    EXPECT_EQ(game.topscore, 11000) << "the better of the two players";
}

TEST_F(EndingTest, AClosedWindowDuringTheHeldButtonWaitQuits) {
    player[0].lives = 1;
    hold("joy0");  // pressed all along: it answers the prompt, then holds the game after it
    InputEvent close;
    close.frame = start_ + 5000;  // arrives while the game waits without presenting frames
    close.control = "close";
    HeadlessQueueEvents({close});
    game_tag::the_ending();
    EXPECT_EQ(game.state, game_tag::kQuit);
    release("joy0");
}
