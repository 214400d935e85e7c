// SPDX-License-Identifier: GPL-3.0-or-later
// Where a player's own files live: the settings in the configuration folder, the top score and
// screenshots in the data folder (the XDG base directories on Linux, SDL's preference folder
// elsewhere), and the choice of the top score's place.
#pragma once

#include <functional>
#include <string>

// $XDG_CONFIG_HOME/varnoth/varnoth.ini, or ~/.config/varnoth/varnoth.ini; "" without a home.
// On Windows varnoth.ini in the user's data folder (%APPDATA%\varnoth\varnoth.ini).
std::string SettingsFilePath();

// The user's data folder for the game with a trailing separator, created when missing
// ($XDG_DATA_HOME/varnoth/ or ~/.local/share/varnoth/ on Linux, %APPDATA%\varnoth\ on
// Windows, both from SDL's preference folder); "" when it cannot be created.
std::string UserDataFolder();

// A folder inside the user's data folder ("replays", "packs"), with a trailing separator, created
// when missing; "" when it cannot be had.
std::string UserDataSubfolder(const std::string& name);

// True when a file can be created in the folder: a probe file is made and removed again, so a
// read-only mount or a missing folder answers false even for root.
bool FolderWritable(const std::string& folder);

// The top score's file: `program_file` when the program's data folder is writable, otherwise
// hiscore.dat in the user's data folder; "" when neither can be had.
std::string ChooseTopScorePath(const std::string& program_file, const std::string& program_folder,
                               const std::function<bool(const std::string&)>& writable,
                               const std::function<std::string()>& user_folder);
