// SPDX-License-Identifier: GPL-3.0-or-later
// The edited grid: strokes, rectangles, the clipboard's blocks and the history of steps, and
// the source written back reading to the very grid it was written from.
#include "editor/edit_area.h"

#include <gtest/gtest.h>

#include "editor/palette.h"
#include "editor/source_text.h"
#include "map_source.h"
#include "packs/game_sources.h"

namespace {

using editor::CellPaint;
using editor::CellRect;
using editor::EditArea;

mapc::MapGrid game_grid(int level, int area) {
    return mapc::read_source_text(game_area_source(level, area), "game", game_legend()).grid;
}

TEST(EditArea, AStrokeIsOneStepAndUndoRedoWalkTheHistory) {
    const mapc::MapGrid start = game_grid(1, 1);
    EditArea e(start);
    e.begin_step();
    for (int col = 10; col < 20; ++col) e.paint(col, 3, CellPaint{1, 9, 0});
    e.end_step();
    EXPECT_EQ(e.undo_steps(), 1);
    EXPECT_TRUE(e.unsaved());
    const mapc::MapGrid painted = e.grid();
    EXPECT_EQ(painted.t1(3, 15), 9);

    e.clear(15, 3, 1);  // a step of its own
    EXPECT_EQ(e.grid().t1(3, 15), 0);
    EXPECT_TRUE(e.undo());
    EXPECT_EQ(e.grid().tile1, painted.tile1);
    EXPECT_TRUE(e.undo());
    EXPECT_EQ(e.grid().tile1, start.tile1);
    EXPECT_FALSE(e.unsaved()) << "undone back to what was opened";
    EXPECT_FALSE(e.undo());
    EXPECT_TRUE(e.redo());
    EXPECT_EQ(e.grid().tile1, painted.tile1);
    // A new change forgets what could be redone.
    e.paint(0, 0, CellPaint{1, 4, 0});
    EXPECT_FALSE(e.redo());
}

TEST(EditArea, ChangesThatChangeNothingLeaveNoStepAndTheHistoryKeepsTwoHundred) {
    EditArea e;
    e.begin_step();
    e.paint(1, 1, CellPaint{1, 0, 0});  // already so
    e.end_step();
    EXPECT_EQ(e.undo_steps(), 0);
    for (int i = 0; i < 250; ++i) e.paint(i % 140, i / 140, CellPaint{1, 9, 0});
    EXPECT_EQ(e.undo_steps(), editor::kUndoSteps);
    int undone = 0;
    while (e.undo()) ++undone;
    EXPECT_EQ(undone, editor::kUndoSteps);
    EXPECT_EQ(e.grid().t1(0, 49), 9) << "the oldest steps fell out of the history";
    EXPECT_EQ(e.grid().t1(0, 50), 0);
}

TEST(EditArea, FillCopyPasteAndBlockContents) {
    EditArea e;
    e.fill(CellRect{5, 8, 2, 6}, CellPaint{1, 24, 0});  // corners in either order
    EXPECT_EQ(e.undo_steps(), 1);
    for (int row = 6; row <= 8; ++row)
        for (int col = 2; col <= 5; ++col) EXPECT_EQ(e.grid().t1(row, col), 24);
    EXPECT_EQ(e.grid().t1(6, 6), 0);
    e.paint(3, 7, CellPaint{2, 57, 0});
    const editor::CellBlock b = e.copy(CellRect{2, 6, 5, 8});
    ASSERT_EQ(b.width, 4);
    ASSERT_EQ(b.height, 3);
    e.paste(b, 137, 10);  // cut at the area's edges
    EXPECT_EQ(e.grid().t1(10, 137), 24);
    EXPECT_EQ(e.grid().t1(11, 139), 24);
    EXPECT_EQ(e.grid().t2(11, 138), 57);
    e.clear_rect(CellRect{2, 6, 5, 8});
    EXPECT_EQ(e.grid().t1(7, 3), 0);
    EXPECT_EQ(e.grid().t2(7, 3), 0);
    // A block's content brings its block along where there is none.
    e.paint(20, 4, CellPaint{2, 50, 5});
    EXPECT_EQ(e.grid().t1(4, 20), 5);
    e.paint(21, 4, CellPaint{1, 4, 0});
    e.paint(21, 4, CellPaint{2, 50, 5});
    EXPECT_EQ(e.grid().t1(4, 21), 4) << "a brick stays a brick";
    EXPECT_TRUE(e.copy(CellRect{138, 0, 141, 1}).empty()) << "a rectangle beyond the area";
}

TEST(SourceText, EveryGameAreaWrittenBackReadsToTheSameGrid) {
    for (int level = 1; level <= 5; ++level) {
        for (int area = 1; area <= 3; ++area) {
            const std::string original = game_area_source(level, area);
            const mapc::MapGrid grid = game_grid(level, area);
            std::string text, why;
            ASSERT_TRUE(
                editor::write_source_text(grid, level, area, original, game_legend(), text, why))
                << why;
            const mapc::ReadSource read = mapc::read_source_text(text, "written", game_legend());
            ASSERT_TRUE(read.errors.empty()) << read.errors.front().what();
            EXPECT_EQ(read.grid.tile1, grid.tile1) << level << "." << area;
            EXPECT_EQ(read.grid.tile2, grid.tile2) << level << "." << area;
            EXPECT_EQ(text.substr(0, 14), original.substr(0, 14)) << "the comments stay";
        }
    }
}

TEST(SourceText, ACodeTheLegendCannotWriteIsRefused) {
    mapc::MapGrid grid;
    grid.tile2[5] = 99;
    std::string text = "untouched", why;
    EXPECT_FALSE(editor::write_source_text(grid, 1, 1, "", game_legend(), text, why));
    EXPECT_EQ(text, "untouched");
    EXPECT_NE(why.find("column 6, row 1"), std::string::npos) << why;
}

TEST(Palette, EveryEntryIsTheLegendsOwnCharacterAndCode) {
    const mapc::Legend& legend = game_legend();
    int entries = 0;
    for (const editor::PaletteGroup& g : editor::palette()) {
        for (const editor::PaletteEntry& e : g.entries) {
            const auto& codes = e.paint.layer == 1 ? legend.tile1 : legend.tile2;
            EXPECT_EQ(codes[static_cast<unsigned char>(e.character)], e.paint.code)
                << g.name << ": " << e.name;
            ++entries;
        }
    }
    // Every code of either layer is in the palette.
    for (int c = 0; c < 256; ++c) {
        for (int layer = 1; layer <= 2; ++layer) {
            const int code = (layer == 1 ? legend.tile1 : legend.tile2)[static_cast<size_t>(c)];
            if (code < 0) continue;
            bool found = false;
            for (const editor::PaletteGroup& g : editor::palette())
                for (const editor::PaletteEntry& e : g.entries)
                    found = found || (e.paint.layer == layer && e.paint.code == code);
            EXPECT_TRUE(found || code == 0) << "layer " << layer << " code " << code;
        }
    }
    EXPECT_GT(entries, 50);
    EXPECT_EQ(editor::cell_words(5, 50), "bonus block, extra life in a block");
    EXPECT_EQ(editor::cell_words(0, 50), "dark stone wall, hidden extra life");
    EXPECT_EQ(editor::cell_words(9, 0), "grey stone block");
}

}  // namespace
