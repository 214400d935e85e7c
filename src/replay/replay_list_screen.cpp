// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay/replay_list_screen.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <optional>
#include <vector>

#include "options/options_text.h"
#include "options/title_line.h"
#include "options/title_screens.h"
#include "packs/maps_in_force.h"
#include "packs/pack_check.h"
#include "platform/platform.h"
#include "platform/player_choices.h"
#include "replay/areas_reached.h"
#include "replay/replay_folder.h"
#include "replay/replay_programs.h"
#include "replay/replay_session.h"
#include "replay/walkthrough_replay.h"
#include "shell/globals.h"
#include "shell/startup.h"

namespace {

constexpr int kKeyK = 75;
constexpr int kFirstRowY = 70;
constexpr int kRowPitch = 30;
constexpr int kRowsShown = 11;
// The pad's buttons as the game numbers them: jump watches, turbo goes back (as on the options
// screen), the pause button keeps and the options button deletes.
constexpr int kPadWatch = 0;
constexpr int kPadBack = 1;
constexpr int kPadKeep = 2;
constexpr int kPadDelete = 8;
// The line of actions at the bottom, each a place to click.
constexpr int kActionsY = 436;
constexpr int kActionHalfWidth = 70;

constexpr TextColour kWalkthroughColour{150, 210, 150};

struct Entry {
    std::string name;  // the file's name; a walkthrough's is its area ("1.2")
    std::string path;
    bool walkthrough = false;
    bool readable = false;
    ReplayRecord replay;
    std::string why;
};

std::string g_folder;
std::string g_areas_file;

// The player's replays newest first, then the walkthrough of every area of the game's own the
// player has reached, in the game's order.
std::vector<Entry> read_entries() {
    std::vector<Entry> entries;
    for (const std::string& name : replays_in_folder(g_folder)) {
        Entry e;
        e.name = name;
        e.path = g_folder + name;
        e.readable = read_replay_file(e.path, e.replay, e.why);
        entries.push_back(e);
    }
    for (int key : read_areas_reached(g_areas_file)) {
        Entry e;
        e.path = walkthrough_path(key / 10, key % 10);
        if (e.path.empty()) continue;
        e.name = std::to_string(key / 10) + "." + std::to_string(key % 10);
        e.walkthrough = true;
        e.readable = read_replay_file(e.path, e.replay, e.why);
        entries.push_back(e);
    }
    return entries;
}

// "X" for the settings' "x 2": the first of the pad's buttons bound to the control.
std::string pad_button_name(PadControl control) {
    std::string name = SettingsInForce().pad[static_cast<size_t>(control)];
    name = name.substr(0, name.find(' '));
    if (!name.empty() && name[0] >= 'a' && name[0] <= 'z')
        name[0] = static_cast<char>(name[0] - 32);
    return name.empty() ? "" : "pad " + name;
}

struct Action {
    const char* key;
    PadControl pad;
    const char* what;
};
constexpr Action kActions[] = {{"Return", PadControl::kJump, "watch"},
                               {"K", PadControl::kPause, "keep"},
                               {"Delete", PadControl::kOptions, "delete"},
                               {"Escape", PadControl::kTurbo, "back"}};
constexpr int kActionCount = 4;

int action_x(int i) {
    return 320 + (2 * i - (kActionCount - 1)) * (kActionHalfWidth + 5);
}

// The action under the mouse at a click: 0 .. 3 in kActions' order, -1 for none.
int action_clicked(int x, int y) {
    if (y < kActionsY - 10 || y > kActionsY + 14) return -1;
    for (int i = 0; i < kActionCount; ++i)
        if (x >= action_x(i) - kActionHalfWidth && x <= action_x(i) + kActionHalfWidth) return i;
    return -1;
}

std::string row_text(const Entry& e) {
    if (e.walkthrough) {
        const int seconds = e.replay.frames / 60;
        return "How it's done: area " + e.name + ", the bot's walkthrough (" +
               std::to_string(seconds / 60) + ":" + (seconds % 60 < 10 ? "0" : "") +
               std::to_string(seconds % 60) + ")" + (e.readable ? "" : "   " + e.why);
    }
    // varnoth-YYYYMMDD-HHMMSS: the date as the name holds it
    const std::string& n = e.name;
    std::string text = n.size() >= 23
                           ? n.substr(8, 4) + "-" + n.substr(12, 2) + "-" + n.substr(14, 2) + " " +
                                 n.substr(17, 2) + ":" + n.substr(19, 2)
                           : n;
    if (!e.readable) return text + "   " + e.why;
    const ReplayRecord& r = e.replay;
    text += r.players == 2 ? "  2P  " : "  1P  ";
    text += replay_areas_text(r) + "  " + std::to_string(r.scores[0]);
    if (r.players == 2) text += "/" + std::to_string(r.scores[1]);
    if (!r.pack_id.empty()) text += "  " + r.pack_id;
    if (assist_on(r.assist)) text += "  assist";
    if (n.ends_with("-top.vrp")) text += "  TOP";
    if (n.ends_with("-kept.vrp")) text += "  kept";
    return text;
}

// The kept name of a replay: "-kept" before the dot (a top-score game is kept already).
std::string kept_name(const std::string& name) {
    if (name.ends_with("-top.vrp") || name.ends_with("-kept.vrp")) return name;
    return name.substr(0, name.size() - 4) + "-kept.vrp";
}

void draw_list(const std::vector<Entry>& entries, int selected, int first,
               const std::string& message) {
    Cls();
    draw_options_text(320, 20, kYellow, "Replays", 1.2f, TextAlign::kCentre);
    if (entries.empty())
        draw_options_text(320, 200, kLightGrey, "No replays yet: every game played is kept here",
                          0.8f, TextAlign::kCentre, 600);
    for (int i = first; i < static_cast<int>(entries.size()) && i < first + kRowsShown; ++i) {
        const bool chosen = i == selected;
        const Entry& e = entries[static_cast<size_t>(i)];
        const TextColour colour = !e.readable     ? kGrey
                                  : chosen        ? kWhite
                                  : e.walkthrough ? kWalkthroughColour
                                                  : kPaleYellow;
        const int y = kFirstRowY + (i - first) * kRowPitch;
        if (chosen) draw_options_text(30, y, kCyan, ">", 0.75f, TextAlign::kLeft);
        draw_options_text(50, y, colour, row_text(e), 0.75f, TextAlign::kLeft, 570);
    }
    draw_options_text(320, 404, kOrange, message, 0.8f, TextAlign::kCentre, 600);
    for (int i = 0; i < kActionCount; ++i) {
        const Action& a = kActions[i];
        const std::string pad = pad_button_name(a.pad);
        draw_options_text(action_x(i), kActionsY, kLightGrey,
                          std::string(a.key) + (pad.empty() ? "" : " / " + pad) + ": " + a.what,
                          0.6f, TextAlign::kCentre, 2 * kActionHalfWidth);
    }
    draw_options_text(320, 456, kGrey, "Up/Down or a click: choose; a click on the chosen: watch",
                      0.55f, TextAlign::kCentre, 620);
}

int clamp_selection(int selected, size_t count) {
    return std::clamp(selected, 0, std::max(0, static_cast<int>(count) - 1));
}

// The keys' and the pad's (and the mouse's) asks of one frame; every one is read, so that none
// is left over for the screen after.
struct Asks {
    bool back = false, watch = false, keep = false, erase = false, up = false, down = false;
    bool click = false;
    int row = -1;
};

Asks read_asks() {
    Asks a;
    a.back = KeyHit(kKeyEscape) != 0;
    a.back = KeyHit(kKeyTab) != 0 || a.back;
    a.back = JoyHit(kPadBack, 0) != 0 || a.back;
    a.watch = KeyHit(kKeyReturn) != 0;
    a.watch = KeyHit(kKeyJump) != 0 || a.watch;
    a.watch = JoyHit(kPadWatch, 0) != 0 || a.watch;
    a.keep = KeyHit(kKeyK) != 0;
    a.keep = JoyHit(kPadKeep, 0) != 0 || a.keep;
    a.erase = KeyHit(kKeyDelete) != 0;
    a.erase = JoyHit(kPadDelete, 0) != 0 || a.erase;
    a.up = KeyHit(kKeyUp) != 0;
    a.down = KeyHit(kKeyDown) != 0;
    if (MouseHit(1) == 0) return a;
    const int x = MouseX(), y = MouseY();
    switch (action_clicked(x, y)) {
        case 0:
            a.watch = true;
            break;
        case 1:
            a.keep = true;
            break;
        case 2:
            a.erase = true;
            break;
        case 3:
            a.back = true;
            break;
        default:
            if (y >= kFirstRowY - 10 && (y - kFirstRowY + 10) / kRowPitch < kRowsShown) {
                a.click = true;
                a.row = (y - kFirstRowY + 10) / kRowPitch;
            }
    }
    return a;
}

bool run_replay_list() {
    std::vector<Entry> entries = read_entries();
    int selected = 0, first = 0;
    bool delete_asked = false;
    std::string message;
    FlushKeys();
    FlushMouse();
    for (;;) {
        if (AppTerminate()) return true;
        const Asks ask = read_asks();
        if (ask.back) break;
        const int before = selected;
        if (ask.up) --selected;
        if (ask.down) ++selected;
        bool watch = ask.watch;
        if (ask.click) {
            // A click chooses a row; a click on the row chosen watches it.
            watch = first + ask.row == selected && selected < static_cast<int>(entries.size());
            selected = first + ask.row;
        }
        selected = clamp_selection(selected, entries.size());
        if (selected != before) delete_asked = false, message.clear();
        if (selected < first) first = selected;
        if (selected >= first + kRowsShown) first = selected - kRowsShown + 1;
        const bool any = !entries.empty();
        const Entry* chosen = any ? &entries[static_cast<size_t>(selected)] : nullptr;
        const std::string path = any ? chosen->path : "";
        if (any && (ask.keep || ask.erase) && chosen->walkthrough) {
            message = "A walkthrough is the game's own: it stays";
        } else if (any && watch) {
            std::string why;
            if (watch_replay(path, why)) return true;
            message = why;
            FlushKeys();
            FlushMouse();
        } else if (any && ask.keep) {
            const std::string name = chosen->name;
            message = kept_name(name) == name || RenameOver(path, g_folder + kept_name(name))
                          ? "Kept for good"
                          : "It cannot be renamed";
            entries = read_entries();
        } else if (any && ask.erase) {
            if (delete_asked) {
                message = std::remove(path.c_str()) == 0 ? "Deleted" : "It cannot be deleted";
                delete_asked = false;
                entries = read_entries();
                selected = clamp_selection(selected, entries.size());
            } else {
                delete_asked = true;
                const std::string pad = pad_button_name(PadControl::kOptions);
                message = "Press Delete" + (pad.empty() ? "" : " (" + pad + ")") +
                          " again to delete this replay";
            }
        }
        draw_list(entries, selected, first, message);
        frame_end();
    }
    FlushKeys();
    FlushMouse();
    return false;
}

}  // namespace

bool watch_replay(const std::string& path, std::string& why) {
    // What the title shows afterwards: the player's own last scores and level pack.
    const player_tag players[2] = {player[0], player[1]};
    const int player_count = game.players;
    const CheckedPack* chosen = pack_in_force();
    const std::optional<CheckedPack> pack =
        chosen ? std::optional<CheckedPack>(*chosen) : std::nullopt;
    ReplayRecord replay;
    if (!prepare_replay(path, replay, why)) {
        set_pack_in_force(pack ? &*pack : nullptr);
        return false;
    }
    begin_playback(replay, true);
    // The game's frames run until the playback ends and every screen has been left.
    watch_playback();
    const bool closed = playback_window_closed();
    if (playback_state() == PlaybackState::kOutOfStep)
        why = "out of step at frame " + std::to_string(playback_out_of_step_frame());
    end_playback();
    game_tag::destroy_all();
    player[0] = players[0];
    player[1] = players[1];
    game.players = player_count;
    game.curplayer = 0;
    game.state = game_tag::kTitle;
    game.sound = game.soundset;
    set_assist_in_force(AssistSettings{});
    set_pack_in_force(pack ? &*pack : nullptr);
    return closed;
}

void add_replay_list(const std::string& folder, const std::string& areas_file) {
    if (folder.empty()) return;
    g_folder = folder;
    g_areas_file = areas_file;
    AddTitleScreen([] { return KeyHit(kKeyTab) != 0; }, run_replay_list);
    AddTitleLinePart(20, [] { return std::string("Tab replays"); });
}
