// SPDX-License-Identifier: GPL-3.0-or-later
// The cauldron and the end of an area: the splash, the forgotten magic item, the bonus and
// the advance to the next area or level.
#include <gtest/gtest.h>

#include <algorithm>

#include "world/world_helpers.h"

namespace {

void hero_far_away() {
    hero().x = -1000;
    hero().y = -1000;
}

// A finished area as the cauldron leaves it: scenery in place, state 4, the hero gone.
void at_level_end(int level, int area, int item) {
    fresh_game();
    lay_out_grid();
    game.sound = 1;
    game.state = game_tag::kLevelEnd;
    game.item = item;
    game.fireballmaxtmr = 700;
    hero().level = level;
    hero().area = area;
    hero().score = 5000;
    hero_far_away();
    sounds_played();
}

std::vector<std::string> only(const std::vector<std::string>& sounds,
                              std::initializer_list<const char*> names) {
    std::vector<std::string> out;
    for (const std::string& s : sounds)
        if (std::find(names.begin(), names.end(), s) != names.end()) out.push_back(s);
    return out;
}

}  // namespace

TEST(Cauldron, OnlyInsideTheScreenWindowIsItAnimatedOrTouched) {
    const SolidSprites solid;
    for (int x : {680, -40, 900}) {
        fresh_game();
        game.state = game_tag::kPlay;
        game.cauldx = x;
        game.cauldy = 417;
        hero().x = static_cast<float>(x);
        hero().y = 417;
        game_tag::update_cauldron(0);
        EXPECT_EQ(game.cauldft, 0) << "x " << x;
        EXPECT_EQ(game.state, game_tag::kPlay) << "x " << x;
    }
    fresh_game();
    hero_far_away();
    game.cauldx = 681;
    game.cauldy = 417;
    game_tag::update_cauldron(-2);
    EXPECT_EQ(game.cauldx, 679);
    EXPECT_EQ(game.cauldft, 1);
    for (int i = 0; i < 35; ++i) game_tag::update_cauldron(0);
    EXPECT_EQ(game.cauldfc, 0) << "three pictures of twelve frames each, then around again";
    EXPECT_EQ(game.cauldft, 0);
    EXPECT_TRUE(drawing_state_restored());
}

TEST(Cauldron, TouchingItSplashesAndEndsTheArea) {
    const SolidSprites solid;  // a fresh game on solid squares
    game.sound = 1;
    game.state = game_tag::kPlay;
    game.cauldx = 500;
    game.cauldy = 417;
    hero().x = 495;
    hero().y = 400;
    sounds_played();
    game_tag::update_cauldron(0);
    EXPECT_EQ(game.state, game_tag::kLevelEnd);
    EXPECT_EQ(hero().x, 0);
    EXPECT_EQ(specialfx_list.Count(), 1);
    EXPECT_EQ(sounds_played(), std::vector<std::string>{"snd_splash"});
}

TEST(LevelEnd, ForgottenItemScrollsTheWorldBackAndReplaysTheArea) {
    at_level_end(1, 3, 0);
    for (map_tag& c : map_cells) c.x -= 402;  // cell 0 at -382
    const int before = FrameNumber();
    game_tag::end_level();
    EXPECT_EQ(FrameNumber() - before, 26);
    EXPECT_EQ(map_cells[0].x, 8);
    EXPECT_EQ(game.state, game_tag::kLevelIntro);
    EXPECT_EQ(hero().score, 5000);
    EXPECT_EQ(hero().area, 3);
    EXPECT_EQ(hero().level, 1);
    EXPECT_TRUE(only(sounds_played(), {"snd_bonus", "snd_wiskin"}).empty());

    // Already at the start: it still runs one frame.
    at_level_end(1, 3, 0);
    game_tag::end_level();
    EXPECT_EQ(map_cells[0].x, 35);
}

TEST(LevelEnd, CompletingAnAreaPaysTheBonusAndMovesOn) {
    at_level_end(1, 2, 0);  // areas 1 and 2 need no item
    const int before = FrameNumber();
    game_tag::end_level();
    // Pause 101, title 37, bonus 41, the payment picture 1, the fade 101.
    EXPECT_EQ(FrameNumber() - before, 281);
    EXPECT_EQ(hero().score, 5000 + 1100);
    EXPECT_EQ(game.topscore, 5000 + 1100) << "a bonus paid after play still counts";
    EXPECT_EQ(hero().area, 3);
    EXPECT_EQ(hero().level, 1);
    EXPECT_EQ(game.fireballmaxtmr, 700);
    EXPECT_EQ(game.state, game_tag::kLevelIntro);
    EXPECT_EQ(only(sounds_played(), {"snd_bonus", "snd_wiskin"}),
              (std::vector<std::string>{"snd_wiskin", "snd_wiskin", "snd_bonus"}));
}

TEST(LevelEnd, ThirdAreaWithTheItemAdvancesTheLevel) {
    at_level_end(2, 3, 1);
    game_tag::end_level();
    EXPECT_EQ(hero().score, 5000 + 2200);
    EXPECT_EQ(hero().area, 1);
    EXPECT_EQ(hero().level, 3);
    EXPECT_EQ(game.fireballmaxtmr, 600);

    at_level_end(5, 3, 1);
    game.fireballmaxtmr = 250;
    game_tag::end_level();
    EXPECT_EQ(hero().score, 5000 + 5200);
    EXPECT_EQ(hero().level, 6) << "the level intro starts the ending from here";
    EXPECT_EQ(hero().area, 1);
    EXPECT_EQ(game.fireballmaxtmr, 200);
    EXPECT_EQ(game.state, game_tag::kLevelIntro);
    game_tag::level_intro();
    EXPECT_EQ(game.state, game_tag::kEnding) << "no sixth level is loaded";
}

// Escape or a close request ends the game from the level end as from any screen, but only
// once the bonus is paid and counted towards the top score; the phases still to come are
// skipped.
TEST(LevelEnd, EscapeOrACloseQuitsOnceTheBonusIsPaid) {
    const int kTitleDone = 101 + 37;
    const struct {
        const char* control;
        int tap_after;  // frames of the level end shown when it comes; 0: before the first
    } cases[] = {
        {"escape", 0},
        {"escape", kTitleDone + 10},         // while the bonus shows
        {"close", kTitleDone + 41 + 1 + 5},  // during the fade
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(testing::Message() << k.control << " after " << k.tap_after << " frames");
        at_level_end(2, 2, 0);
        const int before = FrameNumber();
        if (k.tap_after == 0) tap(k.control);
        SetFlipHook([&](int frame) {
            if (frame - before == k.tap_after) tap(k.control);
        });
        game_tag::end_level();
        SetFlipHook(nullptr);
        EXPECT_EQ(FrameNumber() - before, std::max(k.tap_after, 1));
        EXPECT_EQ(hero().score, 5000 + 2100);
        EXPECT_EQ(game.topscore, 5000 + 2100);
        EXPECT_EQ(game.state, game_tag::kQuit);
    }
}

// The item left behind in a third area sends the hero back; with it the same cauldron
// completes the level.
TEST(LevelEnd, ThirdAreaCompletesOnceTheItemIsTaken) {
    at_level_end(4, 3, 0);
    game_tag::end_level();
    EXPECT_EQ(hero().area, 3);
    EXPECT_EQ(hero().score, 5000);
    game.item = 1;
    game_tag::end_level();
    EXPECT_EQ(hero().score, 5000 + 4200);
    EXPECT_EQ(hero().level, 5);
    EXPECT_EQ(hero().area, 1);
}
