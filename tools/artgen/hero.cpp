// SPDX-License-Identifier: GPL-3.0-or-later
// The hero's carved pumpkin (frame 30, also its collision shape) and everything shaped like
// it: the cyan and fiery auras, the splattered pumpkin of the fall death and the lantern glow.
#include <algorithm>
#include <cmath>
#include <vector>

#include "frames.h"
#include "palette.h"
#include "shapes.h"

namespace artgen {

namespace {

constexpr float kCx = 20.0f, kCy = 21.5f, kRx = 17.5f, kRy = 16.0f;
constexpr Rgb kRind{64, 22, 4}, kCarve{150, 56, 8}, kCarveRim{96, 32, 6};

struct Box {
    float x0, y0, x1, y1;
    bool contains(Pt p) const { return p.x >= x0 && p.x < x1 && p.y >= y0 && p.y < y1; }
};

void face(Canvas& c, const CellView& view) {
    Canvas holes(c.width(), c.height());
    const std::vector<std::vector<Pt>> shapes = {
        {{8, 19}, {16, 19}, {13, 12}},   // left eye
        {{24, 19}, {32, 19}, {27, 12}},  // right eye
        {{18, 24}, {22, 24}, {20, 20.5f}},
        {{7, 26}, {33, 26}, {30, 31}, {25, 34}, {15, 34}, {10, 31}},
    };
    for (const std::vector<Pt>& shape : shapes) fill_poly(holes, view.place(shape), kCarve);
    // Teeth left standing in the grin.
    const Box teeth[] = {{14, 26, 17, 29}, {24, 26, 27, 29}, {19, 31, 22, 34}};
    // The lit inside shows brighter towards the middle of each hole.
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            const Pt p = view.cell_point(x, y);
            for (const Box& tooth : teeth)
                if (tooth.contains(p)) holes.erase(x, y);
        }
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            if (!holes.solid(x, y)) continue;
            bool rim = !holes.solid(x - 1, y) || !holes.solid(x + 1, y) || !holes.solid(x, y - 1) ||
                       !holes.solid(x, y + 1);
            c.set(x, y, rim ? kCarveRim : kCarve);
        }
}

}  // namespace

Pt CellView::cell_point(int x, int y) const {
    return {kCell / 2.0f + (x + 0.5f - size / 2.0f) / zoom,
            kCell / 2.0f + (y + 0.5f - size / 2.0f) / zoom + shift_y};
}

std::vector<Pt> CellView::place(const std::vector<Pt>& cell_points) const {
    std::vector<Pt> out;
    for (Pt p : cell_points)
        out.push_back({(p.x - kCell / 2.0f) * zoom + size / 2.0f,
                       (p.y - kCell / 2.0f - shift_y) * zoom + size / 2.0f});
    return out;
}

Canvas pumpkin(bool with_face, const CellView& view) {
    Canvas c(view.size, view.size);
    paint(c, [&view](int x, int y) -> std::optional<Rgb> {
        const Pt p = view.cell_point(x, y);
        float u = (p.x - kCx) / kRx, v = (p.y - kCy) / kRy;
        float d = u * u + v * v;
        if (d > 1.0f) return std::nullopt;
        // Light from the upper left, and darker grooves between the lobes.
        float light = std::sqrt((u + 0.45f) * (u + 0.45f) + (v + 0.5f) * (v + 0.5f)) / 1.6f;
        Rgb col = light < 0.35f ? mix(pal::kOrange3, pal::kOrange2, light / 0.35f)
                                : mix(pal::kOrange2, pal::kOrange1, (light - 0.35f) / 0.65f);
        float lobe = std::fabs(u) / std::sqrt(std::max(0.05f, 1.0f - v * v));
        if (std::fabs(lobe - 0.38f) < 0.06f || std::fabs(lobe - 0.8f) < 0.06f)
            col = mix(col, pal::kOrange0, 0.55f);
        return col;
    });
    outline(c, kRind);
    // Stem; its highlight stays at least a pixel wide however small the picture.
    fill_poly(c, view.place({{18, 6}, {22, 6}, {23, 2}, {25, 0}, {21, 1}}), pal::kWood1);
    const std::vector<Pt> highlight = view.place({{19, 5}, {22, 1.5f}});
    line(c, highlight[0].x, highlight[0].y, highlight[1].x, highlight[1].y,
         std::max(1.0f, view.zoom), {118, 140, 52});
    if (with_face) face(c, view);
    return c;
}

void draw_hero(Frames& f) {
    f[30] = pumpkin(true, CellView{});

    glow(f[36], 20, 20, 19.5f, 19.5f, pal::kGold3, pal::kOrange2);

    // Cyan aura: the pumpkin's outline, grown and thinning outwards.
    paint(f[96], [](int x, int y) -> std::optional<Rgb> {
        float u = (x + 0.5f - kCx) / (kRx + 2.5f), v = (y + 0.5f - kCy + 1) / (kRy + 3.5f);
        float d = std::sqrt(u * u + v * v);
        if (d >= 1.0f) return std::nullopt;
        if (1.0f - std::pow(d, 6.0f) < bayer(x, y)) return std::nullopt;
        return mix(pal::kWhite3, pal::kCyan, std::min(1.0f, d * 1.4f));
    });

    // Fire aura: tongues of flame all round the pumpkin.
    paint(f[92], [](int x, int y) -> std::optional<Rgb> {
        float dx = x + 0.5f - kCx, dy = y + 0.5f - kCy;
        float a = std::atan2(dy, dx), r = std::sqrt(dx * dx + dy * dy);
        float reach = 16.5f + 3.0f * std::fabs(std::sin(a * 4.0f)) + (dy < 0 ? 1.5f : 0.0f);
        if (r > reach) return std::nullopt;
        float t = r / reach;
        if (t > 0.75f && (1.0f - t) * 4.0f < bayer(x, y) * 0.9f) return std::nullopt;
        if (t < 0.6f) return pal::kGold3;
        return mix(pal::kOrange2, pal::kRed1, (t - 0.6f) / 0.4f);
    });

    // Splattered pumpkin: a flat burst of pulp with flung chunks and the stem.
    Canvas& s = f[110];
    std::vector<Pt> burst;
    for (int i = 0; i < 20; ++i) {
        float a = i * 6.2832f / 20.0f, r = (i % 2 ? 9.0f : 15.0f) + hash01(i, 0, 110) * 4.0f;
        burst.push_back({20 + r * std::cos(a), 22 + r * 0.75f * std::sin(a)});
    }
    fill_poly(s, burst, pal::kOrange1);
    fill_ellipse(s, 19, 22, 9, 6, pal::kOrange2);
    fill_ellipse(s, 17, 20.5f, 4, 2.5f, pal::kOrange3);
    for (int i = 0; i < 7; ++i) {
        float a = i * 0.9f + 0.3f, r = 16.0f + hash01(i, 1, 110) * 2.5f;
        fill_ellipse(s, 20 + r * std::cos(a), 22 + r * 0.85f * std::sin(a), 1.8f, 1.6f,
                     pal::kOrange2);
    }
    fill_poly(s, {{10, 20}, {14, 20}, {12, 16}}, kCarve);
    fill_poly(s, {{25, 24}, {29, 24}, {27, 20}}, kCarve);
    fill_poly(s, {{21, 8}, {24, 8}, {26, 4}, {22, 5}}, pal::kWood1);
    fill_ellipse(s, 31, 13, 2.5f, 2, pal::kGold3);
    outline(s, kRind);
}

}  // namespace artgen
