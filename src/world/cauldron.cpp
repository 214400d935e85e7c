// SPDX-License-Identifier: GPL-3.0-or-later
// The bubbling cauldron at the end of every area: scrolls with the world, bubbles, and swallows
// the hero with a splash, which switches the game to the level end.
#include "shell/globals.h"

namespace {
constexpr int kCauldronFrame = 39;
constexpr int kSplashEffect = 3;
}  // namespace

void game_tag::update_cauldron(int dx) {
    game.cauldx += dx;
    if (!(game.cauldx > -40 && game.cauldx < 680)) return;
    game.cauldft += 1;
    if (game.cauldft > 11) {
        game.cauldft = 0;
        game.cauldfc += 1;
    }
    if (game.cauldfc > 2) game.cauldfc = 0;
    player_tag& p = hero();
    if (ImagesCollide(img_sprites, Int(p.x), Int(p.y), 30, img_sprites, game.cauldx, game.cauldy,
                      kCauldronFrame)) {
        p.x = 0;  // so that he touches it no more
        play_effect(snd_splash);
        specialfx_tag::Create(static_cast<float>(game.cauldx), static_cast<float>(game.cauldy - 42),
                              0, 0, 0, 0, 0, kSplashEffect, 0);
        game.state = kLevelEnd;
    }
    // Drawn 64 x 48, larger than a cell.
    SetScale(1.6f, 1.2f);
    DrawImage(img_sprites, static_cast<float>(game.cauldx), static_cast<float>(game.cauldy),
              kCauldronFrame + game.cauldfc);
    SetScale(1, 1);
}
