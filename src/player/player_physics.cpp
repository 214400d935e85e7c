// SPDX-License-Identifier: GPL-3.0-or-later
// The hero's vertical physics (gravity, squash recovery, the fall off the screen) and his
// drawing: aura, fire-power pulse, invincible tint and the rolling, squashing pumpkin itself.
#include "shell/globals.h"

namespace {

constexpr float kGravity = 0.2f;
constexpr float kTerminalSpeed = 8.0f;
constexpr float kSquashRecovery = 0.05f;
constexpr float kBottomEdge = 480.0f;
constexpr int kAuraPower1 = 96;
constexpr int kAuraPower2 = 92;
constexpr int kFlashStep = 10;

}  // namespace

int player_tag::update() {
    // Position first, with the speed of the previous frame: the feel of the hop depends on it.
    y = y + ystp;
    ystp = ystp + kGravity;
    if (ystp > kTerminalSpeed) ystp = kTerminalSpeed;
    if (yscale < 1.0f) yscale = yscale + kSquashRecovery;
    // The fall death keeps whatever kind of death was set earlier in the frame; the hero is
    // still drawn this frame.
    if (y > kBottomEdge) game.state = game_tag::kDeath;

    if (power >= 1 && game.invincible == 0) {
        // The random numbers are drawn x scale first, then y scale, then alpha.
        const float sx = static_cast<float>(Rnd(1.0, 1.5));
        const float sy = static_cast<float>(Rnd(1.0, 1.5));
        SetScale(sx, sy);
        SetRotation(static_cast<float>(rotation));
        SetAlpha(static_cast<float>(Rnd(0.2, 1.0)));
        SetBlend(3);
        DrawImage(img_sprites, x, y, power == 1 ? kAuraPower1 : kAuraPower2);
        SetAlpha(1.0f);
    }

    if (power == 2 && game.invincible == 0) {
        game.fbflashctr = game.fbflashctr + game.fbflashstp;
        if (game.fbflashctr > 255) {
            game.fbflashstp = -kFlashStep;
            game.fbflashctr = 255;
        }
        if (game.fbflashctr < 0) {
            game.fbflashstp = kFlashStep;
            game.fbflashctr = 0;
        }
        SetColor(255, game.fbflashctr, game.fbflashctr);
    }

    if (game.invincible != 0) {
        const int r = Int(Rnd(0, 255));
        const int g = Int(Rnd(0, 255));
        const int b = Int(Rnd(0, 255));
        SetColor(r, g, b);
    }

    SetTransform(static_cast<float>(rotation), 1.0f, yscale);
    SetBlend(1);
    DrawImage(img_sprites, x, y, kHeroFrame);
    SetTransform(0, 1.0f, 1.0f);
    SetColor(255, 255, 255);
    return 0;
}
