// SPDX-License-Identifier: GPL-3.0-or-later
// A quiet stage for the hero's tests: a one-player game in play on an empty grid, no objects,
// the hero in mid-air at a known place and the mouse pointer in its neutral spot.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/test_game.h"

class HeroTest : public ::testing::Test {
  protected:
    void SetUp() override {
        empty_area_in_play();
        player_tag& p = hero();
        p.x = 200;
        p.y = 200;
        p.ystp = 0;
    }

    void TearDown() override {
        for (const char* c : {"left", "right", "jump", "turbo", "joy-left", "joy-right", "joy0",
                              "joy1", "joy7", "mouse1", "mouse2"})
            release(c);
        SetStallHook(nullptr);
    }

    static void move_mouse_to(int x, int y) {
        InputEvent ev;
        ev.action = InputAction::kPress;
        ev.control = "mouse";
        ev.x = x;
        ev.y = y;
        HeadlessApply(ev);
    }

    static int index_of(int col, int row) { return row * map_tag::kColumns + col; }
};
