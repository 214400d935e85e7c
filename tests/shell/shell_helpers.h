// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers shared by the shell tests: scripted input relative to the frame being built,
// counting sounds and objects, and reading colours back from the picture.
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "support/test_game.h"

namespace shell_test {

// One scripted input: a tap (or a press) of a control on the k-th frame from now, k = 1 being
// the frame under construction.
struct Step {
    int k;
    std::string control;
    int x = 0;
    int y = 0;
    InputAction action = InputAction::kTap;
};

// Queues a whole script at once (queueing replaces whatever was queued before).
inline void script(const std::vector<Step>& steps) {
    std::vector<InputEvent> events;
    for (const Step& s : steps) {
        InputEvent e;
        e.frame = FrameNumber() + s.k;
        e.action = s.action;
        e.control = s.control;
        e.x = s.x;
        e.y = s.y;
        events.push_back(e);
    }
    HeadlessQueueEvents(events);
}

inline void tap_at(int k, const std::string& control) {
    script({{k, control}});
}

inline int count_of(const std::vector<std::string>& sounds, const std::string& name) {
    return static_cast<int>(std::count(sounds.begin(), sounds.end(), name));
}

inline int effects_of_kind(int typ) {
    int n = 0;
    specialfx_list.ForEach([&](specialfx_tag& fx) { n += fx.typ == typ ? 1 : 0; });
    return n;
}

inline int monsters_of_kind(int typ) {
    int n = 0;
    monster_list.ForEach([&](monster_tag& m) { n += m.typ == typ ? 1 : 0; });
    return n;
}

// The leftmost column in [x0, x1) x [y0, y1) whose pixel satisfies the test; -1 when none.
inline int leftmost(const std::vector<uint8_t>& rgb, int x0, int x1, int y0, int y1,
                    const std::function<bool(int, int, int)>& test) {
    for (int x = x0; x < x1; ++x) {
        for (int y = y0; y < y1; ++y) {
            const uint8_t* p = &rgb[(static_cast<size_t>(y) * 640 + x) * 3];
            if (test(p[0], p[1], p[2])) return x;
        }
    }
    return -1;
}

inline bool is_yellow(int r, int g, int b) {
    return r > 200 && g > 200 && b < 80;
}
inline bool is_cyan(int r, int g, int b) {
    return r < 80 && g > 200 && b > 200;
}
inline bool is_white(int r, int g, int b) {
    return r > 200 && g > 200 && b > 200;
}

// The HUD alone on a black picture.
inline std::vector<uint8_t> hud_picture() {
    Cls();
    game_tag::display();
    std::vector<uint8_t> rgb;
    ReadBackBuffer(rgb);
    return rgb;
}

}  // namespace shell_test
