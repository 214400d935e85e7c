// SPDX-License-Identifier: GPL-3.0-or-later
// The saved game states a watched playback seeks with: one every few seconds of play, taken
// between two of the main loop's frames (the only place where no screen of the game is half
// way through its own loop), each with the place in the recorded input that goes with it.
#pragma once

#include <cstddef>
#include <vector>

#include "replay/input_reads.h"
#include "shell/globals.h"

// Ten seconds: a snapshot takes about 150 KB (nearly all of it the map), so an hour's stay
// under 64 MB, and a seek plays at most this far unseen (a few milliseconds without drawing).
constexpr int kSnapshotFrames = 600;

struct PlaybackSnapshot {
    int frame = 0;  // frames of the replay played when it was taken
    game_state state;
    int32_t random_state = 0;
    InputReadPlayer input;
};

class PlaybackSnapshots {
  public:
    void clear() { taken_.clear(); }
    // True when the frame has come for the next snapshot.
    bool due(int frame) const {
        return taken_.empty() || frame >= taken_.back().frame + kSnapshotFrames;
    }
    // The live game state at `frame` with the input's place.
    void take(int frame, const InputReadPlayer& input);
    // The latest snapshot at or before `frame` (the first when none is); null when none.
    const PlaybackSnapshot* at_or_before(int frame) const;
    const PlaybackSnapshot* latest() const { return taken_.empty() ? nullptr : &taken_.back(); }
    size_t count() const { return taken_.size(); }
    // What the snapshots hold in memory, their list nodes included.
    size_t bytes() const;

  private:
    std::vector<PlaybackSnapshot> taken_;
};

// Makes the snapshot's game the live one. What belongs to the watcher (the sound switches and
// the top score on show) and the machine's side (devices, clock, drawing) stay as they are.
void restore_snapshot(const PlaybackSnapshot& snapshot, InputReadPlayer& input);
