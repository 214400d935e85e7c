// SPDX-License-Identifier: GPL-3.0-or-later
// The hero against single map cells: hidden blocks, the side push, landing before bumping,
// bricks and bonus blocks with and without power, block contents, items, tokens and liquid.
#include <set>

#include "hero_fixture.h"

namespace {

constexpr int kCol = 5;
constexpr int kRow = 6;

class CellTest : public HeroTest {
  protected:
    map_tag& block() { return cell(kCol, kRow); }
    int block_index() const { return index_of(kCol, kRow); }
    float bx() { return block().x; }
    float by() { return block().y; }
    // The hero just under the block's lower line, rising into it.
    void under_block(float ystp) {
        hero().x = static_cast<float>(Int(bx()));
        hero().y = static_cast<float>(Int(by()) + 19);
        hero().ystp = ystp;
    }
    void touch() { hero().collisions(block_index()); }
};

}  // namespace

TEST_F(CellTest, HiddenBlockOpensOnlyForAJumpFromBelowAndBumpsAtOnce) {
    block().hidden = 1;
    block().objectid = 0;

    game.jump = 0;  // a plain bounce
    under_block(-3.0f);
    touch();
    EXPECT_EQ(block().tile1, 0);

    game.jump = 1;  // falling
    under_block(0.5f);
    touch();
    EXPECT_EQ(block().tile1, 0);
    EXPECT_TRUE(sounds_played().empty());

    under_block(-3.0f);
    touch();
    EXPECT_EQ(block().tile1, 8);
    EXPECT_EQ(block().yoffset, -10);
    EXPECT_EQ(hero().score, 50);
    EXPECT_FLOAT_EQ(hero().ystp, 2.0f);
    EXPECT_FLOAT_EQ(hero().yscale, 0.5f);
    EXPECT_EQ(sounds_played(), (std::vector<std::string>{"snd_hidden", "snd_bonk"}));
}

TEST_F(CellTest, BlockContentsComeOutOfHiddenAndVisibleBlocksAlike) {
    const struct {
        int objectid;
        int power;
        int pickup;
    } cases[] = {{3, 0, 3}, {3, 1, 6}, {3, 2, 6}, {4, 0, 4}, {4, 1, 4}, {5, 0, 5}, {5, 2, 5}};
    for (bool hidden : {true, false}) {
        for (const auto& c : cases) {
            SetUp();
            if (hidden) {
                block().hidden = 1;
                game.jump = 1;
            } else {
                set_cell(kCol, kRow, 5);
            }
            block().objectid = c.objectid;
            hero().power = c.power;
            under_block(-3.0f);
            touch();
            const std::string what = std::string(hidden ? "hidden" : "visible") + " content " +
                                     std::to_string(c.objectid) + " power " +
                                     std::to_string(c.power);
            ASSERT_EQ(specialitem_list.Count(), 1) << what;
            EXPECT_EQ(specialitem_list.First()->typ, c.pickup) << what;
            EXPECT_FLOAT_EQ(specialitem_list.First()->x, bx()) << what;
            EXPECT_EQ(block().tile1, 8) << what;
            EXPECT_EQ(hero().score, 0) << what;
            // The block gives its content and the hero is bumped back down in the same call.
            const std::vector<std::string> sounds = sounds_played();
            EXPECT_NE(std::find(sounds.begin(), sounds.end(), "snd_popout"), sounds.end()) << what;
            EXPECT_NE(std::find(sounds.begin(), sounds.end(), "snd_bonk"), sounds.end()) << what;
            EXPECT_FLOAT_EQ(hero().ystp, 2.0f) << what;
        }
    }

    // A hidden token pays like a visible one.
    SetUp();
    block().hidden = 1;
    block().objectid = 1;
    game.jump = 1;
    under_block(-3.0f);
    touch();
    EXPECT_EQ(hero().score, 100);
    EXPECT_EQ(hero().magic, 1);
    EXPECT_EQ(game.setpoint, "100");
    EXPECT_EQ(specialfx_list.Count(), 2);  // the score and the token flying up
}

TEST_F(CellTest, LandingComesBeforeBumping) {
    set_cell(kCol, kRow, 6);
    // Above the upper line the hero lands, even while still rising.
    hero().x = bx();
    hero().y = static_cast<float>(Int(by()) - 19);
    hero().ystp = -2.0f;
    touch();
    EXPECT_FLOAT_EQ(hero().ystp, -3.0f);
    EXPECT_EQ(sounds_played(), std::vector<std::string>{"snd_boing"});

    // Below the lower line only a hero that is not falling is bumped.
    under_block(0.5f);
    touch();
    EXPECT_FLOAT_EQ(hero().ystp, 0.5f);
    under_block(0.0f);
    touch();
    EXPECT_FLOAT_EQ(hero().ystp, 2.0f);
    EXPECT_EQ(sounds_played(), std::vector<std::string>{"snd_bonk"});

    // Below both side lines, only a hero less than 21 pixels off the centre is bumped.
    for (int off : {-21, -20, 20, 21}) {
        hero().x = static_cast<float>(Int(bx()) + off);
        hero().y = static_cast<float>(Int(by()) + 21);
        hero().ystp = -1.0f;
        ASSERT_TRUE(ImagesCollide(img_sprites, Int(hero().x), Int(hero().y), 30, img_sprites,
                                  Int(bx()), Int(by()), 6))
            << "offset " << off;
        touch();
        EXPECT_FLOAT_EQ(hero().ystp, off == -20 || off == 20 ? 2.0f : -1.0f) << "offset " << off;
        EXPECT_FLOAT_EQ(hero().x, static_cast<float>(Int(bx()) + off)) << "offset " << off;
    }
}

TEST_F(CellTest, LandingBouncesHigherAfterAJumpAndRuneStonesSpring) {
    set_cell(kCol, kRow, 6);
    const float top = by() - 40;

    hero().x = bx();
    hero().y = static_cast<float>(Int(by()) - 19);
    hero().ystp = 3.0f;
    hero().rotation = 90;
    game.jump = 0;
    touch();
    EXPECT_FLOAT_EQ(hero().y, top);
    EXPECT_FLOAT_EQ(hero().ystp, -3.0f);
    EXPECT_FLOAT_EQ(hero().yscale, 0.5f);
    EXPECT_EQ(hero().rotation, 0);
    EXPECT_EQ(sounds_played(), std::vector<std::string>{"snd_boing"});

    hero().y = static_cast<float>(Int(by()) - 19);
    game.jump = 1;
    touch();
    EXPECT_FLOAT_EQ(hero().ystp, -4.0f);
    EXPECT_EQ(game.jump, 0);

    block().tile2 = 11;
    hero().y = static_cast<float>(Int(by()) - 19);
    touch();
    EXPECT_FLOAT_EQ(hero().ystp, -10.0f);
    EXPECT_EQ(block().yoffset, -10);
    EXPECT_EQ(sounds_played(), (std::vector<std::string>{"snd_boing", "snd_runestone"}));
}

TEST_F(CellTest, BetweenTheLinesOnlyTheSidePushActs) {
    set_cell(kCol, kRow, 7);
    const int cx = Int(bx());
    hero().y = by();
    hero().ystp = 1.5f;

    hero().x = static_cast<float>(cx - 30);
    touch();
    EXPECT_FLOAT_EQ(hero().x, static_cast<float>(cx - 35));

    hero().x = static_cast<float>(cx + 30);
    touch();
    EXPECT_FLOAT_EQ(hero().x, static_cast<float>(cx + 35));
    EXPECT_FLOAT_EQ(hero().ystp, 1.5f);
    EXPECT_TRUE(sounds_played().empty());
}

TEST_F(CellTest, BricksBreakOnlyWithPower) {
    set_cell(kCol, kRow, 4);
    under_block(-2.0f);
    touch();
    EXPECT_EQ(block().tile1, 4);
    EXPECT_EQ(block().yoffset, -10);
    EXPECT_EQ(hero().score, 0);
    EXPECT_EQ(sounds_played(), std::vector<std::string>{"snd_bonk"});

    hero().power = 1;
    under_block(-2.0f);
    touch();
    EXPECT_EQ(block().tile1, 0);
    EXPECT_EQ(hero().score, 50);
    EXPECT_EQ(game.setpoint, "50");
    EXPECT_EQ(specialfx_list.Count(), 5);  // four pieces and the score
    EXPECT_EQ(sounds_played(), (std::vector<std::string>{"snd_bonk", "snd_bash"}));
}

TEST_F(CellTest, EmptyBonusBlockPaysOnlyWithPower) {
    set_cell(kCol, kRow, 5);
    under_block(-2.0f);
    touch();
    EXPECT_EQ(block().tile1, 8);
    EXPECT_EQ(hero().score, 0);

    std::set<int> seen;
    hero().power = 1;
    for (int i = 0; i < 60; ++i) {
        block().tile1 = 5;
        const int before = hero().score;
        under_block(-2.0f);
        touch();
        const int v = hero().score - before;
        EXPECT_EQ(v % 100, 0);
        EXPECT_GE(v, 100);
        EXPECT_LE(v, 500);
        EXPECT_EQ(game.setpoint, std::to_string(v));
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 5u);
}

TEST_F(CellTest, TokenBlockPaysOnceWithOrWithoutPower) {
    for (int power : {0, 1}) {
        set_cell(kCol, kRow, 5);
        block().objectid = 1;
        hero().power = power;
        hero().score = 0;
        hero().magic = 0;
        under_block(-2.0f);
        touch();
        under_block(-2.0f);
        touch();
        EXPECT_EQ(hero().score, 100) << "power " << power;
        EXPECT_EQ(hero().magic, 1);
        EXPECT_EQ(block().tile1, 8);
        EXPECT_EQ(block().objectid, 0);
    }
}

TEST_F(CellTest, MultiTokenBlockPaysUntilItsTimeRunsOut) {
    set_cell(kCol, kRow, 4);
    block().objectid = 2;
    block().multitmr = 1;
    under_block(-2.0f);
    touch();
    EXPECT_EQ(block().multitmr, 160);
    EXPECT_EQ(hero().magic, 1);

    block().multitmr = 2;  // the cell's timer has run down
    under_block(-2.0f);
    touch();
    EXPECT_EQ(hero().magic, 2);
    EXPECT_EQ(block().tile1, 8);
    EXPECT_EQ(block().multitmr, 0);
}

TEST_F(CellTest, CellsOffTheScreenAreSkipped) {
    for (float x : {-1.0f, 0.0f, 640.0f, 641.0f}) {
        set_cell(kCol, kRow, 6);
        block().x = x;
        hero().x = x;
        hero().y = by() - 20;
        hero().ystp = 3.0f;
        touch();
        const bool landed = hero().ystp < 0;
        EXPECT_EQ(landed, x == 0.0f || x == 640.0f) << "cell at x " << x;
    }
}

TEST_F(CellTest, MagicItemSetsTheReversedFlagAndTokensPay) {
    set_cell(kCol, kRow, 0, 104);
    hero().x = bx();
    hero().y = by();
    touch();
    EXPECT_EQ(hero().item[2], 1);
    EXPECT_EQ(hero().item[4], 0);
    EXPECT_EQ(game.item, 1);
    EXPECT_EQ(block().tile2, 0);
    EXPECT_EQ(hero().score, 0);

    set_cell(kCol, kRow, 0, 100);
    touch();
    EXPECT_EQ(hero().item[4], 1);

    // The odd codes between the items are collected but mark no level.
    hero().item[4] = 0;
    hero().item[2] = 0;
    game.item = 0;
    set_cell(kCol, kRow, 0, 101);
    touch();
    EXPECT_EQ(game.item, 1);
    EXPECT_EQ(block().tile2, 0);
    for (int flag : hero().item) EXPECT_EQ(flag, 0);

    set_cell(kCol, kRow, 0, 28);
    touch();
    EXPECT_EQ(block().tile2, 0);
    EXPECT_EQ(hero().magic, 1);
    EXPECT_EQ(hero().score, 100);
}

TEST_F(CellTest, LiquidKillsWithASplashOfItsColour) {
    for (int tile : {94, 95}) {
        SetUp();
        specialfx_tag::Create(10, 10, 0, 0, 0, 0, 0.01f, 2, 0);
        set_cell(kCol, kRow, tile);
        hero().power = 2;
        hero().x = bx();
        hero().y = by();
        touch();
        EXPECT_EQ(game.state, game_tag::kDeath);
        EXPECT_EQ(game.tovodeath, 2);
        EXPECT_EQ(hero().power, 0);
        ASSERT_EQ(specialfx_list.Count(), 1);
        EXPECT_EQ(specialfx_list.First()->typ, 3);
        EXPECT_EQ(specialfx_list.First()->clr, tile == 94 ? 1 : 2);
        EXPECT_EQ(sounds_played(), std::vector<std::string>{"snd_splash"});
    }
}
