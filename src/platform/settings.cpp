// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the settings file.
#include "platform/settings.h"

#include <SDL2/SDL.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <utility>

#include "platform/internal.h"

namespace {

const char* const kControlKeys[kBoundControls] = {"key_left", "key_right", "key_up",   "key_down",
                                                  "key_jump", "key_turbo", "key_pause"};
const int kControlVirtualKeys[kBoundControls] = {37, 39, 38, 40, 162, 164, 32};
const char* const kPadKeys[kPadControls] = {"pad_jump", "pad_turbo", "pad_pause", "pad_options"};

bool is_button_number(const std::string& w) {
    return !w.empty() && w.size() <= 2 && w.find_first_not_of("0123456789") == std::string::npos;
}

std::string trim(const std::string& s) {
    size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return "";
    size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

// One setting of the file: its name, how its value is read (false with the reason when it
// cannot be), and how the value in force is written. Adding a setting is adding a row.
struct SettingKey {
    std::string name;
    std::function<bool(Settings&, const std::string& value, std::string& why)> read;
    std::function<std::string(const Settings&)> write;
};

// A two-way choice: `yes` or `no` for the field.
SettingKey choice(const char* name, const char* yes, const char* no, bool Settings::*field) {
    return {name,
            [=](Settings& s, const std::string& value, std::string& why) {
                if (value != yes && value != no) {
                    why = "'" + value + "' is not " + yes + " or " + no;
                    return false;
                }
                s.*field = value == yes;
                return true;
            },
            [=](const Settings& s) { return std::string(s.*field ? yes : no); }};
}

// A whole number from `low` to `high`.
SettingKey number(const char* name, int low, int high, int Settings::*field) {
    return {name,
            [=](Settings& s, const std::string& value, std::string& why) {
                int n = 0;
                const bool ok = !value.empty() && value.size() <= 4 &&
                                value.find_first_not_of("0123456789") == std::string::npos;
                if (ok) n = std::stoi(value);
                if (!ok || n < low || n > high) {
                    why = "'" + value + "' is not a whole number from " + std::to_string(low) +
                          " to " + std::to_string(high);
                    return false;
                }
                s.*field = n;
                return true;
            },
            [=](const Settings& s) { return std::to_string(s.*field); }};
}

// One of several words, in the order of the enumeration.
template <typename E>
SettingKey one_of(const char* name, std::vector<const char*> words, E Settings::*field) {
    return {
        name,
        [=](Settings& s, const std::string& value, std::string& why) {
            for (size_t i = 0; i < words.size(); ++i) {
                if (value != words[i]) continue;
                s.*field = static_cast<E>(i);
                return true;
            }
            why = "'" + value + "' is not ";
            for (size_t i = 0; i < words.size(); ++i)
                why += std::string(i == 0 ? "" : i + 1 == words.size() ? " or " : ", ") + words[i];
            return false;
        },
        [=](const Settings& s) { return std::string(words[static_cast<size_t>(s.*field)]); }};
}

SettingKey keyboard_key(size_t control) {
    return {kControlKeys[control],
            [=](Settings& s, const std::string& value, std::string& why) {
                if (value.empty() || SDL_GetKeyFromName(value.c_str()) == SDLK_UNKNOWN) {
                    why = "'" + value + "' is not a key name";
                    return false;
                }
                s.keys[control] = value;
                return true;
            },
            [=](const Settings& s) { return s.keys[control]; }};
}

SettingKey pad_buttons(size_t control) {
    return {kPadKeys[control],
            [=](Settings& s, const std::string& value, std::string& why) {
                const std::vector<std::string> words = PadButtons(value);
                for (const std::string& w : words) {
                    if (!IsPadButtonName(w) && !is_button_number(w)) {
                        why = "'" + w + "' is not a pad button name or a joystick button number";
                        return false;
                    }
                }
                if (words.empty()) {
                    why = "no button named";
                    return false;
                }
                std::string joined;
                for (const std::string& w : words) joined += (joined.empty() ? "" : " ") + w;
                s.pad[control] = joined;
                return true;
            },
            [=](const Settings& s) { return s.pad[control]; }};
}

// Every setting in the order a fresh file lists them.
const std::vector<SettingKey>& setting_keys() {
    static const std::vector<SettingKey> keys = [] {
        std::vector<SettingKey> k = {choice("fullscreen", "yes", "no", &Settings::fullscreen),
                                     one_of("scale", {"fit", "integer"}, &Settings::scale),
                                     one_of("vsync", {"auto", "on", "off"}, &Settings::vsync),
                                     choice("effects", "on", "off", &Settings::effects),
                                     choice("music", "on", "off", &Settings::music),
                                     number("effects_volume", 0, 100, &Settings::effects_volume),
                                     number("music_volume", 0, 100, &Settings::music_volume)};
        for (size_t i = 0; i < kBoundControls; ++i) k.push_back(keyboard_key(i));
        for (size_t i = 0; i < kPadControls; ++i) k.push_back(pad_buttons(i));
        k.push_back(number("assist_speed", 50, 100, &Settings::assist_speed));
        k.push_back(choice("assist_invincible", "yes", "no", &Settings::assist_invincible));
        k.push_back(
            choice("assist_unlimited_lives", "yes", "no", &Settings::assist_unlimited_lives));
        // Whether a pack of that id is there is known only once the packs are found.
        k.push_back({"pack",
                     [](Settings& s, const std::string& value, std::string&) {
                         s.pack = value;
                         return true;
                     },
                     [](const Settings& s) { return s.pack; }});
        return k;
    }();
    return keys;
}

bool read_line(Settings& s, const std::string& key, const std::string& value, std::string& why) {
    for (const SettingKey& k : setting_keys())
        if (k.name == key) return k.read(s, value, why);
    why = "unknown setting '" + key + "'";
    return false;
}

// Every setting as its file line would show it, in the file's order.
std::vector<std::pair<std::string, std::string>> setting_lines(const Settings& s) {
    std::vector<std::pair<std::string, std::string>> lines;
    for (const SettingKey& k : setting_keys()) lines.emplace_back(k.name, k.write(s));
    return lines;
}

// "key = value", or "key =" for an empty value.
std::string setting_line(const std::pair<std::string, std::string>& entry) {
    return entry.first + (entry.second.empty() ? " =" : " = " + entry.second);
}

// The comments of a file the game writes for the first time; the values are filled in.
const char* const kFreshFile =
    "# Varnoth settings: 'key = value' lines, '#' starts a comment. The game writes the\n"
    "# settings in force here when it ends and keeps the other lines as they are.\n"
    "fullscreen =\n"
    "scale =\n"
    "vsync =\n"
    "effects =\n"
    "music =\n"
    "# Volumes from 0 (silent) to 100.\n"
    "effects_volume =\n"
    "music_volume =\n"
    "# Keys by SDL key name (Left, Right, Up, Down, Left Ctrl, Left Alt, Space, X, Return...).\n"
    "key_left =\n"
    "key_right =\n"
    "key_up =\n"
    "key_down =\n"
    "key_jump =\n"
    "key_turbo =\n"
    "key_pause =\n"
    "# Pad buttons by SDL name (a, b, x, y, back, start, leftshoulder, rightshoulder, dpup...)\n"
    "# and, for a joystick without a controller mapping, by number; several may share a control.\n"
    "pad_jump =\n"
    "pad_turbo =\n"
    "pad_pause =\n"
    "pad_options =\n"
    "# Assist: game speed in percent (50 to 100), and yes or no; an assisted game sets no top\n"
    "# score.\n"
    "assist_speed =\n"
    "assist_invincible =\n"
    "assist_unlimited_lives =\n"
    "# The level pack new games play, by its id; empty for the game's own areas.\n"
    "pack =\n";

}  // namespace

const char* PadControlKey(PadControl control) {
    return kPadKeys[static_cast<int>(control)];
}

std::vector<std::string> PadButtons(const std::string& value) {
    std::vector<std::string> words;
    std::string word;
    for (char c : value + " ") {
        if (c == ' ' || c == ',' || c == '\t') {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    return words;
}

bool IsPadButtonName(const std::string& word) {
    return SDL_GameControllerGetButtonFromString(word.c_str()) != SDL_CONTROLLER_BUTTON_INVALID;
}

const char* BoundControlKey(BoundControl control) {
    return kControlKeys[static_cast<int>(control)];
}

int BoundControlVirtualKey(BoundControl control) {
    return kControlVirtualKeys[static_cast<int>(control)];
}

Settings ParseSettings(const std::string& text, const std::string& file_label,
                       std::vector<std::string>& warnings) {
    Settings s;
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        std::string t = trim(line);
        if (t.empty() || t[0] == '#') continue;
        size_t eq = t.find('=');
        std::string why;
        if (eq == std::string::npos) {
            why = "not a 'key = value' line";
        } else {
            read_line(s, trim(t.substr(0, eq)), trim(t.substr(eq + 1)), why);
        }
        if (!why.empty())
            warnings.push_back(file_label + ":" + std::to_string(number) + ": " + why);
    }
    return s;
}

std::string FormatSettings(const Settings& s, const std::string& previous_text) {
    const std::vector<std::pair<std::string, std::string>> entries = setting_lines(s);
    std::vector<bool> written(entries.size(), false);
    std::istringstream lines(previous_text.empty() ? kFreshFile : previous_text);
    std::ostringstream out;
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string t = trim(line);
        size_t eq = t.find('=');
        size_t i = 0;
        if (!t.empty() && t[0] != '#' && eq != std::string::npos) {
            const std::string key = trim(t.substr(0, eq));
            while (i < entries.size() && entries[i].first != key) ++i;
        } else {
            i = entries.size();
        }
        // Comments, blank lines and lines the game cannot read stay as the player wrote them.
        if (i == entries.size()) {
            out << line << "\n";
        } else if (!written[i]) {
            out << setting_line(entries[i]) << "\n";
            written[i] = true;
        }
    }
    for (size_t i = 0; i < entries.size(); ++i)
        if (!written[i]) out << setting_line(entries[i]) << "\n";
    return out.str();
}

namespace {
// The whole file, closed again on return: Windows will not rename over a file still open.
bool read_text(const std::string& path, std::string& text) {
    std::ifstream in(plat::fs_path(path), std::ios::binary);
    if (!in) return false;
    std::ostringstream all;
    all << in.rdbuf();
    text = all.str();
    return true;
}
}  // namespace

Settings LoadSettings(const std::string& path, std::vector<std::string>& warnings) {
    std::string text;
    if (!read_text(path, text)) return Settings{};
    return ParseSettings(text, path, warnings);
}

bool SaveSettings(const std::string& path, const Settings& settings) {
    // Parents too: ~/.config itself may not exist on a fresh account.
    std::error_code ignored;
    std::filesystem::create_directories(plat::fs_path(path).parent_path(), ignored);
    const std::string scratch = path + ".new";
    std::string previous;
    read_text(path, previous);
    const std::string text = FormatSettings(settings, previous);
    FILE* f = plat::open_file(scratch, "wb");
    if (!f) return false;
    bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    ok = std::fflush(f) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (!ok || !RenameOver(scratch, path)) {
        std::filesystem::remove(plat::fs_path(scratch), ignored);
        return false;
    }
    return true;
}
