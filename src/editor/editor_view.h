// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the editor's screen: the area with the game's sprites, its grid, marks and selection,
// the palette, the status line, the overview strip, the list of rules and the question asked.
#pragma once

#include "editor/editor_session.h"

namespace editor {

// The palette's cells: four pictures a row under the group's name.
inline constexpr int kPaletteTop = 40;
inline constexpr int kPaletteLeft = kPanelLeft + 4;
inline constexpr int kPalettePitch = 38;
inline constexpr int kPaletteColumns = 4;

// The palette entry under a picture point; false when none.
bool palette_entry_at(const Session& s, int px, int py, int& entry);
// The group arrows beside the group's name: -1 left, +1 right, 0 none.
int palette_arrow_at(int px, int py);

void draw_editor(const Session& s);
// One cell as the area shows it, its centre at (x, y), at `scale` (1: the game's own).
void draw_cell(float x, float y, float scale, int tile1, int tile2);

}  // namespace editor
