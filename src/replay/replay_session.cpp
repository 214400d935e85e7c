// SPDX-License-Identifier: GPL-3.0-or-later
// The recording watches every read the game makes after a game was set up and every frame it
// presents; the playback answers those reads from the file. Screens added beyond the game (the
// options in the Space pause) are neither: while they run the tap stands aside, and only their
// answer to the game is kept, so that what a watcher sets never enters a replay.
#include "replay/replay_session.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "options/options_text.h"
#include "packs/maps_in_force.h"
#include "platform/input_tap.h"
#include "platform/options.h"
#include "platform/platform.h"
#include "platform/player_choices.h"
#include "replay/areas_reached.h"
#include "replay/game_state_bytes.h"
#include "replay/input_reads.h"
#include "replay/playback_snapshots.h"
#include "replay/replay_folder.h"
#include "shell/addon_hooks.h"
#include "shell/globals.h"
#include "shell/held_button_wait.h"
#include "shell/startup.h"
#include "sim/game_start.h"

namespace {

enum class Mode { kIdle, kRecording, kStartingPlayback, kPlaying };

struct Session {
    Mode mode = Mode::kIdle;
    // Recording
    bool wanted = false;  // a destination was chosen (the folder may be "": none to be had)
    std::string file, folder;
    bool in_memory = false;  // kept for recording_so_far(), written nowhere
    bool (*barred)() = nullptr;
    bool exit_handler = false;
    InputReadWriter writer;
    ReplayRecord record;
    uint64_t reads = 0;
    uint32_t last_checksum = 0;
    int recorded_area_key = 0;  // level * 10 + area of the hero in play at the frame before
    // The game's own areas the hero stood in during the game recorded (a pack's are not kept).
    std::string areas_file;
    bool areas_counted = false;
    AreasReached areas;
    // Playback
    ReplayRecord replay;
    InputReadPlayer player;
    PlaybackState state = PlaybackState::kNone;
    int out_of_step_frame = 0;
    bool back_to_title = false;  // the desktop: the title follows the end of a playback
    bool leave_asked = false;    // the watcher pressed Escape
    bool window_closed = false;  // the watcher closed the window
    bool pause_asked = false;    // Space during a watched playback
    int pace = 100;              // the watcher's speed, as the frame pace
    bool stepping = false;       // N went one frame on: the next frame pauses again
    // Seeking: every screen is left as Escape leaves it, then the nearest earlier snapshot is
    // restored and the frames up to the target run unseen and unheard.
    PlaybackSnapshots snapshots;
    bool seek_pending = false;
    int seek_target = 0;
    int fast_to = -1;              // the frame an unseen run ends at
    std::vector<int> area_starts;  // frames at which an area's play began, in order
    int area_key = 0;              // level * 10 + area of the hero last seen
    bool to_next_area = false;     // the unseen run ends where the next area begins
    int speed = 2;                 // the watcher's speed: an entry of kSpeeds
    bool quiet = false;
    int sound_kept = 0;  // the watcher's effects switch while quiet
    // Both
    int frames = 0;  // frames presented since the game began, the added screens' not counted
    int standing_aside = 0;
};
Session s;

addon_hooks_tag original;

bool watcher_key(int key) {
    // F2 and F3 (effects, music), F10 (options), F11 (full screen), F12 (screenshot)
    return key == 113 || key == 114 || key == 121 || key == 122 || key == 123;
}

void out_of_step() {
    if (s.state != PlaybackState::kPlaying) return;
    s.state = PlaybackState::kOutOfStep;
    s.out_of_step_frame = s.frames + 1;
}

int32_t tap_read(TapRead what, int argument, int32_t live) {
    if (s.standing_aside > 0) return live;
    if ((what == TapRead::kKeyHit || what == TapRead::kKeyDown) && watcher_key(argument))
        return live;
    if (s.mode == Mode::kRecording) {
        // The title menu's game waits for the jump button before its first frame; the runner's
        // game reads the frame's keys first.
        if (s.reads++ == 0) s.record.from_menu = what == TapRead::kJoyDown && argument == 0;
        s.writer.read(static_cast<int>(what), argument, live);
        return live;
    }
    if (s.mode == Mode::kPlaying &&
        (s.seek_pending ||
         (s.back_to_title && (s.leave_asked || s.state != PlaybackState::kPlaying)))) {
        // Leaving: every screen of the game is left as Escape leaves it, nothing else pressed.
        if (what == TapRead::kKeyHit && argument == kKeyEscape) return 1;
        if (what == TapRead::kAppTerminate && live != 0) s.window_closed = true;
        return what == TapRead::kAppTerminate ? live : 0;
    }
    if (s.mode == Mode::kPlaying && s.state == PlaybackState::kPlaying) {
        // The watcher's Escape leaves the playback; closing the window ends the program.
        if (what == TapRead::kKeyHit && argument == 27 && live != 0) s.leave_asked = true;
        if (what == TapRead::kKeyHit && argument == 32 && live != 0 && s.back_to_title)
            s.pause_asked = true;
        if (what == TapRead::kAppTerminate && live != 0) {
            s.window_closed = true;
            end_playback();
            return live;
        }
        const int32_t v = s.player.read(static_cast<int>(what), argument);
        if (s.player.out_of_step()) out_of_step();
        return v;
    }
    return live;
}

void note_reached() {
    const player_tag& p = player[game.curplayer == 1 ? 1 : 0];
    if (s.areas_counted) s.areas.insert(p.level * 10 + p.area);
    if (p.level * 10 + p.area > s.record.reached_level * 10 + s.record.reached_area) {
        s.record.reached_level = p.level;
        s.record.reached_area = p.area;
    }
}

void check_frame();
void watched_frame();

// The marks of the progress bar, the file's or else learnt as the frames are played: a frame
// where the hero in play stands in another area than the frame before.
void note_area_start() {
    const int key = hero().level * 10 + hero().area;
    if (key == s.area_key) return;
    s.area_key = key;
    if (s.area_starts.empty() || s.frames > s.area_starts.back()) s.area_starts.push_back(s.frames);
    if (s.to_next_area) {
        s.to_next_area = false;
        s.fast_to = s.frames + 1;
    }
}

void set_quiet(bool quiet) {
    if (quiet == s.quiet) return;
    s.quiet = quiet;
    if (quiet) s.sound_kept = game.sound;
    game.sound = quiet ? 0 : s.sound_kept;
}

// The unseen run of a seek ends with the frame before the target, so the target is shown.
void unseen_run_frame() {
    if (s.fast_to < 0 || s.frames < s.fast_to - 1) return;
    s.fast_to = -1;
    SetFlipsUnseen(false);
    set_quiet(false);
}

void tap_frame(int) {
    if (s.standing_aside > 0 || s.seek_pending) return;
    check_frame();
    unseen_run_frame();
    watched_frame();
}

void check_frame() {
    if (s.mode == Mode::kRecording) {
        ++s.frames;
        s.last_checksum = play_state_checksum();
        if (s.frames % kStateChecksumFrames == 0) s.record.checksums.push_back(s.last_checksum);
        if (s.frames == 1) {
            s.record.start_level = s.record.reached_level = player[0].level;
            s.record.start_area = s.record.reached_area = player[0].area;
        }
        // Where each area's play began, as the playback's progress bar marks it.
        const int key = hero().level * 10 + hero().area;
        if (key != s.recorded_area_key) {
            s.recorded_area_key = key;
            s.record.area_starts.push_back(s.frames);
        }
        note_reached();
        return;
    }
    if (s.mode != Mode::kPlaying || s.state != PlaybackState::kPlaying) return;
    ++s.frames;
    s.player.frame_presented();
    note_area_start();
    const bool periodic = s.frames % kStateChecksumFrames == 0;
    const bool last = s.frames >= s.replay.frames;
    if (!periodic && !last) return;
    // A walkthrough has no checksums: its test in the runner proves where it ends.
    if (s.replay.walkthrough) {
        if (last) s.state = PlaybackState::kFinished;
        return;
    }
    const uint32_t now = play_state_checksum();
    if (periodic &&
        now != s.replay.checksums[static_cast<size_t>(s.frames / kStateChecksumFrames - 1)]) {
        s.state = PlaybackState::kOutOfStep;
        s.out_of_step_frame = s.frames;
        return;
    }
    if (last) {
        if (now != s.replay.checksums.back()) {
            s.state = PlaybackState::kOutOfStep;
            s.out_of_step_frame = s.frames;
            return;
        }
        s.state = PlaybackState::kFinished;
    }
}

void watcher_controls();

void watched_frame() {
    if (s.mode == Mode::kPlaying && s.back_to_title && s.state == PlaybackState::kPlaying &&
        !s.leave_asked && s.standing_aside == 0 && s.fast_to < 0 && !s.seek_pending)
        watcher_controls();
}

constexpr int kKeyN = 'N';
constexpr int kKeyP = 'P';
constexpr int kKeyS = 'S';
constexpr int kKeyF = 'F';
constexpr int kSeekStepFrames = 5 * 60;
// Back to the start of the area in play, unless it began less than this ago: then the one before.
constexpr int kAreaBackSlack = 2 * 60;

// The speeds in quarters: 1/4, 1/2, 1, 2, 4, 8.
constexpr int kSpeeds[] = {1, 2, 4, 8, 16, 32};
constexpr int kSpeedCount = 6;
constexpr int kSpeedOne = 2;

// Page Up goes back to where the area in play began, Page Down on to where the next begins:
// known when it was played before, else found by playing on unseen.
void jump_area(int direction) {
    if (direction < 0) {
        int target = 0;
        for (int at : s.area_starts)
            if (at < s.frames - kAreaBackSlack) target = at;
        seek_playback(target);
        return;
    }
    for (int at : s.area_starts) {
        if (at > s.frames) {
            seek_playback(at);
            return;
        }
    }
    s.to_next_area = true;
    s.fast_to = s.replay.frames + 1;
    SetFlipsUnseen(true);
    set_quiet(true);
}

// The frame pace for the speed (a replay plays at the pace it was played at, the assist's
// slow speed included) and, below the slowest pace, the wait added to each frame.
void apply_speed() {
    const int wanted = s.replay.assist.speed * kSpeeds[s.speed] / 4;
    const int pace = std::max(50, std::min(100, wanted));
    s.pace = pace;
    if (FramePace() != pace) SetFramePace(pace);
    if (wanted < pace && wanted > 0) Delay(100000 / (60 * wanted) - 100000 / (60 * pace));
}

// Faster than the game: only every n-th frame is shown and none is heard.
void speed_frame() {
    if (s.fast_to >= 0 || s.seek_pending) return;
    const int every = std::max(1, kSpeeds[s.speed] / 4);
    SetFlipsUnseen(every > 1 && (s.frames + 1) % every != 0);
    set_quiet(s.speed != kSpeedOne);
}

// The watcher's own keys, read as the devices give them at the end of each watched frame: P or
// Space pauses (the picture of the frame before stays while paused), N goes one frame on, S and
// F slower and faster, Left and Right five seconds back and on, Page Up and Page Down an area
// back and on. None of it touches the game.
void watcher_controls() {
    ++s.standing_aside;
    if (KeyHit(kKeyS) && s.speed > 0) --s.speed;
    if (KeyHit(kKeyF) && s.speed < kSpeedCount - 1) ++s.speed;
    if (KeyHit(kKeyLeft)) seek_playback(s.frames - kSeekStepFrames);
    if (KeyHit(kKeyRight)) seek_playback(s.frames + kSeekStepFrames);
    if (KeyHit(kKeyPageUp)) jump_area(-1);
    if (KeyHit(kKeyPageDown)) jump_area(1);
    apply_speed();
    speed_frame();
    bool paused = KeyHit(kKeyP) != 0 || KeyHit(kKeyN) != 0 || s.pause_asked || s.stepping;
    if (s.seek_pending) paused = false;
    s.pause_asked = false;
    if (!s.seek_pending) s.stepping = false;
    if (paused) FlushKeys();
    while (paused) {
        if (KeyHit(kKeyP) || KeyHit(32)) break;
        if (KeyHit(kKeyN)) {
            s.stepping = true;
            break;
        }
        // A seek from the pause lands paused.
        const int seek = KeyHit(kKeyLeft)    ? -kSeekStepFrames
                         : KeyHit(kKeyRight) ? kSeekStepFrames
                                             : 0;
        if (seek != 0) {
            seek_playback(s.frames + seek);
            s.stepping = true;
            break;
        }
        const int area = KeyHit(kKeyPageUp) ? -1 : KeyHit(kKeyPageDown) ? 1 : 0;
        if (area != 0) {
            jump_area(area);
            s.stepping = true;
            break;
        }
        if (KeyHit(kKeyEscape)) {
            s.leave_asked = true;
            break;
        }
        if (AppTerminate()) {
            s.window_closed = true;
            break;
        }
        Delay(10);
    }
    --s.standing_aside;
}

// Between two of the main loop's frames: the state is whole, and a snapshot may be taken.
void at_main_loop_boundary() {
    if (s.mode != Mode::kPlaying || s.state != PlaybackState::kPlaying || s.seek_pending) return;
    if (s.snapshots.due(s.frames)) s.snapshots.take(s.frames, s.player);
}

// The replay's game begins as it began: the game's start hook then starts the playback.
void start_replay_game() {
    s.mode = Mode::kStartingPlayback;
    s.state = PlaybackState::kNone;
    begin_game_at(s.replay.start_level, s.replay.start_area, s.replay.players);
    if (s.replay.frames == 0) s.state = PlaybackState::kFinished;
    if (!s.replay.from_menu) return;
    // The rest of the title menu's frame in which the game began.
    wait_while_jump_button_held();
    game_tag::display();
    Flip(-1);
    suspend_handling();
    if (KeyHit(kKeyEscape) == 0 && game.state != game_tag::kQuit) AppTerminate();
}

// Every screen has been left for a seek: the nearest earlier state comes back and the frames
// up to the target run unseen. False when no seek was asked.
bool resume_after_seek() {
    if (!s.seek_pending) return false;
    s.seek_pending = false;
    const PlaybackSnapshot* from = s.snapshots.at_or_before(s.seek_target);
    if (from != nullptr) {
        restore_snapshot(*from, s.player);
        s.frames = from->frame;
    } else {
        // No state saved yet (the first is taken when the first announcement is over): the
        // game begins again.
        start_replay_game();
    }
    s.state = PlaybackState::kPlaying;
    s.leave_asked = false;
    if (s.seek_target > s.frames + 1) {
        s.fast_to = s.seek_target;
    } else {
        SetFlipsUnseen(false);
        set_quiet(false);
    }
    return true;
}

bool tap_answering() {
    return s.mode == Mode::kPlaying && s.standing_aside == 0;
}

void tap_flushed(bool keys) {
    if (s.mode == Mode::kPlaying && s.standing_aside == 0) s.player.flushed(keys);
}

void tap_mouse_moved(int x, int y) {
    if (s.mode == Mode::kPlaying && s.standing_aside == 0) s.player.mouse_moved(x, y);
}

void set_tap() {
    InputTap tap;
    tap.read = tap_read;
    tap.frame = tap_frame;
    tap.flushed = tap_flushed;
    tap.mouse_moved = tap_mouse_moved;
    tap.answering = tap_answering;
    SetInputTap(tap);
}

std::string game_version() {
    const std::string v = VersionText();  // "varnoth 1.2.3"
    const size_t space = v.find(' ');
    return space == std::string::npos ? v : v.substr(space + 1);
}

void start_recording() {
    s.mode = Mode::kRecording;
    s.writer = InputReadWriter{};
    s.reads = 0;
    s.frames = 0;
    s.record = ReplayRecord{};
    ReplayRecord& r = s.record;
    r.game_version = game_version();
    r.maps_hash = maps_in_force_hash();
    r.pack_id = pack_in_force_id();
    r.date = static_cast<int64_t>(std::time(nullptr));
    r.players = game.players + 1;
    r.top_score_at_start = game.topscore;
    r.assist = assist_in_force();
    r.random_state = RndState();
    r.start_records = start_records();
    s.last_checksum = play_state_checksum();
    s.recorded_area_key = 0;
    s.areas_counted = !s.areas_file.empty() && r.pack_id.empty();
    s.areas.clear();
    set_tap();
}

void start_playback_here() {
    restore_start_records(s.replay.start_records);
    set_assist_in_force(s.replay.assist);
    SetRndState(s.replay.random_state);
    s.player = s.replay.walkthrough ? InputReadPlayer(ScriptedDevices(s.replay.walkthrough))
                                    : InputReadPlayer(&s.replay.input);
    s.frames = 0;
    s.snapshots.clear();
    s.seek_pending = false;
    s.fast_to = -1;
    // The file's marks of every area; an older file's are learnt as it plays.
    s.area_starts = s.replay.area_starts;
    s.area_key = 0;
    s.state = PlaybackState::kPlaying;
    s.mode = Mode::kPlaying;
    set_tap();
}

void game_starts() {
    if (original.game_starts) original.game_starts();
    if (s.mode == Mode::kStartingPlayback) return start_playback_here();
    if (s.mode == Mode::kRecording) finish_recording();
    if (s.mode == Mode::kPlaying) return;
    if (demo_playing != 0 || !s.wanted) return;
    if (s.barred && s.barred()) return;
    start_recording();
}

bool title_frame() {
    finish_recording();
    return original.title_frame ? original.title_frame() : false;
}

PauseAnswer pause_poll() {
    if (s.mode == Mode::kPlaying && s.standing_aside == 0) {
        if (s.state != PlaybackState::kPlaying || s.leave_asked || s.seek_pending)
            return PauseAnswer::kStayPaused;
        const int32_t a = s.player.read(kReadPauseAnswer, 0);
        if (s.player.out_of_step()) out_of_step();
        return static_cast<PauseAnswer>(a);
    }
    ++s.standing_aside;
    const PauseAnswer a = original.pause_poll ? original.pause_poll() : PauseAnswer::kStayPaused;
    --s.standing_aside;
    if (s.mode == Mode::kRecording && s.standing_aside == 0)
        s.writer.read(kReadPauseAnswer, 0, static_cast<int32_t>(a));
    return a;
}

bool pause_wanted() {
    if (s.mode == Mode::kPlaying && s.standing_aside == 0) {
        if (s.state != PlaybackState::kPlaying || s.leave_asked || s.seek_pending) return false;
        const bool a = s.player.read(kReadPauseWanted, 0) != 0;
        if (s.player.out_of_step()) out_of_step();
        return a;
    }
    ++s.standing_aside;
    const bool a = original.pause_wanted && original.pause_wanted();
    --s.standing_aside;
    if (s.mode == Mode::kRecording && s.standing_aside == 0)
        s.writer.read(kReadPauseWanted, 0, a ? 1 : 0);
    return a;
}

// How far the playback is, with a mark where each area of the replay begins.
void draw_progress_bar() {
    constexpr float kLeft = 60, kWidth = 400, kTop = 449, kHeight = 4;
    const float total = static_cast<float>(std::max(1, s.replay.frames));
    SetColor(0, 0, 0);
    DrawRect(kLeft - 1, kTop - 1, kWidth + 2, kHeight + 2);
    SetColor(60, 60, 60);
    DrawRect(kLeft, kTop, kWidth, kHeight);
    SetColor(175, 175, 175);
    DrawRect(kLeft, kTop, kWidth * static_cast<float>(s.frames) / total, kHeight);
    SetColor(255, 200, 0);
    for (int at : s.area_starts)
        DrawRect(kLeft + kWidth * static_cast<float>(at) / total - 1, kTop - 2, 2, kHeight + 4);
    SetColor(255, 255, 255);
}

// The playback's line at the bottom of the picture, under the game's own status display.
void hud_draw() {
    if (original.hud_draw) original.hud_draw();
    if (s.mode != Mode::kPlaying || !s.back_to_title || s.state != PlaybackState::kPlaying) return;
    const int seconds = s.frames / 60, total = s.replay.frames / 60;
    static const char* const kSpeedNames[] = {"1/4", "1/2", "1", "2", "4", "8"};
    char line[200];
    std::snprintf(line, sizeof line,
                  "%d:%02d / %d:%02d  x%s  P pause  N step  S/F speed  Arrows seek  "
                  "PgUp/PgDn area  Esc",
                  seconds / 60, seconds % 60, total / 60, total % 60, kSpeedNames[s.speed]);
    draw_options_text(260, 462, kLightGrey, line, 0.55f, TextAlign::kCentre, 400);
    draw_progress_bar();
}

bool top_score_barred() {
    if (s.mode == Mode::kPlaying || s.mode == Mode::kStartingPlayback) return true;
    return original.top_score_barred && original.top_score_barred();
}

void write_recording(const ReplayRecord& r) {
    if (s.in_memory) return;
    const std::string bytes = encode_replay(r);
    if (!s.file.empty()) {
        if (!WriteWholeFile(s.file, bytes))
            std::fprintf(stderr, "varnoth: cannot write the replay %s\n", s.file.c_str());
        return;
    }
    std::string why;
    if (!keep_in_replays_folder(s.folder, r, bytes, why))
        std::fprintf(stderr, "varnoth: the replay is not kept: %s\n", why.c_str());
}

void keep_areas_reached() {
    if (!s.areas_counted || s.areas.empty()) return;
    s.areas_counted = false;
    if (!add_areas_reached(s.areas_file, s.areas))
        std::fprintf(stderr, "varnoth: cannot write %s\n", s.areas_file.c_str());
}

void at_exit() {
    finish_recording();
}

void need_exit_handler() {
    if (s.exit_handler) return;
    s.exit_handler = true;
    std::atexit(at_exit);
}

}  // namespace

void record_games_to_file(const std::string& path) {
    s.wanted = true;
    s.file = path;
    s.folder.clear();
    s.in_memory = false;
    need_exit_handler();
}

void record_games_to_folder(const std::string& folder) {
    s.wanted = true;
    s.folder = folder;
    s.file.clear();
    s.in_memory = false;
    need_exit_handler();
}

void keep_areas_reached_in(const std::string& path) {
    s.areas_file = path;
}

void record_games_in_memory() {
    s.wanted = true;
    s.file.clear();
    s.folder.clear();
    s.in_memory = true;
}

void set_replay_recording_barred(bool (*barred)()) {
    s.barred = barred;
}

ReplayRecord recording_so_far() {
    ReplayRecord r = s.record;
    r.input = s.writer.bytes();
    r.frames = s.frames;
    r.checksums.push_back(s.last_checksum);
    r.scores[0] = player[0].score;
    r.scores[1] = player[1].score;
    r.new_top_score = game.topscore > r.top_score_at_start;
    return r;
}

void finish_recording() {
    if (s.mode != Mode::kRecording) return;
    const ReplayRecord r = recording_so_far();
    s.mode = Mode::kIdle;
    SetInputTap(InputTap{});
    write_recording(r);
    keep_areas_reached();
}

bool replay_maps_match(const ReplayRecord& replay, std::string& why) {
    if (replay.walkthrough) {
        if (pack_in_force_id().empty()) return true;
        why = "a walkthrough plays on the game's own maps";
        return false;
    }
    if (replay.maps_hash == maps_in_force_hash()) return true;
    why = "recorded on other maps";
    if (!replay.pack_id.empty() && replay.pack_id != pack_in_force_id())
        why += " (the level pack " + replay.pack_id + ")";
    return false;
}

void begin_playback(const ReplayRecord& replay, bool back_to_title) {
    finish_recording();
    s.replay = replay;
    s.back_to_title = back_to_title;
    s.pace = replay.assist.speed;  // as fast as the game was played
    s.speed = kSpeedOne;
    s.leave_asked = false;
    s.window_closed = false;
    start_replay_game();
}

PlaybackState playback_state() {
    return s.state;
}

int playback_out_of_step_frame() {
    return s.out_of_step_frame;
}

bool playback_going_on() {
    return s.mode == Mode::kPlaying && s.state == PlaybackState::kPlaying && !s.leave_asked;
}

bool playback_window_closed() {
    return s.window_closed;
}

int playback_frame() {
    return s.frames;
}

void seek_playback(int frame) {
    if (s.mode != Mode::kPlaying || s.state != PlaybackState::kPlaying || s.leave_asked) return;
    s.seek_target = std::max(0, std::min(frame, s.replay.frames - 1));
    s.seek_pending = true;
    // Leaving the screens shows nothing.
    SetFlipsUnseen(true);
    set_quiet(true);
}

void watch_playback() {
    for (;;) {
        while (main_loop_frame()) {
            if (s.window_closed) return;
            at_main_loop_boundary();
        }
        if (s.window_closed || !resume_after_seek()) return;
    }
}

size_t playback_snapshot_count() {
    return s.snapshots.count();
}

size_t playback_snapshot_bytes() {
    return s.snapshots.bytes();
}

void end_playback() {
    if (s.mode != Mode::kPlaying && s.mode != Mode::kStartingPlayback) return;
    if (s.back_to_title && s.pace != 100) SetFramePace(100);
    s.pace = 100;
    s.stepping = false;
    s.to_next_area = false;
    s.speed = kSpeedOne;
    SetFlipsUnseen(false);
    s.fast_to = -1;
    s.seek_pending = false;
    set_quiet(false);
    s.snapshots.clear();
    s.mode = Mode::kIdle;
    s.state = PlaybackState::kNone;
    SetInputTap(InputTap{});
}

void install_replays() {
    original = addon_hooks;
    addon_hooks.game_starts = game_starts;
    addon_hooks.title_frame = title_frame;
    addon_hooks.pause_poll = pause_poll;
    addon_hooks.pause_wanted = pause_wanted;
    addon_hooks.top_score_barred = top_score_barred;
    addon_hooks.hud_draw = hud_draw;
}
