// SPDX-License-Identifier: GPL-3.0-or-later
// The child reads its whole request before it starts the game, so that the game that sent it
// never waits; every progress line is flushed, so that the game shows it at once, and a line
// that cannot be written ends the search (where no signal ends a child whose reader is gone).
#include "bot/area_check_child.h"

#include <cstdio>
#include <string>

#include "bot/area_search.h"
#include "bot/check_protocol.h"
#include "bot/checked_map.h"
#include "bot/recorded_run.h"
#include "platform/child_process.h"

namespace {

std::string all_of_standard_input() {
    std::string in;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, stdin)) > 0) in.append(buf, n);
    return in;
}

// False once the game that asked has gone: nobody reads the answer any more.
bool say(const std::string& text) {
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    return std::fflush(stdout) == 0 && written;
}

}  // namespace

bool area_check_child_wanted(int argc, char** argv) {
    return argc == 2 && std::string(argv[1]) == kAreaCheckChildOption;
}

int area_check_child_main() {
    UseBinaryStandardStreams();
    AreaCheckRequest request;
    std::string error;
    if (!decode_request(all_of_standard_input(), request, error)) {
        std::fprintf(stderr, "varnoth: %s\n", error.c_str());
        return 2;
    }
    boot_game(PlayMode::kArea, "");
    AreaCheckResult r = check_area(request, [](const AreaCheckResult& running) {
                            return say(encode_progress(running));
                        }).result;
    if (r.outcome == AreaCheckResult::Outcome::kWon) {
        // A run the game cannot watch is still a proof that the area can be won.
        const CheckedMap map(request.level, request.area, request.compiled_map);
        std::string why;
        r.recording = recording_of_run(r.replay, why);
        if (r.recording.empty()) std::fprintf(stderr, "varnoth: %s\n", why.c_str());
    }
    return say(encode_answer(r)) ? 0 : 1;
}
