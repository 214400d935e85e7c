// SPDX-License-Identifier: GPL-3.0-or-later
// The editor as an author works it, through the runner: painting, filling, copying and
// pasting, undo and redo, saving and what a save leaves on disk, the question before work is
// lost, a broken rule marked, a save that fails, a new pack's form and test play.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "editor/editor_script.h"
#include "map_binary.h"
#include "packs/pack_folder.h"
#include "packs/pack_info.h"
#include "support/sim_runner.h"

namespace {

using editor_test::Script;

void set(mapc::MapGrid& g, int col, int row, int tile1, int tile2 = -1) {
    const size_t i = static_cast<size_t>(row * mapc::kCols + col);
    g.tile1[i] = tile1;
    if (tile2 >= 0) g.tile2[i] = tile2;
}

bool exists(const std::string& path) {
    return std::ifstream(path).good();
}

constexpr int kGreyStone = 13, kBrick = 10, kWater = 17;

Script& select(Script& s, int col0, int row0, int col1, int row1) {
    return s.press("key:Left_Shift")
        .drag("mouse1", col0, row0, col1, row1)
        .release("key:Left_Shift");
}

TEST(EditorRun, PaintFillCopyPasteUndoAndRedoSaveWhatTheEditorShows) {
    const std::string pack = editor_test::make_pack("paint");
    const std::string source = pack + "/map1.1.txt";
    mapc::MapGrid expected = editor_test::game_grid(1, 1);

    Script stroke;
    stroke.palette(kGreyStone).drag("mouse1", 2, 4, 5, 4).ctrl("S");
    ASSERT_EQ(editor_test::run_editor(pack, "1.1", stroke, stroke.frame() + 2), 0);
    for (int col = 2; col <= 5; ++col) set(expected, col, 4, 9);
    EXPECT_EQ(editor_test::saved_grid(source).tile1, expected.tile1);
    EXPECT_EQ(editor_test::saved_grid(source).tile2, expected.tile2);
    EXPECT_FALSE(exists(source + ".bak")) << "a first save has nothing to keep";

    Script copy;
    select(copy, 2, 4, 5, 4).ctrl("C").point(8, 6).ctrl("V");
    copy.palette(kWater);
    select(copy, 0, 9, 1, 10).tap("key:F").ctrl("S");
    ASSERT_EQ(editor_test::run_editor(pack, "1.1", copy, copy.frame() + 2), 0);
    for (int col = 2; col <= 5; ++col) {
        set(expected, col + 6, 6, expected.t1(4, col), expected.t2(4, col));
    }
    for (int row = 9; row <= 10; ++row)
        for (int col = 0; col <= 1; ++col) set(expected, col, row, 94);
    const std::string after_copy = slurp(source);
    EXPECT_EQ(editor_test::saved_grid(source).tile1, expected.tile1);
    EXPECT_EQ(editor_test::saved_grid(source).tile2, expected.tile2);
    EXPECT_EQ(slurp(source + ".bak").size(), after_copy.size());

    Script history;
    history.palette(kBrick).drag("mouse1", 0, 3, 2, 3).drag("mouse1", 0, 5, 2, 5);
    history.ctrl("Z").ctrl("Z").ctrl("Y").ctrl("S");
    ASSERT_EQ(editor_test::run_editor(pack, "1.1", history, history.frame() + 2), 0);
    for (int col = 0; col <= 2; ++col) set(expected, col, 3, 4);
    EXPECT_EQ(editor_test::saved_grid(source).tile1, expected.tile1);
    EXPECT_EQ(slurp(source + ".bak"), after_copy) << "the previous save is kept";

    // The map compiler makes of the saved source exactly the map the editor held.
    const std::string compiled = pack + "/out.bin";
    ASSERT_EQ(
        run_program(std::string(VARNOTH_BINARY_DIR) + "/tools/mapc/varnoth-mapc " +
                    VARNOTH_SOURCE_DIR + "/assets/maps/legend.txt " + source + " " + compiled),
        0);
    const std::vector<unsigned char> bytes = mapc::map_bytes(expected);
    EXPECT_EQ(slurp(compiled), std::string(bytes.begin(), bytes.end()));
}

TEST(EditorRun, LeavingWithUnsavedChangesAsksFirst) {
    const std::string pack = editor_test::make_pack("leave");
    const std::string dump = pack + "/dump.json";
    auto run = [&](const std::string& answer) {
        std::remove(dump.c_str());
        Script s;
        s.palette(kGreyStone).drag("mouse1", 3, 5, 3, 5).tap("escape");
        if (!answer.empty()) s.tap(answer);
        EXPECT_EQ(editor_test::run_editor(pack, "1.1", s, 60, "--dump 50:" + dump), 0);
        return exists(dump);
    };
    EXPECT_TRUE(run("")) << "the question keeps the editor open";
    EXPECT_FALSE(exists(pack + "/map1.1.txt"));
    EXPECT_TRUE(run("escape")) << "Escape goes back to the work";
    EXPECT_FALSE(run("key:N")) << "N leaves without saving";
    EXPECT_FALSE(exists(pack + "/map1.1.txt"));
    EXPECT_FALSE(run("key:S")) << "S saves and leaves";
    EXPECT_TRUE(exists(pack + "/map1.1.txt"));

    Script nothing_changed;
    nothing_changed.tap("escape");
    std::remove(dump.c_str());
    EXPECT_EQ(editor_test::run_editor(pack, "1.1", nothing_changed, 60, "--dump 50:" + dump), 0);
    EXPECT_FALSE(exists(dump)) << "with nothing to lose Escape leaves at once";
}

TEST(EditorRun, AFailedSaveSaysSoAndKeepsTheOldFileAndTheWork) {
    const std::string pack = editor_test::make_pack("failed_save");
    const std::string source = pack + "/map1.1.txt";
    const std::string old_text =
        "# the author's own\n" + slurp(std::string(VARNOTH_SOURCE_DIR) + "/assets/maps/map1.1.txt");
    write_text(source, old_text);
    // Something in the way of the kept copy: the save must not go ahead without it.
    ASSERT_EQ(run_program("mkdir " + source + ".bak"), 0);
    const std::string dump = pack + "/dump.json";
    Script s;
    s.palette(kGreyStone).drag("mouse1", 3, 5, 3, 5).ctrl("S").wait(5).tap("escape");
    std::string err;
    ASSERT_EQ(editor_test::run_editor(pack, "1.1", s, 60, "--dump 50:" + dump, &err), 0);
    EXPECT_NE(err.find("not saved: " + pack + "/map1.1.txt.bak cannot be written"),
              std::string::npos)
        << err;
    EXPECT_EQ(slurp(source), old_text);
    EXPECT_TRUE(exists(dump)) << "the work is still unsaved, so Escape asks";
}

TEST(EditorRun, AFolderWithoutPackIniBecomesAPackAndANewAreaStartsAsTheGamesOwn) {
    const std::string pack = editor_test::make_pack("fresh", false);
    Script s;
    s.tap("text:Ann_Smith").tap("key:Return").wait(2).ctrl("S");
    ASSERT_EQ(editor_test::run_editor(pack, "2.1", s, s.frame() + 2), 0);
    PackInfo info;
    std::vector<PackMessage> messages;
    ASSERT_TRUE(read_pack_ini(pack, info, messages)) << messages.front().to_string();
    EXPECT_EQ(info.author, "Ann Smith");
    EXPECT_EQ(info.id.substr(0, 20), "varnoth-editor-fresh");
    EXPECT_EQ(info.licence, "CC-BY-SA-4.0");
    const mapc::MapGrid game = editor_test::game_grid(2, 1);
    EXPECT_EQ(editor_test::saved_grid(pack + "/map2.1.txt").tile1, game.tile1);
    EXPECT_EQ(editor_test::saved_grid(pack + "/map2.1.txt").tile2, game.tile2);

    // Escape leaves the form without writing anything.
    const std::string other = editor_test::make_pack("fresh_escape", false);
    Script away;
    away.tap("text:Bob").tap("escape");
    ASSERT_EQ(editor_test::run_editor(other, "1.1", away, away.frame() + 2), 0);
    EXPECT_FALSE(exists(other + "/pack.ini"));
}

}  // namespace
