// SPDX-License-Identifier: GPL-3.0-or-later
// The game-over screen of one player, the picture spinning away, and the hand-over to the
// other player of a two-player game or back to the title.
#include <string>

#include "shell/globals.h"
#include "shell/held_button_wait.h"

namespace {

constexpr int kTextFrames = 200;

}  // namespace

void game_tag::game_over() {
    // No more points can come to this player: the top score is final and is kept at once.
    save_top_score_now();
    const std::string who = "** Player: " + std::to_string(game.curplayer + 1) + " **";
    for (int i = 0; i < kTextFrames; ++i) {
        Cls();
        SetScale(1.4f, 1.4f);
        SetBlend(1);
        draw_shadow_text(205, 120, 0, 250, 250, who, 0);
        SetScale(1.8f, 1.8f);
        draw_shadow_text(160, 200, 0, 250, 0, "** Game Over **", 0);
        SetScale(1.0f, 1.0f);
        display();
        if (frame_end_or_quit()) return;
    }

    GrabImage(img_screen, 0, 0, 0);
    float s = 1.0f;
    int r = 0;
    do {
        Cls();
        SetBlend(1);
        SetTransform(static_cast<float>(r), s, s);
        DrawImage(img_screen, 320, 240, 0);
        SetTransform(0, 1, 1);
        r += 2;
        s -= 0.01f;
        if (frame_end_or_quit()) return;
    } while (s >= 0);

    if (game.players != 0) {
        // The survivor goes on alone from its own level and area.
        game.players = 0;
        game.state = kLevelIntro;
        game.curplayer = player[0].lives <= 0 ? 1 : 0;
    } else {
        demo_next = 1;
        game.state = kTitle;
        game.scmx = 640;
        game.scmy = 200;
        game.curplayer = 0;
        game.cpflasher = 0;
    }

    FlushKeys();
    wait_while_jump_button_held();
}
