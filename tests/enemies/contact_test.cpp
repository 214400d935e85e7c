// SPDX-License-Identifier: GPL-3.0-or-later
// Contact between monsters and the hero (stomps, kicks, hits, invincibility), the hero's
// fireball, and a shell knocking out other monsters.
#include "enemies/monster_fixture.h"

TEST_F(MonsterTest, LandingOnArmouredOrBurningMonstersHarmsNobody) {
    const int kinds[] = {monster_tag::kSpikedTurtle, monster_tag::kScorpion,
                         monster_tag::kCannon,       monster_tag::kHunchback,
                         monster_tag::kLeapingFlame, monster_tag::kFlyingFlame,
                         monster_tag::kLeapingFish};
    for (int typ : kinds) {
        SetUp();
        monster_tag& m = spawn(300, 200, 0, 0, typ);
        pin_hero(300, 180, 6.0f);
        game.jump = 0;
        frames(1);
        EXPECT_EQ(m.state, 1) << "kind " << typ;
        EXPECT_EQ(game.state, game_tag::kPlay) << "kind " << typ;
        EXPECT_EQ(hero().score, 0) << "kind " << typ;
        EXPECT_EQ(game.jump, 0) << "kind " << typ;
    }
    // The same touch without coming down on it is a hit.
    SetUp();
    spawn(300, 200, 0, 0, monster_tag::kSpikedTurtle);
    pin_hero(300, 180, 0);
    frames(1);
    EXPECT_EQ(game.state, game_tag::kDeath);
}

TEST_F(MonsterTest, AJumpingHeroTouchingASpiderFromTheSideLandsOnIt) {
    monster_tag& s = spawn(310, 200, -1.0f, 0, monster_tag::kSpider);
    pin_hero(290, 200);
    game.jump = 1;
    frames(1);
    EXPECT_EQ(s.state, 0);
    EXPECT_EQ(game.state, game_tag::kPlay);
}

TEST_F(MonsterTest, AStompedBatIsKilled) {
    monster_tag& b = spawn(300, 200, 0, 0, monster_tag::kBat);
    pin_hero(300, 176, 6.0f);
    frames(1);
    EXPECT_EQ(b.state, 0);
    EXPECT_EQ(b.rstp, -22);
    EXPECT_EQ(hero().score, 150);
    EXPECT_EQ(count_of(sounds_played(), "snd_edeath"), 1);
    ASSERT_EQ(specialfx_list.Count(), 1);
    EXPECT_EQ(specialfx_list.First()->point, "150");
}

TEST_F(MonsterTest, ATurtleTurnsIntoAShellThatEveryLandingKicksAndScores) {
    monster_tag& t = spawn(300, 200, -1.0f, 0, monster_tag::kTurtle);
    pin_hero(300, 186, 6.0f);
    frames(1);
    EXPECT_EQ(t.typ, monster_tag::kShell);
    EXPECT_EQ(t.state, 1);
    EXPECT_EQ(t.xstp, 0.0f) << "not kicked in the frame it became a shell";
    EXPECT_EQ(t.frame, 63);
    EXPECT_EQ(hero().score, 150);
    auto sounds = sounds_played();
    EXPECT_EQ(count_of(sounds, "snd_bonk"), 1);
    EXPECT_EQ(count_of(sounds, "snd_edeath"), 1);

    // From the left it slides right; from the right it slides left; each kick scores.
    pin_hero(t.x - 2, t.y - 14, 6.0f);
    frames(1);
    EXPECT_EQ(t.xstp, 4.0f);
    EXPECT_EQ(hero().score, 300);
    pin_hero(t.x + 6, t.y - 14, 6.0f);
    frames(1);
    EXPECT_EQ(t.xstp, -4.0f);
    EXPECT_EQ(hero().score, 450);
}

TEST_F(MonsterTest, AShellLyingStillHurtsAHeroWalkingIntoIt) {
    monster_tag& s = spawn(300, 200, 0, 0, monster_tag::kShell);
    s.frame = 66;
    pin_hero(300, 200);
    game.jump = 0;
    frames(1);
    EXPECT_EQ(game.state, game_tag::kDeath);
    EXPECT_EQ(game.tovodeath, 1);
}

TEST_F(MonsterTest, APoweredHeroHitGetsFiftyFramesInWhichTouchingKills) {
    hero().power = 1;
    game.setpoint = "50";
    specialfx_tag::Create(40, 40, 0, 0, 0, -1.0f, 0.01f, 4, 0);
    monster_tag& first = spawn(300, 200, 0, 0, monster_tag::kSpikedTurtle);
    pin_hero(300, 200);
    frames(1);
    EXPECT_EQ(hero().power, 0);
    EXPECT_EQ(game.invincible, 50);
    EXPECT_EQ(game.state, game_tag::kPlay);
    EXPECT_EQ(count_of(sounds_played(), "snd_powerdwn"), 1);
    EXPECT_EQ(first.state, 1);
    EXPECT_TRUE(specialfx_list.IsEmpty()) << "a hit clears every effect";

    frames(1);
    EXPECT_EQ(first.state, 0) << "touching it now kills it";
    EXPECT_EQ(hero().score, 150);

    frames(47);  // the 49th frame of invincibility has been played
    monster_tag& late = spawn(300, 200, 0, 0, monster_tag::kSpikedTurtle);
    frames(1);
    EXPECT_EQ(late.state, 0) << "the last frame still protects";
    EXPECT_EQ(game.invincible, 1);
    spawn(300, 200, 0, 0, monster_tag::kSpikedTurtle);
    frames(1);
    EXPECT_EQ(game.invincible, 0);
    EXPECT_EQ(game.state, game_tag::kDeath);
}

TEST_F(MonsterTest, TheFireballKillsEvenAKilledMonsterAgainButNotFlames) {
    monster_tag& m = spawn(300, 200, 0, 0, monster_tag::kSpikedTurtle);
    monster_tag& flame = spawn(500, 200, 0, 0, monster_tag::kFlyingFlame);
    auto throw_at = [](const monster_tag& target) {
        fireball.state = 1;
        fireball.x = target.x;
        fireball.y = target.y;
        fireball.xstp = 0;
        fireball.ystp = 0;
        fireball.frame = 26;
    };
    throw_at(m);
    frames(1);
    EXPECT_EQ(m.state, 0);
    EXPECT_EQ(m.ystp, 5.0f);
    EXPECT_EQ(fireball.state, 0);
    EXPECT_EQ(hero().score, 150);
    throw_at(m);
    frames(1);
    EXPECT_EQ(hero().score, 300) << "a killed monster scores again";
    throw_at(flame);
    frames(1);
    EXPECT_EQ(flame.state, 1);
    EXPECT_EQ(hero().score, 300);
}

TEST_F(MonsterTest, AShellKnocksOutMonstersItTouchesExceptAtItsOwnX) {
    hero().level = 2;
    monster_tag& shell = spawn(300, 200, 0, 0, monster_tag::kShell);
    shell.frame = 63;
    monster_tag& beside = spawn(318, 200, 0, 0, monster_tag::kBat);
    monster_tag& same_x = spawn(300.5f, 210, 0, 0, monster_tag::kCannon);
    frames(1);
    EXPECT_EQ(beside.state, 0);
    EXPECT_EQ(beside.rstp, -22);
    EXPECT_EQ(same_x.state, 1) << "the shell knows itself only by its x";
    EXPECT_EQ(shell.state, 1);
    EXPECT_EQ(hero().score, 600);
    EXPECT_EQ(count_of(sounds_played(), "snd_edeath"), 1);
}

TEST_F(MonsterTest, KillsScoreByTheLevelAndAreaBeingPlayed) {
    // 100 per level and 50 per area for the hero's own kills; the two terms weigh differently,
    // so areas away from 1-1 tell them apart. A shell's kill pays by the level alone.
    struct Case {
        int level, area, hero_kill, shell_kill;
    };
    for (Case c : {Case{1, 3, 250, 500}, Case{2, 1, 250, 600}, Case{3, 2, 400, 700}}) {
        SCOPED_TRACE("area " + std::to_string(c.level) + "-" + std::to_string(c.area));
        SetUp();
        hero().level = c.level;
        hero().area = c.area;
        monster_tag& stomped = spawn(300, 200, 0, 0, monster_tag::kBat);
        pin_hero(300, 176, 6.0f);
        frames(1);
        EXPECT_EQ(stomped.state, 0);
        EXPECT_EQ(hero().score, c.hero_kill) << "stomp";

        monster_tag& burnt = spawn(500, 200, 0, 0, monster_tag::kSpikedTurtle);
        pin_hero(100, 100);
        fireball.state = 1;
        fireball.x = burnt.x;
        fireball.y = burnt.y;
        fireball.xstp = fireball.ystp = 0;
        fireball.frame = 26;
        frames(1);
        EXPECT_EQ(burnt.state, 0);
        EXPECT_EQ(hero().score, 2 * c.hero_kill) << "fireball";

        monster_tag& shell = spawn(300, 400, 0, 0, monster_tag::kShell);
        shell.frame = 63;
        spawn(318, 400, 0, 0, monster_tag::kBat);
        frames(1);
        EXPECT_EQ(hero().score, 2 * c.hero_kill + c.shell_kill) << "shell";
    }
}
