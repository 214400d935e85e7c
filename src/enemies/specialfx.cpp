// SPDX-License-Identifier: GPL-3.0-or-later
// Short-lived decorations (trails, debris, sparkles, splashes, score texts, power sparkles):
// each moves, turns, shrinks and fades by itself, draws itself and leaves the list when done.
#include "enemies/specialfx_tag.h"
#include "shell/globals.h"

namespace {

constexpr int kTrail = 0;
constexpr int kDebris = 1;
constexpr int kSparkle = 2;
constexpr int kSplash = 3;
constexpr int kScoreText = 4;
constexpr int kPowerSparkle = 5;

// Debris never fades; once it has dropped this far below the screen nobody can see it again.
constexpr float kDebrisGone = 520.0f;

int splash_picture(int clr, int framectr) {
    if (clr == 1) return framectr + 113;  // water
    if (clr == 2) return framectr + 118;  // lava
    return framectr + 42;                 // slime
}

}  // namespace

void specialfx_tag::Create(float x, float y, int rotation, int rstp, float xstp, float ystp,
                           float astp, int typ, int clr) {
    specialfx_tag fx;
    fx.typ = typ;
    fx.x = x;
    fx.y = y;
    fx.xstp = xstp;
    fx.ystp = ystp;
    fx.rstp = rstp;
    fx.astp = astp;
    fx.rotation = rotation;
    if (clr != 0) fx.clr = clr;
    if (typ == kSparkle) {
        fx.alpha = 1.0f;
        fx.xscale = fx.yscale = 1.8f;
    } else {
        fx.alpha = 0.8f;
        fx.xscale = fx.yscale = 1.2f;
    }
    if (typ == kScoreText) {
        fx.xscale = 0.6f;
        fx.yscale = 0.8f;
        fx.point = game.setpoint;  // the points as they were when they were won
    }
    if (typ == kPowerSparkle) {
        const float s = static_cast<float>(Rnd(0.1, 1.0));
        fx.xscale = fx.yscale = s;
    }
    specialfx_list.AddLast(fx);
}

void specialfx_tag::reset() {
    specialfx_list.Clear();
}

void specialfx_tag::update(int dx) {
    x += static_cast<float>(dx);
    rotation += rstp;

    SetAlpha(alpha);
    SetBlend(3);
    SetTransform(static_cast<float>(rotation), xscale, yscale);

    // Scale changes below show from the next frame: this one is drawn with the transform above.
    int picture = 0;
    switch (typ) {
        case kTrail: {
            const int r = Int(Rnd(0, 255));
            const int g = Int(Rnd(0, 255));
            const int b = Int(Rnd(0, 255));
            SetColor(r, g, b);
            xscale -= 0.01f;
            yscale -= 0.01f;
            picture = 30;
            break;
        }
        case kDebris:
            ystp += 0.2f;
            picture = 97;
            xscale -= 0.01f;
            yscale -= 0.01f;
            break;
        case kSparkle:
            picture = 28;
            xscale -= 0.1f;
            yscale -= 0.1f;
            if (!(xscale > 0)) specialfx_list.Remove(this);
            break;
        case kSplash:
            frametmr += 1;
            if (frametmr > 12) {
                frametmr = 0;
                framectr += 1;
            }
            if (framectr == 4) specialfx_list.Remove(this);
            picture = splash_picture(clr, framectr);
            break;
        case kPowerSparkle:
            picture = 89 + hero().power;
            break;
        default:
            break;
    }

    if (typ == kScoreText) {
        draw_shadow_text(Int(x), Int(y), 250, 250, 0, point, 0);
    } else {
        DrawImage(img_sprites, x, y, picture);
    }

    SetAlpha(1.0f);
    SetTransform(0, 1, 1);
    SetColor(255, 255, 255);

    x += xstp;
    y += ystp;
    alpha -= astp;
    if (!(alpha > 0)) specialfx_list.Remove(this);
    if (typ == kDebris && y > kDebrisGone) specialfx_list.Remove(this);
}
