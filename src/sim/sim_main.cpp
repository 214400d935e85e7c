// SPDX-License-Identifier: GPL-3.0-or-later
// varnoth-sim: the real game from process start on the headless backend, with scripted input,
// JSON state dumps and PNG shots. See the README for its arguments.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "addons/install_addons.h"
#include "bot/area_check_child.h"
#include "editor/editor.h"
#include "packs/pack_start.h"
#include "platform/backend.h"
#include "replay/replay_list_screen.h"
#include "replay/replay_session.h"
#include "shell/globals.h"
#include "shell/startup.h"
#include "sim/game_start.h"
#include "sim/input_script.h"
#include "sim/state_dump.h"

namespace {

struct Options {
    int frames = -1;
    std::string input;
    std::multimap<int, std::string> shots, dumps;
    bool seed_set = false;
    int seed = 1;
    int start_level = 0, start_area = 0, start_players = 1;
    std::string data;
    std::string settings;
    std::string pack;
    bool no_draw = false;
    std::string record, replay;
    std::string replays_folder;  // --replays DIR: the title's Tab list shows DIR
    std::string areas;           // --areas FILE: the areas reached, kept and offered by the list
    std::string players_packs;   // --players-packs DIR: stands in for the player's packs folder
    std::string end_dump;        // --dump end:PATH
    // --end-after-check N: the run ends N frames after the editor's Check answered; the bot
    // answers in its own time, which no frame count foretells.
    int end_after_check = -1;
    bool edit = false;
    EditRequest edit_request;
    // --watch: a replay is played as the desktop shows it, its line at the bottom; --seek A:B
    // (implies --watch): once the replay has played A frames it seeks to frame B.
    bool watch = false;
    std::vector<std::pair<int, int>> seeks;
};

[[noreturn]] void usage(const std::string& why) {
    std::fprintf(
        stderr,
        "varnoth-sim: %s\n"
        "usage: varnoth-sim [--frames N] [--input FILE] [--shot FRAME:PATH]... "
        "[--dump FRAME:PATH]... [--seed N] [--start L.A[:P]] [--data DIR] [--settings FILE] "
        "[--pack DIR] [--no-draw] [--record FILE] [--replay FILE] [--replays DIR] [--areas FILE] "
        "[--dump end:PATH] [--watch] [--seek A:B]... [--edit DIR [L.A]] [--players-packs DIR] "
        "[--end-after-check N]\n",
        why.c_str());
    std::exit(2);
}

int number(const std::string& s, const char* what) {
    char* end = nullptr;
    long v = std::strtol(s.c_str(), &end, 10);
    if (s.empty() || *end != 0) usage(std::string("bad number for ") + what + ": '" + s + "'");
    return static_cast<int>(v);
}

void frame_and_path(const std::string& arg, const char* what,
                    std::multimap<int, std::string>& out) {
    size_t colon = arg.find(':');
    if (colon == std::string::npos || colon + 1 == arg.size())
        usage(std::string(what) + " wants FRAME:PATH, got '" + arg + "'");
    int frame = number(arg.substr(0, colon), what);
    if (frame < 1) usage(std::string(what) + " frames start at 1");
    out.emplace(frame, arg.substr(colon + 1));
}

Options parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto next = [&]() -> std::string {
            if (i + 1 >= argc) usage(a + " needs a value");
            return argv[++i];
        };
        if (a == "--frames")
            o.frames = number(next(), "--frames");
        else if (a == "--end-after-check")
            o.end_after_check = number(next(), "--end-after-check");
        else if (a == "--input")
            o.input = next();
        else if (a == "--shot")
            frame_and_path(next(), "--shot", o.shots);
        else if (a == "--dump") {
            const std::string v = next();
            if (v.rfind("end:", 0) == 0 && v.size() > 4)
                o.end_dump = v.substr(4);
            else
                frame_and_path(v, "--dump", o.dumps);
        } else if (a == "--record")
            o.record = next();
        else if (a == "--replay")
            o.replay = next();
        else if (a == "--replays")
            o.replays_folder = next();
        else if (a == "--areas")
            o.areas = next();
        else if (a == "--watch")
            o.watch = true;
        else if (a == "--seek") {
            const std::string v = next();
            const size_t colon = v.find(':');
            if (colon == std::string::npos) usage("--seek wants A:B, two frame numbers");
            o.seeks.emplace_back(number(v.substr(0, colon), "--seek"),
                                 number(v.substr(colon + 1), "--seek"));
            o.watch = true;
        } else if (a == "--seed")
            o.seed_set = true, o.seed = number(next(), "--seed");
        else if (a == "--data")
            o.data = next();
        else if (a == "--settings")
            o.settings = next();
        else if (a == "--pack")
            o.pack = next();
        else if (a == "--players-packs")
            o.players_packs = next();
        else if (a == "--no-draw")
            o.no_draw = true;
        else if (a == "--edit") {
            const std::vector<std::string> args(argv, argv + argc);
            size_t at = static_cast<size_t>(i);
            std::string why;
            if (!parse_edit_arguments(args, at, o.edit_request, why)) usage(why);
            i = static_cast<int>(at);
            o.edit = true;
        } else if (a == "--start") {
            std::string v = next();
            int l = 0, ar = 0, p = 1;
            char tail = 0;
            int n = std::sscanf(v.c_str(), "%d.%d:%d%c", &l, &ar, &p, &tail);
            if (n < 2 || n > 3 || l < 1 || l > 5 || ar < 1 || ar > 3 || p < 1 || p > 2)
                usage("--start wants L.A or L.A:P with L 1..5, A 1..3, P 1..2, got '" + v + "'");
            o.start_level = l, o.start_area = ar, o.start_players = p;
        } else {
            usage("unknown argument '" + a + "'");
        }
    }
    if (o.no_draw && !o.shots.empty()) usage("--shot needs drawing: it cannot go with --no-draw");
    if (!o.replay.empty() && (!o.input.empty() || o.start_level > 0 || !o.record.empty()))
        usage("--replay plays a recorded game: it goes with neither --input, --start nor --record");
    return o;
}

std::vector<std::string> g_sounds;

void write_file(const std::string& path, const std::string& text) {
    std::string tmp = path + ".part";
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out || !RenameOver(tmp, path)) {
        std::remove(tmp.c_str());
        std::fprintf(stderr, "varnoth-sim: cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (area_check_child_wanted(argc, argv)) return area_check_child_main();
    Options o = parse(argc, argv);
    std::vector<InputEvent> events;
    if (!o.input.empty()) {
        std::ifstream in(o.input, std::ios::binary);
        if (!in) usage("cannot read the input script " + o.input);
        std::stringstream text;
        text << in.rdbuf();
        ScriptError error;
        if (!parse_input_script(text.str(), events, error)) {
            std::fprintf(stderr, "varnoth-sim: %s: %s\n", o.input.c_str(), error.message.c_str());
            return 2;
        }
    }

    // The player's settings as a file holds them, read and never written.
    Settings settings;
    if (!o.settings.empty()) {
        if (!std::ifstream(o.settings)) usage("cannot read the settings file " + o.settings);
        std::vector<std::string> warnings;
        settings = LoadSettings(o.settings, warnings);
        for (const std::string& w : warnings) std::fprintf(stderr, "varnoth-sim: %s\n", w.c_str());
    }

    HeadlessOptions h;
    h.draw = !o.no_draw;
    h.seed_set = true;
    h.seed = o.seed_set ? o.seed : 1;
    h.data_dir = o.data;
    if (!o.players_packs.empty()) h.players_packs = AbsolutePath(o.players_packs);
    PlatformUseHeadless(h);
    PlatformUseSettings(settings, settings, "");
    HeadlessQueueEvents(events);
    SetFlipHook([&o](int frame) {
        std::vector<std::string> s = TakeSoundEvents();
        g_sounds.insert(g_sounds.end(), s.begin(), s.end());
        auto shots = o.shots.equal_range(frame);
        if (shots.first != shots.second) {
            std::vector<uint8_t> rgb;
            ReadBackBuffer(rgb);
            for (auto it = shots.first; it != shots.second; ++it) {
                if (!WritePng(it->second, rgb, 640, 480)) {
                    std::fprintf(stderr, "varnoth-sim: cannot write %s\n", it->second.c_str());
                    std::exit(1);
                }
            }
        }
        auto dumps = o.dumps.equal_range(frame);
        for (auto it = dumps.first; it != dumps.second; ++it) {
            write_file(it->second, dump_state_json(frame, MilliSecs(), g_sounds));
            g_sounds.clear();
        }
        if (o.dumps.empty() && o.end_dump.empty()) g_sounds.clear();
        if (!o.seeks.empty() && playback_frame() >= o.seeks.front().first && playback_going_on()) {
            seek_playback(o.seeks.front().second);
            o.seeks.erase(o.seeks.begin());
        }
        // A replay the runner was given, or one watched from the list it was given, ends the
        // run, so that its end state is the dump's; one the editor shows is the editor's.
        const bool replay_ends_run = !o.replay.empty() || !o.replays_folder.empty();
        const PlaybackState playback = replay_ends_run ? playback_state() : PlaybackState::kNone;
        if (playback == PlaybackState::kOutOfStep) {
            std::fprintf(stderr, "varnoth-sim: %s: out of step at frame %d\n", o.replay.c_str(),
                         playback_out_of_step_frame());
            std::exit(1);
        }
        const bool replay_ends = playback == PlaybackState::kFinished;
        if (replay_ends && o.watch)
            std::printf("snapshots: %zu taking %zu bytes\n", playback_snapshot_count(),
                        playback_snapshot_bytes());
        static int answered_at = -1;
        if (o.end_after_check >= 0 && answered_at < 0 && editor_check_answered())
            answered_at = frame;
        const bool check_over = answered_at >= 0 && frame >= answered_at + o.end_after_check;
        if (replay_ends || check_over || (o.frames >= 0 && frame >= o.frames)) {
            if (!o.end_dump.empty())
                write_file(o.end_dump, dump_state_json(frame, MilliSecs(), g_sounds));
            std::exit(0);
        }
    });
    if (o.frames == 0) return 0;
    install_addons();
    if (!o.pack.empty()) start_with_pack(o.pack, "");
    if (!o.record.empty()) record_games_to_file(AbsolutePath(o.record));
    const std::string areas = o.areas.empty() ? "" : AbsolutePath(o.areas);
    keep_areas_reached_in(areas);
    if (!o.replays_folder.empty()) {
        std::string folder = AbsolutePath(o.replays_folder);
        if (folder.back() != '/') folder += '/';
        add_replay_list(folder, areas);
    }

    if (!o.replay.empty()) {
        ReplayRecord replay;
        std::string why;
        if (!read_replay_file(AbsolutePath(o.replay), replay, why) ||
            !replay_maps_match(replay, why)) {
            std::fprintf(stderr, "varnoth-sim: %s: %s\n", o.replay.c_str(), why.c_str());
            return 1;
        }
        start_up();
        after_logo();
        if (o.watch) {
            begin_playback(replay, true);
            watch_playback();
            return playback_state() == PlaybackState::kFinished ? 0 : 1;
        }
        begin_playback(replay);
        main_loop();
    }
    if (o.edit) editor_program(o.edit_request);

    if (o.start_level > 0) {
        start_up();
        after_logo();
        begin_game_at(o.start_level, o.start_area, o.start_players);
        main_loop();
    }
    varnoth_main();
}
