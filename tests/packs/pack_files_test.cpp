// SPDX-License-Identifier: GPL-3.0-or-later
// The files behind packs: a folder's sources found by name, strays named, whole files written
// whole or not at all, and paths joined the way the player wrote them.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "packs/pack_check.h"
#include "packs/pack_fixture.h"
#include "packs/pack_folder.h"
#include "platform/platform.h"
#include "support/sim_runner.h"

TEST(PackFiles, AFoldersSourcesAreFoundByNameAndStraysAreNamed) {
    const std::string folder = scratch_folder("pack_names");
    for (const char* name : {"map2.3.txt", "map1.1.txt", "map6.1.txt", "map1.4.txt",
                             "map1.1.txt.bak", "Map1.2.txt", "map01.1.txt", "notes.txt"})
        write_text(folder + "/" + name, "");
    mkdir((folder + "/map5.3.txt").c_str(), 0755);
    std::vector<std::string> strays;
    const auto areas = pack_areas(folder, &strays);
    EXPECT_EQ(areas, (std::vector<std::pair<int, int>>{{1, 1}, {2, 3}, {5, 3}}));
    EXPECT_EQ(strays, (std::vector<std::string>{"map1.4.txt", "map6.1.txt"}));
    EXPECT_EQ(area_source_name(4, 2), "map4.2.txt");
    EXPECT_EQ(pack_file("a/b", "pack.ini"), "a/b/pack.ini");
    EXPECT_EQ(pack_file("a/b/", "pack.ini"), "a/b/pack.ini");
    EXPECT_EQ(pack_file("C:\\packs\\one", "pack.ini"), "C:\\packs\\one\\pack.ini");
    // A folder without any source is no pack to play.
    const std::string empty = scratch_folder("pack_empty");
    write_text(empty + "/pack.ini", pack_ini("empty"));
    const CheckedPack none = check_pack(empty);
    ASSERT_EQ(none.messages.size(), 1u);
    EXPECT_EQ(none.messages[0].to_string(),
              empty +
                  ": the pack gives no area: a source mapL.A.txt beside pack.ini gives "
                  "level L, area A");
}

TEST(PackFiles, AWholeFileIsWrittenWholeOrTheOldOneStays) {
    const std::string folder = scratch_folder("pack_whole");
    const std::string path = folder + "/pack.ini";
    ASSERT_TRUE(WriteWholeFile(path, "first\n"));
    std::string text;
    ASSERT_TRUE(ReadWholeFile(path, text));
    EXPECT_EQ(text, "first\n");
    EXPECT_FALSE(ReadWholeFile(folder + "/missing", text));
    EXPECT_EQ(FolderEntries(folder, false), std::vector<std::string>{"pack.ini"});
    EXPECT_TRUE(FolderEntries(folder, true).empty());
    EXPECT_TRUE(MakeFolders(folder + "/a/b"));
    EXPECT_EQ(FolderEntries(folder, true), std::vector<std::string>{"a"});
    EXPECT_EQ(AbsolutePath("/x/./y/../z"), "/x/z");
    // A plain user in a folder he may not write: the save fails and the old file stays.
    chmod(folder.c_str(), 0555);
    const pid_t child = fork();
    if (child == 0) {
        if (getuid() == 0 && setuid(65534) != 0) _exit(3);
        _exit(WriteWholeFile(path, "second\n") ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    chmod(folder.c_str(), 0755);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the write was not refused";
    EXPECT_EQ(slurp(path), "first\n");
    EXPECT_EQ(FolderEntries(folder, false), std::vector<std::string>{"pack.ini"})
        << "no scratch file is left behind";
}
