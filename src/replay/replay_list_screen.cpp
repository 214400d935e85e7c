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
#include "replay/replay_folder.h"
#include "replay/replay_programs.h"
#include "replay/replay_session.h"
#include "shell/globals.h"
#include "shell/startup.h"

namespace {

constexpr int kKeyK = 75;
constexpr int kFirstRowY = 70;
constexpr int kRowPitch = 30;
constexpr int kRowsShown = 11;

struct Entry {
    std::string name;
    bool readable = false;
    ReplayRecord replay;
    std::string why;
};

std::string g_folder;

std::vector<Entry> read_entries() {
    std::vector<Entry> entries;
    for (const std::string& name : replays_in_folder(g_folder)) {
        Entry e;
        e.name = name;
        e.readable = read_replay_file(g_folder + name, e.replay, e.why);
        entries.push_back(e);
    }
    return entries;
}

std::string row_text(const Entry& e) {
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
        const TextColour colour = !e.readable ? kGrey : chosen ? kWhite : kPaleYellow;
        const int y = kFirstRowY + (i - first) * kRowPitch;
        if (chosen) draw_options_text(30, y, kCyan, ">", 0.75f, TextAlign::kLeft);
        draw_options_text(50, y, colour, row_text(e), 0.75f, TextAlign::kLeft, 570);
    }
    draw_options_text(320, 404, kOrange, message, 0.8f, TextAlign::kCentre, 600);
    draw_options_text(320, 444, kLightGrey,
                      "Up/Down: choose   Return: watch   K: keep   Delete: delete   "
                      "Escape: back",
                      0.7f, TextAlign::kCentre, 620);
}

int clamp_selection(int selected, size_t count) {
    return std::clamp(selected, 0, std::max(0, static_cast<int>(count) - 1));
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
        if (KeyHit(kKeyEscape) || KeyHit(kKeyTab) || JoyHit(1, 0)) break;
        const int before = selected;
        if (KeyHit(kKeyUp)) --selected;
        if (KeyHit(kKeyDown)) ++selected;
        const int row = (MouseY() - kFirstRowY) / kRowPitch;
        const bool clicked = MouseHit(1) != 0;
        if (clicked && row >= 0 && row < kRowsShown) selected = first + row;
        selected = clamp_selection(selected, entries.size());
        if (selected != before) delete_asked = false, message.clear();
        if (selected < first) first = selected;
        if (selected >= first + kRowsShown) first = selected - kRowsShown + 1;
        const bool any = !entries.empty();
        const std::string path = any ? g_folder + entries[static_cast<size_t>(selected)].name : "";
        if (any && (KeyHit(kKeyReturn) || KeyHit(kKeyJump) || JoyHit(0, 0) || clicked)) {
            std::string why;
            if (watch_replay(path, why)) return true;
            message = why;
            FlushKeys();
            FlushMouse();
        }
        if (any && KeyHit(kKeyK)) {
            const std::string& name = entries[static_cast<size_t>(selected)].name;
            message = kept_name(name) == name || RenameOver(path, g_folder + kept_name(name))
                          ? "Kept for good"
                          : "It cannot be renamed";
            entries = read_entries();
        }
        if (any && KeyHit(kKeyDelete)) {
            if (delete_asked) {
                message = std::remove(path.c_str()) == 0 ? "Deleted" : "It cannot be deleted";
                delete_asked = false;
                entries = read_entries();
                selected = clamp_selection(selected, entries.size());
            } else {
                delete_asked = true;
                message = "Press Delete again to delete this replay";
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

void add_replay_list(const std::string& folder) {
    if (folder.empty()) return;
    g_folder = folder;
    AddTitleScreen([] { return KeyHit(kKeyTab) != 0; }, run_replay_list);
    AddTitleLinePart(20, [] { return std::string("Tab replays"); });
}
