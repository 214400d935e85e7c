// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay/playback_snapshots.h"

#include <algorithm>

namespace {

// A list node holds its record, a removal mark and the two links of a doubly linked list.
template <typename T>
size_t list_bytes(const TList<T>& list) {
    return static_cast<size_t>(list.Count()) * (sizeof(T) + 3 * sizeof(void*));
}

}  // namespace

void PlaybackSnapshots::take(int frame, const InputReadPlayer& input) {
    PlaybackSnapshot s;
    s.frame = frame;
    s.state = the_state;
    s.state.platform = nullptr;
    s.random_state = RndState();
    s.input = input;
    taken_.push_back(std::move(s));
}

const PlaybackSnapshot* PlaybackSnapshots::at_or_before(int frame) const {
    if (taken_.empty()) return nullptr;
    auto after = std::upper_bound(taken_.begin(), taken_.end(), frame,
                                  [](int f, const PlaybackSnapshot& s) { return f < s.frame; });
    return after == taken_.begin() ? &taken_.front() : &*(after - 1);
}

size_t PlaybackSnapshots::bytes() const {
    size_t total = taken_.capacity() * sizeof(PlaybackSnapshot);
    for (const PlaybackSnapshot& s : taken_) {
        total += list_bytes(s.state.monster_list) + list_bytes(s.state.specialfx_list) +
                 list_bytes(s.state.specialitem_list) + list_bytes(s.state.elevator_list);
        total += s.input.memory_bytes();
    }
    return total;
}

void restore_snapshot(const PlaybackSnapshot& snapshot, InputReadPlayer& input) {
    const game_tag watcher = game;
    const std::shared_ptr<const TPlatformState> platform = the_state.platform;
    the_state = snapshot.state;
    the_state.platform = platform;
    game.sound = watcher.sound;
    game.music = watcher.music;
    game.soundset = watcher.soundset;
    game.topscore = watcher.topscore;
    SetRndState(snapshot.random_state);
    input = snapshot.input;
}
