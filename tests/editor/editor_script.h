// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's tests drive varnoth-sim --edit with input scripts written as an author works:
// point at a cell, press, drag, type a key with Control held.
#pragma once

#include <string>

#include "map_grid.h"

namespace editor_test {

// An input script built frame by frame.
class Script {
  public:
    // The pointer over a cell of the view as it first opens (the ground in view).
    Script& point(int col, int row);
    Script& point_at(int x, int y);
    Script& press(const std::string& control);
    Script& release(const std::string& control);
    Script& tap(const std::string& control);
    Script& ctrl(const std::string& key);  // Control held around a key
    // A stroke of the left (or another) button through cells of one row.
    Script& drag(const std::string& button, int col0, int row0, int col1, int row1);
    Script& palette(int entry);  // a click on an entry of the group shown
    Script& wait(int frames);
    int frame() const { return frame_; }
    const std::string& text() const { return text_; }

  private:
    Script& at(const std::string& event);
    int frame_ = 2;
    std::string text_;
};

// A pack folder named `name` holding a pack.ini (unless `with_ini` is false).
std::string make_pack(const std::string& name, bool with_ini = true);

// Runs the editor on the area with the script until `frames`; `extra` goes on the command line
// (--dump, --shot). Returns the exit status.
int run_editor(const std::string& folder, const std::string& area, const Script& script, int frames,
               const std::string& extra = "", std::string* err = nullptr);

// The grid of a source file; the test fails (and an empty grid comes back) when it does not
// compile.
mapc::MapGrid saved_grid(const std::string& path);
mapc::MapGrid game_grid(int level, int area);

}  // namespace editor_test
