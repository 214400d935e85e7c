// SPDX-License-Identifier: GPL-3.0-or-later
// A pack the player cannot write (a shipped one, installed read-only with the game) copied
// whole into the player's own packs folder, so that the editor can save there and go on with
// the copy. The copy keeps the pack's id: found first, it stands in front of the original.
#pragma once

#include <string>

namespace editor {

// Where a copy of `folder` goes when the editor cannot save into it: a new folder of the
// player's packs folder named like it (NAME, else NAME-2, NAME-3...). "" when no copy is to be
// offered: the folder can be written, the player has no packs folder, or it is in there already.
std::string own_copy_folder(const std::string& folder);

// Copies every file of the pack folder `from` (a pack holds no folders) into `to`, which is
// made for it. False, with the reason, leaving nothing at `to`.
bool copy_pack(const std::string& from, const std::string& to, std::string& why);

}  // namespace editor
