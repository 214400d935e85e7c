// SPDX-License-Identifier: GPL-3.0-or-later
// The options screen's Levels item, offered on the title only: it chooses between the game's
// own areas and each pack found, shows a broken pack with its first message and a duplicate as
// such, and names the folder where a player puts a downloaded pack. A choice is put in force
// at once and kept in varnoth.ini (`pack = ID`). The title's small line names the pack chosen.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "packs/pack_discovery.h"

struct LevelsEntry {
    std::string id;      // "" for the game's own areas
    std::string label;   // what the item shows as its value
    std::string detail;  // a line under it: author and version, or why it cannot be chosen
    bool choosable = false;
};

class LevelsItem {
  public:
    // Finds the packs now; the entry shown first is the choice in force.
    LevelsItem();
    explicit LevelsItem(const std::vector<FoundPack>& packs);

    static const char* name() { return "Levels"; }
    const std::vector<LevelsEntry>& entries() const { return entries_; }
    int shown() const { return shown_; }
    // Shows the next (+1) or previous (-1) entry, round the list. A choosable entry is put in
    // force and kept for the next run; a broken one or a duplicate is only shown, and the
    // choice stays what it was.
    void step(int by);
    std::string value() const;
    std::string detail() const;
    // "Put level packs in FOLDER"; "" where a player cannot add packs (the browser).
    std::string folder_line() const;
    // The folder of the pack shown; "" for the game's own areas.
    std::string shown_folder() const;

  private:
    std::vector<FoundPack> packs_;
    std::vector<LevelsEntry> entries_;
    int shown_ = 0;
};

// A folder for a new pack in the player's packs folder, not there yet ("my-pack", "my-pack-2",
// ...); "" where a player has no packs folder.
std::string new_pack_folder();

// Puts the Levels page on the title's options screen: the choice of areas, and with an editor
// given, "Edit this pack" and "Make a new pack", which open it on a pack's folder. The editor
// answers true when the window was closed meanwhile.
void install_levels_page(std::function<bool(const std::string& folder)> edit);

// The title screen's part of its small line of added things: the title of the pack in force,
// "" for the game's own areas.
std::string title_pack_line();
