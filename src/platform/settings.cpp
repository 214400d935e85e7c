// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the settings file.
#include "platform/settings.h"

#include <SDL2/SDL.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

#include "platform/internal.h"

namespace {

const char* const kControlKeys[kBoundControls] = {"key_left", "key_right", "key_up",   "key_down",
                                                  "key_jump", "key_turbo", "key_pause"};
const int kControlVirtualKeys[kBoundControls] = {37, 39, 38, 40, 162, 164, 32};

std::string trim(const std::string& s) {
    size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return "";
    size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

// A two-way choice: true for `yes`, false for `no`, anything else is not understood.
bool read_choice(const std::string& value, const char* yes, const char* no, bool& out) {
    if (value == yes) return out = true, true;
    if (value == no) return out = false, true;
    return false;
}

bool read_line(Settings& s, const std::string& key, const std::string& value, std::string& why) {
    bool b = false;
    auto choice = [&](const char* yes, const char* no, bool& field) {
        if (!read_choice(value, yes, no, b)) {
            why = "'" + value + "' is not " + yes + " or " + no;
            return false;
        }
        field = b;
        return true;
    };
    if (key == "fullscreen") return choice("yes", "no", s.fullscreen);
    if (key == "effects") return choice("on", "off", s.effects);
    if (key == "music") return choice("on", "off", s.music);
    if (key == "scale") {
        bool fit = false;
        if (!choice("fit", "integer", fit)) return false;
        s.scale = fit ? ScaleMode::kFit : ScaleMode::kInteger;
        return true;
    }
    if (key == "vsync") {
        if (value == "auto") return s.vsync = VsyncMode::kAuto, true;
        if (value == "on") return s.vsync = VsyncMode::kOn, true;
        if (value == "off") return s.vsync = VsyncMode::kOff, true;
        why = "'" + value + "' is not auto, on or off";
        return false;
    }
    // Whether a pack of that id is there is known only once the packs are found.
    if (key == "pack") return s.pack = value, true;
    for (int i = 0; i < kBoundControls; ++i) {
        if (key != kControlKeys[i]) continue;
        if (value.empty() || SDL_GetKeyFromName(value.c_str()) == SDLK_UNKNOWN) {
            why = "'" + value + "' is not a key name";
            return false;
        }
        s.keys[static_cast<size_t>(i)] = value;
        return true;
    }
    why = "unknown setting '" + key + "'";
    return false;
}

// Every setting as its file line would show it, in the file's order.
std::vector<std::pair<std::string, std::string>> setting_lines(const Settings& s) {
    std::vector<std::pair<std::string, std::string>> lines = {
        {"fullscreen", s.fullscreen ? "yes" : "no"},
        {"scale", s.scale == ScaleMode::kFit ? "fit" : "integer"},
        {"vsync", s.vsync == VsyncMode::kAuto ? "auto"
                  : s.vsync == VsyncMode::kOn ? "on"
                                              : "off"},
        {"effects", s.effects ? "on" : "off"},
        {"music", s.music ? "on" : "off"}};
    for (int i = 0; i < kBoundControls; ++i)
        lines.emplace_back(kControlKeys[i], s.keys[static_cast<size_t>(i)]);
    lines.emplace_back("pack", s.pack);
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
    "# Keys by SDL key name (Left, Right, Up, Down, Left Ctrl, Left Alt, Space, X, Return...).\n"
    "key_left =\n"
    "key_right =\n"
    "key_up =\n"
    "key_down =\n"
    "key_jump =\n"
    "key_turbo =\n"
    "key_pause =\n"
    "# The level pack new games play, by its id; empty for the game's own areas.\n"
    "pack =\n";

}  // namespace

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
