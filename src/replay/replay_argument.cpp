// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay/replay_argument.h"

#include <algorithm>
#include <cctype>

#include "platform/platform.h"
#include "replay/replay_file.h"

namespace {

bool ends_in_vrp(std::string name) {
    if (name.size() <= 4) return false;
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name.compare(name.size() - 4, 4, ".vrp") == 0;
}

// The options whose value may follow them as an argument of its own.
bool takes_a_value(const std::string& option) {
    return option == "--scale" || option == "--pack" || option == "--check-pack" ||
           option == "--edit";
}

bool begins_as_a_replay(const std::string& path) {
    std::string bytes;
    if (FileType(path) != 1 || !ReadWholeFile(path, bytes)) return false;
    return begins_as_replay(bytes);
}

}  // namespace

std::string take_replay_argument(std::vector<std::string>& args) {
    if (args.empty() || args.back().empty()) return "";
    const std::string& last = args.back();
    bool replay = ends_in_vrp(last);
    if (!replay && last[0] != '-' && (args.size() < 2 || !takes_a_value(args[args.size() - 2])))
        replay = begins_as_a_replay(AbsolutePath(last));
    if (!replay) return "";
    std::string path = AbsolutePath(last);
    args.pop_back();
    return path;
}
