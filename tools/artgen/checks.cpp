// SPDX-License-Identifier: GPL-3.0-or-later
// Self-checks of the drawn art against the rules the game's mechanics impose: full solid
// tiles, the hero's size, compact sprites without loose pixels, and the exact sheet layout.
#include <algorithm>
#include <string>
#include <vector>

#include "art_error.h"
#include "pictures.h"

namespace artgen {

namespace {

// Sizes of the 8-connected groups of visible pixels, largest first.
std::vector<int> blobs(const Canvas& c) {
    std::vector<int> seen(static_cast<std::size_t>(c.width() * c.height()), 0), sizes, stack;
    for (int start = 0; start < c.width() * c.height(); ++start) {
        if (seen[static_cast<std::size_t>(start)] || !c.solid(start % c.width(), start / c.width()))
            continue;
        int n = 0;
        stack.push_back(start);
        seen[static_cast<std::size_t>(start)] = 1;
        while (!stack.empty()) {
            int p = stack.back();
            stack.pop_back();
            ++n;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    int x = p % c.width() + dx, y = p / c.width() + dy;
                    if (!c.solid(x, y)) continue;
                    int q = y * c.width() + x;
                    if (!seen[static_cast<std::size_t>(q)]) {
                        seen[static_cast<std::size_t>(q)] = 1;
                        stack.push_back(q);
                    }
                }
        }
        sizes.push_back(n);
    }
    std::sort(sizes.rbegin(), sizes.rend());
    return sizes;
}

struct Box {
    int x0 = 99, y0 = 99, x1 = -1, y1 = -1;
};

Box bounds(const Canvas& c) {
    Box b;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (c.solid(x, y)) {
                b.x0 = std::min(b.x0, x), b.y0 = std::min(b.y0, y);
                b.x1 = std::max(b.x1, x), b.y1 = std::max(b.y1, y);
            }
    return b;
}

bool same(const Canvas& a, const Canvas& b) {
    return a.pixels() == b.pixels();
}

}  // namespace

void check_art(const Frames& f, const Frames2& f2, const Canvas& sheet1, const Canvas& sheet2,
               const Canvas& title, const Canvas& strip, const Canvas& logo) {
    std::string errors;
    auto fail = [&](const std::string& what) { errors += "  " + what + "\n"; };
    auto frame = [&](int i) -> const Canvas& { return f[static_cast<std::size_t>(i)]; };

    for (int i = 0; i < kFrames; ++i)
        if (frame(i).width() != kCell || frame(i).height() != kCell)
            fail("frame " + std::to_string(i) + " is not 40 x 40");
    for (int i : {4, 5, 6, 7, 8, 9, 10, 24, 25, 94, 95}) {
        const Canvas& c = frame(i);
        if (std::count(c.pixels().begin(), c.pixels().end(), kClear) != 0)
            fail("solid frame " + std::to_string(i) + " has transparent pixels");
    }
    Box hero = bounds(frame(30));
    int hero_w = hero.x1 - hero.x0 + 1;
    if (hero_w < 36 || hero_w > 38) fail("hero frame 30 is " + std::to_string(hero_w) + " px wide");
    // Sprites that collide pixel-exactly must be one compact shape.
    for (int i : {26, 27, 28, 30, 37, 39, 40, 41, 49, 50, 51, 52,  53,  54,  57,  58, 59, 60,
                  61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72,  73,  74,  75,  76, 77, 78,
                  79, 80, 81, 82, 83, 84, 85, 86, 87, 88, 89, 101, 103, 105, 107, 109}) {
        std::vector<int> parts = blobs(frame(i));
        if (parts.empty()) {
            fail("frame " + std::to_string(i) + " is empty");
            continue;
        }
        for (std::size_t k = 1; k < parts.size(); ++k)
            if (parts[k] < 12)
                fail("frame " + std::to_string(i) + " has a loose group of " +
                     std::to_string(parts[k]) + " px");
    }
    for (int j = 0; j < kFrames2; ++j)
        if (blobs(f2[static_cast<std::size_t>(j)]).empty())
            fail("sheet 2 frame " + std::to_string(j) + " is empty");

    // Layout: every frame where the game cuts it, and black everywhere else.
    Canvas rebuilt(sheet1.width(), sheet1.height());
    for (int i = 0; i < kFrames; ++i) {
        if (!same(sheet1.crop(sheet1_x(i), sheet1_y(i), kCell, kCell), frame(i)))
            fail("frame " + std::to_string(i) + " is not at its place on sheet 1");
        rebuilt.blit(frame(i), sheet1_x(i), sheet1_y(i));
    }
    if (!same(sheet1.crop(kTitleX, kTitleY, kTitleW, kTitleH), title))
        fail("title lettering misplaced");
    if (!same(sheet1.crop(kStripX, kStripY, kStripW, kStripH), strip))
        fail("credits strip misplaced");
    rebuilt.blit(title, kTitleX, kTitleY);
    rebuilt.blit(strip, kStripX, kStripY);
    if (!same(rebuilt, sheet1)) fail("sheet 1 has pixels outside its frames");
    if (sheet1.width() != 640 || sheet1.height() != 480) fail("sheet 1 is not 640 x 480");
    if (sheet2.width() != 288 || sheet2.height() != 42) fail("sheet 2 is not 288 x 42");
    for (int j = 0; j < kFrames2; ++j)
        if (!same(sheet2.crop(sheet2_x(j), 1, kCell, kCell), f2[static_cast<std::size_t>(j)]))
            fail("frame " + std::to_string(j) + " is not at its place on sheet 2");
    if (title.width() != kTitleW || title.height() != kTitleH) fail("title has the wrong size");
    if (strip.width() != kStripW || strip.height() != kStripH) fail("strip has the wrong size");
    if (logo.width() != kLogoW || logo.height() != kLogoH) fail("logo has the wrong size");
    if (!errors.empty()) throw ArtError("art check failed:\n" + errors);
}

}  // namespace artgen
