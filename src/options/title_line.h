// SPDX-License-Identifier: GPL-3.0-or-later
// The title screen's one small line naming what was added beyond the designed game: parts that
// each module registers ("F10 options", "Tab replays", the chosen level pack's title), shown
// side by side in the order of their numbers.
#pragma once

#include <functional>
#include <string>

// Adds a part; `text` is asked every frame and may give "" to show nothing.
void AddTitleLinePart(int order, std::function<std::string()> text);
// The whole line as it stands now.
std::string TitleLineText();
// Draws the line under the title's menu (the title_draw hook).
void DrawTitleLine();
