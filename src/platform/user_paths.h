// SPDX-License-Identifier: GPL-3.0-or-later
// The one place that decides where a player's own files live: the settings in the
// configuration folder; the top score, screenshots, replays and level packs in the data folder
// (the XDG base directories on Linux, SDL's preference folder on Windows).
#pragma once

#include <functional>
#include <string>

// $XDG_CONFIG_HOME/varnoth/varnoth.ini, or ~/.config/varnoth/varnoth.ini when the variable is
// unset, empty or relative; "" without a home.
// On Windows varnoth.ini in the user's data folder (%APPDATA%\varnoth\varnoth.ini).
std::string SettingsFilePath();

// The user's data folder for the game with a trailing separator, created when missing
// ($XDG_DATA_HOME/varnoth/, or ~/.local/share/varnoth/ when the variable is unset, empty or
// relative, on Linux; %APPDATA%\varnoth\ on Windows); "" when it cannot be created.
std::string UserDataFolder();

// A folder inside the user's data folder ("replays", "packs"), with a trailing separator, created
// when missing; "" when it cannot be had.
std::string UserDataSubfolder(const std::string& name);

// The screenshots' folder (F12) inside the user's data folder, created when missing; "" when
// it cannot be had.
std::string ScreenshotsFolder();

// True when a file can be created in the folder: a probe file is made and removed again, so a
// read-only mount or a missing folder answers false even for root.
bool FolderWritable(const std::string& folder);

// The top score's file: `program_file` when the program's data folder is writable, otherwise
// hiscore.dat in the user's data folder; "" when neither can be had.
std::string ChooseTopScorePath(const std::string& program_file, const std::string& program_folder,
                               const std::function<bool(const std::string&)>& writable,
                               const std::function<std::string()>& user_folder);
