// SPDX-License-Identifier: GPL-3.0-or-later
// One frame of play: input, every cell with its collision tests, the object lists, the hero,
// the fireball and the cauldron, then the rules of no single object. The call order is also
// the drawing order, back to front. destroy_all clears a level between lives and games.
#include "shell/globals.h"
#include "world/cell_walk.h"

namespace {
constexpr int kTrailPeriod = 2;  // a trail image once the timer passes this: every 3rd frame
constexpr float kTrailFade = 0.03f;
constexpr float kFlameSpawnX = 680.0f;  // just beyond the right edge of the screen
constexpr int kMagicForLife = 99;       // above this, the tokens buy a life
constexpr int kSparkleTurn = 5;         // degrees a power sparkle turns per frame
constexpr int kFxTrail = 0;
constexpr int kFxPowerSparkle = 5;

void spawn_power_sparkle(const player_tag& p) {
    // The order of the three draws matters for a replayed game: rotation, then y, then x.
    const int rotation = Int(Rnd(360, 0));
    const float y = static_cast<float>(static_cast<double>(p.y - 10) + Rnd(20, 0));
    const float x = static_cast<float>(static_cast<double>(p.x - 10) + Rnd(20, 0));
    specialfx_tag::Create(x, y, rotation, kSparkleTurn, 0.0f, 0.0f, kTrailFade, kFxPowerSparkle, 0);
}
}  // namespace

void game_tag::play_game() {
    const int dx = player_tag::get_inputs();
    player_tag& p = hero();

    // Cell by cell, so a cell's own update is seen by both collision tests at once. (The walk
    // passes over what cannot change anything: see world/cell_walk.h.)
    const HeroReach reach;
    walk_cells(dx, [&](int i) {
        map_cells[i].update(dx);
        fireball.collisions(i);
        if (reach.may_touch(p, map_cells[i])) p.collisions(i);
    });

    if (game.invincible != 0) {
        --game.invincible;
        ++game.tracertmr;
    }
    if (game.tracertmr > kTrailPeriod) {
        game.tracertmr = 0;
        specialfx_tag::Create(p.x, p.y, p.rotation, 0, 0.0f, 0.0f, kTrailFade, kFxTrail, 0);
    }

    // An object that removes itself stays valid until the walk ends, so collisions() still
    // runs for an object that died in its own update().
    specialfx_list.ForEach([&](specialfx_tag& fx) { fx.update(dx); });
    specialitem_list.ForEach([&](specialitem_tag& item) {
        item.update(dx);
        item.collisions();
    });
    elevator_list.ForEach([&](elevator_tag& lift) {
        lift.update(dx);
        lift.collisions(Int(p.x), Int(p.y));
    });
    monster_list.ForEach([&](monster_tag& m) {
        m.update(dx);
        m.collisions();
    });

    p.update();
    fireball.update(dx);
    update_cauldron(dx);

    // Third areas send a flame after the hero at a fixed interval, level with him.
    if (p.area == 3) {
        ++game.fireballtmr;
        if (game.fireballtmr >= game.fireballmaxtmr) {
            game.fireballtmr = 0;
            play_effect(snd_efireball);
            monster_tag::Create(kFlameSpawnX, p.y, -2.0f, 0.0f, 1.0f, 2.0f,
                                monster_tag::kFlyingFlame);
        }
    }

    if (p.power != 0 && game.invincible == 0) spawn_power_sparkle(p);

    if (p.magic > kMagicForLife) {
        p.magic = 0;
        ++p.lives;
        play_effect(snd_extralife);
    }

    keep_top_score(p);

    if (demo_playing == 1) {
        ++demo_pos;
        // The demo plays with the last game's score on show and never changes it.
        player[0].score = game.savesc;
        if (demo_pos >= demo_tag::kRecords) demo_pos = 0;
    }
}

void game_tag::destroy_all() {
    map_tag::reset();
    game.jump = 0;
    game.tovodeath = 0;
    game.invincible = 0;
    game.cauldx = 0;
    game.cauldy = 0;
    fireball.state = 0;
    game.fireballtmr = 0;
    player_tag& p = hero();
    p.ystp = 0.0f;
    p.yscale = 1.0f;
    elevator_list.Clear();
    specialfx_list.Clear();
    monster_list.Clear();
    specialitem_list.Clear();
}
