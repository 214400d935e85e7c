// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/editor_script.h"

#include <gtest/gtest.h>

#include "map_source.h"
#include "packs/game_sources.h"
#include "support/sim_runner.h"

namespace editor_test {

namespace {
constexpr int kFirstRowShown = 2;  // the view opens with rows 2..11 in sight
}  // namespace

Script& Script::at(const std::string& event) {
    text_ += std::to_string(frame_) + " " + event + "\n";
    ++frame_;
    return *this;
}

Script& Script::point(int col, int row) {
    return point_at(col * 40 + 20, (row - kFirstRowShown) * 40 + 20);
}
Script& Script::point_at(int x, int y) {
    return at("press mouse " + std::to_string(x) + " " + std::to_string(y));
}
Script& Script::press(const std::string& control) {
    return at("press " + control);
}
Script& Script::release(const std::string& control) {
    return at("release " + control);
}
Script& Script::tap(const std::string& control) {
    return at("tap " + control);
}
Script& Script::ctrl(const std::string& key) {
    return press("key:Left_Ctrl").tap("key:" + key).release("key:Left_Ctrl");
}
Script& Script::drag(const std::string& button, int col0, int row0, int col1, int row1) {
    point(col0, row0).press(button);
    point(col1, row1);
    return release(button);
}
Script& Script::palette(int entry) {
    return point_at(502 + 38 * (entry % 4), 58 + 38 * (entry / 4)).tap("mouse1");
}
Script& Script::wait(int frames) {
    frame_ += frames;
    return *this;
}

std::string make_pack(const std::string& name, bool with_ini) {
    const std::string folder = scratch_folder("editor_" + name);
    std::string id = name;
    for (char& c : id)
        if (c == '_') c = '-';
    if (with_ini)
        write_text(folder + "/pack.ini",
                   "id = " + id +
                       "\ntitle = Editor test\nauthor = Ann\nlicence = CC0-1.0\nversion = 1.0\n");
    return folder;
}

int run_editor(const std::string& folder, const std::string& area, const Script& script, int frames,
               const std::string& extra, std::string* err) {
    const std::string input = folder + ".input";
    write_text(input, script.text());
    const std::string draw = extra.find("--shot") == std::string::npos ? " --no-draw" : "";
    return run_sim("--edit " + folder + " " + area + " --input " + input + " --frames " +
                       std::to_string(frames) + draw + " " + extra,
                   err);
}

mapc::MapGrid saved_grid(const std::string& path) {
    const mapc::ReadSource read = mapc::read_source_text(slurp(path), path, game_legend());
    EXPECT_TRUE(read.errors.empty()) << (read.errors.empty() ? "" : read.errors.front().what());
    return read.errors.empty() ? read.grid : mapc::MapGrid{};
}

mapc::MapGrid game_grid(int level, int area) {
    return mapc::read_source_text(game_area_source(level, area), "game", game_legend()).grid;
}

}  // namespace editor_test
