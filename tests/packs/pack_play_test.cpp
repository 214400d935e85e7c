// SPDX-License-Identifier: GPL-3.0-or-later
// A pack played through the runner: its own areas load where it gives them and the game's
// elsewhere; a broken pack is refused with its messages on standard error while the game goes
// on with its own areas and nothing of the pack is touched; the check commands of the game and
// of varnoth-mapcheck say the same.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "packs/game_sources.h"
#include "packs/pack_fixture.h"
#include "support/sim_runner.h"

namespace {

// The terrain codes of the grid in a state dump.
std::vector<int> dumped_terrain(const std::string& json) {
    std::vector<int> codes;
    const std::string key = "\"map_cells\":{\"tile1\":[";
    size_t at = json.find(key);
    if (at == std::string::npos) return codes;
    at += key.size();
    while (at < json.size() && json[at] != ']') {
        codes.push_back(std::atoi(json.c_str() + at));
        at = json.find_first_of(",]", at);
        if (at != std::string::npos && json[at] == ',') ++at;
    }
    return codes;
}

// The terrain at the first frame of play in an area, with the runner's other arguments.
std::vector<int> terrain_at_start(const std::string& args, const std::string& area,
                                  std::string* err = nullptr) {
    const std::string dump = scratch_folder("pack_dump") + "/start.json";
    const int status =
        run_sim("--no-draw " + args + " --start " + area + " --frames 300 --dump 300:" + dump, err);
    EXPECT_EQ(status, 0) << args;
    return dumped_terrain(slurp(dump));
}

// The game's own source of 1.1 with one cell's terrain changed.
std::string own_1_1_with(int column, int row, char terrain) {
    std::string text = game_area_source(1, 1);
    size_t at = text.find("tile1\n") + 6;
    for (int r = 0; r < row; ++r) at = text.find('\n', at) + 1;
    text[at + static_cast<size_t>(column)] = terrain;
    return text;
}

std::string folder_listing(const std::string& folder) {
    std::string out;
    run_program("(ls -la --time-style=full-iso " + folder + " && md5sum " + folder + "/*)", &out);
    return out;
}

}  // namespace

TEST(PackPlay, ThePacksOwnAreaIsPlayedAndAChangedCellShowsInTheStateDump) {
    const std::string pack = scratch_folder("pack_play") + "/shield";
    // A shield with crossed swords on the top row, column 20, where the game has plain wall.
    write_pack(pack, pack_ini("shield"), {{{1, 1}, own_1_1_with(20, 0, 'X')}});
    const std::vector<int> own = terrain_at_start("", "1.1");
    const std::vector<int> packed = terrain_at_start("--pack " + pack, "1.1");
    ASSERT_EQ(own.size(), 1680u);
    ASSERT_EQ(packed.size(), 1680u);
    EXPECT_EQ(own[20], 0);
    EXPECT_EQ(packed[20], 19);
    std::vector<int> rest = packed;
    rest[20] = own[20];
    EXPECT_EQ(rest, own) << "only the changed cell differs";
    // An area the pack does not give is the game's own.
    EXPECT_EQ(terrain_at_start("--pack " + pack, "2.2"), terrain_at_start("", "2.2"));
}

TEST(PackPlay, TheGameRefusesABrokenPackAndGoesOnWithItsOwnAreasTouchingNothing) {
    const std::string pack = scratch_folder("pack_refused") + "/broken";
    write_pack(pack, pack_ini("broken"),
               {{{1, 1}, own_1_1_with(20, 0, 'X')},
                {{1, 2}, PlainArea(1, 2).tile2(2, 9, '.').tile2(9, 9, '@').text()}});
    const std::string before = folder_listing(pack);
    std::string err;
    const std::vector<int> played = terrain_at_start("--pack " + pack, "1.1", &err);
    EXPECT_EQ(played, terrain_at_start("", "1.1"));
    EXPECT_NE(
        err.find(pack + "/map1.2.txt:24:10: the start must be in columns 2 to 7 of its row\n"),
        std::string::npos)
        << err;
    EXPECT_NE(err.find("varnoth: the level pack in " + pack +
                       " cannot be played; the game's own areas are played instead"),
              std::string::npos)
        << err;
    EXPECT_EQ(folder_listing(pack), before);
    // A pack that is not there at all is refused the same way.
    EXPECT_EQ(terrain_at_start("--pack " + pack + "-missing", "1.1", &err), played);
    EXPECT_NE(err.find(pack + "-missing: no such folder"), std::string::npos) << err;
}

TEST(PackPlay, TheCheckCommandsSayWhatIsWrongAndAnswerWithTheirStatus) {
    const std::string base = scratch_folder("pack_commands");
    write_pack(base + "/bad", pack_ini("bad"),
               {{{1, 3}, PlainArea(1, 3).tile2(70, 5, '.').text()}, {{6, 1}, "tile1\n"}});
    const std::string game = std::string(VARNOTH_BINARY_DIR) + "/varnoth";
    const std::string mapcheck = std::string(VARNOTH_BINARY_DIR) + "/tools/mapc/varnoth-mapcheck";
    std::string out, again;
    EXPECT_EQ(run_program(game + " --check-pack " + base + "/bad", &out), 1);
    EXPECT_EQ(out, base +
                       "/bad/map6.1.txt: the game has no such area: sources are named "
                       "mapL.A.txt, level L 1 to 5, area A 1 to 3\n" +
                       base +
                       "/bad/map1.3.txt:14:1: a third area must hold its level's magic "
                       "item, the scissors\n" +
                       base + "/bad: 2 problems: the pack cannot be played\n");
    EXPECT_EQ(run_program(mapcheck + " --pack " + base + "/bad", &again), 1);
    EXPECT_EQ(again, out);
    const std::string shipped = std::string(VARNOTH_SOURCE_DIR) + "/data/packs/first-steps";
    EXPECT_EQ(run_program(game + " --check-pack=" + shipped, &out), 0);
    EXPECT_EQ(out, shipped +
                       ": the pack 'first-steps' can be played: it gives areas 1.1, 1.2, "
                       "1.3, the game gives the other 12\n");
    EXPECT_EQ(run_program(mapcheck + " --pack " + shipped, &again), 0);
    EXPECT_EQ(again, out);
    write_text(base + "/file", "");
    EXPECT_EQ(run_program(game + " --check-pack " + base + "/file", &out), 1);
    EXPECT_EQ(out.rfind(base + "/file: not a folder\n", 0), 0u) << out;
    std::string err;
    EXPECT_EQ(run_program(game + " --check-pack", nullptr, &err), 2);
    EXPECT_NE(err.find("option '--check-pack' needs a folder"), std::string::npos) << err;
}
