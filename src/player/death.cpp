// SPDX-License-Identifier: GPL-3.0-or-later
// The hero's death: the scene chosen by how he died, the witch's laugh, the lost life and
// power, the turn passing in a two-player game, and the way on to the announcement or game over.
#include "shell/addon_hooks.h"
#include "shell/globals.h"
#include "shell/held_button_wait.h"

namespace {

constexpr int kSplashFrame = 110;
constexpr int kLiquidFrames = 150;
constexpr int kLaughFrames = 100;

void draw_map_still() {
    for (map_tag& c : map_cells) c.update(0);
}

// Each scene answers true when the player quit during it.

// The hero, huge in an empty screen, shrinks and turns; a splash grows where he vanished.
bool fall_scene(int r) {
    float s = 8.0f;
    play_effect(snd_jdeath1);
    do {
        Cls();
        SetTransform(static_cast<float>(r), s, s);
        DrawImage(img_sprites, 320, 240, kHeroFrame);
        SetTransform(0, 1, 1);
        game_tag::display();
        s -= 0.1f;
        r += 5;
        if (frame_end_or_quit()) return true;
    } while (s >= 0.2f);

    float a = 1.0f;
    play_effect(snd_splash);
    do {
        Cls();
        SetAlpha(a);
        SetBlend(3);
        SetTransform(static_cast<float>(r), s, s);
        DrawImage(img_sprites, 320, 240, kSplashFrame);
        SetTransform(0, 1, 1);
        SetAlpha(2.0f);
        game_tag::display();
        a -= 0.01f;
        s += 0.02f;
        r -= 2;
        if (frame_end_or_quit()) return true;
    } while (a >= 0.1f);
    return false;
}

// The hero narrows to nothing, as if turning edge-on, while he rises over the still map.
bool monster_scene(player_tag& p) {
    float w = 1.0f;
    play_effect(snd_jdeath2);
    do {
        Cls();
        draw_map_still();
        SetBlend(1);
        SetTransform(0, w, 1.0f);
        DrawImage(img_sprites, p.x, p.y, kHeroFrame);
        SetTransform(0, 1, 1);
        game_tag::display();
        w -= 0.02f;
        p.y -= 5.0f;
        if (frame_end_or_quit()) return true;
    } while (w > 0);
    return false;
}

// The splash made by the liquid plays out over the still map; the hero is not drawn.
bool liquid_scene() {
    for (int i = 0; i < kLiquidFrames; ++i) {
        Cls();
        draw_map_still();
        game_tag::display();
        specialfx_list.ForEach([](specialfx_tag& fx) { fx.update(0); });
        if (frame_end_or_quit()) return true;
    }
    return false;
}

bool death_scene(player_tag& p, int r) {
    switch (game.tovodeath) {
        case 0:
            return fall_scene(r);
        case 1:
            return monster_scene(p);
        case 2:
            return liquid_scene();
        default:
            return false;
    }
}

}  // namespace

void game_tag::tovo_death() {
    player_tag& p = hero();
    p.power = 0;
    p.magic = 0;
    // The level's magic item must be found again.
    if (p.level >= 1 && p.level <= 5) p.item[5 - p.level] = 0;
    const int r = p.rotation;

    if (death_scene(p, r)) return;

    game.wlaugh = 1;
    play_effect(snd_witch);
    for (int i = 0; i < kLaughFrames; ++i) {
        Cls();
        display();
        if (frame_end_or_quit()) return;
    }
    game.wlaugh = 0;

    if (!addon_hooks.lives_unlimited || !addon_hooks.lives_unlimited()) p.lives -= 1;
    p.power = 0;
    game.state = p.lives <= 0 ? kGameOver : kLevelIntro;

    if (game.players != 0 && game.state != kGameOver) {
        if (player[0].lives > 0 && player[1].lives > 0) game.curplayer = 1 - game.curplayer;
    }

    FlushKeys();
    FlushMouse();
    wait_while_jump_button_held();

    destroy_all();
}
