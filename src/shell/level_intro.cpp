// SPDX-License-Identifier: GPL-3.0-or-later
// The announcement that opens every area and every new life: a second of HUD, the player and
// level banner (a jump cuts it short), then the first picture of the area fading in.
#include <string>

#include "shell/globals.h"

namespace {
constexpr int kAnnounceFrames = 200;
constexpr float kFadeStep = 0.01f;
constexpr float kFadeEnd = 0.9f;
constexpr int kFinishedLevel = 6;  // a player standing on level 6 has done all five
}  // namespace

void game_tag::level_intro() {
    player_tag& p = hero();
    const int level = p.level;
    const int area = p.area;
    // Each player's own flame interval is in force while that player plays.
    game.fireballmaxtmr = p.fireballmaxtmr;
    // Every third area is entered without power.
    if (area == 3) p.power = 0;
    if (level == kFinishedLevel && area == 1) {
        game.state = kEnding;
        return;
    }

    game.item = 0;
    destroy_all();
    map_tag::Load(level, area);
    map_tag::initialize();

    Cls();
    display();
    Flip(-1);
    Delay(1000);

    const std::string who = "** Player: " + std::to_string(game.curplayer + 1) + " **";
    const std::string where =
        "** Level: " + std::to_string(level) + "-" + std::to_string(area) + " **";
    int count = 0;
    while (count < kAnnounceFrames) {
        Cls();
        SetScale(1.4f, 1.4f);
        SetBlend(1);
        draw_shadow_text(220, 160, 0, 250, 250, who, 0);
        SetScale(1.0f, 1.0f);
        draw_shadow_text(246, 240, 250, 250, 0, where, 0);
        display();
        ++count;
        if (KeyHit(162) || MouseHit(1) || JoyHit(0, 0)) count = kAnnounceFrames;
        if (frame_end_or_quit()) return;
    }

    // The first picture of the area, captured once so the fade costs one image a frame.
    Cls();
    for (map_tag& c : map_cells) c.update(0);
    p.rotation = 0;
    p.update();
    GrabImage(img_screen, 0, 0, 0);

    // The fade cannot be cut short: it also hides the press that ended the banner.
    float alpha = 0.0f;
    while (alpha <= kFadeEnd) {
        Cls();
        SetAlpha(alpha);
        SetBlend(3);
        DrawImage(img_screen, 320, 240, 0);
        SetAlpha(1.0f);
        SetBlend(1);
        display();
        alpha += kFadeStep;
        if (frame_end_or_quit()) return;
    }

    FlushKeys();
    FlushMouse();
    game.state = kPlay;
}
