// SPDX-License-Identifier: GPL-3.0-or-later
// The status display drawn over every frame (witch corners, scores, magic, lives, items) and
// draw_shadow_text, the one way the game prints: a black shadow, then the text in colour.
#include <string>

#include "shell/addon_hooks.h"
#include "shell/globals.h"

namespace {
constexpr int kWitchFrame = 98;
constexpr int kWitchLaughFrame = 111;
constexpr int kLaughCycle = 10;
constexpr int kLabelShownBelow = 29;  // the "1up:" label shows for 28 of every 60 frames
constexpr int kFlashCycleEnd = 59;
constexpr int kLivesFrame = 30;
constexpr int kItemOutlineFrame = 108;  // item k: outline 108 - 2k, found 109 - 2k
constexpr int kGlyphPitch = 8;          // the placement formulas count characters, not pixels

int text_length(const std::string& s) {
    return static_cast<int>(s.size());
}

void draw_white(int x, int y, const std::string& text) {
    draw_shadow_text(x, y, 255, 255, 255, text, 0);
}
}  // namespace

void draw_shadow_text(int x, int y, int r, int g, int b, const std::string& text, int centred) {
    if (centred != 0) x = 320 - TextWidth(text) / 2;
    SetColor(0, 0, 0);
    DrawText(text, static_cast<float>(x + 2), static_cast<float>(y + 2));
    SetColor(r, g, b);
    DrawText(text, static_cast<float>(x), static_cast<float>(y));
    SetColor(255, 255, 255);
}

void game_tag::display() {
    int frame = kWitchFrame;
    if (game.wlaugh != 0) {
        ++game.wltimer;
        if (game.wltimer >= kLaughCycle) game.wltimer = 0;
        frame = game.wltimer < kLaughCycle / 2 ? kWitchFrame : kWitchLaughFrame;
    }
    SetScale(1.0f, 1.4f);
    DrawImage(img_sprites, 20, 28, frame);
    DrawImage(img_sprites, 620, 28, frame + 1);
    SetScale(1.0f, 1.0f);

    // The title holds the label still (always shown); everywhere else it flashes.
    if (game.state != kTitle) ++game.cpflasher;
    if (game.cpflasher < kLabelShownBelow) {
        draw_shadow_text(70, 2, 0, 255, 255, game.curplayer == 0 ? "1up:" : "2up:", 0);
    }

    const player_tag& p = hero();
    draw_white(118, 2, std::to_string(p.score));

    const std::string top = std::to_string(game.topscore);
    const int top_x = 310 - (kGlyphPitch * text_length("Top: " + top)) / 2;
    draw_shadow_text(top_x, 2, 255, 255, 0, "Top:", 0);
    draw_white(top_x + 53, 2, top);

    if (game.state == kTitle) {
        const std::string other = std::to_string(player[1].score);
        const int right_x = 545 - kGlyphPitch * text_length("2up: " + other);
        draw_shadow_text(right_x, 2, 0, 255, 255, "2up:", 0);
        draw_white(right_x + 50, 2, other);
    } else {
        const std::string magic = std::to_string(p.magic);
        const int right_x = 545 - kGlyphPitch * text_length("Magic: " + magic);
        draw_shadow_text(right_x, 2, 0, 255, 255, "Magic:", 0);
        draw_white(right_x + 75, 2, magic);
    }

    SetScale(0.7f, 0.9f);
    SetColor(1, 1, 1);
    DrawImage(img_sprites, 12, 465, kLivesFrame);
    SetColor(255, 255, 255);
    DrawImage(img_sprites, 10, 463, kLivesFrame);
    SetScale(1.0f, 1.0f);
    draw_shadow_text(22, 452, 255, 255, 0, "x" + std::to_string(p.lives), 0);

    for (int k = 0; k < 5; ++k) {
        const int outline = kItemOutlineFrame - 2 * k;
        SetColor(1, 1, 1);
        DrawImage(img_sprites, static_cast<float>(622 - 30 * k), 462, outline);
        SetColor(255, 255, 255);
        DrawImage(img_sprites, static_cast<float>(620 - 30 * k), 460,
                  outline + (p.item[k] != 0 ? 1 : 0));
    }

    if (game.cpflasher > kFlashCycleEnd) game.cpflasher = 0;
    if (addon_hooks.hud_draw) addon_hooks.hud_draw();
}
