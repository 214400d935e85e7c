// SPDX-License-Identifier: GPL-3.0-or-later
// Draws each whole map, 5600 x 480, through the game's own cell drawing, with the monsters,
// lifts, the start and the cauldron marked where the map places them.
// Usage: varnoth-overview OUTDIR [--pack DIR] [L.A ...]   (writes OUTDIR/overview_L.A.png;
// with a level pack, of its own areas unless others are named)
#include <cstdio>
#include <string>
#include <vector>

#include "map_grid.h"
#include "packs/maps_in_force.h"
#include "packs/pack_check.h"
#include "platform/backend.h"
#include "shell/globals.h"
#include "shell/startup.h"

namespace {

constexpr int kWorldW = map_tag::kColumns * map_tag::kCellSize;

// Lifts, the start, the cauldron and every monster.
bool is_marked(int code) {
    return code == 12 || code == 13 || code == 30 || code == 39 || mapc::is_monster(code);
}

void draw_marker(int code, float x, float y) {
    // A translucent box shows where each object starts, whatever its picture looks like.
    SetBlend(3);
    SetAlpha(0.35f);
    SetColor(255, 40, 40);
    DrawRect(x - 20, y - 20, 40, 40);
    SetColor(255, 255, 255);
    SetAlpha(1.0f);
    SetBlend(1);
    if (code == 12 || code == 13) SetScale(2.0f, 1.0f);
    if (code == 39) SetScale(1.6f, 1.2f);
    DrawImage(img_sprites, x, code == 39 ? y - 3 : y, code);
    SetScale(1, 1);
}

bool draw_map(int level, int area, const std::string& path) {
    game_tag::destroy_all();
    if (!map_tag::Load(level, area)) {
        std::fprintf(stderr, "varnoth-overview: map %d.%d is missing or short\n", level, area);
        return false;
    }
    std::vector<int> codes(map_tag::kCells);
    for (int i = 0; i < map_tag::kCells; ++i) codes[i] = map_cells[i].tile2;
    map_tag::initialize();

    std::vector<uint8_t> world(static_cast<size_t>(kWorldW) * 480 * 3, 0);
    for (int chunk = 0; chunk * 640 < kWorldW; ++chunk) {
        Cls();
        for (int i = 0; i < map_tag::kCells; ++i)
            map_cells[i].x = 20.0f + 40.0f * (i % map_tag::kColumns) - 640.0f * chunk;
        for (map_tag& c : map_cells) c.update(0);
        for (int i = 0; i < map_tag::kCells; ++i) {
            float x = map_cells[i].x, y = map_cells[i].y;
            if (is_marked(codes[i]) && x > -40 && x < 680) draw_marker(codes[i], x, y);
        }
        std::vector<uint8_t> rgb;
        if (!ReadBackBuffer(rgb)) return false;
        int width = std::min(640, kWorldW - chunk * 640);
        for (int y = 0; y < 480; ++y)
            std::copy(rgb.begin() + (y * 640) * 3, rgb.begin() + (y * 640 + width) * 3,
                      world.begin() + (static_cast<size_t>(y) * kWorldW + chunk * 640) * 3);
    }
    if (!WritePng(path, world, kWorldW, 480)) {
        std::fprintf(stderr, "varnoth-overview: cannot write %s\n", path.c_str());
        return false;
    }
    std::printf("%s\n", path.c_str());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: varnoth-overview OUTDIR [--pack DIR] [L.A ...]\n");
        return 2;
    }
    HeadlessOptions o;
    // The seed a run starting at the clock's zero had, so the lantern glows stay as drawn.
    o.seed_set = true;
    o.seed = 0;
    PlatformUseHeadless(o);
    start_up();
    std::vector<std::pair<int, int>> maps;
    int first = 2;
    const CheckedPack* pack = nullptr;
    CheckedPack checked;
    if (argc > 3 && std::string(argv[2]) == "--pack") {
        checked = check_pack(argv[3]);
        for (const PackMessage& m : checked.messages)
            std::fprintf(stderr, "%s\n", m.to_string().c_str());
        if (!set_pack_in_force(&checked)) return 1;
        pack = &checked;
        first = 4;
    }
    for (int i = first; i < argc; ++i) {
        int l = 0, a = 0;
        if (std::sscanf(argv[i], "%d.%d", &l, &a) != 2 || l < 1 || l > 5 || a < 1 || a > 3) {
            std::fprintf(stderr, "varnoth-overview: '%s' is not a map L.A\n", argv[i]);
            return 2;
        }
        maps.emplace_back(l, a);
    }
    if (maps.empty())
        for (int l = 1; l <= 5; ++l)
            for (int a = 1; a <= 3; ++a)
                if (!pack || !pack->maps[static_cast<size_t>(area_index(l, a))].empty())
                    maps.emplace_back(l, a);
    bool ok = true;
    for (auto [l, a] : maps)
        ok = draw_map(l, a,
                      std::string(argv[1]) + "/overview_" + std::to_string(l) + "." +
                          std::to_string(a) + ".png") &&
             ok;
    std::fflush(stdout);
    std::_Exit(ok ? 0 : 1);
}
