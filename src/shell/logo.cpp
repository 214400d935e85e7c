// SPDX-License-Identifier: GPL-3.0-or-later
// The maker's logo at start-up: the music begins, the logo stands for a second and fades
// out slowly; jump, mouse button 1 or joystick button 0 cuts it short.
#include "shell/globals.h"

namespace {
constexpr int kStandFrames = 59;  // the fade begins once more frames than this have shown
constexpr float kLogoFadeStep = 0.02f;
constexpr int kExtraFrameMs = 50;  // each logo frame lasts a 60th of a second plus this
}  // namespace

void game_tag::show_logo() {
    if (game.music == 1) PlaySound(snd_tilesong, music_channel);
    Delay(1000);
    SetBlend(3);
    float alpha = 1.0f;
    int count = 0;
    do {
        Cls();
        SetAlpha(alpha);
        DrawImage(img_logo, 320, 220, 0);
        ++count;
        if (count > kStandFrames) alpha -= kLogoFadeStep;
        Flip(-1);
        Delay(kExtraFrameMs);
        if (KeyHit(162) || MouseHit(1) || JoyHit(0, 0)) alpha = 0.0f;
    } while (alpha > 0.0f);
    Cls();
    Flip(-1);
    Delay(1000);
    FlushKeys();
    FlushMouse();
    SetAlpha(1.0f);
    SetBlend(1);
}
