// SPDX-License-Identifier: GPL-3.0-or-later
// The player's settings kept between runs: a plain "key = value" file with '#' comments. The
// parser is pure (text in, settings and warnings out) so that it can be fed anything.
#pragma once

#include <array>
#include <string>
#include <vector>

enum class ScaleMode { kFit, kInteger };
enum class VsyncMode { kAuto, kOn, kOff };

// The game's controls a player can move to other keys, with the virtual key each answers for.
enum class BoundControl { kLeft, kRight, kUp, kDown, kJump, kTurbo, kPause };
constexpr int kBoundControls = 7;

// The pad's buttons a player can move, each answering to one or more buttons.
enum class PadControl { kJump, kTurbo, kPause, kOptions };
constexpr int kPadControls = 4;

struct Settings {
    bool fullscreen = true;
    ScaleMode scale = ScaleMode::kFit;
    VsyncMode vsync = VsyncMode::kAuto;
    bool effects = true;
    bool music = true;
    // SDL key names, in BoundControl order.
    std::array<std::string, kBoundControls> keys = {"Left",      "Right",    "Up",   "Down",
                                                    "Left Ctrl", "Left Alt", "Space"};
    // 0 silent .. 100 full; F2 and F3 switch them off without changing them.
    int effects_volume = 100;
    int music_volume = 100;
    // In PadControl order: SDL game-controller button names and, for a plain joystick, button
    // numbers, separated by spaces. The defaults are the buttons the game has always used.
    std::array<std::string, kPadControls> pad = {"a 0", "b rightshoulder 1 7", "x 2", "back 5"};
    // Help beyond the designed game; a game takes them when it starts.
    int assist_speed = 100;  // percent of the designed pace, 50..100
    bool assist_invincible = false;
    bool assist_unlimited_lives = false;
    // The level pack new games play, by its id; "" for the game's own areas.
    std::string pack;
};

// The settings file's name for a pad control ("pad_jump").
const char* PadControlKey(PadControl control);
// A pad binding's value split into its words: the button names and the joystick numbers.
std::vector<std::string> PadButtons(const std::string& value);
// True for an SDL game-controller button name ("a", "back", "rightshoulder", ...).
bool IsPadButtonName(const std::string& word);

// The settings file's name for a bound control ("key_jump") and the virtual key it drives.
const char* BoundControlKey(BoundControl control);
int BoundControlVirtualKey(BoundControl control);

// Reads settings from the text of a file. Every line that cannot be read (unknown key, bad
// value, a key name SDL does not know, no '=') adds one warning "FILE:LINE: message" and leaves
// that setting at its default; the other lines still count.
Settings ParseSettings(const std::string& text, const std::string& file_label,
                       std::vector<std::string>& warnings);
// The text of a settings file that ParseSettings reads back to the same settings. Given the
// file's previous text, its comments, blank lines, order and unreadable lines stay as they were
// and only the values change; settings it lacks are added at the end.
std::string FormatSettings(const Settings& settings, const std::string& previous_text = "");

// A missing file gives the defaults without a warning.
Settings LoadSettings(const std::string& path, std::vector<std::string>& warnings);
// Writes a scratch file beside the target (keeping the old file's comments) and renames it over
// the old one, creating the folder when needed; false (and the old file as it was) when anything
// fails.
bool SaveSettings(const std::string& path, const Settings& settings);
