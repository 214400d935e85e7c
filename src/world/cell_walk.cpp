// SPDX-License-Identifier: GPL-3.0-or-later
// Which scrolled cells the frame's walk must hand to their full turn (see cell_walk.h).
#include "world/cell_walk.h"

#include <algorithm>
#include <limits>

namespace {

bool g_every_cell = false;

// The screen as update() and the hero's test see it: a cell at x <= -40 or x >= 680 is neither
// drawn nor met by the hero, whose test wants Int(x) within 0..640.
constexpr float kScreenLeft = -40.0f;
constexpr float kScreenRight = 680.0f;
// Beyond this the fireball's position no longer fits the integer the collision test takes.
constexpr float kFarthestFireball = 1.0e6f;

}  // namespace

void walk_every_cell(bool every) {
    g_every_cell = every;
}

namespace {

// The drawing is neither turned nor scaled.
bool plain_drawing() {
    float sx = 0, sy = 0;
    GetScale(sx, sy);
    return GetRotation() == 0 && sx == 1 && sy == 1;
}

}  // namespace

HeroReach::HeroReach() {
    if (g_every_cell || !plain_drawing() || !img_sprites) return;
    narrowed_ = true;
    width_ = ImageWidth(img_sprites);
    height_ = ImageHeight(img_sprites);
}

CellWindow cells_with_more_to_do() {
    constexpr float kAll = std::numeric_limits<float>::infinity();
    if (g_every_cell) return {-kAll, kAll};
    CellWindow w{kScreenLeft, kScreenRight};
    if (fireball.state == 0) return w;
    // Unturned and unscaled (as every cell's update leaves the drawing), two sprites of the
    // sheet meet only when their x are less than its width apart; under any other transform
    // the test looks at more, and so does the walk.
    if (!plain_drawing() || !(fireball.x > -kFarthestFireball && fireball.x < kFarthestFireball))
        return {-kAll, kAll};
    // A cell at x <= n (a whole number) has Int(x) <= n, and one at x >= n has Int(x) >= n.
    const int fx = Int(fireball.x);
    const int width = ImageWidth(img_sprites);
    w.lo = std::min(w.lo, static_cast<float>(fx - width));
    w.hi = std::max(w.hi, static_cast<float>(fx + width));
    return w;
}
