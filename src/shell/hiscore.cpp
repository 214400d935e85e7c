// SPDX-License-Identifier: GPL-3.0-or-later
// The top score kept between runs: one little-endian 32-bit integer in "data\hiscore.dat"
// beside the program, or in the player's data folder where the program's is not writable.
// A save goes to a scratch file beside it first and replaces the old file only when complete.
#include <cstdio>
#include <string>

#include "shell/addon_hooks.h"
#include "shell/globals.h"

namespace {
constexpr size_t kScoreBytes = 4;

void load_top_score(const std::string& path) {
    game.topscore = 0;
    if (FileType(path) == 0) return;
    TStream* in = ReadFile(path);
    if (in == nullptr) return;
    // A damaged (short) file counts as no top score rather than as a half-read number.
    if (StreamRemaining(in) >= kScoreBytes) game.topscore = ReadInt(in);
    CloseStream(in);
}

void save_top_score(const std::string& path) {
    const std::string scratch = path + ".new";
    TStream* out = WriteFile(scratch);
    // No data directory or no right to write there: the old file, if any, stays as it was.
    if (out == nullptr) return;
    WriteInt(out, game.topscore);
    const bool written = StreamOk(out);
    CloseStream(out);
    const std::string scratch_path = ResolvePath(scratch);
    if (!written || !RenameOver(scratch_path, ResolvePath(path))) std::remove(scratch_path.c_str());
}
}  // namespace

void hiscore_file_at(int save, const std::string& path) {
    if (save == 1) {
        save_top_score(path);
    } else {
        load_top_score(path);
    }
}

void hiscore_file(int save) {
    // Beside the program or in the player's data folder; with neither the top score lasts for
    // this run: nothing is read and nothing is written.
    const std::string path = TopScoreFile();
    if (path.empty()) return;
    // A level pack in force keeps a top score of its own beside the game's.
    hiscore_file_at(save, addon_hooks.top_score_file ? addon_hooks.top_score_file(path) : path);
}
