// SPDX-License-Identifier: GPL-3.0-or-later
// The bot's searches rest on this: a saved state, loaded again, plays the same frames again,
// held keys, hits not yet read, scripted events to come, frame numbers and drawing state
// included.
#include <gtest/gtest.h>

#include <vector>

#include "shell/globals.h"
#include "support/test_game.h"

namespace {

struct Trace {
    std::vector<float> x, y;
    int frame = 0;
};

Trace play(int frames) {
    Trace t;
    for (int i = 0; i < frames && game.state == game_tag::kPlay; ++i) {
        play_frames(1);
        t.x.push_back(hero().x);
        t.y.push_back(hero().y);
    }
    t.frame = FrameNumber();
    return t;
}

}  // namespace

TEST(SavedState, LoadingItPlaysTheSameFramesWithTheSameInput) {
    fresh_game();
    enter_area(1, 1);
    hold("right");
    play_frames(30);
    tap("jump");  // a hit not yet read when the state is saved
    InputEvent later;
    later.frame = FrameNumber() + 20;
    later.action = InputAction::kRelease;
    later.control = "right";
    HeadlessQueueEvents({later});  // and an event still to come
    SetTransform(0, 1, 1);
    const game_state saved = save_state();
    const Trace first = play(60);

    // Everything the machine holds is changed before loading.
    release("right");
    hold("left");
    MoveMouse(0, 0);
    HeadlessQueueEvents({});
    SetTransform(30, 2, 2);
    load_state(saved);
    const Trace again = play(60);

    EXPECT_EQ(again.frame, first.frame);
    EXPECT_EQ(again.x, first.x);
    EXPECT_EQ(again.y, first.y);
    // The jump was taken and the right key let go at its frame, both times.
    EXPECT_LT(*std::min_element(first.y.begin(), first.y.end()), first.y.front() - 40);
    EXPECT_EQ(first.x[50], first.x[59]);
    release("left");
}
