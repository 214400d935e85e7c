// SPDX-License-Identifier: GPL-3.0-or-later
// The ending: the hero rises from the witch's cauldron and becomes a man again, the witch turns
// into a bouncing pumpkin, the five items circle, the lives are paid out, and the picture spins
// away before the other player's turn or the title screen.
#include <cmath>
#include <numbers>

#include "enemies/degrees.h"
#include "shell/globals.h"
#include "shell/held_button_wait.h"

namespace {

constexpr int kLifeBonus = 5000;
constexpr int kBonusPace = 100;  // frames between two paid lives, less one

float rnd(double a, double b) {
    return static_cast<float>(Rnd(a, b));
}

// Every random draw is its own statement, so the order of the draws is fixed.
void random_alpha() {
    SetAlpha(rnd(0.1, 1.0));
}

// A figure of the second sheet with its flickering blue glow, turning as it grows or shrinks.
void draw_glowing(float x, float y, int glow_frame, int frame, float scale, int spin) {
    random_alpha();
    const float gx = scale + rnd(0, 0.3);
    const float gy = scale + 0.6f + rnd(0, 0.3);
    SetScale(gx, gy);
    DrawImage(img_sprites2, x, y, glow_frame);
    SetAlpha(1.0f);
    const float sx = scale + rnd(0, 0.3);
    const float sy = scale + rnd(0, 0.3);
    SetTransform(static_cast<float>(spin), sx, sy);
    DrawImage(img_sprites2, x, y, frame);
}

struct ending_scene {
    int hero_phase = 0;   // 0 waiting, 1 pumpkin rising, 2 changing into a man, 3 man floating
    int witch_phase = 0;  // 0 standing, 1 shrinking away, 2 bouncing pumpkin
    int timer = 0;
    float hero_y = 0;
    float hero_speed = 0;
    float man_scale = 0;
    float witch_y = 0;
    float witch_speed = 0;
    float witch_scale = 0;
    int spin = 0;
    int item_angle[5] = {0, 72, 144, 216, 288};
    int item_spin = 0;

    void draw_witch();
    void draw_hero();
    void draw_items();
    // True once the player has confirmed the end.
    bool texts();
};

void ending_scene::draw_witch() {
    switch (witch_phase) {
        case 0:
            SetScale(2.0f, 2.6f);
            DrawImage(img_sprites2, 400, 388, 3);
            break;
        case 1: {
            draw_glowing(400, 388, 0, 3, witch_scale, spin);
            spin += 15;
            witch_scale -= 0.01f;
            if (witch_scale < 0.1f) {
                witch_phase = 2;
                witch_y = 400;
                witch_speed = 2.0f;
                witch_scale = 1.2f;
            }
            break;
        }
        case 2: {
            random_alpha();
            const float gx = 1.2f + rnd(0, 0.5);
            const float gy = witch_scale + 0.1f + rnd(0, 0.5);
            SetScale(gx, gy);
            DrawImage(img_sprites2, 400, witch_y, 5);
            SetAlpha(1.0f);
            SetScale(1.2f, witch_scale);
            DrawImage(img_sprites2, 400, witch_y, 4);
            witch_y += witch_speed;
            if (witch_scale < 1.2f) witch_scale += 0.1f;
            if (witch_y < 370) witch_speed = 2.0f;
            if (witch_y > 420) {
                witch_speed = -2.0f;
                witch_scale = 0.3f;  // squashed at the bottom of the bounce
            }
            break;
        }
        default:
            break;
    }
}

void ending_scene::draw_hero() {
    switch (hero_phase) {
        case 0:
            timer += 1;
            if (timer > 200) {
                hero_phase = 1;
                hero_y = 350.0f;
            }
            break;
        case 1: {
            random_alpha();
            const float gx = 1.2f + rnd(0, 1.2);
            const float gy = 1.2f + rnd(0, 1.2);
            SetTransform(static_cast<float>(spin), gx, gy);
            DrawImage(img_sprites, 280, hero_y, 96);
            SetAlpha(1.0f);
            SetTransform(static_cast<float>(spin), 1.2f, 1.2f);
            DrawImage(img_sprites, 280, hero_y, kHeroFrame);
            spin += 10;
            hero_y -= 1.0f;
            if (hero_y < 180) {
                hero_phase = 2;
                witch_phase = 1;
                man_scale = 0.1f;
                witch_scale = 2.0f;
            }
            break;
        }
        case 2: {
            draw_glowing(280, 180, 2, 1, man_scale, spin);
            spin += 15;
            man_scale += 0.01f;
            if (man_scale > 2.0f) {
                hero_phase = 3;
                hero_speed = -0.5f;
            }
            break;
        }
        case 3: {
            random_alpha();
            const float gx = 2.0f + rnd(0, 0.3);
            const float gy = 2.6f + rnd(0, 0.3);
            SetScale(gx, gy);
            DrawImage(img_sprites2, 280, hero_y, 2);
            SetAlpha(1.0f);
            SetScale(2.0f, 2.6f);
            DrawImage(img_sprites2, 280, hero_y, 1);
            hero_y += hero_speed;
            if (hero_y > 180) hero_speed = -0.5f;
            if (hero_y < 160) hero_speed = 0.5f;
            break;
        }
        default:
            break;
    }
}

void ending_scene::draw_items() {
    for (int m = 0; m < 5; ++m) {
        const int frame = 100 + 2 * m + Int(Rnd(0, 2));  // outline or colour
        const int ix = Int(320 + 250 * cos_deg(item_angle[m]));
        const int iy = Int(240 + 250 * sin_deg(item_angle[m]));
        SetTransform(static_cast<float>(item_spin), 1.5f, 1.5f);
        DrawImage(img_sprites, static_cast<float>(ix), static_cast<float>(iy), frame);
        item_spin += 1;
        item_angle[m] += 1;
        if (item_angle[m] > 360) item_angle[m] = 0;
    }
}

void random_colour_text(int x, int y, const char* text) {
    const int r = Int(Rnd(0, 255));
    const int g = Int(Rnd(0, 255));
    const int b = Int(Rnd(0, 255));
    draw_shadow_text(x, y, r, g, b, text, 0);
}

bool ending_scene::texts() {
    if (hero_phase != 3 || witch_phase != 2) {
        random_colour_text(200, 60, "** Congradulations! **");
        return false;
    }
    random_colour_text(200, 60, "**  T H E   E N D !  **");
    player_tag& p = hero();
    if (p.lives > 0) {
        // The timer still holds 201 from the wait, so the first life is paid at once.
        timer += 1;
        draw_shadow_text(120, 280, 250, 250, 0, "** BONUS: Lives remaining x 5,000 **", 0);
        if (timer > kBonusPace) {
            timer = 0;
            p.lives -= 1;
            p.score += kLifeBonus;
            keep_top_score(p);
            play_effect(snd_bonus);
            play_effect(snd_magic);
        }
        return false;
    }
    draw_shadow_text(160, 280, 10, 250, 10, "** Press JUMP to continue. **", 0);
    return KeyHit(kKeyJump) != 0 || JoyDown(0, 0) != 0 || MouseHit(1) != 0;
}

// The last picture of the ending turns and shrinks away; a quit ends it early.
void spin_out() {
    SetBlend(2);
    SetColor(255, 255, 255);
    TImage* picture = CreateImage(640, 480, 1);
    GrabImage(picture, 0, 0);
    MidHandleImage(picture);
    int rotation = 0;
    float scale = 1.0f;
    do {
        Cls();
        SetTransform(static_cast<float>(rotation), scale, scale);
        DrawImage(picture, 320, 240);
        rotation += 5;
        scale -= 0.006f;
        if (frame_end_or_quit()) break;
    } while (scale > 0);
    FreeImage(picture);
}

}  // namespace

void game_tag::draw_endbkgr() {
    Cls();
    SetColor(255, 255, 255);
    SetBlend(2);
    SetTransform(0, 1, 1);
    for (int i = 0; i < 192; ++i) {
        const int frame = i >= 176 ? 24 : 23;  // stone wall, and a lighter floor at the bottom
        DrawImage(img_sprites, static_cast<float>(20 + 40 * (i % 16)),
                  static_cast<float>(20 + 40 * (i / 16)), frame);
    }
    SetBlend(3);
    SetAlpha(1.0f);

    game.cauldft += 1;
    if (game.cauldft > 11) {
        game.cauldft = 0;
        game.cauldfc += 1;
    }
    if (game.cauldfc > 2) game.cauldfc = 0;
    SetScale(2.6f, 2.0f);
    DrawImage(img_sprites, static_cast<float>(game.cauldx), static_cast<float>(game.cauldy),
              39 + game.cauldfc);

    const float r = rnd(0, 3);
    SetScale(1.5f + r, 1.5f + r);
    SetAlpha(0.2f);
    DrawImage(img_sprites, 120, 200, 36);
    DrawImage(img_sprites, 520, 200, 36);

    SetAlpha(1.0f);
    SetScale(1.2f, 1.2f);
    const int left_flame = 20 + Int(Rnd(0, 3));
    DrawImage(img_sprites, 120, 200, left_flame);
    const int right_flame = 20 + Int(Rnd(0, 3));
    DrawImage(img_sprites, 520, 200, right_flame);
    SetScale(1, 1);
}

void game_tag::the_ending() {
    game.cauldx = 280;
    game.cauldy = 402;
    SetChannelVolume(music_channel, 1.0f);

    ending_scene scene;
    for (;;) {
        draw_endbkgr();
        SetBlend(3);
        SetAlpha(1.0f);
        scene.draw_witch();
        SetTransform(0, 1, 1);
        scene.draw_hero();
        scene.draw_items();
        SetTransform(0, 1, 1);
        if (scene.texts()) break;  // before this frame's HUD and presentation
        display();
        if (frame_end_or_quit()) return;
    }

    spin_out();
    if (game.state == kQuit) return;

    Cls();
    Flip(-1);
    Delay(500);
    SetBlend(1);
    SetTransform(0, 1, 1);
    FlushKeys();
    FlushMouse();
    wait_while_jump_button_held();
    if (game.state == kQuit) return;  // the window was closed during the wait

    hero().lives = 0;
    save_top_score_now();
    if (game.players != 0) {
        game.players = 0;
        game.curplayer = 1 - game.curplayer;
        game.state = kLevelIntro;
        SetChannelVolume(music_channel, 0.4f);
    } else {
        game.state = kTitle;
        game.scmx = 640;
        game.scmy = 200;
        // Every way into a new game expects player 1 to be current.
        game.curplayer = 0;
    }
}
