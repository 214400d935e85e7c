// SPDX-License-Identifier: GPL-3.0-or-later
// The input a game read, in the order it read it, as a compact list of changes: each read has a
// source (a key's hit or state, a stick's axis, a button, the window's close request, an added
// screen's answer) and a value, and only a read whose value differs from that source's previous
// one is written, with the number of reads since the previous change.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "replay/scripted_devices.h"

// The reads' sources: those of platform/input_tap.h and these two answers of the options.
constexpr int kReadPauseAnswer = 100;
constexpr int kReadPauseWanted = 101;

class InputReadWriter {
  public:
    void read(int kind, int argument, int32_t value);
    const std::string& bytes() const { return out_; }

  private:
    std::map<uint32_t, int32_t> last_;
    std::map<uint32_t, uint32_t> slot_;
    uint64_t unchanged_ = 0;
    std::string out_;
};

// Plays the reads back. A read from another source than the recording's at that place means
// the game went another way: out_of_step() says so from then on. Given a walkthrough's script
// instead, it answers as the runner's devices would, and one playback plays both.
class InputReadPlayer {
  public:
    InputReadPlayer() = default;
    explicit InputReadPlayer(const std::string* bytes) : bytes_(bytes) { next_change(); }
    explicit InputReadPlayer(ScriptedDevices script)
        : script_(std::move(script)), scripted_(true) {}
    int32_t read(int kind, int argument);
    // The game presented a frame, flushed the keys (or the mouse): a script's devices hear of it.
    void frame_presented() {
        if (scripted_) script_.frame_presented();
    }
    void flushed(bool keys) {
        if (scripted_) script_.flushed(keys);
    }
    void mouse_moved(int x, int y) {
        if (scripted_) script_.mouse_moved(x, y);
    }
    bool out_of_step() const { return out_of_step_; }
    // True when the bytes held something that is not a change.
    bool damaged() const { return damaged_; }
    // Walks past every change still to come; false when the bytes hold one that is not whole.
    bool skip_to_end();
    // Roughly what a copy of the player takes in memory (a playback's snapshots hold one each).
    size_t memory_bytes() const {
        return sizeof(*this) + last_.size() * 48 + sources_.capacity() * sizeof(uint32_t);
    }

  private:
    void next_change();
    const std::string* bytes_ = nullptr;
    size_t at_ = 0;
    std::map<uint32_t, int32_t> last_;
    std::vector<uint32_t> sources_;
    bool have_change_ = false;
    uint64_t unchanged_ = 0;
    uint32_t change_source_ = 0;
    int32_t change_value_ = 0;
    bool out_of_step_ = false;
    bool damaged_ = false;
    ScriptedDevices script_;
    bool scripted_ = false;
};

// True when the bytes are a whole list of changes (the reader checks a file with it).
bool input_reads_whole(const std::string& bytes);
