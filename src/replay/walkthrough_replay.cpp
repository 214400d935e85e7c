// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay/walkthrough_replay.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "platform/platform.h"
#include "replay/scripted_devices.h"
#include "sim/input_script.h"

namespace {

// The runner seeds the generator with 1 (--seed's default), and nothing draws on it before the
// game begins.
constexpr int32_t kRunnerRandomState = 1;

constexpr char kHeaderStart[] = "# --start ";

}  // namespace

bool is_walkthrough_text(const std::string& bytes) {
    return bytes.compare(0, sizeof kHeaderStart - 1, kHeaderStart) == 0;
}

bool decode_walkthrough(const std::string& text, ReplayRecord& replay, std::string& why) {
    int level = 0, area = 0, frames = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "# --start %d.%d --frames %d%c", &level, &area, &frames, &tail) !=
            4 ||
        tail != '\n' || level < 1 || level > 5 || area < 1 || area > 3 || frames < 1) {
        why = "not a walkthrough: its first line is not '# --start L.A --frames N'";
        return false;
    }
    auto events = std::make_shared<std::vector<InputEvent>>();
    ScriptError error;
    if (!parse_input_script(text, *events, error)) {
        why = "a damaged walkthrough: " + error.message;
        return false;
    }
    for (const InputEvent& e : *events) {
        if (!ScriptedDevices::knows(e.control)) {
            why = "a walkthrough plays only the game's keys, not '" + e.control + "' (line " +
                  std::to_string(e.line) + ")";
            return false;
        }
    }
    // The runner applies the events frame by frame, a frame's in the script's order.
    std::stable_sort(events->begin(), events->end(),
                     [](const InputEvent& a, const InputEvent& b) { return a.frame < b.frame; });
    ReplayRecord r;
    r.start_level = r.reached_level = level;
    r.start_area = r.reached_area = area;
    r.players = 1;
    r.frames = frames;
    r.random_state = kRunnerRandomState;
    r.area_starts = {1};  // one area, played from the first frame
    r.walkthrough = std::move(events);
    replay = std::move(r);
    return true;
}

std::string walkthrough_path(int level, int area) {
    if (level < 1 || level > 5 || area < 1 || area > 3) return "";
    const std::string path =
        "incbin::walkthroughs\\" + std::to_string(level) + "." + std::to_string(area) + ".txt";
    return FileType(path) == 1 ? path : "";
}
