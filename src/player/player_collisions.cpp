// SPDX-License-Identifier: GPL-3.0-or-later
// The hero against one map cell: hidden blocks, side pushes, landings and bumps, bricks and
// bonus blocks, the level's magic item, loose tokens and death in water or lava.
#include <string>

#include "shell/globals.h"

namespace {

constexpr int kUsedBlock = 8;
constexpr int kBrick = 4;
constexpr int kBonusBlock = 5;
constexpr int kRuneStone = 11;
constexpr int kToken = 28;
constexpr int kFirstItem = 100;
constexpr int kLastItem = 108;
constexpr int kWater = 94;
constexpr int kBlockJump = -10;
constexpr int kSidePush = 35;
constexpr int kSideBand = 20;
constexpr int kTopBottomLine = 18;
constexpr int kBumpBand = 21;

// Block contents.
constexpr int kNothing = 0;
constexpr int kOneToken = 1;
constexpr int kManyTokens = 2;
constexpr int kPowerItem = 3;
constexpr int kLifeItem = 4;
constexpr int kInvincibleItem = 5;
constexpr int kMultiFirstBump = 1;
constexpr int kMultiRunOut = 2;
constexpr int kMultiTime = 160;

// Pickup kinds.
constexpr int kPickupPower = 3;
constexpr int kPickupLife = 4;
constexpr int kPickupInvincible = 5;
constexpr int kPickupFire = 6;

void score_popup(const map_tag& c, float rise) {
    specialfx_tag::Create(c.x - 10, c.y - rise, 0, 0, 0, -1.0f, 0.01f, 4, 0);
}

void token_sparkle(const map_tag& c, float rise) {
    specialfx_tag::Create(c.x, c.y - rise, 0, 15, 0, -4.0f, 0.02f, 2, 0);
}

void pay_token(player_tag& p) {
    game.setpoint = "100";
    p.magic += 1;
    p.score += 100;
}

// A block holding a power item, an extra life or invincibility gives it up and is used; the
// power item is the fire orb for a hero who already has power.
void release_pickup(map_tag& c, int power) {
    int kind = 0;
    if (c.objectid == kPowerItem) kind = power >= 1 ? kPickupFire : kPickupPower;
    if (c.objectid == kLifeItem) kind = kPickupLife;
    if (c.objectid == kInvincibleItem) kind = kPickupInvincible;
    if (kind == 0) return;
    c.tile1 = kUsedBlock;
    play_effect(snd_popout);
    specialitem_tag::Create(c.x, c.y, kind);
}

}  // namespace

int player_tag::collisions(int cell) {
    if (cell < 0 || cell >= map_tag::kCells) return 0;
    map_tag& c = map_cells[cell];

    const int cx = Int(c.x);
    const int cy = Int(c.y);
    if (cx < 0 || cx > 640) return 0;

    auto touches = [&](int frame) {
        return ImagesCollide(img_sprites, Int(x), Int(y), kHeroFrame, img_sprites, cx, cy, frame);
    };

    // Only a jump opens a hidden block, never a plain bounce.
    if (c.tile1 < 4 && c.hidden == 1 && y > static_cast<float>(cy + kTopBottomLine) && ystp < 0 &&
        game.jump == 1 && touches(kUsedBlock)) {
        c.yoffset = kBlockJump;
        if (c.objectid == kNothing) {
            c.tile1 = kUsedBlock;
            score += 50;
            play_effect(snd_hidden);
        }
        if (c.objectid == kOneToken) {
            c.tile1 = kUsedBlock;
            pay_token(*this);
            score_popup(c, 40);
            token_sparkle(c, 40);
            play_effect(snd_magic);
        }
        release_pickup(c, power);
    }

    // Side push: five pixels of overlap are allowed between the two shapes.
    if (solid_for_hero(c.tile1) && touches(c.tile1)) {
        const bool level_with_tile =
            static_cast<float>(cy - kSideBand) < y && y < static_cast<float>(cy + kSideBand);
        if (x < static_cast<float>(cx) && level_with_tile) x = static_cast<float>(cx - kSidePush);
        if (x > static_cast<float>(cx) && level_with_tile) x = static_cast<float>(cx + kSidePush);
    }

    // Top and bottom, tested again with the position the push left.
    if (solid_for_hero(c.tile1) && touches(c.tile1)) {
        if (y < static_cast<float>(cy - kTopBottomLine)) {
            ystp = game.jump == 1 ? -4.0f : -3.0f;
            game.jump = 0;
            y = c.y - 40;
            yscale = 0.5f;
            rotation = 0;
            if (c.tile2 == kRuneStone) {
                ystp = -10.0f;
                c.yoffset = kBlockJump;
                play_effect(snd_runestone);
            } else {
                play_effect(snd_boing);
            }
        }
        if (y > static_cast<float>(cy + kTopBottomLine) && ystp <= 0 &&
            static_cast<float>(cx - kBumpBand) < x && x < static_cast<float>(cx + kBumpBand)) {
            play_effect(snd_bonk);
            ystp = 2.0f;
            yscale = 0.5f;
            rotation = 0;
            if (c.tile1 == kBrick || c.tile1 == kBonusBlock) {
                if (power >= 1 && c.objectid == kNothing) {
                    if (c.tile1 == kBonusBlock) {
                        const int v = Rand(1, 5) * 100;
                        c.tile1 = kUsedBlock;
                        c.yoffset = kBlockJump;
                        play_effect(snd_hidden);
                        game.setpoint = std::to_string(v);
                        score += v;
                        score_popup(c, 40);
                    } else {
                        c.tile1 = 0;
                        play_effect(snd_bash);
                        game.setpoint = "50";
                        score += 50;
                        const float fcx = static_cast<float>(cx);
                        const float fcy = static_cast<float>(cy);
                        specialfx_tag::Create(fcx, fcy, 0, -10, 2.0f, -6.0f, 0, 1, 0);
                        specialfx_tag::Create(fcx, fcy, 0, -10, 2.0f, -2.0f, 0, 1, 0);
                        specialfx_tag::Create(fcx, fcy, 0, -10, -2.0f, -6.0f, 0, 1, 0);
                        specialfx_tag::Create(fcx, fcy, 0, -10, -2.0f, -2.0f, 0, 1, 0);
                        score_popup(c, 20);
                    }
                } else {
                    c.yoffset = kBlockJump;
                    // An empty bonus block struck without power is used up for nothing.
                    if (c.tile1 == kBonusBlock && c.objectid == kNothing) {
                        c.tile1 = kUsedBlock;
                        play_effect(snd_hidden);
                    }
                }
                if (c.objectid == kOneToken) {
                    c.tile1 = kUsedBlock;
                    pay_token(*this);
                    c.objectid = kNothing;
                    score_popup(c, 40);
                    token_sparkle(c, 40);
                    play_effect(snd_magic);
                }
                if (c.objectid == kManyTokens) {
                    pay_token(*this);
                    if (c.multitmr == kMultiFirstBump) c.multitmr = kMultiTime;
                    if (c.multitmr == kMultiRunOut) {
                        c.multitmr = 0;
                        c.tile1 = kUsedBlock;
                    }
                    score_popup(c, 40);
                    token_sparkle(c, 40);
                    play_effect(snd_magic);
                }
                release_pickup(c, power);
            }
        }
    }

    // The level's magic item: level 1's item sits in element 4, level 5's in element 0.
    if (c.tile2 >= kFirstItem && c.tile2 <= kLastItem && touches(c.tile2)) {
        const int offset = c.tile2 - kFirstItem;
        if (offset % 2 == 0) item[4 - offset / 2] = 1;
        game.item = 1;
        c.tile2 = 0;
        play_effect(snd_magic);
    }

    if (c.tile2 == kToken && touches(kToken)) {
        c.tile2 = 0;
        pay_token(*this);
        token_sparkle(c, 0);
        score_popup(c, 40);
        play_effect(snd_magic);
    }

    if (deadly_liquid(c.tile1) && touches(c.tile1)) {
        game.tovodeath = 2;
        power = 0;
        specialfx_tag::reset();
        play_effect(snd_splash);
        specialfx_tag::Create(x, y - 10, 0, 0, 0, 0, 0, 3, c.tile1 == kWater ? 1 : 2);
        game.state = game_tag::kDeath;
    }
    return 0;
}
