// SPDX-License-Identifier: GPL-3.0-or-later
// "Watch how it's done": the areas a player reached kept in a file of their data folder, and
// the list's walkthrough of each played by the replays' own playback to the end its test in the
// runner reaches; keeping and deleting from the list with the pad and the mouse; the progress
// bar marking every area of a replay from its first frame.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/input_tap.h"
#include "platform/internal.h"
#include "replay/areas_reached.h"
#include "replay/replay_file.h"
#include "replay/scripted_devices.h"
#include "replay/walkthrough_replay.h"
#include "support/sim_runner.h"

namespace {

const std::string kWalkthroughs = std::string(VARNOTH_SOURCE_DIR) + "/tests/walkthroughs/";

std::string temp(const std::string& name) {
    return ::testing::TempDir() + "varnoth_watch_" + std::to_string(getpid()) + "_" + name;
}

// The part of a state dump from `from` to `to` (both keys of the dump's object).
std::string section(const std::string& json, const std::string& from, const std::string& to) {
    const size_t a = json.find("\"" + from + "\":");
    const size_t b = json.find(",\"" + to + "\":");
    return a == std::string::npos || b == std::string::npos ? "" : json.substr(a, b - a);
}

// What decides play in a dump: the players and everything after them but the sounds, and the
// game record without the title's scroller and the top score on show (a replay keeps the
// watcher's).
std::string play_state(const std::string& json) {
    std::string game = section(json, "game", "player");
    for (const char* title_only : {"topscore", "scmx", "scmy", "scmys"}) {
        const size_t at = game.find("\"" + std::string(title_only) + "\":");
        if (at == std::string::npos) continue;
        game.erase(at, game.find_first_of(",}", at) - at);
    }
    return game + section(json, "player", "demo_playing") + section(json, "map_cells", "sounds");
}

std::string areas_file_text(std::initializer_list<const char*> areas) {
    std::string text = "varnoth areas reached\n";
    for (const char* a : areas) text += std::string(a) + "\n";
    return text;
}

}  // namespace

TEST(AreasReached, ABadOrMissingFileReadsAsNoneAndAGameAddsItsAreasWhole) {
    const std::string folder = scratch_folder("areas_reached") + "/";
    const std::string path = folder + "areas-reached.txt";
    EXPECT_TRUE(read_areas_reached(path).empty()) << "missing";
    ASSERT_TRUE(add_areas_reached(path, {11, 12}));
    EXPECT_EQ(slurp(path), areas_file_text({"1.1", "1.2"}));
    ASSERT_TRUE(add_areas_reached(path, {12, 53, 64, 10}));
    EXPECT_EQ(read_areas_reached(path), (AreasReached{11, 12, 53})) << "no area beyond the game's";
    EXPECT_FALSE(std::filesystem::exists(path + ".part")) << "written whole, then renamed";
    for (const std::string bad : {"", "varnoth areas reached\n1.4\n", "areas\n1.1\n",
                                  "varnoth areas reached\n1.1\n2.\n", "\x89PNG\r\n"}) {
        write_text(path, bad);
        EXPECT_TRUE(read_areas_reached(path).empty()) << bad;
    }
    // A bad file is replaced by a good one naming the game's areas, not mended line by line.
    ASSERT_TRUE(add_areas_reached(path, {21}));
    EXPECT_EQ(slurp(path), areas_file_text({"2.1"}));
    // Windows' line ends read as well.
    write_text(path, "varnoth areas reached\r\n3.2\r\n");
    EXPECT_EQ(read_areas_reached(path), (AreasReached{32}));
}

TEST(WalkthroughReplay, AWalkthroughReadsAsAReplayAndItsDevicesAnswerAsTheRunnersDo) {
    ReplayRecord r;
    std::string why;
    ASSERT_TRUE(read_replay_file(kWalkthroughs + "2.3.txt", r, why)) << why;
    EXPECT_EQ(r.start_level, 2);
    EXPECT_EQ(r.start_area, 3);
    EXPECT_EQ(r.players, 1);
    EXPECT_EQ(r.frames, 1604);
    EXPECT_TRUE(r.walkthrough && !r.walkthrough->empty());
    EXPECT_TRUE(r.checksums.empty());
    // Refused with their reason: a header that is not whole, a control beyond the game's keys,
    // a line that is not an event.
    EXPECT_FALSE(decode_walkthrough("# --start 6.1 --frames 10\n", r, why));
    EXPECT_NE(why.find("not a walkthrough"), std::string::npos) << why;
    EXPECT_FALSE(decode_walkthrough("# --start 1.1 --frames 10\n5 tap mouse1\n", r, why));
    EXPECT_NE(why.find("'mouse1'"), std::string::npos) << why;
    EXPECT_FALSE(decode_walkthrough("# --start 1.1 --frames 10\n5 jump\n", r, why));
    EXPECT_NE(why.find("line 2"), std::string::npos) << why;

    // Events come before the first read of their frame; a tap is one hit and no hold; a flush
    // lets every key go; the mouse stays where the game put it.
    ASSERT_TRUE(decode_walkthrough(
        "# --start 1.1 --frames 10\n2 press right\n2 tap jump\n4 press jump\n", r, why));
    ScriptedDevices d(r.walkthrough);
    const int hit = static_cast<int>(TapRead::kKeyHit), down = static_cast<int>(TapRead::kKeyDown);
    EXPECT_EQ(d.read(down, 39), 0) << "frame 1";
    d.frame_presented();
    EXPECT_EQ(d.read(down, 39), 1) << "frame 2";
    EXPECT_EQ(d.read(down, 162), 0);
    EXPECT_EQ(d.read(hit, 162), 1);
    EXPECT_EQ(d.read(hit, 162), 0) << "a hit is read once";
    d.frame_presented();
    d.frame_presented();
    d.flushed(true);
    EXPECT_EQ(d.read(down, 39), 0) << "flushed";
    EXPECT_EQ(d.read(down, 162), 0) << "frame 4's press arrived before the flush";
    EXPECT_EQ(d.read(static_cast<int>(TapRead::kMouseX), 0), 0);
    d.mouse_moved(320, 7);
    EXPECT_EQ(d.read(static_cast<int>(TapRead::kMouseX), 0), 320);
    EXPECT_EQ(d.read(static_cast<int>(TapRead::kMouseY), 0), 7);
}

// Every walkthrough played by the replays' playback ends in the state its test reaches.
TEST(WalkthroughReplay, EachWalkthroughPlaysAsAReplayToTheStateOfItsTest) {
    for (const char* area : {"1.1", "1.3", "2.1", "3.1", "3.3", "4.3", "5.1", "5.3"}) {
        const std::string script = kWalkthroughs + area + ".txt";
        ReplayRecord r;
        std::string why;
        ASSERT_TRUE(read_replay_file(script, r, why)) << why;
        const std::string n = std::to_string(r.frames);
        const std::string played = temp(std::string("played") + area + ".json");
        const std::string replayed = temp(std::string("replayed") + area + ".json");
        ASSERT_EQ(run_sim("--no-draw --start " + std::string(area) + " --input " + script +
                          " --frames " + n + " --dump " + n + ":" + played),
                  0);
        std::string err;
        ASSERT_EQ(run_sim("--no-draw --replay " + script + " --dump end:" + replayed, &err), 0)
            << err;
        const std::string a = slurp(played), b = slurp(replayed);
        EXPECT_NE(b.find("{\"frame\":" + n + ","), std::string::npos) << area;
        EXPECT_NE(b.find("\"game\":{\"state\":4,"), std::string::npos)
            << area << ": at the cauldron";
        EXPECT_EQ(play_state(a), play_state(b)) << area;
        EXPECT_FALSE(play_state(a).empty());
    }
}

TEST(AreasReached, KeptForAGameOnlyNotForTheDemoAReplayOrAPack) {
    const std::string folder = scratch_folder("areas_kept") + "/";
    const std::string areas = folder + "areas-reached.txt";
    const std::string record = folder + "game.vrp";
    // The walkthrough of 1.1 ends at the cauldron on its frame 1618; 1.2 is announced after.
    ASSERT_EQ(run_sim("--no-draw --start 1.1 --input " + kWalkthroughs + "1.1.txt --frames 1900" +
                      " --record " + record + " --areas " + areas),
              0);
    EXPECT_EQ(slurp(areas), areas_file_text({"1.1", "1.2"}));
    std::filesystem::remove(areas);
    std::string err;
    EXPECT_EQ(run_sim("--no-draw --replay " + record + " --areas " + areas, &err), 0) << err;
    EXPECT_FALSE(std::filesystem::exists(areas)) << "watching a replay reaches nothing";
    // Left at the title the attract demo plays; no game is.
    const std::string demo_record = folder + "demo.vrp";
    EXPECT_EQ(run_sim("--no-draw --frames 2400 --record " + demo_record + " --areas " + areas), 0);
    EXPECT_FALSE(std::filesystem::exists(demo_record));
    EXPECT_FALSE(std::filesystem::exists(areas)) << "the demo reaches nothing";
    // A level pack's areas are not the game's own.
    EXPECT_EQ(run_sim("--no-draw --pack " + std::string(VARNOTH_SOURCE_DIR) +
                      "/data/packs/first-steps --start 1.1 --frames 300 --record " + record +
                      " --areas " + areas),
              0);
    EXPECT_FALSE(std::filesystem::exists(areas)) << "a pack's game reaches none of the game's";
}

TEST(WatchHowItsDone, TheListOffersTheWalkthroughOfEachAreaReachedAndPlaysItToItsEnd) {
    const std::string folder = scratch_folder("watch_list") + "/";
    const std::string areas = temp("areas.txt");
    const std::string input = temp("watch.txt");
    // The list: no replays, the areas reached 1.2 and 3.1; Tab, Return watches the first.
    write_text(areas, areas_file_text({"1.2", "3.1"}));
    write_text(input, "120 tap key:Tab\n130 tap key:Return\n");
    const std::string end = temp("watched_end.json");
    const std::string record = temp("never.vrp");
    std::string err;
    ASSERT_EQ(run_sim("--no-draw --replays " + folder + " --areas " + areas + " --record " +
                          record + " --input " + input + " --frames 4000 --dump end:" + end,
                      &err),
              0)
        << err;
    const std::string played = temp("played_1.2.json");
    ASSERT_EQ(run_sim("--no-draw --start 1.2 --input " + kWalkthroughs +
                      "1.2.txt --frames 1605 --dump 1605:" + played),
              0);
    const std::string watched = slurp(end);
    EXPECT_NE(watched.find("\"game\":{\"state\":4,"), std::string::npos) << watched.substr(0, 80);
    EXPECT_EQ(play_state(watched), play_state(slurp(played)))
        << "the walkthrough watched from the list ends as its test does";
    EXPECT_EQ(slurp(areas), areas_file_text({"1.2", "3.1"})) << "watching reaches no area";
    EXPECT_FALSE(std::filesystem::exists(record)) << "watching records nothing";

    // Down to the second: 3.1's walkthrough. Without the file the list has nothing to watch:
    // the title is still there when the frames run out.
    write_text(input, "120 tap key:Tab\n130 tap down\n132 tap key:Return\n");
    const std::string second = temp("second.json");
    ASSERT_EQ(run_sim("--no-draw --replays " + folder + " --areas " + areas + " --input " + input +
                      " --frames 400 --dump 399:" + second),
              0);
    EXPECT_NE(slurp(second).find("\"level\":3,\"area\":1,"), std::string::npos);
    ASSERT_EQ(run_sim("--no-draw --replays " + folder + " --areas " + temp("none.txt") +
                      " --input " + input + " --frames 400 --dump 399:" + second),
              0);
    EXPECT_NE(slurp(second).find("\"game\":{\"state\":6,"), std::string::npos);
}

TEST(ReplayList, ThePadAndTheMouseKeepAndDeleteAsTheKeysDo) {
    const std::string folder = scratch_folder("list_pad") + "/";
    const std::string made = temp("pad_made.vrp");
    ASSERT_EQ(run_sim("--no-draw --start 1.1 --input " + kWalkthroughs + "1.1.txt --frames 200" +
                      " --record " + made),
              0);
    const std::vector<std::string> names = {
        "varnoth-20261210-093000.vrp", "varnoth-20261209-093000.vrp", "varnoth-20261208-093000.vrp",
        "varnoth-20261207-093000.vrp"};
    for (const std::string& n : names) write_text(folder + n, slurp(made));
    // The pad: X keeps the newest; down, Back deletes the second after its second press. The
    // mouse: a click on the third row (the oldest now) chooses it, a click on "keep" keeps it;
    // the second row, "delete" twice deletes it. (The actions' line is at y 436, keep at x 245,
    // delete at 395.)
    const std::string input = temp("pad.txt");
    write_text(input,
               "120 tap key:Tab\n130 tap pad:x\n140 tap down\n142 tap pad:back\n150 tap pad:back\n"
               "160 tap mouse 200 130\n161 tap mouse1\n170 tap mouse 245 438\n171 tap mouse1\n"
               "180 tap mouse 200 100\n181 tap mouse1\n190 tap mouse 395 438\n191 tap mouse1\n"
               "195 tap mouse1\n210 tap pad:b\n");
    const std::string after = temp("pad_after.json");
    ASSERT_EQ(run_sim("--no-draw --replays " + folder + " --input " + input +
                      " --frames 230 --dump 229:" + after),
              0);
    EXPECT_TRUE(std::filesystem::exists(folder + "varnoth-20261210-093000-kept.vrp"));
    EXPECT_FALSE(std::filesystem::exists(folder + names[1]));
    EXPECT_TRUE(std::filesystem::exists(folder + "varnoth-20261207-093000-kept.vrp"));
    EXPECT_FALSE(std::filesystem::exists(folder + names[2]));
    EXPECT_NE(slurp(after).find("\"game\":{\"state\":6,"), std::string::npos)
        << "the pad's B went back to the title, nothing was watched";
}

TEST(ReplayBar, EveryAreaIsMarkedFromTheFirstFrame) {
    const std::string folder = scratch_folder("replay_bar") + "/";
    const std::string record = folder + "to-1.2.vrp";
    ASSERT_EQ(run_sim("--no-draw --start 1.1 --input " + kWalkthroughs + "1.1.txt --frames 1900" +
                      " --record " + record),
              0);
    ReplayRecord r;
    std::string why;
    ASSERT_TRUE(read_replay_file(record, r, why)) << why;
    ASSERT_EQ(r.area_starts.size(), 2u) << "1.1 from the first frame, then 1.2";
    EXPECT_EQ(r.area_starts[0], 1);
    EXPECT_GT(r.area_starts[1], 1618) << "after 1.1's cauldron";
    // Watched, the picture of its 100th frame marks 1.2 already: the bar runs 400 pixels from
    // x 60 under y 449, a mark stands out of it above.
    const std::string shot = folder + "bar.png";
    std::string err;
    ASSERT_EQ(run_sim("--replay " + record + " --watch --frames 100 --shot 100:" + shot, &err), 0)
        << err;
    std::string png = slurp(shot);
    int w = 0, h = 0;
    std::vector<uint32_t> rgba;
    ASSERT_TRUE(plat::decode_png(std::vector<uint8_t>(png.begin(), png.end()), w, h, rgba));
    auto mark_at = [&](int x) {
        const uint32_t p = rgba[static_cast<size_t>(447 * w + x)];
        return (p & 0xff) == 255 && ((p >> 8) & 0xff) == 200 && ((p >> 16) & 0xff) == 0;
    };
    const int x = 60 + 400 * r.area_starts[1] / r.frames;
    EXPECT_TRUE(mark_at(x - 1) || mark_at(x)) << "no mark for 1.2 at x " << x;
    EXPECT_FALSE(mark_at(x - 40)) << "a mark where no area begins";
}
