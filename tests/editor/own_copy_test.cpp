// SPDX-License-Identifier: GPL-3.0-or-later
// Saving into a pack the player cannot write: the editor offers a copy in the player's own
// packs folder, saves there on Yes and goes on with the copy, and writes nothing on No. The
// runner is started as a plain user (root writes anywhere), its packs folder a stand-in.
#include "editor/own_copy.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "editor/editor_script.h"
#include "packs/game_sources.h"
#include "support/sim_runner.h"

namespace {

using editor_test::Script;

constexpr int kStone = 13;  // the palette's entry for tile 9

struct ReadOnlyPack {
    std::string base, pack, own, home;
};

// A pack with an area and a file of bytes of every value, its folder read-only, and an empty
// folder standing in for the player's packs folder.
ReadOnlyPack read_only_pack(const std::string& name) {
    ReadOnlyPack p;
    p.base = scratch_folder("own_copy_" + name);
    p.pack = p.base + "/shipped";
    p.own = p.base + "/own";
    p.home = empty_home("own_copy_" + name);
    run_program("mkdir -p " + p.pack + " " + p.own);
    write_text(p.pack + "/pack.ini",
               "id = shipped\ntitle = Shipped\nauthor = Ann\nlicence = CC0-1.0\nversion = 1.0\n");
    std::string bytes;
    for (int i = 0; i < 256; ++i) bytes.push_back(static_cast<char>(i));
    write_text(p.pack + "/overview.png", bytes);
    write_text(p.pack + "/map1.1.txt", game_area_source(1, 1));
    run_program("chmod a-w " + p.pack + " && chmod -R a+rwX " + p.own + " " + p.home);
    return p;
}

size_t offers(const std::string& err) {
    size_t n = 0;
    for (size_t at = err.find("is offered"); at != std::string::npos;
         at = err.find("is offered", at + 1))
        ++n;
    return n;
}

// The runner as a plain user: root's writes would go through a read-only folder.
int run_as_player(const ReadOnlyPack& p, const Script& s, std::string& err,
                  const std::string& extra = "") {
    const std::string input = p.base + "/script.input";
    write_text(input, s.text());
    run_program("chmod a+r " + input);
    const std::string as = geteuid() == 0 ? "runuser -u nobody -- " : "";
    return run_program(as + sim_path() + " --no-draw --data " + p.home + " --players-packs " +
                           p.own + " --edit " + p.pack + " 1.1 --input " + input + " --frames " +
                           std::to_string(s.frame() + 2) + " " + extra,
                       nullptr, &err);
}

TEST(OwnCopy, APackThatCannotBeWrittenIsCopiedToThePlayersPacksAndSavedThere) {
    const ReadOnlyPack p = read_only_pack("yes");
    const std::string shipped_area = slurp(p.pack + "/map1.1.txt");
    ASSERT_FALSE(shipped_area.empty());
    Script s;
    s.palette(kStone).drag("mouse1", 3, 5, 3, 5).ctrl("S").wait(5).tap("key:Y").wait(5);
    // Then the copy is the pack being edited: saved without a question.
    s.drag("mouse1", 4, 5, 4, 5).ctrl("S").wait(5).tap("key:Escape");
    std::string err;
    ASSERT_EQ(run_as_player(p, s, err), 0) << err;
    EXPECT_NE(err.find("varnoth: copied the pack " + p.pack + " to " + p.own + "/shipped"),
              std::string::npos)
        << err;
    EXPECT_EQ(slurp(p.pack + "/map1.1.txt"), shipped_area) << "the shipped pack is untouched";
    const std::string copy = p.own + "/shipped";
    EXPECT_EQ(slurp(copy + "/pack.ini"), slurp(p.pack + "/pack.ini"));
    EXPECT_EQ(slurp(copy + "/overview.png"), slurp(p.pack + "/overview.png"));
    const mapc::MapGrid saved = editor_test::saved_grid(copy + "/map1.1.txt");
    EXPECT_EQ(saved.tile1[5 * 140 + 3], 9);
    EXPECT_EQ(saved.tile1[5 * 140 + 4], 9) << "the second save went to the copy";
    const mapc::MapGrid kept = editor_test::saved_grid(copy + "/map1.1.txt.bak");
    EXPECT_EQ(kept.tile1[5 * 140 + 3], 9) << "the first save into the copy, kept by the second";
    EXPECT_EQ(kept.tile1[5 * 140 + 4], 0);

    // A second copy takes a name of its own: the first, the player's now, is left as it is.
    Script again;
    again.palette(kStone).drag("mouse1", 6, 5, 6, 5).ctrl("S").wait(5).tap("key:Y");
    ASSERT_EQ(run_as_player(p, again, err), 0) << err;
    EXPECT_EQ(editor_test::saved_grid(copy + "/map1.1.txt").tile1[5 * 140 + 6], 0);
    EXPECT_EQ(editor_test::saved_grid(copy + "-2/map1.1.txt").tile1[5 * 140 + 6], 9);
    run_program("chmod -R u+w " + p.base + " && rm -rf " + p.base + " " + p.home);
}

TEST(OwnCopy, NoToTheCopyWritesNothingAndKeepsTheWork) {
    const ReadOnlyPack p = read_only_pack("no");
    Script s;
    s.palette(kStone).drag("mouse1", 3, 5, 3, 5).ctrl("S").wait(5).tap("key:N").wait(5);
    // Leaving still asks, since nothing was saved; the copy is offered again, and taken.
    s.tap("key:Escape").wait(3).tap("key:S").wait(3).tap("key:Y");
    std::string err;
    ASSERT_EQ(run_as_player(p, s, err), 0) << err;
    EXPECT_EQ(offers(err), 2u) << err;
    EXPECT_EQ(editor_test::saved_grid(p.own + "/shipped/map1.1.txt").tile1[5 * 140 + 3], 9)
        << "the work on screen was kept through the No";
    run_program("chmod -R u+w " + p.base + " && rm -rf " + p.base + " " + p.home);
}

TEST(OwnCopy, ACopyRefusesAFolderThatIsThereAndCopiesEveryFileWhole) {
    const std::string base = scratch_folder("own_copy_files");
    run_program("mkdir -p " + base + "/from");
    write_text(base + "/from/pack.ini", "id = a\n");
    std::string bytes;
    for (int i = 0; i < 256; ++i) bytes.push_back(static_cast<char>(i));
    write_text(base + "/from/overview.png", bytes);
    run_program("mkdir -p " + base + "/taken");
    write_text(base + "/taken/pack.ini", "mine\n");
    std::string why;
    EXPECT_FALSE(editor::copy_pack(base + "/from", base + "/taken", why));
    EXPECT_EQ(why, base + "/taken is there already");
    EXPECT_EQ(slurp(base + "/taken/pack.ini"), "mine\n");
    ASSERT_TRUE(editor::copy_pack(base + "/from", base + "/to", why)) << why;
    EXPECT_EQ(slurp(base + "/to/overview.png"), bytes);
    EXPECT_EQ(slurp(base + "/to/pack.ini"), "id = a\n");
    // A folder that can be written is saved into, not copied.
    EXPECT_EQ(editor::own_copy_folder(base + "/from"), "");
}

}  // namespace
