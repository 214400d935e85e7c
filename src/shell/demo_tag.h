// SPDX-License-Identifier: GPL-3.0-or-later
// One recorded frame of attract-demo input, and the demo's globals.
#pragma once

#include <string>

struct demo_tag {
    int direction = 0;  // 0 none, 1 left, 2 right; 3 marks the end of a recording
    int jump = 0;
    int turbo = 0;

    static constexpr int kRecords = 1000;
    static constexpr int kEndMarker = 3;

    static void Create();
    // Reads "data\demodata" + suffix into demo; returns false (and leaves demo as it was) when
    // the file is missing or shorter than a full recording.
    static bool Load(const std::string& suffix);
    // The same from a file of the caller's choosing.
    static bool LoadFile(const std::string& path);
};

void preload_demos();

// Starts the attract demo's play of the records now in `demo` on the map of recording 1..3,
// silently, as the title does once it has read the recording; false when the map cannot be
// read (the menu's settings are then as they were).
bool begin_demo_play(int recording);
