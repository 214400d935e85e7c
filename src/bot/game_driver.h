// SPDX-License-Identifier: GPL-3.0-or-later
// The real game run frame by frame for the bot: the runner's way into an area (--start L.A),
// the title's way into an attract demo, and one frame of either with live play's controls.
#pragma once

#include <string>
#include <vector>

#include "platform/backend.h"
#include "shell/globals.h"

// The controls of one frame as live play offers them: no direction, left or right; jump or not.
// Turbo needs no choice: live play has it always on, and a demo records it on every frame.
struct Move {
    int direction = 0;  // 0 none, 1 left, 2 right
    bool jump = false;
};

enum class PlayMode { kArea, kDemo };

enum class FrameResult {
    kPlaying,
    kDied,        // the hero lost a life (or, in a demo, the demo ended early)
    kFinished,    // the hero fell into the cauldron with the area complete
    kForgotItem,  // the cauldron of a third area without its magic item
};

// The headless platform without drawing, seeded as varnoth-sim seeds it; data_root stands in for
// the program's folder (empty: the executable's own, as for varnoth-sim). Then the start-up that
// every run of the mode shares. Once per process.
void boot_game(PlayMode mode, const std::string& data_root);
// The state boot_game left, from which every area and demo is entered.
const game_state& booted_state();

// The runner's --start L.A: a one-player game entered at the level announcement, run up to the
// first frame of play. Starts from the state boot_game left, so areas can follow one another.
void start_area(int level, int area);

// The title's start of attract demo n on map 3.n, with every record still empty; then the
// recording's fixed first record (right, turbo off, so that what the last game left in the
// fireball's trigger and the facing cannot change the demo) is played.
void enter_demo(int n);
// The first record of every recording.
Move demo_first_move();

// One frame with the controls m. In an area, a change of direction becomes a release and a press
// of the arrow keys and a jump a tap of the jump key, queued as varnoth-sim queues its script;
// `held` is the direction key held down before the frame and after it. In a demo, m becomes the
// record the frame plays (turbo on).
FrameResult play_frame(PlayMode mode, const Move& m, int& held);

// The script events of an area frame numbered `frame` with the controls m; updates `held`.
std::vector<InputEvent> frame_events(int frame, const Move& m, int& held);

// Record `index` of a recording, played with the controls m.
demo_tag demo_record(const Move& m, int index);
