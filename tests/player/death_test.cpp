// SPDX-License-Identifier: GPL-3.0-or-later
// The death sequence and the game-over screen: the length and sounds of each scene, the
// losses, lives, turns for one and two players, the held-button wait and the hand-over.
#include "hero_fixture.h"

namespace {

class DeathTest : public HeroTest {
  protected:
    void SetUp() override {
        HeroTest::SetUp();
        game.state = game_tag::kDeath;
    }
    // Frames presented by one call of the routine.
    static int frames_of(void (*routine)()) {
        const int before = FrameNumber();
        routine();
        return FrameNumber() - before;
    }
};

}  // namespace

TEST_F(DeathTest, EachKindOfDeathHasItsSceneThenTheWitchLaughs) {
    const struct {
        int kind;
        int frames;
        std::vector<std::string> sounds;
    } cases[] = {
        {0, 79 + 91 + 100, {"snd_jdeath1", "snd_splash", "snd_witch"}},
        {1, 51 + 100, {"snd_jdeath2", "snd_witch"}},
        {2, 150 + 100, {"snd_witch"}},
        {9, 100, {"snd_witch"}},
    };
    for (const auto& c : cases) {
        SetUp();
        game.tovodeath = c.kind;
        const float y = hero().y;
        EXPECT_EQ(frames_of(&game_tag::tovo_death), c.frames) << "kind " << c.kind;
        EXPECT_EQ(sounds_played(), c.sounds) << "kind " << c.kind;
        EXPECT_EQ(game.wlaugh, 0);
        EXPECT_EQ(game.tovodeath, 0);  // cleared with the level
        if (c.kind == 1) {
            EXPECT_FLOAT_EQ(hero().y, y - 51 * 5.0f);
        }
    }
}

TEST_F(DeathTest, ADeathCostsALifePowerMagicAndTheLevelsItem) {
    player_tag& p = hero();
    p.level = 3;
    p.power = 2;
    p.magic = 42;
    p.score = 1234;
    p.item[2] = 1;
    p.item[4] = 1;
    game.tovodeath = 9;
    game.jump = 1;
    game_tag::tovo_death();
    EXPECT_EQ(p.lives, 2);
    EXPECT_EQ(p.power, 0);
    EXPECT_EQ(p.magic, 0);
    EXPECT_EQ(p.score, 1234);
    EXPECT_EQ(p.item[2], 0);
    EXPECT_EQ(p.item[4], 1);
    EXPECT_EQ(game.state, game_tag::kLevelIntro);
    EXPECT_EQ(game.jump, 0);
    EXPECT_FLOAT_EQ(p.ystp, 0.0f);

    p.lives = 1;
    game.tovodeath = 9;
    game_tag::tovo_death();
    EXPECT_EQ(game.state, game_tag::kGameOver);
}

TEST_F(DeathTest, TurnsPassOnlyWhileBothPlayersHaveLives) {
    game.players = 1;
    player[0].lives = 3;
    player[1].lives = 3;
    game.tovodeath = 9;
    game_tag::tovo_death();
    EXPECT_EQ(game.curplayer, 1);

    player[0].lives = 0;  // player 1 is out: player 2 goes on
    game.tovodeath = 9;
    game_tag::tovo_death();
    EXPECT_EQ(game.curplayer, 1);
    EXPECT_EQ(player[1].lives, 2);

    player[1].lives = 1;
    game.tovodeath = 9;
    game_tag::tovo_death();  // last life: no turn, game over
    EXPECT_EQ(game.state, game_tag::kGameOver);
    EXPECT_EQ(game.curplayer, 1);
}

TEST_F(DeathTest, AHeldJumpButtonHoldsTheGameUntilReleased) {
    // The headless clock reports a wait that can never end; leave it by an exception.
    struct held {};
    SetStallHook([] { throw held{}; });
    hold("joy0");
    game.tovodeath = 9;
    game.jump = 1;
    EXPECT_THROW(game_tag::tovo_death(), held);
    EXPECT_EQ(game.jump, 1);  // still waiting: the level was not cleared yet
    EXPECT_EQ(hero().lives, 2);

    release("joy0");
    game.tovodeath = 9;
    game_tag::tovo_death();
    EXPECT_EQ(game.jump, 0);
}

TEST_F(DeathTest, GameOverHandsATwoPlayerGameToTheOtherPlayer) {
    game.players = 1;
    game.curplayer = 0;
    player[0].lives = 1;
    player[1].lives = 2;
    game.tovodeath = 9;
    game_tag::tovo_death();
    ASSERT_EQ(game.state, game_tag::kGameOver);
    EXPECT_EQ(game.curplayer, 0);  // the loser sees its own game over

    EXPECT_EQ(frames_of(&game_tag::game_over), 200 + 101);
    EXPECT_EQ(game.state, game_tag::kLevelIntro);
    EXPECT_EQ(game.players, 0);
    EXPECT_EQ(game.curplayer, 1);

    // The survivor's own last life ends at the title.
    player[1].lives = 1;
    game.scmx = 5;
    demo_next = 3;
    game.tovodeath = 9;
    game_tag::tovo_death();
    game_tag::game_over();
    EXPECT_EQ(game.state, game_tag::kTitle);
    EXPECT_EQ(game.curplayer, 0);
    EXPECT_EQ(demo_next, 1);
    EXPECT_EQ(game.scmx, 640);
    EXPECT_EQ(game.scmy, 200);
    EXPECT_EQ(game.cpflasher, 0);
}

TEST_F(DeathTest, AHeroWithNoLivesLeftStillEndsInGameOver) {
    // Whatever let a hero without lives play on, his death must not loop back into the level.
    hero().lives = 0;
    game.tovodeath = 9;
    game_tag::tovo_death();
    EXPECT_EQ(game.state, game_tag::kGameOver);
}

TEST_F(DeathTest, AClosedWindowEndsTheHeldButtonWaits) {
    for (void (*routine)() : {&game_tag::tovo_death, &game_tag::game_over}) {
        SetUp();
        game.tovodeath = 9;
        hold("joy0");
        InputEvent close;
        close.control = "close";
        HeadlessApply(close);
        routine();
        EXPECT_EQ(game.state, game_tag::kQuit);
        release("joy0");
    }
}
