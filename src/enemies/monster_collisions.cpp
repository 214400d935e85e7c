// SPDX-License-Identifier: GPL-3.0-or-later
// A monster against the hero's fireball, the map and the hero, and a live shell against every
// other monster. All contact between hero and monster is settled here (and by the shots).
#include <algorithm>
#include <bitset>
#include <cmath>
#include <cstdlib>
#include <string>

#include "enemies/monster_tag.h"
#include "shell/addon_hooks.h"
#include "shell/globals.h"

namespace {

constexpr float kWalkerFall = 4.0f;
constexpr float kShellSpeed = 4.0f;

int hero_kill_points() {
    const player_tag& p = hero();
    return 100 * p.level + 50 * p.area;
}

int shell_kill_points() {
    return 100 * hero().level + 400;
}

void kill(monster_tag& m) {
    m.state = 0;
    m.rstp = -22;
    m.ystp = 5.0f;
    play_effect(snd_edeath);
}

// The rising score text copies game.setpoint when it is made.
void award(float x, float y, int points) {
    game.setpoint = std::to_string(points);
    specialfx_tag::Create(x - 10, y, 0, 0, 0, -1.0f, 0.01f, 4, 0);
    hero().score += points;
}

// Two centre-handled frames of one sheet can only overlap when their boxes do; saves the
// pixel test for the many cells far from the monster without changing any outcome.
struct frame_box {
    int w = ImageWidth(img_sprites);
    int h = ImageHeight(img_sprites);
    bool apart(int x1, int y1, int x2, int y2) const {
        return std::abs(x1 - x2) > w || std::abs(y1 - y2) > h;
    }
};

bool sprites_collide(const frame_box& box, int x1, int y1, int frame1, int x2, int y2, int frame2) {
    if (box.apart(x1, y1, x2, y2)) return false;
    return ImagesCollide(img_sprites, x1, y1, frame1, img_sprites, x2, y2, frame2);
}

bool sprites_collide(int x1, int y1, int frame1, int x2, int y2, int frame2) {
    return sprites_collide(frame_box{}, x1, y1, frame1, x2, y2, frame2);
}

bool is_walker(int typ) {
    return typ == monster_tag::kSpider || typ == monster_tag::kTurtle ||
           typ == monster_tag::kSpikedTurtle || typ == monster_tag::kScorpion ||
           typ == monster_tag::kShell;
}

bool turned_by_hidden_walls(int typ) {
    return typ == monster_tag::kTurtle || typ == monster_tag::kSpikedTurtle ||
           typ == monster_tag::kScorpion;
}

// One cell against a walker. Returns true when the cell wrote the falling speed.
bool cell_collision(monster_tag& m, const map_tag& c, const frame_box& box, bool hidden_walls) {
    const int cx = Int(c.x);
    const int cy = Int(c.y);
    if (c.hiddenwall == 1 && hidden_walls &&
        sprites_collide(box, Int(m.x + m.xstp), Int(m.y), m.frame, cx, cy, 0)) {
        m.xstp = -m.xstp;
    }
    if (!solid_for_walkers(c.tile1) || m.state == 0 || !is_walker(m.typ)) return false;
    if (!sprites_collide(box, Int(m.x), Int(m.y), m.frame, cx, cy, c.tile1)) {
        m.ystp = kWalkerFall;
        return true;
    }
    // A block touched between 18 px above its centre and its centre neither lifts nor turns
    // the walker.
    bool wrote = false;
    if (m.y < cy - 18) {
        m.ystp = 0;
        m.y = static_cast<float>(cy - 40);
        wrote = true;
    }
    if (m.y >= cy && m.x < cx) {
        m.xstp = -1.0f;
        m.x = static_cast<float>(cx - 40);
    }
    if (m.y >= cy && m.x > cx) {
        m.xstp = 1.0f;
        m.x = static_cast<float>(cx + 40);
    }
    if (m.typ == monster_tag::kShell && m.y >= cy && m.x < cx) {
        m.xstp = -kShellSpeed;
        m.x = static_cast<float>(cx - 40);
        play_effect(snd_bonk);
    }
    if (m.typ == monster_tag::kShell && m.y >= cy && m.x > cx) {
        m.xstp = kShellSpeed;
        m.x = static_cast<float>(cx + 40);
        play_effect(snd_bonk);
    }
    return wrote;
}

// The cells stand on a regular 40 px grid (they are laid out so and all scroll together).
bool regular_grid() {
    constexpr int kLastCol = map_tag::kColumns - 1;
    constexpr int kLastRow = map_tag::kCells - map_tag::kColumns;
    const float x0 = map_cells[0].x;
    const float y0 = map_cells[0].y;
    return map_cells[1].x == x0 + 40 && map_cells[map_tag::kColumns].y == y0 + 40 &&
           map_cells[kLastCol].x == x0 + 40 * kLastCol &&
           map_cells[kLastRow].y == y0 + 40 * (map_tag::kRows - 1) &&
           map_cells[map_tag::kCells - 1].x == map_cells[kLastCol].x &&
           map_cells[map_tag::kCells - 1].y == map_cells[kLastRow].y && map_cells[1].y == y0 &&
           map_cells[map_tag::kColumns].x == x0;
}

int clamp_index(int v, int hi) {
    return v < 0 ? 0 : (v > hi ? hi : v);
}

// The same walk as every cell in index order, visiting only the cells near the walker. A far
// cell can only be an untouched solid one, which sets the falling speed to 4: so the speed
// ends at 4 when such a cell comes after the last near cell that wrote it.
void near_cell_collisions(monster_tag& m, const frame_box& box, bool hidden_walls) {
    constexpr int kCols = map_tag::kColumns;
    std::bitset<map_tag::kCells> visited;
    const float x0 = map_cells[0].x;
    const float y0 = map_cells[0].y;
    int last_write = -1;
    int from = 0;
    for (bool moved = true; moved;) {
        moved = false;
        const int ax = Int(m.x);
        const int bx = Int(m.x + m.xstp);
        const int my = Int(m.y);
        const float left = static_cast<float>(std::min(ax, bx) - box.w) - x0;
        const float right = static_cast<float>(std::max(ax, bx) + box.w) - x0;
        const int c_lo = clamp_index(static_cast<int>(std::floor(left / 40)) - 1, kCols - 1);
        const int c_hi = clamp_index(static_cast<int>(std::ceil(right / 40)) + 1, kCols - 1);
        const float top = static_cast<float>(my - box.h) - y0;
        const float bottom = static_cast<float>(my + box.h) - y0;
        const int r_lo =
            clamp_index(static_cast<int>(std::floor(top / 40)) - 1, map_tag::kRows - 1);
        const int r_hi =
            clamp_index(static_cast<int>(std::ceil(bottom / 40)) + 1, map_tag::kRows - 1);
        for (int r = r_lo; r <= r_hi && !moved; ++r) {
            for (int c = c_lo; c <= c_hi; ++c) {
                const int i = r * kCols + c;
                if (i < from) continue;
                visited.set(static_cast<size_t>(i));
                const float x = m.x, y = m.y, xstp = m.xstp;
                if (cell_collision(m, map_cells[i], box, hidden_walls)) last_write = i;
                if (m.x != x || m.y != y || m.xstp != xstp) {
                    // It moved or turned: what is near has changed from the next cell on.
                    from = i + 1;
                    moved = true;
                    break;
                }
            }
        }
    }
    if (m.state == 0 || !is_walker(m.typ)) return;
    for (int i = map_tag::kCells - 1; i > last_write; --i) {
        if (!visited.test(static_cast<size_t>(i)) && solid_for_walkers(map_cells[i].tile1)) {
            m.ystp = kWalkerFall;
            return;
        }
    }
}

// Every cell in index order. Each solid cell the walker does not touch sets its falling speed
// again, so the order of the cells decides the outcome and is kept as it is.
void map_collisions(monster_tag& m) {
    const bool hidden_walls = turned_by_hidden_walls(m.typ);
    if (!hidden_walls && (m.state == 0 || !is_walker(m.typ))) return;
    const frame_box box;
    if (regular_grid()) {
        near_cell_collisions(m, box, hidden_walls);
        return;
    }
    for (const map_tag& c : map_cells) cell_collision(m, c, box, hidden_walls);
}

// The hero came down on the monster (jumping, or falling faster than 5 px a frame).
void landed_on(monster_tag& m) {
    const int typ = m.typ;
    if (typ != monster_tag::kSpider && typ != monster_tag::kTurtle && typ != monster_tag::kBat &&
        typ != monster_tag::kShell) {
        return;  // spikes, stings, flames and the rest shrug it off, and so does the hero
    }
    player_tag& p = hero();
    game.jump = 1;
    if (typ == monster_tag::kBat) {
        m.ystp = 5.0f;
        m.rstp = -22;
        m.state = 0;
    }
    if (typ == monster_tag::kSpider) {
        m.xstp = 0;
        m.y += 10.0f;
        m.yscale = 0.5f;
        m.deathtmr = 60;
        m.state = 0;
    }
    if (m.typ == monster_tag::kShell) {
        m.xstp = Int(p.x) <= m.x ? kShellSpeed : -kShellSpeed;
        p.y -= 10.0f;
        play_effect(snd_bonk);
    }
    // After the shell, so that a turtle just turned into one is not kicked in the same frame.
    if (m.typ == monster_tag::kTurtle) {
        m.typ = monster_tag::kShell;
        m.xstp = 0;
        p.y -= 10.0f;
        play_effect(snd_bonk);
        m.frame = m.frame == 61 ? 63 : 66;
    }
    p.ystp = -3.0f;
    play_effect(typ == monster_tag::kSpider ? snd_splat : snd_edeath);
    award(m.x, m.y, hero_kill_points());
}

}  // namespace

void monster_tag::collisions() {
    if (entered == 0 || typ == kFirebar) return;

    // A monster already killed can be hit again, and scores again.
    if (fireball.state == 1 && typ != kLeapingFlame && typ != kFlyingFlame &&
        sprites_collide(Int(x), Int(y), frame, Int(fireball.x), Int(fireball.y), fireball.frame)) {
        fireball.state = 0;
        kill(*this);
        award(x, y, hero_kill_points());
    }

    map_collisions(*this);

    player_tag& p = hero();
    if (state == 0 || !sprites_collide(Int(x), Int(y), frame, Int(p.x), Int(p.y), kHeroFrame))
        return;
    if (addon_hooks.hero_untouchable && addon_hooks.hero_untouchable()) return;
    if (game.invincible != 0) {
        kill(*this);
        award(x, y, hero_kill_points());
    } else if (y > Int(p.y) - 5 && (game.jump != 0 || p.ystp > 5.0f)) {
        landed_on(*this);
    } else {
        specialfx_tag::reset();
        hero_hit();
    }
}

void monster_tag::bscollisions(int x, int y, int frame) {
    // The shell knows itself only by its x: a monster at the same truncated x is never hit.
    const frame_box box;
    monster_list.ForEach([&](monster_tag& m) {
        const int mx = Int(m.x);
        const int my = Int(m.y);
        if (m.state != 0 && mx != x && sprites_collide(box, x, y, frame, mx, my, m.frame)) {
            kill(m);
            award(static_cast<float>(mx), static_cast<float>(my), shell_kill_points());
        }
    });
}
