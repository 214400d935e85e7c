// SPDX-License-Identifier: GPL-3.0-or-later
// Files the runner must refuse before anything plays, each with its one line, and a replay
// whose maps changed after it was made, which plays until the first checksum that differs.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "replay/byte_io.h"
#include "replay/replay_file.h"
#include "support/sim_runner.h"

namespace {

std::string temp(const std::string& name) {
    return ::testing::TempDir() + "varnoth_refused_" + std::to_string(getpid()) + "_" + name;
}

const std::string kPack = std::string(VARNOTH_SOURCE_DIR) + "/data/packs/first-steps";

// A short game on the pack's first area, made once for every test here.
const std::string& pack_replay() {
    static const std::string file = [] {
        const std::string f = temp("pack.vrp");
        const std::string walk =
            std::string(VARNOTH_SOURCE_DIR) + "/tests/walkthroughs/first-steps/1.1.txt";
        EXPECT_EQ(run_sim("--no-draw --pack " + kPack + " --start 1.1 --input " + walk +
                          " --frames 400 --record " + f),
                  0);
        return f;
    }();
    return file;
}

// What the runner says of a file, and its exit status.
std::string refusal(const std::string& bytes, const std::string& name, int& status,
                    const std::string& extra = "--pack " + kPack) {
    const std::string f = temp(name + ".vrp");
    write_text(f, bytes);
    std::string err;
    status = run_sim("--no-draw " + extra + " --replay " + f, &err);
    return err;
}

void put_crc(std::string& bytes) {
    const uint32_t crc = crc32_of(bytes, 0, bytes.size() - 4);
    for (int i = 0; i < 4; ++i)
        bytes[bytes.size() - 4 + static_cast<size_t>(i)] =
            static_cast<char>((crc >> (8 * i)) & 0xff);
}

ReplayRecord decoded(const std::string& bytes) {
    ReplayRecord r;
    std::string why;
    EXPECT_TRUE(decode_replay(bytes, r, why)) << why;
    return r;
}

}  // namespace

TEST(ReplayRefusal, EachBadFileIsRefusedWithItsOwnLineBeforeAnythingPlays) {
    const std::string good = slurp(pack_replay());
    ASSERT_GT(good.size(), 40u);
    int status = 0;
    const std::string played = refusal(good, "good", status);
    EXPECT_EQ(status, 0) << "the file itself plays: " << played;

    struct Case {
        const char* name;
        std::string bytes;
        const char* says;
    };
    std::string flipped = good;
    flipped[good.size() / 2] = static_cast<char>(flipped[good.size() / 2] ^ 0x10);
    std::string newer = good;
    newer[4] = 3, newer[6] = 3;  // format 3, readable from 3 on
    put_crc(newer);
    ReplayRecord other_rules = decoded(good);
    other_rules.rules = kReplayRulesVersion + 1;
    const Case cases[] = {
        {"short", good.substr(0, good.size() - 9), "cut short"},
        {"tiny", good.substr(0, 3), "cut short"},
        {"flipped", flipped, "damaged"},
        {"newer", newer, "made by a newer version of the game (format 3; this game reads up to 2)"},
        {"rules", encode_replay(other_rules), "recorded under other rules (rules 2;"},
        {"magic", "VRPX" + good.substr(4), "not a replay"},
    };
    for (const Case& c : cases) {
        const std::string err = refusal(c.bytes, c.name, status);
        EXPECT_EQ(status, 1) << c.name;
        EXPECT_NE(err.find(c.says), std::string::npos) << c.name << ": " << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << c.name << ": " << err;
    }
    const std::string err = refusal(good, "no_pack", status, "");
    EXPECT_EQ(status, 1);
    EXPECT_NE(err.find("recorded on other maps"), std::string::npos) << err;
}

TEST(ReplayRefusal, AMapChangedAfterRecordingIsFoundOutOfStepAtTheFirstChecksum) {
    // The pack's first area loses a bonus block; the replay is told the new maps are its own,
    // as a file of a careless tool might be, and must part at its first checksum.
    const std::string pack = temp("changed_pack");
    std::filesystem::remove_all(pack);
    std::filesystem::copy(kPack, pack);
    std::string map = slurp(pack + "/map1.1.txt");
    const size_t block = map.find("|...?...|");
    ASSERT_NE(block, std::string::npos);
    map[block + 4] = '.';
    write_text(pack + "/map1.1.txt", map);
    const std::string probe = temp("probe.vrp");
    ASSERT_EQ(run_sim("--no-draw --pack " + pack + " --start 1.1 --frames 1 --record " + probe), 0);
    ReplayRecord r = decoded(slurp(pack_replay()));
    r.maps_hash = decoded(slurp(probe)).maps_hash;
    int status = 0;
    const std::string err = refusal(encode_replay(r), "changed", status, "--pack " + pack);
    EXPECT_EQ(status, 1);
    EXPECT_NE(err.find("out of step at frame 60"), std::string::npos) << err;
}

TEST(ReplayValidate, TheGameChecksEachFileHeadlessInOneLine) {
    const std::string good = pack_replay();
    const std::string bad = temp("validate_short.vrp");
    write_text(bad, slurp(good).substr(0, 30));
    const std::string game = std::string(VARNOTH_BINARY_DIR) + "/varnoth";
    std::string out;
    // The pack's replay finds its pack among the game's own by its id.
    EXPECT_EQ(run_program(game + " --validate " + good + " " + bad, &out), 1);
    EXPECT_NE(out.find(good + ": ok, 400 frames, 1.1 to 1.1, score "), std::string::npos) << out;
    EXPECT_NE(out.find(bad + ": cut short\n"), std::string::npos) << out;
    EXPECT_EQ(run_program(game + " --validate " + good, &out), 0) << out;
}
