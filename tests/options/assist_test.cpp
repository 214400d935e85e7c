// SPDX-License-Identifier: GPL-3.0-or-later
// The assist in the play loop: nothing of a monster's touches the invincible hero, from the
// monsters themselves to their shots, flames and firebars, while water, lava and falls still
// do; a life lost with unlimited lives is not counted; an assisted game keeps no top score;
// the attract demo is never assisted.
#include "options/assist.h"

#include <functional>

#include "enemies/monster_fixture.h"
#include "options/install_options.h"
#include "platform/player_choices.h"
#include "shell/addon_hooks.h"
#include "shell/shell_helpers.h"

namespace {

class AssistTest : public MonsterTest {
  public:
    // The scenes below are written as functions of the fixture.
    using MonsterTest::frames;
    using MonsterTest::pin_hero;
    using MonsterTest::spawn;

  protected:
    void SetUp() override {
        MonsterTest::SetUp();
        install_options();
    }
    void TearDown() override {
        addon_hooks = addon_hooks_tag{};
        set_assist_in_force(AssistSettings{});
        ApplySettings(Settings{});
        MonsterTest::TearDown();
    }
    static void invincible() {
        AssistSettings a;
        a.invincible = true;
        set_assist_in_force(a);
    }
};

}  // namespace

TEST_F(AssistTest, NoMonsterShotFlameOrFirebarTouchesTheInvincibleHero) {
    // Each scene ends the designed hero; the invincible one plays on with his power, scores
    // nothing and leaves the monster as it was.
    struct Scene {
        const char* what;
        std::function<void(AssistTest&)> play;
    };
    const std::vector<Scene> scenes = {
        {"walking into a spiked turtle",
         [](AssistTest& t) {
             t.spawn(300, 200, 0, 0, monster_tag::kSpikedTurtle);
             t.pin_hero(300, 200);
             t.frames(2);
         }},
        {"walking into a lying shell",
         [](AssistTest& t) {
             t.spawn(300, 200, 0, 0, monster_tag::kShell).frame = 66;
             t.pin_hero(300, 200);
             t.frames(2);
         }},
        {"a flying flame",
         [](AssistTest& t) {
             t.spawn(300, 200, -2.0f, 0, monster_tag::kFlyingFlame);
             t.pin_hero(300, 200);
             t.frames(2);
         }},
        {"a firebar's arm",
         [](AssistTest& t) {
             monster_tag::Create(300, 300, -1.0f, 0, 1.0f, 1.0f, monster_tag::kFirebar);
             t.frames(10);
             t.pin_hero(300, 300 - 50);
             t.frames(2);
         }},
        {"a cannon's skull",
         [](AssistTest& t) {
             monster_tag::Create(899, 195, 0, 0, 1.0f, 1.0f, monster_tag::kCannon);
             t.pin_hero(700, 190);
             t.frames(60);
         }},
    };
    for (const Scene& scene : scenes) {
        for (const bool assisted : {false, true}) {
            MonsterTest::SetUp();
            if (assisted) invincible();
            // The designed hero has no power to lose, so the first touch ends him.
            hero().power = assisted ? 1 : 0;
            scene.play(*this);
            const bool alive = game.state == game_tag::kPlay;
            EXPECT_EQ(alive, assisted) << scene.what << (assisted ? " assisted" : " designed");
            if (!assisted) continue;
            EXPECT_EQ(hero().power, 1) << scene.what;
            EXPECT_EQ(game.invincible, 0) << scene.what << ": the star power's tint is not his";
            EXPECT_EQ(hero().score, 0) << scene.what;
            EXPECT_EQ(count_of(sounds_played(), "snd_powerdwn"), 0) << scene.what;
            set_assist_in_force(AssistSettings{});
        }
    }
    // Landing on a spider squashes it for the designed hero; the invincible one goes through.
    for (const bool assisted : {false, true}) {
        MonsterTest::SetUp();
        if (assisted) invincible();
        game.jump = 1;
        monster_tag& spider = spawn(300, 210, 0, 0, monster_tag::kSpider);
        pin_hero(300, 200);
        frames(1);
        EXPECT_EQ(spider.state, assisted ? 1 : 0);
        EXPECT_EQ(hero().score, assisted ? 0 : 150);
        set_assist_in_force(AssistSettings{});
    }
}

TEST_F(AssistTest, WaterLavaAndFallsStillKillTheInvincibleHero) {
    invincible();
    set_cell(7, 6, 94);  // water
    place_cells_as_loaded();
    player_tag& p = hero();
    p.x = cell(7, 6).x;
    p.y = cell(7, 6).y;
    play_frames(1);
    EXPECT_EQ(game.state, game_tag::kDeath);
    EXPECT_EQ(game.tovodeath, 2);

    empty_area_in_play();
    invincible();
    hero().y = 520;  // below the bottom edge
    play_frames(1);
    EXPECT_EQ(game.state, game_tag::kDeath);
}

TEST_F(AssistTest, UnlimitedLivesKeepTheCountAndAnAssistedGameKeepsNoTopScore) {
    AssistSettings a;
    a.unlimited_lives = true;
    set_assist_in_force(a);
    game.tovodeath = 1;
    game.state = game_tag::kDeath;
    game_tag::tovo_death();
    EXPECT_EQ(hero().lives, 3);
    EXPECT_EQ(game.state, game_tag::kLevelIntro);

    game.topscore = 500;
    hero().score = 900;
    keep_top_score(hero());
    EXPECT_EQ(game.topscore, 500);
    set_assist_in_force(AssistSettings{});
    keep_top_score(hero());
    EXPECT_EQ(game.topscore, 900);
}

TEST_F(AssistTest, AGameTakesTheAssistOfTheSettingsWhenItStartsAndTheDemoNone) {
    Settings s;
    s.assist_speed = 60;
    s.assist_invincible = true;
    ApplySettings(s);
    demo_playing = 0;
    game_tag::start_new();
    EXPECT_EQ(assist_in_force().speed, 60);
    EXPECT_TRUE(assist_in_force().invincible);
    EXPECT_EQ(FramePace(), 60);
    // Changing the settings later does not change the game under way.
    ApplySettings(Settings{});
    EXPECT_TRUE(assist_in_force().invincible);
    ApplySettings(s);
    demo_playing = 1;
    game_tag::start_new();
    EXPECT_FALSE(assist_on(assist_in_force()));
    EXPECT_EQ(FramePace(), 100);
    demo_playing = 0;
}
