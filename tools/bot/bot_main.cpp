// SPDX-License-Identifier: GPL-3.0-or-later
// varnoth-bot: proves areas can be won and makes the attract-demo recordings, by searching over
// copies of the real game's state.
//   varnoth-bot --area L.A [--out FILE]      one area: a replay for varnoth-sim --start L.A
//   varnoth-bot --pack DIR --area L.A [--out FILE]
//                                            the area of a level pack, as the editor checks it
//   varnoth-bot --all --out-dir DIR          all fifteen, DIR/L.A.txt, and a report table
//   varnoth-bot --demos --data-root DIR      DIR/data/demodata.01 .. .03, proved on the title
//   varnoth-bot --verify-demos --data-root DIR
//   varnoth-bot --replay FILE                plays a replay in this process: its result and
//                                            the no-draw play loop's frames per second
// Options: --beam N (copies kept per step), --branches N (give up after so many branches),
// --verbose (where the search was set back).
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bot/area_search.h"
#include "bot/beam_search.h"
#include "bot/replay_files.h"
#include "packs/pack_check.h"
#include "shell/startup.h"
#include "sim/game_start.h"
#include "sim/input_script.h"
#include "title_demos.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    std::vector<std::pair<int, int>> areas;
    std::string out, out_dir, data_root, replay, pack;
    bool demos = false, verify_demos = false;
    SearchSettings search;
};

[[noreturn]] void usage(const std::string& why) {
    std::fprintf(
        stderr,
        "varnoth-bot: %s\n"
        "usage: varnoth-bot --area L.A [--out FILE] | --pack DIR --area L.A [--out FILE] |\n"
        "       --all --out-dir DIR | --demos --data-root DIR |\n"
        "       --verify-demos --data-root DIR | --replay FILE\n"
        "       [--beam N] [--branches N] [--verbose]\n",
        why.c_str());
    std::exit(2);
}

int positive(const std::string& s, const char* what) {
    char* end = nullptr;
    const long v = std::strtol(s.c_str(), &end, 10);
    if (s.empty() || *end != 0 || v < 1 || v > INT_MAX) usage(std::string("bad ") + what);
    return static_cast<int>(v);
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
        } else if (a == "--pack") {
            o.pack = next();
        } else if (a == "--out") {
            o.out = next();
        } else if (a == "--out-dir") {
            o.out_dir = next();
        } else if (a == "--data-root") {
            o.data_root = next();
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
        } else if (a == "--branches") {
            o.search.branch_budget = positive(next(), "--branches");
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
    if (o.areas.size() > 1 && o.out_dir.empty()) usage("several areas need --out-dir");
    if (!o.pack.empty() && (all || o.areas.size() != 1)) usage("--pack checks one --area");
    if ((o.demos || o.verify_demos) && o.data_root.empty()) usage("--data-root needed");
    return o;
}

std::string area_name(int level, int area) {
    return std::to_string(level) + "." + std::to_string(area);
}

// Replays the moves from the area's start in this process and times the play loop.
double frames_per_second(int level, int area, const std::vector<Move>& moves) {
    start_area(level, area);
    const auto t = Clock::now();
    int held = 0;
    for (const Move& m : moves) play_frame(PlayMode::kArea, m, held);
    const double s = std::chrono::duration<double>(Clock::now() - t).count();
    return s > 0 ? static_cast<double>(moves.size()) / s : 0;
}

void print_unreached(const AreaCheckResult& r) {
    if (r.unreached.empty()) return;
    std::printf("never reached (column.row):");
    for (const AreaCheckCell& c : r.unreached) std::printf(" %d.%d", c.column, c.row);
    std::printf("\n");
}

// A pack's area, answered as the editor's Check answers it.
int check_pack_area(const Options& o) {
    const auto [level, area] = o.areas.front();
    AreaCheckRequest request;
    request.level = level;
    request.area = area;
    request.branch_budget = static_cast<int>(o.search.branch_budget);
    boot_game(PlayMode::kArea, o.data_root);  // which also makes the legend the program carries
    // The pack is checked as the game checks it before playing it.
    std::vector<PackMessage> messages;
    request.compiled_map = pack_area_map(o.pack, level, area, messages);
    if (request.compiled_map.empty()) {
        for (const PackMessage& m : messages) std::fprintf(stderr, "%s\n", m.to_string().c_str());
        return 1;
    }
    const AreaCheckResult r = check_area(request).result;
    std::printf("%s\n", r.message.c_str());
    print_unreached(r);
    if (r.outcome != AreaCheckResult::Outcome::kWon) return 1;
    if (!o.out.empty() && !write_whole_file(o.out, r.replay)) {
        std::fprintf(stderr, "varnoth-bot: cannot write %s\n", o.out.c_str());
        return 1;
    }
    return 0;
}

int solve_areas(const Options& o) {
    boot_game(PlayMode::kArea, o.data_root);
    std::printf(
        "| area | frames | jumps | deaths avoided | setbacks | power lost | branches | seconds "
        "| cpu seconds |\n");
    std::printf(
        "|------|-------:|------:|---------------:|---------:|-----------:|---------:|--------:"
        "|------------:|\n");
    std::fflush(stdout);
    int failures = 0;
    std::vector<std::string> fps_lines;
    for (const auto& [level, area] : o.areas) {
        const std::string name = area_name(level, area);
        AreaCheckRequest request;
        request.level = level;
        request.area = area;
        request.branch_budget = static_cast<int>(o.search.branch_budget);
        const auto t = Clock::now();
        const std::clock_t c = std::clock();
        const AreaCheckReport report = check_area(request);
        const double seconds = std::chrono::duration<double>(Clock::now() - t).count();
        const double cpu = static_cast<double>(std::clock() - c) / CLOCKS_PER_SEC;
        const AreaCheckResult& r = report.result;
        if (r.outcome != AreaCheckResult::Outcome::kWon) {
            std::printf("| %s | %s | | %d | %d | | %d | %.1f | %.1f |\n", name.c_str(),
                        r.message.c_str(), report.deaths_avoided, report.setbacks, r.branches,
                        seconds, cpu);
            std::fflush(stdout);
            ++failures;
            continue;
        }
        const std::string path = o.out_dir.empty() ? o.out : o.out_dir + "/" + name + ".txt";
        if (!path.empty() && !write_whole_file(path, r.replay)) {
            std::fprintf(stderr, "varnoth-bot: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("| %s | %d | %d | %d | %d | %d | %d | %.1f | %.1f |\n", name.c_str(),
                    r.play_frames, report.jumps, report.deaths_avoided, report.setbacks,
                    report.power_losses, r.branches, seconds, cpu);
        std::fflush(stdout);
        const double fps = frames_per_second(level, area, report.moves);
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
        const auto t = Clock::now();
        const SearchResult r = beam_search(PlayMode::kDemo, goal, s);
        const double seconds = std::chrono::duration<double>(Clock::now() - t).count();
        if (!r.solved) {
            std::printf("recording %d: no safe play found in %ld branches\n", n, r.branches);
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
            seconds);
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
        const auto t = Clock::now();
        if (!main_loop_frame()) break;
        if (playing) {
            play_seconds += std::chrono::duration<double>(Clock::now() - t).count();
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
    if (!o.pack.empty()) return check_pack_area(o);
    return solve_areas(o);
}
