// SPDX-License-Identifier: GPL-3.0-or-later
// varnoth-soak: runs the real game in this process without drawing, over and over: the title
// with its three attract recordings, then every committed walkthrough in turn, the last area's
// through the ending back to the title. The platform's own images, sounds, streams and object
// lists are used throughout, so whatever the game forgets to release shows as growing memory.
// Usage: varnoth-soak --frames N [--walkthroughs DIR]
// Ends with "frames N, rss start X MiB, rss end Y MiB, F frames/s"; the start is measured after
// the first pass (what a pass allocates once is not growth). Exits 1 when a walkthrough no
// longer finishes its area or the ending does not come back to the title.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bot/replay_files.h"
#include "platform/backend.h"
#include "shell/startup.h"
#include "sim/game_start.h"
#include "sim/input_script.h"

namespace fs = std::filesystem;

namespace {

constexpr int kTitleDemos = 3;
// After the last area: the level end, the ending and its wait for a press, back to the title.
constexpr int kEndingFrames = 20000;
constexpr int kPressEvery = 120;

struct Walkthrough {
    std::string name;
    ReplayHeader header;
    std::vector<InputEvent> events;
};

struct Done {};  // thrown by the frame hook once the frames asked for are presented

[[noreturn]] void usage(const std::string& why) {
    std::fprintf(stderr, "varnoth-soak: %s\nusage: varnoth-soak --frames N [--walkthroughs DIR]\n",
                 why.c_str());
    std::exit(2);
}

std::vector<Walkthrough> load_walkthroughs(const fs::path& dir) {
    std::vector<fs::path> paths;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir, ec))
        if (entry.path().extension() == ".txt") paths.push_back(entry.path());
    std::sort(paths.begin(), paths.end());
    std::vector<Walkthrough> out;
    for (const fs::path& p : paths) {
        std::ifstream in(p, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        Walkthrough w;
        w.name = p.filename().string();
        ScriptError error;
        if (!read_replay_header(text.str(), w.header) ||
            !parse_input_script(text.str(), w.events, error))
            usage(p.string() + ": not a walkthrough " + error.message);
        out.push_back(w);
    }
    if (out.empty()) usage("no walkthroughs in " + dir.string());
    return out;
}

double rss_mib() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::atof(line.c_str() + 6) / 1024.0;
    return 0;
}

// The data folder copied to a scratch place: the ending saves a top score, which must not land
// in the build's own data folder that the tests read.
fs::path scratch_data_root() {
    const fs::path program = fs::read_symlink("/proc/self/exe").parent_path();
    const fs::path root = fs::temp_directory_path() / ("varnoth-soak-" + std::to_string(getpid()));
    fs::create_directories(root);
    fs::copy(program / "data", root / "data",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    fs::remove(root / "data" / "hiscore.dat");
    return root;
}

bool run_walkthrough(const Walkthrough& w, const game_state& area_boot) {
    load_state(area_boot);
    begin_game_at(w.header.level, w.header.area, 1);
    HeadlessQueueEvents(w.events);
    while (FrameNumber() < w.header.frames && main_loop_frame()) TakeSoundEvents();
    const bool done = game.state == game_tag::kLevelEnd && FrameNumber() == w.header.frames &&
                      (w.header.area != 3 || game.item == 1);
    if (!done) std::fprintf(stderr, "varnoth-soak: %s did not finish its area\n", w.name.c_str());
    return done;
}

// From the end of the last area on, a press now and then answers the ending's wait.
bool run_to_title() {
    for (int i = 0; i < kEndingFrames && game.state != game_tag::kTitle; ++i) {
        if (i % kPressEvery == 0) {
            InputEvent e;
            e.frame = FrameNumber() + 1;
            e.action = InputAction::kTap;
            e.control = "jump";
            HeadlessQueueEvents({e});
        }
        if (!main_loop_frame()) break;
        TakeSoundEvents();
    }
    if (game.state != game_tag::kTitle)
        std::fprintf(stderr, "varnoth-soak: the ending did not come back to the title\n");
    return game.state == game_tag::kTitle;
}

}  // namespace

int main(int argc, char** argv) {
    long long target = 0;
    fs::path walk_dir = VARNOTH_SOURCE_DIR "/tests/walkthroughs";
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (i + 1 >= argc) usage("missing value after " + a);
        if (a == "--frames")
            target = std::atoll(argv[++i]);
        else if (a == "--walkthroughs")
            walk_dir = argv[++i];
        else
            usage("unknown argument " + a);
    }
    if (target < 1) usage("--frames needs a number from 1");
    const std::vector<Walkthrough> walks = load_walkthroughs(walk_dir);
    const fs::path data_root = scratch_data_root();

    HeadlessOptions h;
    h.draw = false;
    h.seed_set = true;
    h.seed = 1;  // the runner's default, which the walkthroughs were found with
    h.data_dir = data_root.string();
    PlatformUseHeadless(h);
    start_up();
    after_logo();
    TakeSoundEvents();
    const game_state area_boot = save_state();
    game_tag::show_logo();
    after_logo();
    TakeSoundEvents();
    const game_state title = save_state();

    long long frames = 0;
    SetFlipHook([&](int) {
        if (++frames >= target) throw Done{};
    });
    double rss_start = -1;
    long long passes = 0, pass_frames = 0;
    bool ok = true;
    const auto t0 = std::chrono::steady_clock::now();
    try {
        for (;;) {
            load_state(title);
            for (int d = 0; d < kTitleDemos; ++d) {
                // One turn of the main loop on the title: the idle menu, then a whole demo.
                main_loop_frame();
                TakeSoundEvents();
            }
            for (const Walkthrough& w : walks) ok = run_walkthrough(w, area_boot) && ok;
            ok = run_to_title() && ok;
            if (rss_start < 0) rss_start = rss_mib(), pass_frames = frames;
            ++passes;
        }
    } catch (const Done&) {
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    SetFlipHook(nullptr);
    const double rss_end = rss_mib();
    if (rss_start < 0) rss_start = rss_end;
    fs::remove_all(data_root);
    std::printf("passes %lld of %lld frames (title, %d demos, %zu walkthroughs, the ending)\n",
                passes, pass_frames, kTitleDemos, walks.size());
    std::printf("frames %lld, rss start %.1f MiB, rss end %.1f MiB, %.0f frames/s\n", frames,
                rss_start, rss_end, seconds > 0 ? frames / seconds : 0.0);
    return ok ? 0 : 1;
}
