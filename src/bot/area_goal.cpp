// SPDX-License-Identifier: GPL-3.0-or-later
// The bot's sense of progress: how far right the hero is, how close to the magic item while it
// is still to be taken, and how safely placed.
#include "bot/area_goal.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kCellSize = 40.0f;
constexpr float kFloorLine = 420.0f;  // the hero standing on the bottom row
constexpr double kFarHeightWeight = 0.25;
constexpr double kHeightFalloff = 800.0;
constexpr double kItemBonus = 20000.0;  // beyond any distance on a map
constexpr double kBelowFloorCost = 4.0;
constexpr double kPowerWorth = 60.0;
constexpr double kDeedWorth = 40.0;
constexpr double kKillWorth = 80.0;
constexpr int kBrick = 4;
constexpr int kUsedBlock = 8;

bool is_magic_item(int tile2) {
    return tile2 >= 100 && tile2 <= 108;
}

// Closeness to a target in map pixels, highest on it. Height counts fully only near the target,
// since far away the way there may go up and down; its weight falls off slowly enough (less than
// 1/480 per pixel) that coming closer across the screen always scores better.
double closeness(double x, double y, double tx, double ty) {
    const double across = std::fabs(x - tx);
    const double weight = std::max(kFarHeightWeight, 1.0 - across / kHeightFalloff);
    return tx - across - weight * std::fabs(y - ty);
}

// How far the world has scrolled: map x = screen x - scrolled().
float scrolled() {
    return map_cells[0].x - kCellSize / 2;
}

}  // namespace

float AreaGoal::hero_map_x() {
    return hero().x - scrolled();
}

AreaGoal AreaGoal::of_live_area(PlayMode mode) {
    AreaGoal g;
    g.mode = mode;
    g.needs_item = mode == PlayMode::kArea && hero().area == 3;
    const float scroll = scrolled();
    for (const map_tag& c : map_cells) {
        if (is_magic_item(c.tile2)) {
            g.item_x = c.x - scroll;
            g.item_y = c.y;
        }
        if (c.tile1 == kBrick) ++g.bricks;
        if (c.tile1 == kUsedBlock) ++g.used_blocks;
    }
    g.cauldron_x = static_cast<float>(game.cauldx) - scroll;
    g.cauldron_y = static_cast<float>(game.cauldy);
    return g;
}

int AreaGoal::deeds() const {
    int used = 0, bricks_left = 0;
    for (const map_tag& c : map_cells) {
        if (c.tile1 == kUsedBlock) ++used;
        if (c.tile1 == kBrick) ++bricks_left;
    }
    return hero().magic + (used - used_blocks) + (bricks - bricks_left) + hero().power;
}

double AreaGoal::score(int kills) const {
    const player_tag& p = hero();
    const double x = hero_map_x();
    double s = 0;
    if (mode == PlayMode::kDemo) {
        s = x;
    } else if (needs_item && game.item == 0) {
        s = closeness(x, p.y, item_x, item_y);
    } else {
        // Past the cauldron lies the end of the map, with nothing to stand on.
        s = kItemBonus + closeness(x, p.y, cauldron_x, cauldron_y);
    }
    if (p.y > kFloorLine) s -= (p.y - kFloorLine) * kBelowFloorCost;
    s += kPowerWorth * (p.power > 0 ? 1 : 0);
    if (mode == PlayMode::kDemo) s += kDeedWorth * deeds() + kKillWorth * kills;
    return s;
}

int beaten_monsters_on_screen() {
    int n = 0;
    monster_list.ForEach([&](const monster_tag& m) {
        if (m.state == 0 && m.typ != monster_tag::kFlyingFlame) ++n;
    });
    return n;
}
