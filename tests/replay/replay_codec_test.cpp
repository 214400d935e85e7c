// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of a replay that need no game: the input reads' codec, the file's round trip, and
// the replays folder's names and pruning.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/input_tap.h"
#include "replay/byte_io.h"
#include "replay/input_reads.h"
#include "replay/replay_file.h"
#include "replay/replay_folder.h"
#include "support/sim_runner.h"

namespace {

int32_t bits(float f) {
    int32_t b = 0;
    std::memcpy(&b, &f, sizeof b);
    return b;
}

struct Read {
    int kind, argument;
    int32_t value;
};

}  // namespace

TEST(ReplayCodec, ReadsPlayBackInTheirOrderWithStickValuesExact) {
    const int key_down = static_cast<int>(TapRead::kKeyDown);
    const int joy_x = static_cast<int>(TapRead::kJoyX);
    std::vector<Read> reads;
    for (int frame = 0; frame < 300; ++frame) {
        reads.push_back({key_down, 37, frame >= 20 && frame < 200 ? 1 : 0});
        reads.push_back({static_cast<int>(TapRead::kKeyHit), 162, frame % 50 == 7 ? 1 : 0});
        // Whole steps, a value between steps, minus zero and a full deflection.
        const float x = frame < 100   ? static_cast<float>(frame) / 32767.0f
                        : frame < 150 ? 0.123456789f
                        : frame < 160 ? -0.0f
                                      : -1.0f;
        reads.push_back({joy_x, 0, bits(x)});
        reads.push_back({kReadPauseAnswer, 0, frame == 250 ? 2 : 0});
    }
    InputReadWriter writer;
    for (const Read& r : reads) writer.read(r.kind, r.argument, r.value);
    // 1200 reads: the stick's hundred different steps take most of it.
    EXPECT_LT(writer.bytes().size(), 500u) << "only changes are written";
    InputReadPlayer player(&writer.bytes());
    for (size_t i = 0; i < reads.size(); ++i) {
        ASSERT_EQ(player.read(reads[i].kind, reads[i].argument), reads[i].value) << "read " << i;
    }
    EXPECT_FALSE(player.out_of_step());
    EXPECT_TRUE(input_reads_whole(writer.bytes()));
    EXPECT_FALSE(input_reads_whole(writer.bytes().substr(0, writer.bytes().size() - 1)));

    // The game asking for another source where the recording had a change is out of step.
    InputReadPlayer astray(&writer.bytes());
    for (int i = 0; i < 80; ++i) astray.read(reads[static_cast<size_t>(i)].kind, 37);
    EXPECT_TRUE(astray.out_of_step());
}

TEST(ReplayCodec, AFileReadsBackAsWritten) {
    ReplayRecord r;
    r.game_version = "9.8.7";
    r.maps_hash = 0x0123456789abcdefull;
    r.pack_id = "first-steps";
    r.date = 1800000000;
    r.players = 2;
    r.start_level = 2, r.start_area = 3, r.reached_level = 4, r.reached_area = 1;
    r.from_menu = true;
    r.scores[0] = 15200, r.scores[1] = 30;
    r.new_top_score = true;
    r.assist = AssistSettings{70, true, false};
    r.frames = 125;
    r.random_state = -5;
    r.start_records = std::string("\0\1\2", 3);
    InputReadWriter w;
    w.read(1, 2, 1);
    r.input = w.bytes();
    r.checksums = {1, 2, 3};
    r.area_starts = {1, 60, 125};
    ReplayRecord back;
    std::string why;
    ASSERT_TRUE(decode_replay(encode_replay(r), back, why)) << why;
    EXPECT_EQ(back.pack_id, r.pack_id);
    EXPECT_EQ(back.maps_hash, r.maps_hash);
    EXPECT_EQ(back.date, r.date);
    EXPECT_EQ(replay_areas_text(back), "2.3 to 4.1");
    EXPECT_EQ(back.scores[0], 15200);
    EXPECT_TRUE(back.from_menu && back.new_top_score && back.assist.invincible);
    EXPECT_FALSE(back.assist.unlimited_lives);
    EXPECT_EQ(back.assist.speed, 70);
    EXPECT_EQ(back.random_state, -5);
    EXPECT_EQ(back.start_records, r.start_records);
    EXPECT_EQ(back.checksums, r.checksums);
    EXPECT_EQ(back.area_starts, r.area_starts);
    // A file of format 1 (its header ends before the marks) is read as ever, without marks.
    std::string old = encode_replay(r);
    old[4] = 1, old[6] = 1;
    ByteWriter crc;
    crc.u32(crc32_of(old, 0, old.size() - 4));
    old.replace(old.size() - 4, 4, crc.out());
    ASSERT_TRUE(decode_replay(old, back, why)) << why;
    EXPECT_TRUE(back.area_starts.empty());
    EXPECT_EQ(back.random_state, -5);
    // Marks out of order or beyond the last frame are damage.
    for (const std::vector<int>& bad : {std::vector<int>{1, 60, 60}, std::vector<int>{1, 126}}) {
        r.area_starts = bad;
        EXPECT_FALSE(decode_replay(encode_replay(r), back, why));
        EXPECT_NE(why.find("damaged"), std::string::npos) << why;
    }
    r.area_starts.clear();
    r.checksums = {1, 2};  // 125 frames have two checksums after the 60th frames and one last
    EXPECT_FALSE(decode_replay(encode_replay(r), back, why));
    EXPECT_NE(why.find("damaged"), std::string::npos) << why;
}

TEST(ReplayFolder, KeepsTheNewestHundredAndEveryTopScoreGame) {
    const std::string folder = scratch_folder("replay_folder") + "/";
    // 101 old ordinary games and an old top-score game, named as the game names them.
    for (int i = 0; i < 101; ++i)
        write_text(folder + replay_file_name(1600000000 + i * 60, false), "old");
    const std::string top = replay_file_name(1500000000, true);
    write_text(folder + top, "top");
    EXPECT_EQ(top.substr(top.size() - 8), "-top.vrp");
    ReplayRecord r;
    std::string why;
    ASSERT_TRUE(keep_in_replays_folder(folder, r, "new", why)) << why;
    const std::vector<std::string> names = replays_in_folder(folder);
    EXPECT_EQ(names.size(), 101u) << "100 ordinary ones and the top-score game";
    EXPECT_EQ(slurp(folder + names.front()), "new") << "newest first";
    EXPECT_TRUE(std::filesystem::exists(folder + top));
    EXPECT_FALSE(std::filesystem::exists(folder + replay_file_name(1600000000, false)))
        << "the oldest ordinary one went";
    EXPECT_FALSE(keep_in_replays_folder(folder + "missing/", r, "x", why));
    EXPECT_NE(why.find("cannot write"), std::string::npos);
}
