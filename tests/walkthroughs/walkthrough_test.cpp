// SPDX-License-Identifier: GPL-3.0-or-later
// Every committed walkthrough replayed through the real runner: each area must end at its
// cauldron (a third area with its magic item taken) at the recorded frame, without a death.
// Those of a shipped level pack (in a folder named by the pack) are played with that pack.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "support/sim_runner.h"

namespace {

const std::string kReplays = std::string(VARNOTH_SOURCE_DIR) + "/tests/walkthroughs/";

// The integer after "key": in text, searching from `from`; -1 when absent.
int int_after(const std::string& text, const std::string& key, size_t from) {
    const size_t at = text.find("\"" + key + "\":", from);
    return at == std::string::npos ? -1 : std::atoi(text.c_str() + at + key.size() + 3);
}

struct Finish {
    int frame = -1, state = -1, item = -1, lives = -1;
    bool death_heard = false;
};

// "L.A", or "PACK/L.A" for an area of a shipped pack.
struct ReplayName {
    std::string pack, area;
};
ReplayName split(const std::string& name) {
    const size_t slash = name.find('/');
    if (slash == std::string::npos) return {"", name};
    return {name.substr(0, slash), name.substr(slash + 1)};
}

// The replay's own header names the area and the frame it is finished at.
Finish replay(const std::string& param, int& recorded_frames) {
    const ReplayName parts = split(param);
    const std::string& name = parts.area;
    const std::string script = kReplays + param + ".txt";
    const std::string text = slurp(script);
    int level = 0, area = 0;
    recorded_frames = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "# --start %d.%d --frames %d%c", &level, &area, &recorded_frames,
                    &tail) != 4 ||
        tail != '\n') {
        ADD_FAILURE() << script << " lacks its '# --start L.A --frames N' header";
        return {};
    }
    EXPECT_EQ(std::to_string(level) + "." + std::to_string(area), name) << "header of " << script;
    EXPECT_NE(text.find("\n# proves: "), std::string::npos) << script << " lacks its note";
    const std::string dump = ::testing::TempDir() + "walkthrough_" + parts.pack + name + "_" +
                             std::to_string(getpid()) + ".json";
    const std::string n = std::to_string(recorded_frames);
    const std::string pack = parts.pack.empty() ? ""
                                                : " --pack " + std::string(VARNOTH_SOURCE_DIR) +
                                                      "/data/packs/" + parts.pack;
    const std::string cmd = "--no-draw" + pack + " --start " + name + " --input " + script +
                            " --dump " + n + ":" + dump + " --frames " + n;
    std::string err;
    EXPECT_EQ(run_sim(cmd, &err), 0) << cmd << "\n" << err;
    const std::string json = slurp(dump);
    std::remove(dump.c_str());
    Finish f;
    const size_t game = json.find("\"game\":{");
    const size_t players = json.find("\"player\":[");
    if (game == std::string::npos || players == std::string::npos) {
        ADD_FAILURE() << "no state dump from " << cmd;
        return f;
    }
    f.frame = int_after(json, "frame", 0);
    f.state = int_after(json, "state", game);
    f.item = int_after(json, "item", game);
    f.lives = int_after(json, "lives", players);
    // A single dump lists every sound since the start: a death always sounds.
    f.death_heard = json.find("snd_jdeath") != std::string::npos;
    return f;
}

class Walkthrough : public ::testing::TestWithParam<const char*> {};

}  // namespace

TEST_P(Walkthrough, EndsAtTheCauldronWithoutADeath) {
    const std::string name = GetParam();
    int recorded = 0;
    const Finish f = replay(name, recorded);
    EXPECT_EQ(f.frame, recorded);
    EXPECT_EQ(f.state, 4) << name << ": not at the level end by frame " << recorded;
    EXPECT_EQ(f.lives, 3) << name << ": a life was lost or gained";
    EXPECT_FALSE(f.death_heard) << name << ": the hero died on the way";
    if (split(name).area.back() == '3') {
        EXPECT_EQ(f.item, 1) << name << ": the magic item was not taken";
    }
}

namespace {
std::string area_test_name(const ::testing::TestParamInfo<const char*>& info) {
    std::string n = split(info.param).area;
    n[1] = '_';
    return "Area" + n;
}
}  // namespace

INSTANTIATE_TEST_SUITE_P(AllAreas, Walkthrough,
                         ::testing::Values("1.1", "1.2", "1.3", "2.1", "2.2", "2.3", "3.1", "3.2",
                                           "3.3", "4.1", "4.2", "4.3", "5.1", "5.2", "5.3"),
                         area_test_name);
INSTANTIATE_TEST_SUITE_P(FirstStepsPack, Walkthrough,
                         ::testing::Values("first-steps/1.1", "first-steps/1.2", "first-steps/1.3"),
                         area_test_name);
