// SPDX-License-Identifier: GPL-3.0-or-later
// pack.ini, the small file that names a level pack: `key = value` lines with `#` comments, the
// keys id, title, author, licence, version and description. Pure text in and out, so that the
// editor's form, the checker and a fuzzer share one reader.
#pragma once

#include <string>
#include <vector>

#include "packs/pack_message.h"

struct PackInfo {
    std::string id;     // lower-case letters, digits and '-'; names the top score too
    std::string title;  // shown on the title screen and in the options
    std::string author;
    std::string licence;      // an SPDX identifier ("CC-BY-SA-4.0")
    std::string version;      // "1.0"
    std::string description;  // one line; may be empty
};

// The keys in the order a fresh file lists them.
inline constexpr const char* kPackInfoKeys[] = {"id",      "title",   "author",
                                                "licence", "version", "description"};

// What is wrong with one value of the form, in plain words; "" when it may stand ("title" is
// too long, "id" has an upper-case letter, ...). An unknown key is wrong whatever its value.
std::string pack_value_problem(const std::string& key, const std::string& value);
// The first problem of any value of the form, "" when every value may stand.
std::string pack_info_problem(const PackInfo& info);
// Only lower-case letters, digits and '-', 1 to 32 of them, not starting with '-'.
bool valid_pack_id(const std::string& id);

// Reads pack.ini's text. Every line that cannot be read (no '=', an unknown or repeated key, a
// bad value) and every key missing (all but description are needed) adds a message naming
// `file_label` and the line; what could be read is in `info` all the same. True without
// messages.
bool parse_pack_ini(const std::string& text, const std::string& file_label, PackInfo& info,
                    std::vector<PackMessage>& messages);

// The text of a pack.ini that parse_pack_ini reads back to `info`. Given the file's previous
// text, its comments, blank lines and order stay and only the values change; keys it lacks
// are added at the end.
std::string format_pack_ini(const PackInfo& info, const std::string& previous_text = "");
