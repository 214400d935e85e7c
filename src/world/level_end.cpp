// SPDX-License-Identifier: GPL-3.0-or-later
// The end of an area: either the world scrolls back because the third area's magic item was
// left behind, or "Level Complete!" plays with its bonus and the hero moves on.
//
// Escape or a close request ends the game here as on every screen, but a bonus earned is paid
// first: the phase under way stops at the end of its frame and the later ones are skipped.
// Each phase answers false when the player quit during it.
#include <string>

#include "shell/globals.h"

namespace {

constexpr int kCentred = 1;
constexpr int kNotCentred = 0;
constexpr int kScrollBack = 15;
const char* const kCompleteText = "** Level Complete! **";

void update_all_cells(int dx) {
    for (map_tag& c : map_cells) c.update(dx);
}

// The world scrolls back to its start; only the cells move, nothing else is drawn.
bool forgotten_item() {
    do {
        Cls();
        update_all_cells(kScrollBack);
        draw_shadow_text(0, 80, 0, 250, 0, "** You forgot the magic item! **", kCentred);
        draw_shadow_text(0, 160, 250, 250, 0, "** Go back and try again! **", kCentred);
        game_tag::display();
        if (frame_end_or_quit()) return false;
    } while (map_cells[0].x < 0);
    return true;
}

// A pause while the splash plays out, then the title shrinks, fades in and slides right.
bool pause_and_title() {
    float alpha = 0.1f;
    float scale = 3.0f;
    int tx = 25;
    int n = 0;
    do {
        Cls();
        update_all_cells(0);
        specialfx_list.ForEach([](specialfx_tag& fx) { fx.update(0); });
        game_tag::update_cauldron(0);
        game_tag::display();
        if (n == 100) play_effect(snd_wiskin);
        if (n > 100) {
            SetAlpha(alpha);
            SetScale(scale, scale);
            SetBlend(3);
            draw_shadow_text(tx, 80, 250, 250, 0, kCompleteText, kNotCentred);
            SetBlend(1);
            SetAlpha(1);
            SetScale(1, 1);
            scale -= 0.05f;
            alpha += 0.01f;
            tx = Int(tx + 4.2);
        } else {
            n += 1;
        }
        if (frame_end_or_quit()) return false;
    } while (scale >= 1.2f);
    return true;
}

bool show_bonus(const std::string& bonus_text) {
    float scale = 3.0f;
    float alpha = 0.1f;
    int bx = 80;
    play_effect(snd_wiskin);
    do {
        Cls();
        update_all_cells(0);
        game_tag::update_cauldron(0);
        game_tag::display();
        SetScale(1.2f, 1.2f);
        SetBlend(1);
        draw_shadow_text(185, 80, 250, 250, 0, kCompleteText, kNotCentred);
        SetAlpha(alpha);
        SetScale(scale, scale);
        SetBlend(3);
        draw_shadow_text(bx, 160, 255, 255, 255, bonus_text, kNotCentred);
        SetBlend(1);
        SetAlpha(1);
        SetScale(1, 1);
        scale -= 0.05f;
        alpha += 0.01f;
        bx = Int(bx + 4.2);
        if (frame_end_or_quit()) return false;
    } while (scale >= 1.0f);
    return true;
}

void pay_bonus(int bonus) {
    play_effect(snd_bonus);
    hero().score += bonus;
    keep_top_score(hero());
}

bool fade_out(const std::string& bonus_text) {
    // Over the last picture, shown at once without the suspend handling.
    draw_shadow_text(230, 160, 255, 255, 0, bonus_text, kNotCentred);
    Flip(-1);

    Cls();
    update_all_cells(0);
    game_tag::update_cauldron(0);
    SetBlend(1);
    SetScale(1.2f, 1.2f);
    draw_shadow_text(185, 80, 250, 250, 0, kCompleteText, kNotCentred);
    SetScale(1, 1);
    draw_shadow_text(230, 160, 255, 255, 255, bonus_text, kNotCentred);
    // The capture leaves out the status display, which is drawn fresh over every fade frame.
    GrabImage(img_screen, 0, 0, 0);

    float fade = 1.0f;
    do {
        Cls();
        SetAlpha(fade);
        SetBlend(3);
        DrawImage(img_screen, 320, 240);
        SetAlpha(1);
        SetBlend(1);
        game_tag::display();
        fade -= 0.01f;
        if (frame_end_or_quit()) return false;
    } while (fade > 0);
    return true;
}

}  // namespace

void game_tag::end_level() {
    player_tag& p = hero();
    const int bonus = p.level * 1000 + (p.area - 1) * 100;

    if (p.area == 3 && game.item == 0) {
        if (forgotten_item()) game.state = kLevelIntro;  // the same area again, from its start
        return;
    }

    const std::string bonus_text = "** Bonus: " + std::to_string(bonus) + " **";
    const bool shown = pause_and_title() && show_bonus(bonus_text);
    pay_bonus(bonus);
    const bool faded = shown && fade_out(bonus_text);

    p.area += 1;
    if (p.area > 3) {
        p.area = 1;
        p.level += 1;
        game.fireballmaxtmr -= 100;
        if (game.fireballmaxtmr < 200) game.fireballmaxtmr = 200;
        // The other player of a two-player game keeps the interval of its own progress.
        p.fireballmaxtmr = game.fireballmaxtmr;
    }
    game.state = faded ? kLevelIntro : kQuit;
}
