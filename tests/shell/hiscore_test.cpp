// SPDX-License-Identifier: GPL-3.0-or-later
// The top-score file: a missing or damaged file reads as 0, a save replaces the file whole,
// and a save that cannot be made leaves the old file as it was and does not stop the program.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "shell/globals.h"
#include "support/test_game.h"

namespace {
std::string scratch_dir() {
    char pattern[] = "/tmp/varnoth-hiscore-XXXXXX";
    const char* dir = mkdtemp(pattern);
    return dir ? dir : "/tmp";
}

void write_bytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<unsigned char> read_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool exists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

// Saves `score` to `path` in a child process whose writes really fail: either every file may
// grow to two bytes only (the four-byte score is cut in the middle, as on a full disk), or the
// child (giving up root, which writes anywhere) saves as a plain user into a read-only folder.
enum class Failure { kFileSizeLimit, kPlainUserReadOnlyFolder };
void save_in_failing_child(const std::string& path, int score, Failure failure) {
    const pid_t child = fork();
    if (child == 0) {
        if (failure == Failure::kFileSizeLimit) {
            std::signal(SIGXFSZ, SIG_IGN);  // the write reports EFBIG instead of killing us
            const rlimit limit{2, 2};
            if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(3);
        } else if (getuid() == 0 && setuid(65534) != 0) {
            _exit(3);
        }
        game.topscore = score;
        hiscore_file_at(1, path);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the save stopped the program";
}
}  // namespace

TEST(TopScoreFile, MissingOrShortFilesReadAsZero) {
    fresh_game();
    const std::string dir = scratch_dir();
    game.topscore = 77;
    hiscore_file_at(0, dir + "/hiscore.dat");
    EXPECT_EQ(game.topscore, 0);

    write_bytes(dir + "/short.dat", {0x10, 0x27});
    game.topscore = 77;
    hiscore_file_at(0, dir + "/short.dat");
    EXPECT_EQ(game.topscore, 0);

    mkdir((dir + "/folder.dat").c_str(), 0755);
    game.topscore = 77;
    hiscore_file_at(0, dir + "/folder.dat");
    EXPECT_EQ(game.topscore, 0);
}

TEST(TopScoreFile, SavesOneLittleEndianIntegerAndReadsItBack) {
    fresh_game();
    const std::string path = scratch_dir() + "/hiscore.dat";
    game.topscore = 0x01020304;
    hiscore_file_at(1, path);
    EXPECT_EQ(read_bytes(path), (std::vector<unsigned char>{0x04, 0x03, 0x02, 0x01}));
    EXPECT_FALSE(exists(path + ".new")) << "no scratch file is left behind";

    game.topscore = 0;
    hiscore_file_at(0, path);
    EXPECT_EQ(game.topscore, 0x01020304);

    // A longer file (from some other writer) still gives its first integer.
    write_bytes(path, {0xe8, 0x03, 0, 0, 9, 9});
    hiscore_file_at(0, path);
    EXPECT_EQ(game.topscore, 1000);
}

TEST(TopScoreFile, ASaveThatCannotBeMadeKeepsTheOldFile) {
    fresh_game();
    const std::string dir = scratch_dir();
    // No such directory: nothing is written and nothing breaks.
    game.topscore = 500;
    hiscore_file_at(1, dir + "/missing/hiscore.dat");
    EXPECT_FALSE(exists(dir + "/missing"));

    // The scratch file cannot be made (a folder stands in its way): the old score survives.
    const std::string path = dir + "/hiscore.dat";
    write_bytes(path, {0x2a, 0, 0, 0});
    mkdir((path + ".new").c_str(), 0755);
    game.topscore = 9999;
    hiscore_file_at(1, path);
    EXPECT_EQ(read_bytes(path), (std::vector<unsigned char>{0x2a, 0, 0, 0}));

    // A scratch file left by a save that died halfway does not disturb the next load.
    const std::string other = dir + "/other.dat";
    write_bytes(other, {0x2a, 0, 0, 0});
    write_bytes(other + ".new", {0x0f});
    hiscore_file_at(0, other);
    EXPECT_EQ(game.topscore, 42);
}

TEST(TopScoreFile, AWriteThatReallyFailsKeepsTheOldFileWhole) {
    fresh_game();
    for (Failure failure : {Failure::kFileSizeLimit, Failure::kPlainUserReadOnlyFolder}) {
        const std::string dir = scratch_dir();
        const std::string path = dir + "/hiscore.dat";
        write_bytes(path, {0x2a, 0, 0, 0});
        const bool read_only = failure == Failure::kPlainUserReadOnlyFolder;
        chmod(dir.c_str(), read_only ? 0555 : 0755);
        save_in_failing_child(path, 123456, failure);
        chmod(dir.c_str(), 0755);
        EXPECT_EQ(read_bytes(path), (std::vector<unsigned char>{0x2a, 0, 0, 0}));
        EXPECT_FALSE(exists(path + ".new")) << "no half-written scratch file is left";
        hiscore_file_at(0, path);
        EXPECT_EQ(game.topscore, 42);
    }
}
