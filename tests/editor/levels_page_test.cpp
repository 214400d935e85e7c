// SPDX-License-Identifier: GPL-3.0-or-later
// The options' Levels page, on the title only: the choice of areas, and the editor opened on
// the pack shown or on a new pack's folder.
#include <gtest/gtest.h>

#include "options/options_menu.h"
#include "packs/levels_item.h"
#include "support/sim_runner.h"
#include "support/test_game.h"

namespace {

const OptionItem* item(const std::string& page, const std::string& label) {
    const OptionPage* p = FindOptionsPage(page);
    if (!p) return nullptr;
    for (const OptionItem& i : p->items)
        if (i.label == label) return &i;
    return nullptr;
}

TEST(LevelsPage, EditsThePackShownAndMakesNoPackWhereThereIsNoPacksFolder) {
    fresh_game();
    ClearOptionsPages();
    std::vector<std::string> edited;
    install_levels_page([&](const std::string& folder) {
        edited.push_back(folder);
        return false;
    });
    const OptionItem* open = item(kOptionsMainPage, "Levels");
    ASSERT_NE(open, nullptr);
    EXPECT_TRUE(open->only_on_title);
    EXPECT_EQ(open->value(), "The game's own areas");
    const OptionItem* edit = item("levels", "Edit this pack");
    const OptionItem* make = item("levels", "Make a new pack");
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(make, nullptr);
    ASSERT_NE(item("levels", "Play"), nullptr);

    // The game's own areas are not edited; the headless runner has no packs folder.
    edit->activate();
    make->activate();
    EXPECT_TRUE(edited.empty());
    EXPECT_EQ(new_pack_folder(), "");

    // The shipped pack, once shown, is the one edited.
    const OptionItem* play = item("levels", "Play");
    for (int i = 0; i < 4 && play->value() != "First Steps"; ++i) play->change(+1);
    if (play->value() == "First Steps") {
        edit->activate();
        ASSERT_EQ(edited.size(), 1u);
        EXPECT_NE(edited[0].find("first-steps"), std::string::npos) << edited[0];
    }
    while (play->value() != "The game's own areas") play->change(+1);
    ClearOptionsPages();
}

TEST(LevelsPage, TheShownEntrysFolder) {
    const std::string base = scratch_folder("levels_folder");
    write_text(base + "/pack.ini",
               "id = one\ntitle = One\nauthor = A\nlicence = CC0-1.0\nversion = 1\n");
    FoundPack f{check_pack(base), PackStanding::kPlayable, true};
    LevelsItem levels({f});
    EXPECT_EQ(levels.shown_folder(), "");
    levels.step(+1);
    EXPECT_EQ(levels.shown_folder(), base);
    levels.step(-1);
}

}  // namespace
