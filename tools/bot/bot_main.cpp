// SPDX-License-Identifier: GPL-3.0-or-later
// varnoth-bot: proves areas can be won and makes the attract-demo recordings, by searching over
// copies of the real game's state.
//   varnoth-bot --area L.A --out FILE        one area: a replay for varnoth-sim --start L.A
//   varnoth-bot --all --out-dir DIR          all fifteen, DIR/L.A.txt, and a report table
//   varnoth-bot --demos --data-root DIR      DIR/data/demodata.01 .. .03, proved on the title
//   varnoth-bot --verify-demos --data-root DIR
//   varnoth-bot --replay FILE                plays a replay in this process: its result and
//                                            the no-draw play loop's frames per second
// Options: --beam N (copies kept per step), --seconds S (give up after), --sim PATH,
// --verbose (where the search was set back).
#include <unistd.h>

#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "beam_search.h"
#include "replay_files.h"
#include "shell/startup.h"
#include "sim/game_start.h"
#include "sim/input_script.h"
#include "verify.h"

namespace {

struct Options {
    std::vector<std::pair<int, int>> areas;
    std::string out, out_dir, data_root, sim, replay;
    bool demos = false, verify_demos = false;
    SearchSettings search;
};

[[noreturn]] void usage(const std::string& why) {
    std::fprintf(stderr,
                 "varnoth-bot: %s\n"
                 "usage: varnoth-bot --area L.A --out FILE | --all --out-dir DIR |\n"
                 "       --demos --data-root DIR | --verify-demos --data-root DIR\n"
                 "       [--beam N] [--seconds S] [--sim PATH]\n",
                 why.c_str());
    std::exit(2);
}

int positive(const std::string& s, const char* what) {
    char* end = nullptr;
    const long v = std::strtol(s.c_str(), &end, 10);
    if (s.empty() || *end != 0 || v < 1 || v > INT_MAX) usage(std::string("bad ") + what);
    return static_cast<int>(v);
}

std::string own_directory() {
    char buf[4096];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    std::string path(buf, static_cast<size_t>(n));
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

Options parse(int argc, char** argv) {
    Options o;
    bool all = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto next = [&]() -> std::string {
            if (i + 1 >= argc) usage(a + " needs a value");
            return argv[++i];
        };
        if (a == "--area") {
            int l = 0, ar = 0;
            char tail = 0;
            const std::string v = next();
            if (std::sscanf(v.c_str(), "%d.%d%c", &l, &ar, &tail) != 2 || l < 1 || l > 5 ||
                ar < 1 || ar > 3)
                usage("--area wants L.A with L 1..5 and A 1..3, got '" + v + "'");
            o.areas.emplace_back(l, ar);
        } else if (a == "--all") {
            all = true;
        } else if (a == "--out") {
            o.out = next();
        } else if (a == "--out-dir") {
            o.out_dir = next();
        } else if (a == "--data-root") {
            o.data_root = next();
        } else if (a == "--sim") {
            o.sim = next();
        } else if (a == "--replay") {
            o.replay = next();
        } else if (a == "--demos") {
            o.demos = true;
        } else if (a == "--verify-demos") {
            o.verify_demos = true;
        } else if (a == "--beam") {
            o.search.beam = positive(next(), "--beam");
        } else if (a == "--verbose") {
            o.search.verbose = true;
        } else if (a == "--seconds") {
            o.search.seconds = positive(next(), "--seconds");
        } else {
            usage("unknown argument '" + a + "'");
        }
    }
    if (all) {
        for (int l = 1; l <= 5; ++l)
            for (int ar = 1; ar <= 3; ++ar) o.areas.emplace_back(l, ar);
    }
    const int modes = (o.areas.empty() ? 0 : 1) + (o.demos ? 1 : 0) + (o.verify_demos ? 1 : 0) +
                      (o.replay.empty() ? 0 : 1);
    if (modes != 1) usage("choose one of --area, --all, --demos, --verify-demos, --replay");
    if (!o.areas.empty() && o.out.empty() && o.out_dir.empty()) usage("--out or --out-dir needed");
    if (o.areas.size() > 1 && o.out_dir.empty()) usage("several areas need --out-dir");
    if ((o.demos || o.verify_demos) && o.data_root.empty()) usage("--data-root needed");
    if (o.sim.empty()) o.sim = own_directory() + "/varnoth-sim";
    return o;
}

std::string area_name(int level, int area) {
    return std::to_string(level) + "." + std::to_string(area);
}

// Replays the moves from the area's start in this process and times the play loop.
double frames_per_second(int level, int area, const std::vector<Move>& moves) {
    enter_area(level, area);
    const auto t = std::chrono::steady_clock::now();
    int held = 0;
    for (const Move& m : moves) play_frame(PlayMode::kArea, m, held);
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t).count();
    return s > 0 ? static_cast<double>(moves.size()) / s : 0;
}

int solve_areas(const Options& o) {
    boot_game(PlayMode::kArea, o.data_root);
    std::printf("| area | frames | jumps | deaths avoided | setbacks | power lost | seconds |\n");
    std::printf("|------|-------:|------:|---------------:|---------:|-----------:|--------:|\n");
    std::fflush(stdout);
    int failures = 0;
    std::vector<std::string> fps_lines;
    for (const auto& [level, area] : o.areas) {
        const std::string name = area_name(level, area);
        enter_area(level, area);
        const int first_frame = FrameNumber() + 1;
        const AreaGoal goal = AreaGoal::of_live_area(PlayMode::kArea);
        const SearchResult r = beam_search(PlayMode::kArea, goal, o.search);
        if (!r.solved) {
            std::printf("| %s | not solved | | %d | %d | | %.1f |\n", name.c_str(),
                        r.deaths_avoided, r.setbacks, r.seconds);
            std::fflush(stdout);
            ++failures;
            continue;
        }
        ReplayHeader h{level, area, first_frame + static_cast<int>(r.moves.size()) - 1};
        const std::string path = o.out_dir.empty() ? o.out : o.out_dir + "/" + name + ".txt";
        const std::string note = "area " + name + " is won from its start without losing a life" +
                                 (area == 3 ? ", the magic item taken on the way" : "") +
                                 " (found by varnoth-bot)";
        if (!write_replay(path, h, note, first_frame, r.moves)) {
            std::fprintf(stderr, "varnoth-bot: cannot write %s\n", path.c_str());
            return 1;
        }
        const ReplayCheck c = check_replay_with_sim(o.sim, path, h);
        if (!c.ok) {
            std::printf("| %s | replay failed: %s | | | | | |\n", name.c_str(), c.why.c_str());
            std::fflush(stdout);
            ++failures;
            continue;
        }
        std::printf("| %s | %zu | %d | %d | %d | %d | %.1f |\n", name.c_str(), r.moves.size(),
                    c.jumps, r.deaths_avoided, r.setbacks, c.power_losses, r.seconds);
        std::fflush(stdout);
        const double fps = frames_per_second(level, area, r.moves);
        fps_lines.push_back("no-draw play loop on " + name + ": " +
                            std::to_string(static_cast<long>(fps)) + " frames/s");
    }
    for (const std::string& line : fps_lines) std::printf("%s\n", line.c_str());
    return failures == 0 ? 0 : 1;
}

int report_demos(const std::vector<DemoCheck>& checks) {
    int bad = checks.size() == 3 ? 0 : 1;
    for (const DemoCheck& c : checks) {
        std::printf("recording %d on the title: %d frames, %s, %s\n", c.recording, c.frames,
                    c.ended_at_marker ? "ended at its end marker" : "did NOT reach its end marker",
                    c.died ? "the hero DIED" : "no death");
        if (!c.ended_at_marker || c.died) bad = 1;
    }
    return bad;
}

bool recordings_readable() {
    for (int n = 1; n <= 3; ++n) {
        if (!demo_tag::Load(".0" + std::to_string(n))) {
            std::fprintf(stderr, "varnoth-bot: recording %d cannot be read\n", n);
            return false;
        }
    }
    return true;
}

int make_demos(const Options& o) {
    boot_game(PlayMode::kDemo, o.data_root);
    const game_state title = save_state();
    SearchSettings s = o.search;
    s.frame_limit = demo_tag::kRecords - 2;  // after the fixed first record, before the marker
    for (int n = 1; n <= 3; ++n) {
        enter_demo(n);
        const AreaGoal goal = AreaGoal::of_live_area(PlayMode::kDemo);
        const SearchResult r = beam_search(PlayMode::kDemo, goal, s);
        if (!r.solved) {
            std::printf("recording %d: no safe play found (%.1f s)\n", n, r.seconds);
            return 1;
        }
        // What the recording shows, played again from its start.
        enter_demo(n);
        int jumps = 0, held = 0, kills = 0, beaten = beaten_monsters_on_screen();
        for (const Move& m : r.moves) {
            if (m.jump && game.jump == 0) ++jumps;
            play_frame(PlayMode::kDemo, m, held);
            const int now = beaten_monsters_on_screen();
            if (now > beaten) kills += now - beaten;
            beaten = now;
        }
        const float scrolled = 20.0f - map_cells[0].x;
        const int deeds = goal.deeds();
        const std::string path = o.data_root + "/data/demodata.0" + std::to_string(n);
        if (!write_recording(path, r.moves)) {
            std::fprintf(stderr, "varnoth-bot: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf(
            "recording %d on map 3.%d: %zu frames, %.0f px scrolled, %d jumps, %d deeds "
            "(tokens, blocks, power), %d monsters beaten, %d deaths avoided, %d setbacks, "
            "%.1f s\n",
            n, n, r.moves.size() + 1, scrolled, jumps, deeds, kills, r.deaths_avoided, r.setbacks,
            r.seconds);
        std::fflush(stdout);
    }
    load_state(title);
    if (!recordings_readable()) return 1;
    load_state(title);
    return report_demos(watch_title_demos());
}

int verify_demos(const Options& o) {
    boot_game(PlayMode::kDemo, o.data_root);
    const game_state title = save_state();
    if (!recordings_readable()) return 1;
    load_state(title);
    return report_demos(watch_title_demos());
}

// The replay's script queued whole, as varnoth-sim queues it, and the main loop run to the
// recorded frame; the play frames are timed.
int replay_here(const Options& o) {
    std::ifstream in(o.replay, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    ReplayHeader h;
    std::vector<InputEvent> events;
    ScriptError error;
    if (!in || !read_replay_header(text.str(), h)) usage("no replay header in " + o.replay);
    if (!parse_input_script(text.str(), events, error)) usage(o.replay + ": " + error.message);
    boot_game(PlayMode::kArea, o.data_root);
    begin_game_at(h.level, h.area, 1);
    HeadlessQueueEvents(events);
    double play_seconds = 0;
    int play_frames = 0;
    while (FrameNumber() < h.frames) {
        const bool playing = game.state == game_tag::kPlay;
        const auto t = std::chrono::steady_clock::now();
        if (!main_loop_frame()) break;
        if (playing) {
            play_seconds +=
                std::chrono::duration<double>(std::chrono::steady_clock::now() - t).count();
            ++play_frames;
        }
        TakeSoundEvents();
    }
    const bool done = game.state == game_tag::kLevelEnd && FrameNumber() == h.frames &&
                      hero().lives == 3 && (h.area != 3 || game.item == 1);
    std::printf("%s: area %d.%d %s at frame %d; %d play frames at %.0f frames/s (no drawing)\n",
                o.replay.c_str(), h.level, h.area, done ? "finished" : "NOT finished",
                FrameNumber(), play_frames, play_seconds > 0 ? play_frames / play_seconds : 0.0);
    return done ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const Options o = parse(argc, argv);
    if (!o.replay.empty()) return replay_here(o);
    if (o.verify_demos) return verify_demos(o);
    if (o.demos) return make_demos(o);
    return solve_areas(o);
}
