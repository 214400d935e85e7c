// SPDX-License-Identifier: GPL-3.0-or-later
// Steps are whole snapshots of the grid: 13 kB each, so two hundred of them cost less than a
// screen's picture and undo can never be out of step with the cells.
#include "editor/edit_area.h"

#include <algorithm>

namespace editor {

bool inside_area(int col, int row) {
    return col >= 0 && col < mapc::kCols && row >= 0 && row < mapc::kRows;
}

EditArea::EditArea(const mapc::MapGrid& grid) : grid_(grid) {}

void EditArea::begin_step() {
    if (step_depth_++ == 0) step_start_ = grid_;
}

void EditArea::end_step() {
    if (step_depth_ == 0 || --step_depth_ > 0) return;
    if (step_start_ == grid_) return;
    undo_.push_back(step_start_);
    undo_ids_.push_back(changes_);
    if (static_cast<int>(undo_.size()) > kUndoSteps) {
        undo_.erase(undo_.begin());
        undo_ids_.erase(undo_ids_.begin());
    }
    redo_.clear();
    redo_ids_.clear();
    changes_ = ++next_id_;
}

void EditArea::own_step(bool& opened) {
    opened = step_depth_ == 0;
    if (opened) begin_step();
}

bool EditArea::set(int col, int row, int tile1, int tile2) {
    if (!inside_area(col, row)) return false;
    const size_t i = static_cast<size_t>(row * mapc::kCols + col);
    if (grid_.tile1[i] == tile1 && grid_.tile2[i] == tile2) return false;
    grid_.tile1[i] = tile1;
    grid_.tile2[i] = tile2;
    return true;
}

bool EditArea::paint(int col, int row, const CellPaint& p) {
    if (!inside_area(col, row)) return false;
    bool opened = false;
    own_step(opened);
    int t1 = grid_.t1(row, col), t2 = grid_.t2(row, col);
    if (p.layer == 1) {
        t1 = p.code;
    } else {
        t2 = p.code;
        if (p.needs_block != 0 && !mapc::is_block(t1)) t1 = p.needs_block;
    }
    const bool changed = set(col, row, t1, t2);
    if (opened) end_step();
    return changed;
}

bool EditArea::clear(int col, int row, int layer) {
    if (!inside_area(col, row)) return false;
    bool opened = false;
    own_step(opened);
    const bool changed =
        layer == 1 ? set(col, row, 0, grid_.t2(row, col)) : set(col, row, grid_.t1(row, col), 0);
    if (opened) end_step();
    return changed;
}

void EditArea::fill(const CellRect& r, const CellPaint& p) {
    begin_step();
    for (int row = r.top(); row <= r.bottom(); ++row)
        for (int col = r.left(); col <= r.right(); ++col) paint(col, row, p);
    end_step();
}

void EditArea::clear_rect(const CellRect& r) {
    begin_step();
    for (int row = r.top(); row <= r.bottom(); ++row)
        for (int col = r.left(); col <= r.right(); ++col) set(col, row, 0, 0);
    end_step();
}

CellBlock EditArea::copy(const CellRect& r) const {
    CellBlock b;
    for (int row = r.top(); row <= r.bottom(); ++row) {
        for (int col = r.left(); col <= r.right(); ++col) {
            if (!inside_area(col, row)) continue;
            b.tile1.push_back(grid_.t1(row, col));
            b.tile2.push_back(grid_.t2(row, col));
        }
    }
    if (b.tile1.size() != static_cast<size_t>(r.width() * r.height())) return CellBlock{};
    b.width = r.width();
    b.height = r.height();
    return b;
}

void EditArea::paste(const CellBlock& b, int col, int row) {
    begin_step();
    for (int y = 0; y < b.height; ++y) {
        for (int x = 0; x < b.width; ++x) {
            const size_t i = static_cast<size_t>(y * b.width + x);
            set(col + x, row + y, b.tile1[i], b.tile2[i]);
        }
    }
    end_step();
}

bool EditArea::undo() {
    if (undo_.empty() || step_depth_ != 0) return false;
    redo_.push_back(grid_);
    redo_ids_.push_back(changes_);
    grid_ = undo_.back();
    changes_ = undo_ids_.back();
    undo_.pop_back();
    undo_ids_.pop_back();
    return true;
}

bool EditArea::redo() {
    if (redo_.empty() || step_depth_ != 0) return false;
    undo_.push_back(grid_);
    undo_ids_.push_back(changes_);
    grid_ = redo_.back();
    changes_ = redo_ids_.back();
    redo_.pop_back();
    redo_ids_.pop_back();
    return true;
}

}  // namespace editor
