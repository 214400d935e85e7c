// SPDX-License-Identifier: GPL-3.0-or-later
// The real game on the headless backend for tests: started once per test process, reset to
// its start-up values before every test.
#include "support/test_game.h"

#include <unistd.h>

#include <filesystem>
#include <string>

#include "shell/startup.h"

namespace {

bool g_started = false;

// The test process stands in a folder of its own whose data/ links to the built sounds and
// recordings, so that the top score a test game saves stays out of the build's data folder,
// which the runner's tests read side by side.
std::string own_program_dir() {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("varnoth-tests-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "data");
    for (const fs::directory_entry& e :
         fs::directory_iterator(fs::path(VARNOTH_BINARY_DIR) / "data"))
        if (e.path().filename().string().rfind("hiscore", 0) != 0)
            fs::create_symlink(e.path(), dir / "data" / e.path().filename());
    static const std::string removed_at_exit = dir.string();
    std::atexit([] { fs::remove_all(removed_at_exit); });
    return dir.string();
}

void apply(const std::string& control, InputAction action) {
    InputEvent e;
    e.action = action;
    e.control = control;
    HeadlessApply(e);
}

}  // namespace

void fresh_game(bool draw) {
    // Drawing through the software rasteriser is most of what a test costs, so only the tests
    // that look at pictures draw; the state of a game is the same either way.
    if (!g_started) {
        HeadlessOptions o;
        o.draw = draw;
        o.data_dir = own_program_dir();
        PlatformUseHeadless(o);
        start_up();
        g_started = true;
    }
    if (draw) HeadlessStartDrawing();
    the_state = game_state{};
    demo_tag::Create();
    joy_left_threshold = -1.0f;
    joy_right_threshold = 1.0f;
    map_tag::Create();
    player_tag::Create();
    game.sound = 1;
    game.music = 1;
    game.soundset = 1;
    game.autoturbo = 1;
    game.state = game_tag::kTitle;
    game.scmx = 640;
    game.scmy = 200;
    SeedRnd(1234);
    for (const char* c : {"left", "right", "up", "down", "jump", "turbo", "space", "escape",
                          "mouse1", "mouse2", "joy-left", "joy-up", "joy0", "joy1", "joy2", "joy7"})
        release(c);
    FlushKeys();
    FlushMouse();
    while (JoyHit(0, 0) || JoyHit(1, 0) || JoyHit(2, 0) || JoyHit(7, 0)) {
    }
    MoveMouse(320, 0);
    SetBlend(1);
    SetAlpha(1);
    SetTransform(0, 1, 1);
    SetColor(255, 255, 255);
    ResetCollisions(0);
    TakeSoundEvents();
}

void enter_area(int level, int area) {
    game.players = 0;
    game.curplayer = 0;
    game_tag::start_new();
    player_tag& p = player[0];
    p.level = level;
    p.area = area;
    if (area == 3) p.power = 0;
    game.item = 0;
    game_tag::destroy_all();
    map_tag::Load(level, area);
    map_tag::initialize();
    p.rotation = 0;
    game.state = game_tag::kPlay;
    FlushKeys();
    FlushMouse();
    TakeSoundEvents();
}

int play_frames(int n) {
    int run = 0;
    while (run < n && game.state == game_tag::kPlay) {
        Cls();
        ResetCollisions(0);
        game_tag::play_game();
        game_tag::display();
        Flip(-1);
        ++run;
    }
    return run;
}

void hold(const std::string& control) {
    apply(control, InputAction::kPress);
}
void release(const std::string& control) {
    apply(control, InputAction::kRelease);
}
void tap(const std::string& control) {
    apply(control, InputAction::kTap);
}

std::vector<std::string> sounds_played() {
    return TakeSoundEvents();
}

map_tag& cell(int col, int row) {
    return map_cells[row * map_tag::kColumns + col];
}

void clear_grid() {
    for (map_tag& c : map_cells) {
        c.tile1 = c.tile2 = c.objectid = c.hidden = c.hiddenwall = 0;
        c.yoffset = c.framectr = c.framedly = c.rotation = 0;
        c.multitmr = 1;
    }
}

void empty_area_in_play() {
    fresh_game();
    game_tag::destroy_all();
    clear_grid();
    place_cells_as_loaded();
    game.state = game_tag::kPlay;
    game.sound = 1;
    game.players = 0;
    game.curplayer = 0;
    demo_playing = 0;
    player_tag& p = hero();
    p.yscale = 1.0f;
    p.rotation = 0;
    p.lives = 3;
    p.level = 1;
    p.area = 1;
    MoveMouse(320, 0);
    sounds_played();
}

void place_cells_as_loaded() {
    for (int i = 0; i < map_tag::kCells; ++i) {
        map_cells[i].x = 20.0f + 40.0f * static_cast<float>(i % map_tag::kColumns);
        map_cells[i].y = 20.0f + 40.0f * static_cast<float>(i / map_tag::kColumns);
    }
}

void set_cell(int col, int row, int tile1, int tile2) {
    map_tag& c = cell(col, row);
    c.tile1 = tile1;
    c.tile2 = tile2;
}
