// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay/replay_programs.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "addons/install_addons.h"
#include "packs/maps_in_force.h"
#include "packs/pack_discovery.h"
#include "platform/backend.h"
#include "platform/child_process.h"
#include "platform/platform.h"
#include "replay/replay_session.h"
#include "shell/globals.h"
#include "shell/startup.h"

namespace {

std::string verdict_of(const ReplayRecord& r) {
    std::string line = "ok, " + std::to_string(r.frames) + " frames, " + replay_areas_text(r);
    line += r.players == 2
                ? ", scores " + std::to_string(r.scores[0]) + " and " + std::to_string(r.scores[1])
                : ", score " + std::to_string(r.scores[0]);
    return line;
}

[[noreturn]] void say(const std::string& line, int status) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    std::_Exit(status);
}

ReplayRecord g_checked;

}  // namespace

bool prepare_replay(const std::string& path, ReplayRecord& replay, std::string& why) {
    if (!read_replay_file(path, replay, why)) return false;
    if (replay.pack_id.empty()) {
        set_pack_in_force(nullptr);
    } else {
        const std::vector<FoundPack> packs = find_packs();
        const FoundPack* found = pack_with_id(packs, replay.pack_id);
        if (!found || found->standing != PackStanding::kPlayable ||
            !set_pack_in_force(&found->pack)) {
            why = "recorded on other maps (the level pack " + replay.pack_id + " is not here)";
            return false;
        }
    }
    return replay_maps_match(replay, why);
}

int validate_one_replay(const std::string& path) {
    HeadlessOptions h;
    h.draw = false;
    PlatformUseHeadless(h);
    PlatformUseSettings(Settings{}, Settings{}, "");
    install_addons();
    std::string why;
    if (!prepare_replay(path, g_checked, why)) say(why, 1);
    SetFlipHook([](int) {
        const PlaybackState state = playback_state();
        if (state == PlaybackState::kOutOfStep)
            say("out of step at frame " + std::to_string(playback_out_of_step_frame()), 1);
        if (state == PlaybackState::kFinished) say(verdict_of(g_checked), 0);
    });
    start_up();
    after_logo();
    begin_playback(g_checked);
    main_loop();
    say("stopped before its end", 1);
}

int validate_replays(const std::vector<std::string>& files) {
    const std::string self = OwnProgramPath();
    bool all_good = !files.empty();
    if (files.empty()) std::fprintf(stderr, "varnoth: --validate wants replay files\n");
    for (const std::string& file : files) {
        std::string error;
        std::unique_ptr<ChildProcess> child =
            self.empty()
                ? nullptr
                : ChildProcess::Start(self, {kValidateOneArgument, AbsolutePath(file)}, error);
        std::string out;
        int status = 1;
        if (child) {
            child->CloseInput();
            while (!child->Ended(status)) {
                child->Receive(out);
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
            child->Receive(out);
        } else {
            out = "cannot be checked: " + error + "\n";
        }
        while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
        const size_t last_line = out.rfind('\n');
        if (last_line != std::string::npos) out = out.substr(last_line + 1);
        if (out.empty()) out = "cannot be checked";
        std::printf("%s: %s\n", file.c_str(), out.c_str());
        if (status != 0) all_good = false;
    }
    return all_good ? 0 : 1;
}
