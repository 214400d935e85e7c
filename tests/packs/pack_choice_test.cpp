// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing a pack in the game: the packs found and their standing, the Levels item's choice
// kept in the settings, the maps and their hash in force, a top score of each pack's own, and
// the attract demo on the game's own maps whatever is chosen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "packs/game_sources.h"
#include "packs/levels_item.h"
#include "packs/maps_in_force.h"
#include "packs/pack_fixture.h"
#include "packs/pack_start.h"
#include "platform/options.h"
#include "platform/platform.h"
#include "platform/settings.h"
#include "shell/startup.h"
#include "support/sim_runner.h"
#include "support/test_game.h"

namespace {

// Each test leaves the game's own areas in force, as it found them.
class PackChoice : public ::testing::Test {
  protected:
    void SetUp() override {
        fresh_game();
        set_pack_in_force(nullptr);
        KeepChosenPack("");
    }
    void TearDown() override {
        set_pack_in_force(nullptr);
        KeepChosenPack("");
    }
};

std::vector<int> loaded_terrain() {
    std::vector<int> codes;
    for (const map_tag& c : map_cells) codes.push_back(c.tile1);
    return codes;
}

// A one-area pack whose 3.1 has a shield on the top row.
CheckedPack shield_pack(const std::string& folder) {
    PlainArea area(3, 1);
    area.tile1(20, 0, 'X');
    write_pack(folder, pack_ini("shield", "Shield"), {{{3, 1}, area.text()}});
    return check_pack(folder);
}

}  // namespace

TEST_F(PackChoice, TheMapsInForceAndTheirHashFollowThePackChosen) {
    const uint64_t own_hash = maps_in_force_hash();
    const CheckedPack pack = shield_pack(scratch_folder("pack_force") + "/shield");
    ASSERT_TRUE(pack.playable());
    ASSERT_TRUE(set_pack_in_force(&pack));
    EXPECT_EQ(pack_in_force_id(), "shield");
    EXPECT_EQ(map_in_force(3, 1), pack.maps[static_cast<size_t>(area_index(3, 1))]);
    EXPECT_EQ(map_in_force(1, 1), game_area_map(1, 1));
    const uint64_t pack_hash = maps_in_force_hash();
    EXPECT_NE(pack_hash, own_hash);
    // The game loads the pack's map, and an area put in force over it (a test play) wins.
    map_tag::Load(3, 1);
    EXPECT_EQ(map_cells[20].tile1, 19);
    std::vector<uint8_t> test_map = game_area_map(2, 1);
    override_area_in_force(3, 1, test_map);
    EXPECT_EQ(map_in_force(3, 1), test_map);
    override_area_in_force(3, 1, {});
    EXPECT_EQ(maps_in_force_hash(), pack_hash);
    // A pack that cannot be played is not put in force.
    CheckedPack broken = pack;
    broken.messages.push_back(PackMessage{"x", 0, 0, -1, -1, "broken"});
    EXPECT_FALSE(set_pack_in_force(&broken));
    EXPECT_EQ(pack_in_force_id(), "shield");
    set_pack_in_force(nullptr);
    EXPECT_EQ(pack_in_force_id(), "");
    EXPECT_EQ(maps_in_force_hash(), own_hash);
}

TEST_F(PackChoice, TheAttractDemoPlaysTheGamesOwnMapsWhateverPackIsChosen) {
    map_tag::Load(3, 1);
    const std::vector<int> own = loaded_terrain();
    const CheckedPack pack = shield_pack(scratch_folder("pack_demo") + "/shield");
    ASSERT_TRUE(set_pack_in_force(&pack));
    ASSERT_TRUE(begin_demo_play(1));
    EXPECT_EQ(loaded_terrain(), own);
    demo_playing = 0;
    map_tag::Load(3, 1);
    EXPECT_NE(loaded_terrain(), own);
}

TEST_F(PackChoice, EachPackKeepsItsOwnTopScoreBesideTheGames) {
    game.topscore = 4000;
    hiscore_file(1);
    const CheckedPack pack = shield_pack(scratch_folder("pack_score") + "/shield");
    ASSERT_TRUE(set_pack_in_force(&pack));
    hiscore_file(0);
    EXPECT_EQ(game.topscore, 0) << "a pack starts without a top score";
    game.topscore = 250;
    hiscore_file(1);
    EXPECT_EQ(FileType("data\\hiscore-shield.dat"), 1);
    set_pack_in_force(nullptr);
    hiscore_file(0);
    EXPECT_EQ(game.topscore, 4000) << "the game's own top score is untouched";
    ASSERT_TRUE(set_pack_in_force(&pack));
    hiscore_file(0);
    EXPECT_EQ(game.topscore, 250);
}

TEST_F(PackChoice, PacksAreFoundPlayersFirstAndTheLevelsItemChoosesAmongThem) {
    const std::string base = scratch_folder("pack_found");
    const std::string area = PlainArea(1, 1).text();
    write_pack(base + "/own/alpha", pack_ini("alpha", "Alpha \xC3\xBC\xE2\x82\xAC"),
               {{{1, 1}, area}});
    write_pack(base + "/own/beta", pack_ini("beta", "Beta"),
               {{{1, 1}, PlainArea(1, 1).tile2(40, 9, 'f').text()}});
    write_pack(base + "/game/alpha-copy", pack_ini("alpha", "Alpha shipped"), {{{1, 1}, area}});
    write_pack(base + "/game/gamma", pack_ini("gamma", "Gamma"),
               {{{1, 2}, PlainArea(1, 2).text()}});
    const std::vector<FoundPack> found =
        find_packs_in({PackPlace{base + "/own", true}, PackPlace{base + "/game", false}});
    ASSERT_EQ(found.size(), 4u);
    EXPECT_EQ(found[0].standing, PackStanding::kPlayable);
    EXPECT_TRUE(found[0].players_own);
    EXPECT_EQ(found[1].standing, PackStanding::kBroken);
    EXPECT_EQ(found[2].standing, PackStanding::kDuplicate);
    EXPECT_EQ(found[2].pack.info.title, "Alpha shipped");
    EXPECT_EQ(found[3].standing, PackStanding::kPlayable);
    EXPECT_EQ(pack_with_id(found, "alpha"), &found[0]);

    game.topscore = 900;
    LevelsItem item(found);
    ASSERT_EQ(item.entries().size(), 5u);
    EXPECT_EQ(item.value(), "The game's own areas");
    EXPECT_EQ(item.entries()[1].label, "Alpha \xFC?") << "Latin-1 for the game's font";
    EXPECT_EQ(item.entries()[1].detail, "by A Tester, version 1.0: areas 1.1");
    EXPECT_FALSE(item.entries()[2].choosable);
    EXPECT_EQ(item.entries()[2].detail,
              "cannot be played: map1.1.txt:24:41: a leaping fish must start in water");
    EXPECT_EQ(item.entries()[3].detail, "not used: another pack has the id alpha");
    EXPECT_EQ(title_pack_line(), "");

    item.step(1);  // Alpha: chosen, kept, with its own top score
    EXPECT_EQ(pack_in_force_id(), "alpha");
    EXPECT_EQ(StartingPack(), "alpha");
    EXPECT_EQ(title_pack_line(), "Alpha \xFC?");
    EXPECT_EQ(game.topscore, 0);
    game.topscore = 75;
    item.step(1);  // Beta is broken: shown with its reason, the choice stays Alpha
    EXPECT_EQ(item.value(), "Beta");
    EXPECT_EQ(pack_in_force_id(), "alpha");
    item.step(2);  // past the duplicate to Gamma
    EXPECT_EQ(pack_in_force_id(), "gamma");
    item.step(1);  // round to the game's own
    EXPECT_EQ(item.shown(), 0);
    EXPECT_EQ(pack_in_force_id(), "");
    EXPECT_EQ(StartingPack(), "");
    EXPECT_EQ(game.topscore, 900);
    item.step(-4);  // back to Alpha, whose top score was kept when the choice moved on
    EXPECT_EQ(game.topscore, 75);
    // A new item shows the choice in force; where a player's folder exists it is named.
    EXPECT_EQ(LevelsItem(found).shown(), 1);
    EXPECT_EQ(item.folder_line(), "") << "the headless runner has no player's folder";
}

TEST_F(PackChoice, ARunStartsWithTheFolderGivenOrThePackTheSettingsName) {
    // The shipped pack is found in the game's data folder by its id.
    EXPECT_TRUE(start_with_pack("", "first-steps"));
    EXPECT_EQ(pack_in_force_id(), "first-steps");
    EXPECT_EQ(pack_in_force_title(), "First Steps");
    set_pack_in_force(nullptr);
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(start_with_pack("", "no-such-pack"));
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("the chosen level pack 'no-such-pack' is not among the packs found"),
              std::string::npos)
        << said;
    EXPECT_EQ(pack_in_force_id(), "");
    EXPECT_FALSE(start_with_pack("", ""));
    const std::string folder = scratch_folder("pack_start") + "/p";
    write_pack(folder, pack_ini("given"), {{{1, 1}, PlainArea(1, 1).text()}});
    EXPECT_TRUE(start_with_pack(folder, "first-steps")) << "the command line wins";
    EXPECT_EQ(pack_in_force_id(), "given");
}

TEST(PackSettings, TheChoiceIsKeptAsPackEqualsIdAndTheCommandLineTakesAFolder) {
    std::vector<std::string> warnings;
    Settings s = ParseSettings("pack = first-steps\n", "varnoth.ini", warnings);
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(s.pack, "first-steps");
    EXPECT_NE(FormatSettings(s).find("\npack = first-steps\n"), std::string::npos);
    const std::string fresh = FormatSettings(Settings{});
    EXPECT_NE(fresh.find("\npack =\n"), std::string::npos) << fresh;
    EXPECT_EQ(ParseSettings(fresh, "varnoth.ini", warnings).pack, "");
    EXPECT_TRUE(warnings.empty());

    const CommandLine line = ParseCommandLine({"--pack", "my packs/one", "--window"});
    EXPECT_TRUE(line.run);
    EXPECT_EQ(line.pack, "my packs/one");
    EXPECT_EQ(ParseCommandLine({"--check-pack=x"}).check_pack, "x");
    EXPECT_FALSE(ParseCommandLine({"--pack="}).run);
}
