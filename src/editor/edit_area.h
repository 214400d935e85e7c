// SPDX-License-Identifier: GPL-3.0-or-later
// The area being edited as the author changes it: the two layers of its grid, painting,
// clearing, rectangles filled, copied and pasted, and undo and redo by whole steps (a stroke
// of the mouse is one step, however many cells it paints).
#pragma once

#include <vector>

#include "map_grid.h"

namespace editor {

inline constexpr int kUndoSteps = 200;

// A rectangle of cells, corners included, in either order.
struct CellRect {
    int col0 = 0, row0 = 0, col1 = 0, row1 = 0;
    int left() const { return col0 < col1 ? col0 : col1; }
    int right() const { return col0 < col1 ? col1 : col0; }
    int top() const { return row0 < row1 ? row0 : row1; }
    int bottom() const { return row0 < row1 ? row1 : row0; }
    int width() const { return right() - left() + 1; }
    int height() const { return bottom() - top() + 1; }
};

// Cells lifted out of a grid; kept by the editor for the whole run, so that they can be
// pasted in another area or another pack.
struct CellBlock {
    int width = 0, height = 0;
    std::vector<int> tile1, tile2;  // row-major
    bool empty() const { return width == 0; }
};

// What one palette entry puts in a cell: a code on one layer, and for a block content the
// block it needs beneath.
struct CellPaint {
    int layer = 1;  // 1: terrain (tile1), 2: what stands on it (tile2)
    int code = 0;
    int needs_block = 0;  // tile1 code put under it when the cell is no brick or bonus block
};

class EditArea {
  public:
    explicit EditArea(const mapc::MapGrid& grid = {});

    const mapc::MapGrid& grid() const { return grid_; }
    // A step starts before each change the author makes, and ends with it; a step that changed
    // nothing leaves no trace in the history.
    void begin_step();
    void end_step();

    // These change cells within the step in progress (or as a step of their own).
    bool paint(int col, int row, const CellPaint& paint);
    bool clear(int col, int row, int layer);
    void fill(const CellRect& rect, const CellPaint& paint);
    void clear_rect(const CellRect& rect);
    CellBlock copy(const CellRect& rect) const;
    // Puts the block with its top left corner at (col, row); what falls outside the area is cut.
    void paste(const CellBlock& block, int col, int row);

    bool undo();
    bool redo();
    int undo_steps() const { return static_cast<int>(undo_.size()); }
    int redo_steps() const { return static_cast<int>(redo_.size()); }

    // Changed since the last save (or since it was opened).
    bool unsaved() const { return changes_ != saved_changes_; }
    void mark_saved() { saved_changes_ = changes_; }

  private:
    bool set(int col, int row, int tile1, int tile2);
    void own_step(bool& opened);

    mapc::MapGrid grid_;
    std::vector<mapc::MapGrid> undo_, redo_;
    mapc::MapGrid step_start_;
    int step_depth_ = 0;
    // A count of the grid's states since the start, so that undoing back to the saved state
    // counts as saved again.
    long changes_ = 0, saved_changes_ = 0;
    std::vector<long> undo_ids_, redo_ids_;
    long next_id_ = 0;
};

bool inside_area(int col, int row);

}  // namespace editor
