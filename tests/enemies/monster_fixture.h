// SPDX-License-Identifier: GPL-3.0-or-later
// A quiet stage for the monster tests: a one-player game in play on an empty grid, the hero
// held still at a chosen place every frame so that his own physics stay out of the way.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/test_game.h"

class MonsterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        empty_area_in_play();
        for (map_tag& c : map_cells) c.xscale = c.yscale = 1.0f;
        player_tag& p = hero();
        p.power = 0;
        p.score = 0;
        pin_hero(100, 100);
    }

    void TearDown() override { SetFlipHook(nullptr); }

    // The hero is put back here (with this falling speed) before every frame.
    void pin_hero(float x, float y, float ystp = 0) {
        pin_x_ = x;
        pin_y_ = y;
        pin_ystp_ = ystp;
    }

    // Runs n frames of play with the hero pinned; returns the frames actually run.
    int frames(int n) {
        int run = 0;
        for (; run < n && game.state == game_tag::kPlay; ++run) {
            player_tag& p = hero();
            p.x = pin_x_;
            p.y = pin_y_;
            p.ystp = pin_ystp_;
            play_frames(1);
        }
        return run;
    }

    // A monster already on screen, as if it had come in the frame before.
    static monster_tag& spawn(float x, float y, float xstp, float ystp, int typ) {
        monster_tag::Create(x, y, xstp, ystp, 1.0f, 1.0f, typ);
        monster_tag& m = last_monster();
        m.entered = 1;
        return m;
    }

    static monster_tag& last_monster() {
        monster_tag* last = nullptr;
        monster_list.ForEach([&](monster_tag& m) { last = &m; });
        return *last;
    }

    // A floor of stone along the bottom row of the screen.
    static void lay_floor() {
        for (int col = 0; col < 17; ++col) set_cell(col, 11, 4);
    }

    static int count_of(const std::vector<std::string>& sounds, const std::string& name) {
        return static_cast<int>(std::count(sounds.begin(), sounds.end(), name));
    }

    static float cx(int col, int row) { return cell(col, row).x; }
    static float cy(int col, int row) { return cell(col, row).y; }

    float pin_x_ = 0;
    float pin_y_ = 0;
    float pin_ystp_ = 0;
};
