// SPDX-License-Identifier: GPL-3.0-or-later
// Replays are proved by the runner as a separate program; recordings by the title routine.
#include "verify.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "shell/startup.h"

namespace {

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The integer after "key": inside text, from `from` on; false when it is not there.
bool int_after(const std::string& text, const std::string& key, size_t from, int& value) {
    const size_t at = text.find("\"" + key + "\":", from);
    if (at == std::string::npos) return false;
    value = std::atoi(text.c_str() + at + key.size() + 3);
    return true;
}

int count_of(const std::string& text, const std::string& word) {
    int n = 0;
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++n;
    return n;
}

}  // namespace

ReplayCheck check_replay_with_sim(const std::string& sim, const std::string& replay_path,
                                  const ReplayHeader& h) {
    ReplayCheck c;
    const std::string dump = "/tmp/varnoth-bot-" + std::to_string(getpid()) + "-" +
                             std::to_string(h.level) + "." + std::to_string(h.area) + ".json";
    const std::string frames = std::to_string(h.frames);
    const std::string cmd = "'" + sim + "' --no-draw --start " + std::to_string(h.level) + "." +
                            std::to_string(h.area) + " --input '" + replay_path + "' --dump " +
                            frames + ":" + dump + " --frames " + frames;
    if (std::system(cmd.c_str()) != 0) {
        c.why = "varnoth-sim failed: " + cmd;
        return c;
    }
    const std::string json = slurp(dump);
    std::remove(dump.c_str());
    const size_t game_at = json.find("\"game\":{");
    const size_t player_at = json.find("\"player\":[");
    int state = 0, item = 0, lives = 0;
    if (game_at == std::string::npos || player_at == std::string::npos ||
        !int_after(json, "state", game_at, state) || !int_after(json, "item", game_at, item) ||
        !int_after(json, "lives", player_at, lives)) {
        c.why = "unreadable dump";
        return c;
    }
    c.jumps = count_of(json, "\"snd_jump\"");
    c.power_losses = count_of(json, "\"snd_powerdwn\"");
    if (state != game_tag::kLevelEnd)
        c.why = "state " + std::to_string(state) + ", not 4";
    else if (h.area == 3 && item != 1)
        c.why = "the magic item was not taken";
    else if (lives != 3)
        c.why = "lives " + std::to_string(lives) + ", not 3";
    else if (count_of(json, "snd_jdeath") > 0)
        c.why = "the hero died on the way";
    else
        c.ok = true;
    return c;
}

std::vector<DemoCheck> watch_title_demos() {
    std::vector<DemoCheck> checks;
    int recording = demo_next;
    int frames = 0;
    SetFlipHook([&](int) {
        if (demo_playing == 1) ++frames;
    });
    while (checks.size() < 3) {
        frames = 0;
        // One turn of the main loop on the title runs the menu and then the whole demo.
        if (!main_loop_frame()) break;
        DemoCheck c;
        c.recording = recording;
        // The menu frame that starts the demo is presented, the frame of its last record is not.
        c.frames = frames;
        c.ended_at_marker = demo[demo_pos].direction == demo_tag::kEndMarker;
        const player_tag& p = hero();
        c.died = game.tovodeath != 0 || p.y > 480.0f || p.x == 0.0f;
        checks.push_back(c);
        recording = demo_next;
    }
    SetFlipHook(nullptr);
    return checks;
}
