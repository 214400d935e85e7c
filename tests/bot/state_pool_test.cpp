// SPDX-License-Identifier: GPL-3.0-or-later
// The bot's saved states keep only what changed since the pool's first state; loading one must
// still give back the whole state that was saved, and play on exactly as it played the first
// time.
#include "bot/state_pool.h"

#include <gtest/gtest.h>

#include <vector>

#include "sim/state_dump.h"
#include "support/test_game.h"

namespace {

// Hero positions over the next frames of play.
std::vector<float> trace(int frames) {
    std::vector<float> xs;
    for (int i = 0; i < frames && game.state == game_tag::kPlay; ++i) {
        play_frames(1);
        xs.push_back(hero().x);
        xs.push_back(hero().y);
        xs.push_back(map_cells[0].x);
    }
    return xs;
}

std::string dump() {
    return dump_state_json(FrameNumber(), MilliSecs(), {});
}

}  // namespace

TEST(StatePool, ALoadedStateIsTheSavedOneAndPlaysOnTheSame) {
    fresh_game();
    enter_area(1, 1);
    StatePool pool;
    const StatePool::Saved first = pool.save();
    const map_tag cell_700 = map_cells[700];
    EXPECT_TRUE(first->changed.empty());
    EXPECT_FALSE(first->own_demo);

    // Far along, with the world scrolled, cells and records changed besides, and objects about.
    hold("right");
    play_frames(240);
    tap("jump");
    play_frames(30);
    map_cells[700].tile2 = cell_700.tile2 + 1;
    map_cells[701].hidden = 1;
    demo[5].jump = 1;
    const StatePool::Saved later = pool.save();
    ASSERT_LT(map_cells[0].x, 20.0f);  // it has scrolled
    EXPECT_GE(later->changed.size(), 2u);
    EXPECT_TRUE(later->own_demo);
    const std::string saved = dump();
    const std::vector<float> first_run = trace(90);

    // Everything is changed again before loading.
    release("right");
    hold("left");
    map_cells[700].tile2 = 0;
    demo[5].jump = 0;
    trace(20);
    pool.load(*later);
    EXPECT_EQ(dump(), saved);
    EXPECT_EQ(map_cells[700].tile2, cell_700.tile2 + 1);
    EXPECT_EQ(map_cells[701].hidden, 1);
    EXPECT_EQ(demo[5].jump, 1);
    EXPECT_EQ(trace(90), first_run);

    // The first state comes back as it was too, records and all.
    pool.load(*first);
    EXPECT_EQ(demo[5].jump, 0);
    EXPECT_EQ(map_cells[700].tile2, cell_700.tile2);
    EXPECT_EQ(map_cells[0].x, 20.0f);
    release("left");
}

TEST(StatePool, StatesAreReusedAndMayOutliveTheirPool) {
    fresh_game();
    enter_area(1, 2);
    StatePool::Saved kept;
    {
        StatePool pool;
        const CompactState* address = nullptr;
        {
            const StatePool::Saved a = pool.save();
            address = a.get();
        }
        // Let go of, it is handed out again for the next save.
        const StatePool::Saved b = pool.save();
        EXPECT_EQ(b.get(), address);
        kept = pool.save();
    }
    EXPECT_EQ(kept->game.state, game_tag::kPlay);
    kept.reset();  // after its pool: simply freed
}
