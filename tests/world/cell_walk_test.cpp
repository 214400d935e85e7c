// SPDX-License-Identifier: GPL-3.0-or-later
// The frame's walk passes over the cells that would only scroll: every walkthrough, and scenes
// with the cells scattered anywhere, play frame for frame as they do with every cell walked.
#include "world/cell_walk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "bot/replay_files.h"
#include "replay/game_state_bytes.h"
#include "shell/startup.h"
#include "sim/game_start.h"
#include "sim/input_script.h"
#include "support/sim_runner.h"
#include "world/world_helpers.h"

namespace {

// What a frame leaves that the next one, a saved state or the runner's dump can see.
struct FrameTrace {
    uint32_t checksum = 0;
    int32_t rnd = 0;
    int blend = 0;
    float rotation = 0, sx = 0, sy = 0, alpha = 0;
    std::vector<std::string> sounds;
    bool operator==(const FrameTrace&) const = default;
};

FrameTrace trace() {
    FrameTrace t;
    t.checksum = play_state_checksum();
    t.rnd = RndState();
    t.blend = GetBlend();
    t.rotation = GetRotation();
    GetScale(t.sx, t.sy);
    t.alpha = GetAlpha();
    t.sounds = sounds_played();
    return t;
}

struct GameRun {
    std::vector<FrameTrace> frames;
    bool won = false;
};

GameRun play_walkthrough(const std::string& area, bool every_cell) {
    const std::string text =
        slurp(std::string(VARNOTH_SOURCE_DIR) + "/tests/walkthroughs/" + area + ".txt");
    ReplayHeader h;
    std::vector<InputEvent> events;
    ScriptError error;
    GameRun run;
    if (!read_replay_header(text, h) || !parse_input_script(text, events, error)) {
        ADD_FAILURE() << "no walkthrough of " << area;
        return run;
    }
    fresh_game();
    walk_every_cell(every_cell);
    const int offset = FrameNumber();
    for (InputEvent& e : events) e.frame += offset;
    begin_game_at(h.level, h.area, 1);
    HeadlessQueueEvents(events);
    sounds_played();
    while (FrameNumber() < offset + h.frames && main_loop_frame()) {
        run.frames.push_back(trace());
    }
    run.won = game.state == game_tag::kLevelEnd;
    walk_every_cell(false);
    return run;
}

// The first frame at which two runs part, or -1.
int parting(const GameRun& a, const GameRun& b) {
    const size_t n = std::min(a.frames.size(), b.frames.size());
    for (size_t i = 0; i < n; ++i)
        if (!(a.frames[i] == b.frames[i])) return static_cast<int>(i);
    return a.frames.size() == b.frames.size() ? -1 : static_cast<int>(n);
}

}  // namespace

TEST(CellWalk, EveryWalkthroughPlaysAsWithEveryCellWalked) {
    for (int level = 1; level <= 5; ++level) {
        for (int area = 1; area <= 3; ++area) {
            const std::string name = std::to_string(level) + "." + std::to_string(area);
            const GameRun fast = play_walkthrough(name, false);
            const GameRun plain = play_walkthrough(name, true);
            EXPECT_TRUE(fast.won) << name;
            EXPECT_EQ(parting(fast, plain), -1) << name;
        }
    }
}

// Cells anywhere (off the grid, at the screen's edges, beside a fireball off the screen), the
// fireball thrown or not, the drawing turned or not when the frame begins: the same frame.
TEST(CellWalk, ScatteredCellsPlayAsWithEveryCellWalked) {
    std::mt19937 rng(28);
    const int codes[] = {0, 4, 5, 8, 11, 20, 24, 28, 94, 100};
    const float edges[] = {-41, -40, -39.5f, 0, 639.5f, 640, 641, 679.5f, 680, 681, 720};
    for (int scene = 0; scene < 200; ++scene) {
        empty_area_in_play();
        for (map_tag& c : map_cells) {
            c.tile1 = codes[rng() % 10];
            c.tile2 = rng() % 3 == 0 ? codes[rng() % 10] : 0;
            c.objectid = static_cast<int>(rng() % 4);
            c.hidden = rng() % 8 == 0 ? 1 : 0;
            c.multitmr = static_cast<int>(rng() % 200);
            c.yoffset = -static_cast<int>(rng() % 3);
            c.x = rng() % 4 == 0 ? edges[rng() % 11]
                                 : static_cast<float>(static_cast<int>(rng() % 1600) - 500);
            c.y = static_cast<float>(rng() % 480);
        }
        hero().x = static_cast<float>(rng() % 640);
        hero().y = static_cast<float>(rng() % 480);
        hero().power = 2;
        if (scene % 3 != 0) {
            fireball.state = 1;
            fireball.x = static_cast<float>(static_cast<int>(rng() % 800) - 80);
            fireball.y = static_cast<float>(rng() % 480);
            fireball.frame = 26;
        }
        if (scene % 5 == 0) SetTransform(30, 1.5f, 1.5f);
        hold(rng() % 2 == 0 ? "right" : "left");
        const game_state start = save_state();
        sounds_played();
        std::vector<FrameTrace> fast, plain;
        for (bool every : {false, true}) {
            load_state(start);
            walk_every_cell(every);
            std::vector<FrameTrace>& out = every ? plain : fast;
            for (int f = 0; f < 8 && game.state == game_tag::kPlay; ++f) {
                play_frames(1);
                out.push_back(trace());
            }
        }
        walk_every_cell(false);
        release("right");
        release("left");
        EXPECT_EQ(fast, plain) << "scene " << scene;
    }
}
