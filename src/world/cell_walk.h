// SPDX-License-Identifier: GPL-3.0-or-later
// The frame's walk over the 1680 cells, passing over the cells whose turn would only scroll them.
// A frame of play hands every cell to its update and the two collision tests, yet all but the
// two hundred or so on the screen do nothing there but move with the world: update() draws and
// animates only a cell on the screen, the hero's test leaves at once for a cell off it, and the
// fireball's test finds nothing beyond the width of a sprite from the fireball. The bot plays
// hundreds of thousands of frames per area, so the walk only scrolls such a cell, in the same
// index order as ever; which cells those are is worked out afresh every frame from the fireball
// and the cells themselves, so that nothing is remembered from one frame to the next.
#pragma once

#include "shell/globals.h"

// Scrolled cells outside (lo, hi) are only scrolled by their turn of the walk.
struct CellWindow {
    float lo;
    float hi;
};
CellWindow cells_with_more_to_do();

// The hero's test of a cell asks whether his sprite and the cell's meet: unturned and unscaled
// (as the walk begins, and as every drawn cell leaves the drawing), not when the two stand a
// sprite's width or height apart or more, where it finds nothing to do. Worked out per frame,
// and asked with the hero where he stands at the cell's turn, since a cell can move him.
class HeroReach {
  public:
    HeroReach();
    bool may_touch(const player_tag& p, const map_tag& c) const {
        if (!narrowed_) return true;
        const int dx = Int(p.x) - Int(c.x);
        const int dy = Int(p.y) - Int(c.y);
        return dx < width_ && dx > -width_ && dy < height_ && dy > -height_;
    }

  private:
    bool narrowed_ = false;
    int width_ = 0, height_ = 0;
};

// The tests compare the two ways over whole games: with true, every cell at a finite place is
// handed to `turn`.
void walk_every_cell(bool every);

// Each cell's turn in index order: `turn(i)` for every cell that can do more than scroll, the
// scroll alone for the rest. A turn begins with update(), which sets the blend mode before it
// looks at the cell: that is done here once for the cells passed over.
template <typename Turn>
void walk_cells(int dx, Turn turn) {
    const CellWindow w = cells_with_more_to_do();
    const float step = static_cast<float>(dx);
    SetBlend(1);
    for (int i = 0; i < map_tag::kCells; ++i) {
        map_tag& c = map_cells[i];
        const float x = c.x + step;  // where scroll() puts it
        if (x > w.lo && x < w.hi) {
            turn(i);
        } else {
            c.scroll(dx);
        }
    }
}
