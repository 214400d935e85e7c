// SPDX-License-Identifier: GPL-3.0-or-later
// A level pack on disk: a folder holding pack.ini and a map source mapL.A.txt for each area it
// gives. Reading and writing pack.ini, reading a source, and which areas a folder gives; the
// player's files are written whole or not at all (scratch file, then a rename over the old).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "packs/pack_info.h"
#include "packs/pack_message.h"

inline constexpr const char* kPackIniName = "pack.ini";

// "map1.2.txt" for level 1, area 2.
std::string area_source_name(int level, int area);
// A file of the folder: folder and name joined by the folder's own separator.
std::string pack_file(const std::string& folder, const std::string& name);

// The areas (level, area) the folder holds a source for, in the game's order. Files named like
// a source but for no area of the game ("map6.1.txt", "map1.4.txt") are listed in `strays`.
std::vector<std::pair<int, int>> pack_areas(const std::string& folder,
                                            std::vector<std::string>* strays = nullptr);

// Reads and parses the folder's pack.ini. A missing or unreadable file gives one message for
// the file as a whole. True when it was read and is sound.
bool read_pack_ini(const std::string& folder, PackInfo& info, std::vector<PackMessage>& messages);
// Writes the folder's pack.ini for `info`, keeping the old file's comments and order, making
// the folder when it is missing. False, with the reason in `why` and the old file as it was,
// when it cannot be written.
bool write_pack_ini(const std::string& folder, const PackInfo& info, std::string& why);

// The text of the folder's source for level.area; false (and `why`) when it is missing or
// cannot be read.
bool read_area_source(const std::string& folder, int level, int area, std::string& text,
                      std::string& why);
