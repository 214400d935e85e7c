// SPDX-License-Identifier: GPL-3.0-or-later
// Saved game states for a search that takes hundreds of thousands of them. Nearly all of a state
// is its 1680 map cells and its 1000 demo records, and nearly all of those stay as they were in
// the first state the pool saved, the cells only moved along by the scrolling: a saved state
// keeps those as the first state's, moved, and only the cells that changed besides. Each saved
// state is shared by the copies that hold it and goes back to the pool when the last lets go,
// so that the next save reuses its memory (and the list nodes inside it).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "shell/globals.h"

// Everything of a game_state, the cells and records as differences from the pool's first state.
struct CompactState {
    game_tag game;
    player_tag player[2];
    fireball_tag fireball;
    TList<monster_tag> monster_list;
    TList<specialfx_tag> specialfx_list;
    TList<specialitem_tag> specialitem_list;
    TList<elevator_tag> elevator_list;
    int demo_playing = 0, demo_pos = 0, demo_next = 1;
    float joy_left_threshold = 0, joy_right_threshold = 0;
    float joy_up_threshold = 0, joy_down_threshold = 0;
    int32_t rnd_state = 0;
    std::shared_ptr<const TPlatformState> platform;
    float scroll = 0;                    // every cell's x, less the first state's
    std::vector<uint16_t> changed;       // cells that differ from the first state's otherwise
    std::vector<map_tag> changed_cells;  // and what they hold
    bool own_demo = false;               // the records differ from the first state's:
    std::vector<demo_tag> demo;          // these are they
};

class StatePool {
  public:
    using Saved = std::shared_ptr<const CompactState>;

    StatePool();
    StatePool(const StatePool&) = delete;
    StatePool& operator=(const StatePool&) = delete;
    ~StatePool();

    // The live state, as save_state() would give it.
    Saved save();
    // Makes a state saved by this pool the live one, as load_state() does.
    void load(const CompactState& saved) const;

  private:
    struct Shelf;  // outlives the pool while states are still held
    std::shared_ptr<Shelf> shelf_;
    std::unique_ptr<map_tag[]> first_cells_;
    std::unique_ptr<demo_tag[]> first_demo_;
};
