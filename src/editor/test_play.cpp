// SPDX-License-Identifier: GPL-3.0-or-later
// The game is set up as the level announcement leaves it, then the world is moved the way
// scrolling would have moved it, so that the hero starts where the author points.
#include "editor/test_play.h"

#include <algorithm>
#include <cstdlib>

#include "editor/editor.h"
#include "map_binary.h"
#include "options/options_text.h"
#include "packs/maps_in_force.h"
#include "platform/player_choices.h"
#include "shell/globals.h"
#include "shell/startup.h"

namespace {
bool g_active = false;
}  // namespace

bool editor_test_play_active() {
    return g_active;
}

namespace editor {

namespace {

constexpr int kFastFrames = 3;
constexpr int kHeroScreenX = 180;  // where the hero stands when the world has been moved
constexpr int kWorldEnd = 140 * 40 - 640;

bool can_stand(const mapc::MapGrid& g, int col, int row) {
    if (row < 0 || row + 1 >= mapc::kRows || col < 0 || col >= mapc::kCols) return false;
    const int t1 = g.t1(row, col);
    return !mapc::is_solid(t1) && !mapc::is_liquid(t1) && mapc::is_solid(g.t1(row + 1, col));
}

void move_world(float shift) {
    for (map_tag& c : map_cells) c.x -= shift;
    monster_list.ForEach([&](monster_tag& m) {
        m.x -= shift;
        m.px -= shift;
    });
    elevator_list.ForEach([&](elevator_tag& e) { e.x -= shift; });
    game.cauldx -= static_cast<int>(shift);
}

// Sets up the game as the level announcement leaves it, the hero at (col, row).
void enter(int level, int area, int col, int row) {
    game.players = 0;
    game.curplayer = 0;
    game_tag::start_new();
    for (player_tag& p : player) p.level = level, p.area = area;
    player_tag& p = hero();
    game.fireballmaxtmr = p.fireballmaxtmr;
    if (area == 3) p.power = 0;
    game.item = 0;
    game_tag::destroy_all();
    map_tag::Load(level, area);
    map_tag::initialize();
    const int x = col * 40 + 20;
    const int shift = std::clamp(x - kHeroScreenX, 0, kWorldEnd);
    move_world(static_cast<float>(shift));
    p.x = static_cast<float>(x - shift);
    p.y = static_cast<float>(row * 40 + 20);
    p.rotation = 0;
    FlushKeys();
    FlushMouse();
    game.state = game_tag::kPlay;
}

}  // namespace

AuthorsGame::AuthorsGame(const std::vector<unsigned char>& compiled, int level, int area)
    : level_(level),
      area_(area),
      before_(save_state()),
      assist_(assist_in_force()),
      pace_(FramePace()),
      music_(ChannelPlaying(music_channel)) {
    before_.platform = nullptr;
    override_area_in_force(level, area, std::vector<uint8_t>(compiled.begin(), compiled.end()));
    g_active = true;
}

AuthorsGame::~AuthorsGame() {
    g_active = false;
    override_area_in_force(level_, area_, {});
    load_state(before_);
    set_assist_in_force(assist_);
    if (FramePace() != pace_) SetFramePace(pace_);
    // The music a game started is not the editor's.
    if (!music_ && ChannelPlaying(music_channel)) StopChannel(music_channel);
    FlushKeys();
    FlushMouse();
}

bool standing_place(const mapc::MapGrid& g, int col, int row, int& place_col, int& place_row) {
    for (int d = 0; d < mapc::kCols; ++d) {
        for (int c : {col + d, col - d}) {
            if (c < 0 || c >= mapc::kCols) continue;
            for (int k = 0; k < mapc::kRows; ++k) {
                for (int r : {row + k, row - k}) {
                    if (!can_stand(g, c, r)) continue;
                    place_col = c, place_row = r;
                    return true;
                }
            }
        }
    }
    return false;
}

TestPlayEnd run_test_play(const mapc::MapGrid& grid, int level, int area, int col, int row) {
    TestPlayEnd end;
    int c = 0, r = 0;
    if (!standing_place(grid, col, row, c, r)) {
        end.message = "Nowhere in the area can the hero stand";
        return end;
    }
    const AuthorsGame authors(mapc::map_bytes(grid), level, area);
    enter(level, area, c, r);
    end.message = "Test play ended";
    while (true) {
        const int turns = KeyDown('F') ? kFastFrames : 1;
        for (int t = 0; t < turns && game.state == game_tag::kPlay; ++t) {
            Cls();
            ResetCollisions(0);
            game_tag::play_game();
            game_tag::display();
            ++end.frames;
        }
        draw_options_text(320, 450, kYellow,
                          "TEST PLAY  -  P or Escape: back to the editor   F: fast", 0.6f,
                          TextAlign::kCentre);
        Flip(-1);
        if (AppTerminate()) {
            end.quit = true;
            break;
        }
        if (KeyHit(kKeyEscape) || KeyHit('P')) break;
        if (game.state == game_tag::kDeath) {
            end.message =
                "The hero died after " + std::to_string(end.frames / 60) + " s of test play";
            break;
        }
        if (game.state == game_tag::kLevelEnd) {
            end.message = "The hero reached the cauldron after " + std::to_string(end.frames / 60) +
                          " s of test play";
            break;
        }
        if (game.state != game_tag::kPlay) break;
    }
    end.message += " (from column " + std::to_string(c + 1) + ")";
    return end;
}

}  // namespace editor
