// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry into the game, shared by the desktop program and the headless runner.
#pragma once

// Registers the embedded resources (generated from resources/ by the build).
void register_embedded_resources();

// Start-up, the main loop and shut-down; returns only through End().
[[noreturn]] void varnoth_main();

// The start-up steps before the logo: resources, display, globals, demos, media. The headless
// runner and the tests share them.
void start_up();

// Seeds the random generator from the wall clock, so runs differ (a headless run given a fixed
// seed uses that instead).
void seed_random_generator();

// The settings made after the logo: title state, top score, banner position.
void after_logo();

// The main loop until Escape, quit or a close request, then shut-down; never returns.
[[noreturn]] void main_loop();

// One turn of the main loop: the frame of the current state (a whole screen for the states
// that run their own frame loops), the HUD and the frame end. False when the loop would end.
bool main_loop_frame();

// The main loop's dispatch of one frame to the routine of game.state.
void run_state_routine();
