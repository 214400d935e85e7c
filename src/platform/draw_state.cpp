// SPDX-License-Identifier: GPL-3.0-or-later
// The current drawing state: colour, alpha, blend mode, rotation and scale as a 2x2 matrix
// about the image handle, and the origin. Every draw call reads it.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "platform/internal.h"

namespace plat {

DrawState g_draw_state;

}  // namespace plat

namespace {

// The cosine and sine of the angles asked for lately, by the angle's bits: spinning tokens and
// firebars ask for the same few angles frame after frame, and a replayed or searched frame asks
// for them again, while the library computes each afresh at great cost.
// Every entry starts as the angle 0, which is only ever looked up in the first.
struct Turn {
    uint32_t bits = 0;    // of the angle in degrees
    float c = 1, sn = 0;  // cos(0) and sin(0), exactly
};
constexpr int kTurnBits = 10;
std::array<Turn, size_t{1} << kTurnBits> g_turns;

// Kept out of line, so that a known angle costs no more than a look.
[[gnu::noinline]] void learn_turn(Turn& t, uint32_t bits, float degrees) {
    const double rad = degrees * 3.14159265358979323846 / 180.0;
    t = Turn{bits, static_cast<float>(std::cos(rad)), static_cast<float>(std::sin(rad))};
}

const Turn& turn_of(float degrees) {
    uint32_t bits = 0;
    std::memcpy(&bits, &degrees, sizeof bits);
    Turn& t = g_turns[(bits * 2654435761u) >> (32 - kTurnBits)];
    if (t.bits != bits) learn_turn(t, bits, degrees);
    return t;
}

void recompute() {
    plat::DrawState& s = plat::draw_state();
    // Most calls put the drawing back upright at scale 1: the sums below, done beforehand.
    uint32_t rot_bits = 0;
    std::memcpy(&rot_bits, &s.rot, sizeof rot_bits);
    if (rot_bits == 0 && s.sx == 1 && s.sy == 1) {
        s.ix = 1, s.iy = -0.0f, s.jx = 0, s.jy = 1;
        s.plain = true;
        return;
    }
    const Turn& t = turn_of(s.rot);
    const float c = t.c, sn = t.sn;
    s.ix = c * s.sx;
    s.iy = -sn * s.sy;
    s.jx = sn * s.sx;
    s.jy = c * s.sy;
    s.plain = s.ix == 1 && s.iy == 0 && s.jx == 0 && s.jy == 1;
}

int clamp_channel(int v) {
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

}  // namespace

void SetColor(int r, int g, int b) {
    plat::DrawState& s = plat::draw_state();
    s.r = clamp_channel(r), s.g = clamp_channel(g), s.b = clamp_channel(b);
}

void SetAlpha(float alpha) {
    plat::draw_state().alpha = alpha > 1.0f ? 1.0f : (alpha < 0.0f ? 0.0f : alpha);
}

void SetBlend(int mode) {
    if (mode >= 1 && mode <= 5) plat::draw_state().blend = mode;
}

void SetRotation(float degrees) {
    plat::draw_state().rot = degrees;
    recompute();
}

void SetScale(float sx, float sy) {
    plat::draw_state().sx = sx;
    plat::draw_state().sy = sy;
    recompute();
}

void SetTransform(float degrees, float sx, float sy) {
    plat::DrawState& s = plat::draw_state();
    s.rot = degrees, s.sx = sx, s.sy = sy;
    recompute();
}

void SetOrigin(float x, float y) {
    plat::draw_state().origin_x = x;
    plat::draw_state().origin_y = y;
}

void SetClsColor(int r, int g, int b) {
    plat::DrawState& s = plat::draw_state();
    s.cls_r = clamp_channel(r), s.cls_g = clamp_channel(g), s.cls_b = clamp_channel(b);
}

int GetBlend() {
    return plat::draw_state().blend;
}
float GetAlpha() {
    return plat::draw_state().alpha;
}
float GetRotation() {
    return plat::draw_state().rot;
}
void GetScale(float& sx, float& sy) {
    sx = plat::draw_state().sx;
    sy = plat::draw_state().sy;
}
void GetColor(int& r, int& g, int& b) {
    r = plat::draw_state().r, g = plat::draw_state().g, b = plat::draw_state().b;
}

void SetImageFont(TImageFont* font) {
    plat::draw_state().font = font;
}

void DrawImage(TImage* image, float x, float y, int frame) {
    if (!image || frame < 0 || frame >= static_cast<int>(image->frames.size())) return;
    plat::renderer_draw_image(image, frame, x, y);
}

void DrawText(const std::string& text, float x, float y) {
    TImageFont* font = plat::draw_state().font ? plat::draw_state().font : plat::default_font();
    if (font) plat::renderer_draw_glyphs(font, text, x, y);
}

void DrawRect(float x, float y, float w, float h) {
    plat::renderer_draw_rect(x, y, w, h);
}

void Cls() {
    plat::renderer_clear();
}
