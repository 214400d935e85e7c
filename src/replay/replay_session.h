// SPDX-License-Identifier: GPL-3.0-or-later
// Replays in the running game: a game recorded from its first frame to its end through the
// input tap, and a recorded game played again in its place, its checksums compared as it goes.
#pragma once

#include <cstddef>
#include <string>

#include "replay/replay_file.h"

// Where the games played from now on are written when they end: one file (the runner's
// --record, rewritten by each game) or the player's replays folder (the desktop). Until one is
// chosen nothing is recorded.
void record_games_to_file(const std::string& path);
void record_games_to_folder(const std::string& folder);
// The file of the game's own areas reached in the games recorded (the player's data folder's);
// each game's are added when it ends. Nothing is kept until one is named.
void keep_areas_reached_in(const std::string& path);
// Games from now on are recorded and kept in memory only, for recording_so_far(): a check's
// winning run, recorded for the game that asked for it.
void record_games_in_memory();
// While `barred` answers true, a game that starts is not recorded (the editor's test play).
void set_replay_recording_barred(bool (*barred)());
// Ends the recording under way and writes it; nothing when none is. The program's exit and the
// return to the title call it too.
void finish_recording();
// The replay as it would be written now (the tests look at it without a file).
ReplayRecord recording_so_far();

// True when the maps in force are those the replay was made on; else one line in `why`.
bool replay_maps_match(const ReplayRecord& replay, std::string& why);
// Begins the recorded game as it began: call where a game may start (after start_up and
// after_logo, or instead of a title menu's choice); the main loop then plays it. With
// back_to_title, its end (or the watcher's Escape) leaves every screen as Escape does, so that
// the main loop's frame returns; the caller then brings the title back.
void begin_playback(const ReplayRecord& replay, bool back_to_title = false);

enum class PlaybackState { kNone, kPlaying, kFinished, kOutOfStep };
PlaybackState playback_state();
// The frame (counted from the game's start) at which the playback parted from the recording.
int playback_out_of_step_frame();
// True when the watcher closed the window during the last playback.
bool playback_window_closed();
// True while a playback is still to be watched (not finished, stopped nor left).
bool playback_going_on();
// Frames played so far of the replay under way.
int playback_frame();
// Seeks the playback under way to the state after `frame` frames of the replay: every screen
// is left, the nearest earlier snapshot restored and the frames after it played unseen and
// unheard. Asked during a frame; the seek happens once watch_playback has the frame ended.
void seek_playback(int frame);
// Runs the game's frames while the playback begun with begin_playback lasts, taking its
// snapshots and carrying out its seeks.
void watch_playback();
// The playback's snapshots so far: how many and what they take in memory.
size_t playback_snapshot_count();
size_t playback_snapshot_bytes();
// Lets go of a finished or stopped playback: the devices answer again.
void end_playback();

// The replays' hooks and the input tap (install_addons).
void install_replays();
