// SPDX-License-Identifier: GPL-3.0-or-later
// The attract-demo recordings: 1000 frames of recorded input (direction, jump, turbo) per
// file, three files, read once at start-up and again each time a demo starts.
#include <string>

#include "shell/globals.h"

namespace {
constexpr size_t kRecordBytes = 3 * 4;
constexpr int kRecordings = 3;
constexpr int kDemoLevel = 3;  // recording n plays on level 3, area n
}  // namespace

void demo_tag::Create() {
    for (demo_tag& d : demo) d = demo_tag{};
}

bool demo_tag::LoadFile(const std::string& path) {
    TStream* in = ReadFile(path);
    if (in == nullptr) return false;
    // A short file would replay zeros as if they were input; refuse it whole instead.
    if (StreamRemaining(in) < kRecords * kRecordBytes) {
        CloseStream(in);
        return false;
    }
    for (demo_tag& d : demo) {
        d.direction = ReadInt(in);
        d.jump = ReadInt(in);
        d.turbo = ReadInt(in);
    }
    CloseStream(in);
    return true;
}

bool demo_tag::Load(const std::string& suffix) {
    return LoadFile("data\\demodata" + suffix);
}

void preload_demos() {
    for (int i = 1; i <= kRecordings; ++i) {
        map_tag::Load(kDemoLevel, i);
        demo_tag::Load(".0" + std::to_string(i));
    }
}
