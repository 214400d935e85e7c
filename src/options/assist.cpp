// SPDX-License-Identifier: GPL-3.0-or-later
// The assist in force and the designed game's hooks it answers.
#include "options/assist.h"

#include <string>

#include "options/options_text.h"
#include "platform/player_choices.h"
#include "shell/globals.h"

namespace {
AssistSettings g_assist;

constexpr int kScoreX = 118;  // where the status display writes the score
constexpr int kScoreY = 2;
}  // namespace

AssistSettings assist_in_force() {
    return g_assist;
}

void set_assist_in_force(const AssistSettings& assist) {
    g_assist = assist;
    SetFramePace(assist.speed);
}

bool assist_on(const AssistSettings& a) {
    return a.speed != 100 || a.invincible || a.unlimited_lives;
}

void assist_game_starts() {
    // The attract demo always plays the designed game.
    AssistSettings a;
    if (demo_playing == 0) {
        const Settings& s = SettingsInForce();
        a.speed = s.assist_speed;
        a.invincible = s.assist_invincible;
        a.unlimited_lives = s.assist_unlimited_lives;
    }
    set_assist_in_force(a);
}

bool assist_hero_untouchable() {
    return g_assist.invincible && demo_playing == 0;
}

bool assist_lives_unlimited() {
    return g_assist.unlimited_lives && demo_playing == 0;
}

bool assist_top_score_barred() {
    return assist_on(g_assist);
}

void assist_draw_mark() {
    if (!assist_on(g_assist) || demo_playing != 0 || game.state == game_tag::kTitle) return;
    const std::string score = std::to_string(hero().score);
    const int x = kScoreX + TextWidth(score) + 8;
    draw_options_text(x, kScoreY + 4, TextColour{255, 110, 255}, "assist", 0.6f, TextAlign::kLeft);
}
