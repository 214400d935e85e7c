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
        fresh_game();
        game_tag::destroy_all();
        clear_grid();
        // The grid keeps its places only through a map load; lay them out as a load would.
        for (int row = 0; row < map_tag::kRows; ++row)
            for (int col = 0; col < map_tag::kColumns; ++col) {
                cell(col, row).x = static_cast<float>(col * map_tag::kCellSize + 20);
                cell(col, row).y = static_cast<float>(row * map_tag::kCellSize + 20);
            }
        game.state = game_tag::kPlay;
        game.sound = 1;
        game.players = 0;
        game.curplayer = 0;
        demo_playing = 0;
        player_tag& p = hero();
        p.x = 200;
        p.y = 200;
        p.ystp = 0;
        p.yscale = 1.0f;
        p.rotation = 0;
        p.lives = 3;
        p.level = 1;
        p.area = 1;
        MoveMouse(320, 0);
        sounds_played();
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
