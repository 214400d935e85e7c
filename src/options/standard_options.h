// SPDX-License-Identifier: GPL-3.0-or-later
// The options screen's own pages: Display, Sound, Controls (keyboard and pad), Assist, and
// "Restore defaults"; from the pause also the way out of the game.
#pragma once

// Registers them (once; a second call changes nothing).
void AddStandardOptions();
// The keyboard's and the pad's pages (controls_pages.cpp).
void AddControlsPages();
