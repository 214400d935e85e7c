// SPDX-License-Identifier: GPL-3.0-or-later
// Test support: the real game on the headless backend. The first call starts the platform
// (no drawing unless asked), registers the embedded resources and runs the start-up steps up
// to and including the media loading, once per test process; later calls only reset the state.
#pragma once

#include <string>
#include <vector>

#include "platform/backend.h"
#include "shell/globals.h"

// Resets the whole game state to its start-up values (title state, no objects, empty grid,
// seeded generator) and returns the sounds recorded before, so each test starts clean.
void fresh_game(bool draw = false);

// A one-player game placed at the start of an area, as the level announcement leaves it
// (map loaded and initialised, state 1), without running the announcement screen.
void enter_area(int level, int area);

// A one-player game in play (state 1, effects on, no demo) on an empty grid laid out as a load
// leaves it, the hero on level 1 area 1 with three lives, upright and unturned, the mouse
// parked and the sounds so far cleared: the stage the hero and monster tests build on.
void empty_area_in_play();

// Runs n frames of play the way the main loop does (Cls, ResetCollisions, play_game, display,
// Flip), stopping early when the state leaves play. Returns the frames run.
int play_frames(int n);

// Holds or releases a control by its script name ("left", "right", "jump", "turbo", ...).
void hold(const std::string& control);
void release(const std::string& control);
void tap(const std::string& control);

// The sounds played since the last call, by name.
std::vector<std::string> sounds_played();

// A cell by column and row.
map_tag& cell(int col, int row);
// Empties the grid (every code 0) so a test can build its own scenery with set_cell.
void clear_grid();
void set_cell(int col, int row, int tile1, int tile2 = 0);
// Puts every cell at the place a map load gives it (centre 20 + 40 * col, 20 + 40 * row), as
// scenery built with set_cell expects; nothing else of the cells changes.
void place_cells_as_loaded();
