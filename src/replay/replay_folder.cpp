// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay/replay_folder.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "platform/platform.h"

namespace {

bool is_replay_name(const std::string& name) {
    return name.rfind("varnoth-", 0) == 0 && name.ends_with(".vrp");
}

// Kept whatever its age: it set a top score, or the player keeps it.
bool kept_for_good(const std::string& name) {
    return name.ends_with("-top.vrp") || name.ends_with("-kept.vrp");
}

}  // namespace

std::string replay_file_name(long long when, bool new_top_score) {
    const auto t = static_cast<std::time_t>(when);
    const std::tm* found = std::localtime(&t);
    std::tm parts = found ? *found : std::tm{};
    char name[64];
    std::strftime(name, sizeof name, "varnoth-%Y%m%d-%H%M%S", &parts);
    return std::string(name) + (new_top_score ? "-top" : "") + ".vrp";
}

std::vector<std::string> replays_in_folder(const std::string& folder) {
    std::vector<std::string> names;
    for (const std::string& n : FolderEntries(folder, false))
        if (is_replay_name(n)) names.push_back(n);
    // The names hold the time as digits, so the newest sorts last.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return a.substr(0, 23) > b.substr(0, 23) || (a.substr(0, 23) == b.substr(0, 23) && a > b);
    });
    return names;
}

bool keep_in_replays_folder(const std::string& folder, const ReplayRecord& replay,
                            const std::string& bytes, std::string& why) {
    if (folder.empty()) {
        why = "there is no replays folder";
        return false;
    }
    std::string name =
        replay_file_name(static_cast<long long>(std::time(nullptr)), replay.new_top_score);
    // Two games ended in the same second: the second gets a number.
    for (int n = 2; FileType(folder + name) != 0 && n < 100; ++n) {
        const std::string stem = name.substr(0, 23);
        name = stem + "-" + std::to_string(n) + (replay.new_top_score ? "-top" : "") + ".vrp";
    }
    if (!WriteWholeFile(folder + name, bytes)) {
        why = "cannot write in " + folder;
        return false;
    }
    int ordinary = 0;
    for (const std::string& n : replays_in_folder(folder)) {
        if (kept_for_good(n)) continue;
        if (++ordinary > kReplaysKept) std::remove((folder + n).c_str());
    }
    return true;
}
