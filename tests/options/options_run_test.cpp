// SPDX-License-Identifier: GPL-3.0-or-later
// The options screen and the assist through the runner as a whole program: opened and closed
// from the title and the pause with the game left at the same frame, the pad unplugged during
// play, each assist from a settings file, and the settings file never written by the runner.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "support/sim_runner.h"

namespace {

std::string temp(const std::string& name) {
    return ::testing::TempDir() + "varnoth_options_" + std::to_string(getpid()) + "_" + name;
}

std::string file_with(const std::string& name, const std::string& text) {
    const std::string path = temp(name);
    write_text(path, text);
    return path;
}

// Runs the runner and gives the dump it wrote at `frame`.
std::string dump_at(const std::string& args, int frame, const std::string& name) {
    const std::string path = temp(name + ".json");
    std::string err;
    EXPECT_EQ(run_sim(args + " --frames " + std::to_string(frame) + " --dump " +
                          std::to_string(frame) + ":" + path,
                      &err),
              0)
        << args << "\n"
        << err;
    return slurp(path);
}

// The game's record without what only says when it was taken: the frame, the clock, the
// sounds heard on the way and the title's idle count.
std::string game_record(std::string s) {
    // Each field from its key to the end of its value, the comma after it included.
    const auto drop = [&s](const std::string& key, char end) {
        const size_t at = s.find("\"" + key + "\":");
        if (at == std::string::npos) return;
        const size_t stop = s.find(end, at);
        s.erase(at, stop == std::string::npos ? std::string::npos : stop - at + 1);
    };
    drop("frame", ',');
    drop("millisecs", ',');
    drop("demo_pos", ',');
    drop("sounds", ']');
    return s;
}

int int_after(const std::string& text, const std::string& key, size_t from = 0) {
    const size_t at = text.find("\"" + key + "\":", from);
    return at == std::string::npos ? -1000 : std::atoi(text.c_str() + at + key.size() + 3);
}

int lives(const std::string& dump) {
    return int_after(dump, "lives", dump.find("\"player\":["));
}
int state(const std::string& dump) {
    return int_after(dump, "state", dump.find("\"game\":{"));
}

}  // namespace

TEST(OptionsRun, OpensAndClosesFromTheTitleAndThePauseLeavingTheGameAtTheSameFrame) {
    // The title: F10 on frame 300 opens the screen, Escape on 320 closes it, and title frame
    // 320 is the one frame 300 would have been.
    const std::string plain = dump_at("--no-draw", 300, "title_plain");
    const std::string opened =
        dump_at("--no-draw --input " +
                    file_with("title.txt", "300 tap f10\n310 tap down\n320 tap escape\n"),
                320, "title_opened");
    ASSERT_FALSE(plain.empty());
    EXPECT_EQ(state(opened), 6);
    EXPECT_EQ(game_record(opened), game_record(plain));
    // F10 again closes it just as well, and the pad's Back button opens it.
    const std::string toggled =
        dump_at("--no-draw --input " + file_with("toggle.txt", "300 tap pad:back\n320 tap f10\n"),
                320, "title_toggled");
    EXPECT_EQ(game_record(toggled), game_record(plain));

    // The pause: Space on 400, F10 and Escape; the pause's picture comes again at 420 and the
    // next frame of play is the one that followed the pause.
    const std::string paused_plain = "400 tap space\n401 tap space\n";
    const std::string paused_opened =
        "400 tap space\n405 tap f10\n410 tap down\n420 tap escape\n430 tap space\n";
    EXPECT_EQ(game_record(dump_at(
                  "--start 1.1 --no-draw --input " + file_with("pause_opened.txt", paused_opened),
                  421, "pause_opened")),
              game_record(dump_at(
                  "--start 1.1 --no-draw --input " + file_with("pause_plain.txt", paused_plain),
                  401, "pause_plain")));
    const std::string shots = temp("pause");
    ASSERT_EQ(run_sim("--start 1.1 --frames 421 --input " + file_with("p1.txt", paused_opened) +
                      " --shot 420:" + shots + "_again.png"),
              0);
    ASSERT_EQ(run_sim("--start 1.1 --frames 401 --input " + file_with("p2.txt", paused_plain) +
                      " --shot 400:" + shots + "_first.png"),
              0);
    EXPECT_EQ(slurp(shots + "_again.png"), slurp(shots + "_first.png"));
}

TEST(OptionsRun, LeavingAGameFromThePauseReturnsToTheTitleWithThePadAlone) {
    // X pauses, Back opens the options, the stick goes up twice to "Leave the game", A selects
    // and A says yes.
    const std::string steps =
        "400 tap pad:x\n405 tap pad:back\n410 press joy-up\n411 release joy-up\n"
        "412 press joy-up\n413 release joy-up\n415 tap pad:a\n420 tap pad:a\n";
    const std::string dump =
        dump_at("--start 1.1 --no-draw --input " + file_with("leave.txt", steps), 480, "leave");
    EXPECT_EQ(state(dump), 6) << "back on the title";
}

TEST(OptionsRun, APadUnpluggedDuringPlayPausesTheGameAndOnePluggedInWorksAtOnce) {
    // The picture after the unplug is the pause's, as after Space, where play would go on.
    const std::string shot = temp("unplug");
    ASSERT_EQ(
        run_sim("--start 1.1 --frames 401 --shot 400:" + shot + "_unplug.png --input " +
                file_with("unplug.txt", "350 tap joy-plug\n400 tap joy-unplug\n401 tap space\n")),
        0);
    ASSERT_EQ(run_sim("--start 1.1 --frames 401 --shot 400:" + shot + "_space.png --input " +
                      file_with("space.txt", "400 tap space\n401 tap space\n")),
              0);
    ASSERT_EQ(run_sim("--start 1.1 --frames 401 --shot 400:" + shot + "_none.png"), 0);
    EXPECT_EQ(slurp(shot + "_unplug.png"), slurp(shot + "_space.png"));
    EXPECT_NE(slurp(shot + "_unplug.png"), slurp(shot + "_none.png"));

    // Unplugged, its buttons do nothing; plugged in again, A jumps at once.
    const std::string out = dump_at(
        "--start 1.1 --no-draw --input " +
            file_with("replug.txt",
                      "350 tap joy-plug\n360 tap joy-unplug\n361 tap space\n380 tap pad:a\n"),
        385, "unplugged_a");
    EXPECT_EQ(out.find("snd_jump"), std::string::npos);
    const std::string in =
        dump_at("--start 1.1 --no-draw --input " +
                    file_with("plugged.txt",
                              "360 tap joy-unplug\n361 tap space\n370 tap joy-plug\n"
                              "380 tap pad:a\n"),
                385, "plugged_a");
    EXPECT_NE(in.find("snd_jump"), std::string::npos);
}

TEST(OptionsRun, EachAssistFromTheSettingsFile) {
    // Walking right from the start of 1.1 meets a spider: the designed hero dies of it.
    const std::string walk = file_with("walk.txt", "294 press right\n");
    const std::string designed = dump_at("--start 1.1 --no-draw --input " + walk, 700, "designed");
    EXPECT_EQ(lives(designed), 2);

    // Invincible, he walks through it: no life lost, no score, the spider unharmed.
    const std::string invincible = file_with("invincible.ini", "# mine\nassist_invincible = yes\n");
    const std::string through = dump_at(
        "--start 1.1 --no-draw --settings " + invincible + " --input " + walk, 700, "through");
    EXPECT_EQ(state(through), 1);
    EXPECT_EQ(lives(through), 3);
    EXPECT_EQ(int_after(through, "score"), 0);
    EXPECT_EQ(through.find("snd_jdeath"), std::string::npos);
    EXPECT_EQ(int_after(through, "power"), 0);
    EXPECT_EQ(int_after(through, "invincible"), 0) << "no star power, so no tint";
    // Falls still kill him.
    const std::string fallen = dump_at(
        "--start 1.1 --no-draw --settings " + invincible + " --input " + walk, 1400, "fallen");
    EXPECT_NE(fallen.find("snd_jdeath1"), std::string::npos);

    // Unlimited lives: the same death keeps the count.
    const std::string unlimited =
        dump_at("--start 1.1 --no-draw --settings " +
                    file_with("lives.ini", "assist_unlimited_lives = yes\n") + " --input " + walk,
                700, "unlimited");
    EXPECT_NE(unlimited.find("snd_jdeath2"), std::string::npos);
    EXPECT_EQ(lives(unlimited), 3);

    // Half speed: the frames come half as often on the game's clock (the real window's pace
    // is measured by varnoth-pacing-bench).
    const std::string half = file_with("half.ini", "assist_speed = 50\n");
    const auto play_time = [](const std::string& args, const std::string& name) {
        const std::string from = temp(name + "_400.json"), to = temp(name + "_700.json");
        EXPECT_EQ(run_sim("--start 1.1 --no-draw --frames 700 --dump 400:" + from +
                          " --dump 700:" + to + args),
                  0);
        return int_after(slurp(to), "millisecs") - int_after(slurp(from), "millisecs");
    };
    const int t100 = play_time("", "t100");
    const int t50 = play_time(" --settings " + half, "t50");
    EXPECT_EQ(t100, 5000);
    EXPECT_EQ(t50, 10000);
    // The title's menu is back at full pace after an assisted game: the attract demo is not
    // assisted either, and its record is the designed one.
    EXPECT_EQ(game_record(dump_at("--no-draw --settings " + half, 1500, "demo_half")),
              game_record(dump_at("--no-draw", 1500, "demo_full")));
}

TEST(OptionsRun, AnAssistedGameSetsNoTopScoreAndShowsItsMark) {
    // Hops to the right score points on the way; Escape ends the run and writes the top score.
    std::string hops = "294 press right\n";
    for (int f = 330; f < 900; f += 45) hops += std::to_string(f) + " tap jump\n";
    hops += "900 tap escape\n";
    const std::string script = file_with("hops.txt", hops);
    const std::string designed = empty_home("options_top_designed");
    const std::string assisted = empty_home("options_top_assisted");
    const std::string ini = file_with("slow.ini", "assist_speed = 90\n");
    EXPECT_EQ(run_sim("--start 1.1 --no-draw --data " + designed + " --input " + script +
                      " --frames 2000"),
              0);
    EXPECT_EQ(run_sim("--start 1.1 --no-draw --data " + assisted + " --settings " + ini +
                      " --input " + script + " --frames 2000"),
              0);
    const std::string top_designed = slurp(designed + "/data/hiscore.dat");
    const std::string top_assisted = slurp(assisted + "/data/hiscore.dat");
    ASSERT_EQ(top_designed.size(), 4u);
    ASSERT_EQ(top_assisted.size(), 4u);
    EXPECT_NE(top_designed, std::string(4, '\0')) << "the designed game scores";
    EXPECT_EQ(top_assisted, std::string(4, '\0'));

    // The mark beside the score: pixels right of the score that the designed game leaves black.
    const std::string shot = temp("mark");
    ASSERT_EQ(run_sim("--start 1.1 --frames 400 --shot 400:" + shot + "_a.png --settings " + ini),
              0);
    ASSERT_EQ(run_sim("--start 1.1 --frames 400 --shot 400:" + shot + "_d.png"), 0);
    EXPECT_NE(slurp(shot + "_a.png"), slurp(shot + "_d.png"));
}

TEST(OptionsRun, TheRunnerReadsASettingsFileAndNeverWritesIt) {
    const std::string text = "# the player's own note\nkey_jump = X\neffects_volume = 30\n";
    const std::string ini = file_with("read_only.ini", text);
    // key:X goes through the bindings like a real key: it jumps; the script's own "jump" is
    // the game's control and jumps too.
    const std::string by_key = dump_at("--start 1.1 --no-draw --settings " + ini + " --input " +
                                           file_with("x.txt", "380 tap key:X\n"),
                                       381, "key_x");
    EXPECT_NE(by_key.find("snd_jump"), std::string::npos);
    const std::string by_ctrl = dump_at("--start 1.1 --no-draw --settings " + ini + " --input " +
                                            file_with("ctrl.txt", "380 tap key:Left_Ctrl\n"),
                                        381, "key_ctrl");
    EXPECT_EQ(by_ctrl.find("snd_jump"), std::string::npos) << "Left Ctrl no longer jumps";
    // Changes on the options screen are in force for the run but the file stays as it was.
    EXPECT_EQ(run_sim("--no-draw --frames 340 --settings " + ini + " --input " +
                      file_with("change.txt",
                                "300 tap f10\n305 tap down\n306 tap jump\n"
                                "308 tap left\n310 tap escape\n312 tap escape\n")),
              0);
    EXPECT_EQ(slurp(ini), text);
    // A settings file that is not there is an error of the command line.
    std::string err;
    EXPECT_EQ(run_sim("--no-draw --frames 1 --settings " + temp("missing.ini"), &err), 2);
    EXPECT_NE(err.find("settings"), std::string::npos) << err;
}
