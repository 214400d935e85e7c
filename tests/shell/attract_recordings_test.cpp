// SPDX-License-Identifier: GPL-3.0-or-later
// The three attract-demo recordings as the game ships them: well-formed files, and each one
// played by the title screen's own attract demo, in the title's order, from start to end marker
// with the hero alive and doing something worth watching.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "shell/globals.h"
#include "support/test_game.h"

namespace {

constexpr int kRecordBytes = 12;
constexpr int kFilledAtLeast = 900;  // records of play before the end marker

std::vector<demo_tag> read_recording(int n, size_t& bytes) {
    std::ifstream in(ResolvePath("data\\demodata.0" + std::to_string(n)), std::ios::binary);
    std::vector<char> raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    bytes = raw.size();
    std::vector<demo_tag> records;
    for (size_t at = 0; at + kRecordBytes <= raw.size(); at += kRecordBytes) {
        int32_t v[3];
        for (int f = 0; f < 3; ++f) {
            uint32_t u = 0;
            for (int b = 3; b >= 0; --b)
                u = (u << 8) | static_cast<unsigned char>(raw[at + 4 * f + b]);
            v[f] = static_cast<int32_t>(u);
        }
        records.push_back(demo_tag{v[0], v[1], v[2]});
    }
    return records;
}

int end_marker_of(const std::vector<demo_tag>& records) {
    for (size_t k = 0; k < records.size(); ++k)
        if (records[k].direction == demo_tag::kEndMarker) return static_cast<int>(k);
    return -1;
}

struct DemoRun {
    int frames = 0;  // records played
    int jumps = 0;   // jumps the hero started
    float scrolled = 0;
    int blocks_struck = 0;  // bonus blocks used up and bricks broken
    bool died = false;
    bool at_marker = false;
};

// Blocks struck in the live map since map 3.n was loaded; also tells how many it had.
int blocks_struck(int n, int& blocks_at_start) {
    std::vector<int> now;
    for (const map_tag& c : map_cells) now.push_back(c.tile1);
    map_tag::Load(3, n);
    blocks_at_start = 0;
    int struck = 0;
    for (int i = 0; i < map_tag::kCells; ++i) {
        const int was = map_cells[i].tile1;
        if (was == 4 || was == 5) {
            ++blocks_at_start;
            if (now[static_cast<size_t>(i)] != was) ++struck;
        }
    }
    return struck;
}

// One stay on the title: the menu's idle frames, then the whole demo.
DemoRun run_demo_on_title() {
    DemoRun run;
    int last_jump = 0;
    SetFlipHook([&](int) {
        if (demo_playing != 1) return;
        ++run.frames;
        // The record just played pressed jump while the hero was free to jump.
        if (demo_pos > 0 && demo[demo_pos - 1].jump == 1 && last_jump == 0) ++run.jumps;
        last_jump = game.jump;
    });
    game_tag::title_screen();
    SetFlipHook(nullptr);
    run.at_marker = demo[demo_pos].direction == demo_tag::kEndMarker;
    const player_tag& p = hero();
    // The demo ends the moment its hero leaves play; what ended it is still to be seen.
    run.died = game.tovodeath != 0 || p.y > 480.0f || p.x == 0.0f;
    run.scrolled = 20.0f - map_cells[0].x;
    return run;
}

}  // namespace

TEST(AttractRecordings, AreWholeRecordingsEndingWithAMarker) {
    fresh_game();
    for (int n = 1; n <= 3; ++n) {
        size_t bytes = 0;
        const std::vector<demo_tag> records = read_recording(n, bytes);
        EXPECT_EQ(bytes, static_cast<size_t>(demo_tag::kRecords * kRecordBytes)) << n;
        const int marker = end_marker_of(records);
        EXPECT_GE(marker, kFilledAtLeast) << "recording " << n << " ends too soon";
        for (int k = 0; k < marker; ++k) {
            EXPECT_TRUE(records[k].direction >= 0 && records[k].direction <= 2) << n << ":" << k;
            EXPECT_TRUE(records[k].jump == 0 || records[k].jump == 1) << n << ":" << k;
            EXPECT_TRUE(records[k].turbo == 0 || records[k].turbo == 1) << n << ":" << k;
        }
    }
}

TEST(AttractRecordings, PlayOnTheTitleToTheirEndMarkerWithoutADeath) {
    fresh_game();
    demo_next = 1;
    for (int n = 1; n <= 3; ++n) {
        size_t bytes = 0;
        const int marker = end_marker_of(read_recording(n, bytes));
        game.state = game_tag::kTitle;
        const DemoRun run = run_demo_on_title();
        EXPECT_EQ(demo_next, n % 3 + 1);
        EXPECT_TRUE(run.at_marker) << "recording " << n << " stopped after " << run.frames;
        EXPECT_EQ(run.frames, marker) << "recording " << n;
        EXPECT_FALSE(run.died) << "recording " << n << " after " << run.frames << " frames";
        // Confident play: far into the area, jumping, and striking blocks where there are any.
        EXPECT_GT(run.scrolled, 2500.0f) << "recording " << n;
        EXPECT_GE(run.jumps, 10) << "recording " << n;
        const int magic = hero().magic;
        int blocks = 0;
        const int struck = blocks_struck(n, blocks);
        if (blocks > 0) {
            EXPECT_GE(struck + magic, 3) << "recording " << n;
        }
    }
}
