// SPDX-License-Identifier: GPL-3.0-or-later
// Games recorded by the real runner and played back by it: each must end in the state the
// recorded game ended in (the players, monsters, lists, map and scores; the top score is the
// watcher's and the sounds are heard afresh).
#include <gtest/gtest.h>
#include <unistd.h>

#include <regex>
#include <string>

#include "support/sim_runner.h"

namespace {

std::string temp(const std::string& name) {
    return ::testing::TempDir() + "varnoth_replay_" + std::to_string(getpid()) + "_" + name;
}

const std::string kWalkthroughs = std::string(VARNOTH_SOURCE_DIR) + "/tests/walkthroughs/";

// The dump without what differs between a game and its playback by design: the frame number
// and clock (a game begun from the title menu starts later than its playback), the sounds
// since the last dump and the top score.
std::string play_state(const std::string& dump) {
    static const std::regex frame("^\\{\"frame\":[0-9]+,\"millisecs\":[0-9]+,");
    static const std::regex top("\"topscore\":[0-9]+,");
    static const std::regex sounds(",\"sounds\":\\[.*\\]\\}\\s*$");
    std::string s = std::regex_replace(dump, frame, "{");
    s = std::regex_replace(s, top, "");
    return std::regex_replace(s, sounds, "}");
}

// Equal states, or where they part (a whole dump is too long to read in a failure).
::testing::AssertionResult same_state(const std::string& played, const std::string& recorded) {
    if (played == recorded) return ::testing::AssertionSuccess();
    size_t at = 0;
    while (at < played.size() && at < recorded.size() && played[at] == recorded[at]) ++at;
    const size_t from = at > 80 ? at - 80 : 0;
    return ::testing::AssertionFailure()
           << "the states part at byte " << at << ":\n  played   " << played.substr(from, 160)
           << "\n  recorded " << recorded.substr(from, 160);
}

struct Recorded {
    std::string file, end_state;
};

// Runs the runner with `args` recording to a file, its state dumped at `frames`.
Recorded record(const std::string& name, const std::string& args, int frames) {
    Recorded r{temp(name + ".vrp"), ""};
    const std::string dump = temp(name + "_recorded.json");
    std::string err;
    EXPECT_EQ(run_sim("--no-draw " + args + " --frames " + std::to_string(frames) + " --dump " +
                          std::to_string(frames) + ":" + dump + " --record " + r.file,
                      &err),
              0)
        << args << "\n"
        << err;
    r.end_state = play_state(slurp(dump));
    return r;
}

std::string play_back(const std::string& file, const std::string& extra = "", int* status = nullptr,
                      std::string* err = nullptr) {
    const std::string dump = file + "_played.json";
    std::remove(dump.c_str());
    std::string message;
    const int rc =
        run_sim("--no-draw " + extra + " --replay " + file + " --dump end:" + dump, &message);
    if (status) *status = rc;
    if (err) *err = message;
    if (!status) {
        EXPECT_EQ(rc, 0) << message;
    }
    return play_state(slurp(dump));
}

std::string script(const std::string& name, const std::string& lines) {
    const std::string path = temp(name + ".txt");
    write_text(path, lines);
    return path;
}

}  // namespace

// One area of each level, by its walkthrough: every kind of monster and object on the way.
TEST(ReplayRun, AWalkthroughOfEachLevelPlaysBackToItsEndState) {
    for (const char* area : {"1.1", "2.2", "3.3", "4.1", "5.2"}) {
        const std::string text = slurp(kWalkthroughs + area + ".txt");
        int level = 0, a = 0, frames = 0;
        ASSERT_EQ(std::sscanf(text.c_str(), "# --start %d.%d --frames %d", &level, &a, &frames), 3);
        const Recorded r = record(
            std::string("walk") + area,
            std::string("--start ") + area + " --input " + kWalkthroughs + area + ".txt", frames);
        ASSERT_FALSE(r.end_state.empty());
        EXPECT_TRUE(same_state(play_back(r.file), r.end_state)) << "area " << area;
    }
}

TEST(ReplayRun, TwoPlayersWithADeathAndATurnChangePlayBack) {
    // Running right into the first spider costs player 1 a life and hands the turn over.
    const Recorded r =
        record("two", "--start 1.1:2 --input " + script("two", "294 press right\n"), 700);
    ASSERT_NE(r.end_state.find("\"curplayer\":1,"), std::string::npos);
    EXPECT_TRUE(same_state(play_back(r.file), r.end_state));
}

TEST(ReplayRun, AGameBegunFromTheTitleMenuWithAPauseAndAQuitPlaysBack) {
    // The menu's game waits for the jump button before its first frame; Space pauses for a
    // while that no frame shows; Escape ends the game in the middle of the area.
    const std::string input =
        script("menu",
               "130 tap jump\n500 press right\n600 tap jump\n700 tap space\n760 tap space\n"
               "800 tap f2\n850 press joy0\n880 release joy0\n1000 tap escape\n");
    const std::string file = temp("menu.vrp");
    const std::string dump = temp("menu_recorded.json");
    ASSERT_EQ(run_sim("--no-draw --input " + input + " --frames 3000 --dump 999:" + dump +
                      " --record " + file),
              0);
    const std::string recorded = play_state(slurp(dump));
    ASSERT_NE(recorded.find("\"game\":{\"state\":1,"), std::string::npos) << "mid-area";
    EXPECT_TRUE(same_state(play_back(file), recorded));
}

TEST(ReplayRun, AnAssistedGamePlaysBackWithItsAssistWhateverTheWatchersSettings) {
    const std::string ini = temp("assist.ini");
    write_text(ini, "assist_invincible = yes\nassist_speed = 50\n");
    const Recorded r = record(
        "assist",
        "--settings " + ini + " --start 1.1 --input " + script("assist", "294 press right\n"), 700);
    ASSERT_NE(r.end_state.find("\"lives\":3,"), std::string::npos) << "the spider did no harm";
    EXPECT_TRUE(same_state(play_back(r.file), r.end_state));
}

TEST(ReplayRun, WatchingLeavesTheTopScoreAsItWas) {
    const std::string walk = kWalkthroughs + "1.1.txt";
    const Recorded r = record("top", "--start 1.1 --input " + walk, 1618);
    const std::string home = empty_home("replay_top");
    const std::string before = std::string("\x64\x00\x00\x00", 4);  // 100
    write_text(home + "/data/hiscore.dat", before);
    const std::string dump = temp("top_played.json");
    ASSERT_EQ(run_sim("--no-draw --data " + home + " --replay " + r.file + " --dump end:" + dump),
              0);
    EXPECT_NE(slurp(dump).find("\"topscore\":100,"), std::string::npos);
    EXPECT_EQ(slurp(home + "/data/hiscore.dat"), before);
}

TEST(ReplayRun, AReplayThatCannotBeWrittenIsNamedInOneLineAndTheGameGoesOn) {
    const std::string dump = temp("unwritable.json");
    std::string err;
    EXPECT_EQ(run_sim("--no-draw --start 1.1 --frames 100 --dump 100:" + dump +
                          " --record /nonexistent-folder/game.vrp",
                      &err),
              0);
    EXPECT_NE(slurp(dump).find("\"frame\":100,"), std::string::npos) << "the game ran to its end";
    EXPECT_EQ(err, "varnoth: cannot write the replay /nonexistent-folder/game.vrp\n");
}

// Seeks back and forth, landing in play, in the screens between areas and in a death, each from
// the snapshot before it: the state checksums of every second after each landing and the end
// state must be those of the game played straight through.
TEST(ReplayRun, SeekingForwardAndBackLandsOnTheStatesOfPlayingThrough) {
    struct Case {
        const char* name;
        std::string args;
        int frames;
        const char* seeks;
    };
    const Case cases[] = {
        // Area 1.1 walked, its end, the next area's announcement and its first minute.
        {"seek_walk", "--start 1.1 --input " + kWalkthroughs + "1.1.txt", 5000,
         "--seek 3000:100 --seek 2000:4500 --seek 4700:1700 --seek 4000:2600 --seek 4990:4999"},
        // Forward from the first announcement, before any state was saved.
        {"seek_early", "--start 1.1 --input " + kWalkthroughs + "1.1.txt", 2400,
         "--seek 60:1900 --seek 2300:30"},
        // Player 1 dies at the first spider and the turn passes: seeks into the death.
        {"seek_two", "--start 1.1:2 --input " + script("seek_two", "294 press right\n"), 900,
         "--seek 800:330 --seek 500:10 --seek 100:620 --seek 700:360"},
    };
    for (const Case& c : cases) {
        const Recorded r = record(c.name, c.args, c.frames);
        ASSERT_FALSE(r.end_state.empty()) << c.name;
        const std::string dump = r.file + "_seek.json";
        std::string err;
        ASSERT_EQ(
            run_sim("--no-draw --replay " + r.file + " " + c.seeks + " --dump end:" + dump, &err),
            0)
            << c.name << "\n"
            << err;
        const std::string seen = slurp(dump);
        int presented = 0;
        ASSERT_EQ(std::sscanf(seen.c_str(), "{\"frame\":%d,", &presented), 1);
        EXPECT_GT(presented, c.frames + 500) << c.name << ": the seeks back replayed frames";
        EXPECT_TRUE(same_state(play_state(seen), r.end_state)) << c.name;
    }
}

// With drawing on, a seek plays its unseen frames without drawing them, except the pictures a
// later screen copies: the level end fades out the last picture of play, the next area's
// announcement fades in its first. A seek that plays unseen from before area 1.1's end and lands
// in either fade must show the picture of playing through, and reach its state.
TEST(ReplayRun, ASeekAcrossAnAreaChangeWhileDrawingShowsWhatPlayingThroughShows) {
    // The replay ends in the fade of 1.2's announcement; the same game cut in the fade of 1.1's
    // level end ends there.
    const int kLevelEndFade = 1820, kAnnouncementFade = 2150;
    const std::string args = "--start 1.1 --input " + kWalkthroughs + "1.1.txt";
    const Recorded whole = record("draw_seek_whole", args, kAnnouncementFade);
    const Recorded cut = record("draw_seek_cut", args, kLevelEndFade);
    const struct {
        const Recorded& replay;
        int frames;
    } cases[] = {{cut, kLevelEndFade}, {whole, kAnnouncementFade}};
    for (const auto& c : cases) {
        // Played through, the runner's frames are the replay's (the line at the bottom shows
        // the replay's length, so each is played through on its own).
        const std::string through = c.replay.file + "_through.png";
        ASSERT_EQ(run_sim("--replay " + c.replay.file + " --watch --shot " +
                          std::to_string(c.frames) + ":" + through),
                  0);
        // From frame 900 on to the replay's last frame but one: the snapshot at hand is from
        // before the hero reaches the cauldron, so the whole level end plays unseen.
        const std::string seek = " --seek 900:" + std::to_string(c.frames - 1);
        const std::string counted = c.replay.file + "_counted.json";
        ASSERT_EQ(run_sim("--no-draw --replay " + c.replay.file + seek + " --dump end:" + counted),
                  0);
        int last = 0;
        ASSERT_EQ(std::sscanf(slurp(counted).c_str(), "{\"frame\":%d,", &last), 1);
        ASSERT_GT(last, c.frames) << "the seek played frames unseen";
        // The runner's frames count the unseen ones too: its last is the replay's last.
        const std::string shot = c.replay.file + "_seek.png";
        const std::string dump = c.replay.file + "_seek.json";
        std::string err;
        ASSERT_EQ(run_sim("--replay " + c.replay.file + seek + " --shot " + std::to_string(last) +
                              ":" + shot + " --dump end:" + dump,
                          &err),
                  0)
            << err;
        EXPECT_TRUE(same_state(play_state(slurp(dump)), c.replay.end_state)) << c.frames;
        const std::string seen = slurp(shot);
        EXPECT_FALSE(seen.empty()) << c.frames;
        EXPECT_TRUE(seen == slurp(through))
            << "after the seek, frame " << c.frames << " shows another picture than playing "
            << "through: " << shot << " and " << through;
    }
}
