// SPDX-License-Identifier: GPL-3.0-or-later
// The frame set of the first sprite sheet (127 cells of 40 x 40) and of the second (6 cells),
// and the drawing routines that fill them, one group of related frames per source file.
#pragma once

#include <array>
#include <vector>

#include "canvas.h"
#include "pixfont.h"
#include "shapes.h"

namespace artgen {

constexpr int kCell = 40;
constexpr int kFrames = 127;
constexpr int kFrames2 = 6;

using Frames = std::array<Canvas, kFrames>;
using Frames2 = std::array<Canvas, kFrames2>;

Canvas blank_cell();

// Walls and solid blocks.
void draw_terrain(Frames& f);
// Scenery details: rune stone, lift slabs, chain, webs, shield, lantern, liquids, debris.
void draw_decor(Frames& f);
// The hero's pumpkin, its glows and auras, the splattered pumpkin, the lantern glow.
void draw_hero(Frames& f);
// Flying and static enemies: bat, fish, flames, cannon, skull, fireballs, shots, axe.
void draw_creatures(Frames& f);
// Walking enemies: spider, turtles, scorpion, hunchback.
void draw_walkers(Frames& f);
// Pickups and collectables: star, bottles, crystal ball, cauldron, magic items, sparkles.
void draw_items(Frames& f);
// The green, blue and red splashes.
void draw_effects(Frames& f);
// Witch heads, witch on a broom, rope, banner tail, pointing hand; sheet 2 figures.
void draw_witch(Frames& f, Frames2& f2);
// Map-editor markers for codes that have no picture of their own.
void draw_editor_icons(Frames& f, const PixFont& font);

// How a drawing made for the 40-pixel cell lands on a square picture of another size: the
// cell's centre, moved down by shift_y cell pixels, goes to the picture's centre, and one cell
// pixel becomes zoom picture pixels. Shapes are drawn at the picture's own resolution, so a
// small picture stays sharp instead of being a scaled-down copy.
struct CellView {
    int size = kCell;
    float zoom = 1.0f;
    float shift_y = 0.0f;

    // The cell point under the centre of picture pixel (x, y).
    Pt cell_point(int x, int y) const;
    std::vector<Pt> place(const std::vector<Pt>& cell_points) const;
};

// Shared pumpkin body, used by the hero, by the hatted pumpkin of the ending and by the
// program's icons.
Canvas pumpkin(bool with_face, const CellView& view);

}  // namespace artgen
