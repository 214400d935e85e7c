// SPDX-License-Identifier: GPL-3.0-or-later
// The recordings are proved by the title routine itself, which plays them as the attract demo.
#include "title_demos.h"

#include "platform/backend.h"
#include "shell/globals.h"
#include "shell/startup.h"

std::vector<DemoCheck> watch_title_demos() {
    std::vector<DemoCheck> checks;
    int recording = demo_next;
    int frames = 0;
    SetFlipHook([&](int) {
        if (demo_playing == 1) ++frames;
    });
    while (checks.size() < 3) {
        frames = 0;
        // One turn of the main loop on the title runs the menu and then the whole demo.
        if (!main_loop_frame()) break;
        DemoCheck c;
        c.recording = recording;
        // The menu frame that starts the demo is presented, the frame of its last record is not.
        c.frames = frames;
        c.ended_at_marker = demo[demo_pos].direction == demo_tag::kEndMarker;
        const player_tag& p = hero();
        c.died = game.tovodeath != 0 || p.y > 480.0f || p.x == 0.0f;
        checks.push_back(c);
        recording = demo_next;
    }
    SetFlipHook(nullptr);
    return checks;
}
