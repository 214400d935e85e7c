// SPDX-License-Identifier: GPL-3.0-or-later
// The Levels item's entries and choice. Its texts are for the game's font, which draws
// Latin-1: a pack's UTF-8 title is turned into that, with '?' for what the font cannot show.
#include "packs/levels_item.h"

#include <memory>

#include "options/options_menu.h"
#include "packs/maps_in_force.h"
#include "platform/platform.h"
#include "shell/globals.h"

namespace {

std::string for_the_font(const std::string& utf8) {
    std::string out;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if ((c == 0xc2 || c == 0xc3) && i + 1 < utf8.size()) {
            out += static_cast<char>(((c & 0x03) << 6) |
                                     (static_cast<unsigned char>(utf8[++i]) & 0x3f));
        } else if (c >= 0xc0) {
            out += '?';  // a character beyond Latin-1; its continuation bytes are skipped
        }
    }
    return out;
}

std::string areas_given(const CheckedPack& pack) {
    std::string list;
    for (int level = 1; level <= 5; ++level)
        for (int area = 1; area <= 3; ++area)
            if (!pack.maps[static_cast<size_t>(area_index(level, area))].empty())
                list +=
                    (list.empty() ? "" : " ") + std::to_string(level) + "." + std::to_string(area);
    return list;
}

LevelsEntry entry_of(const FoundPack& f) {
    const CheckedPack& p = f.pack;
    LevelsEntry e;
    e.id = p.info.id;
    e.label = for_the_font(p.info.title.empty() ? p.info.id : p.info.title);
    switch (f.standing) {
        case PackStanding::kPlayable:
            e.choosable = true;
            e.detail = for_the_font("by " + p.info.author + ", version " + p.info.version +
                                    ": areas " + areas_given(p));
            break;
        case PackStanding::kBroken: {
            PackMessage first = p.messages.front();
            first.file = PathLastName(first.file);
            e.detail = for_the_font("cannot be played: " + first.to_string());
            break;
        }
        case PackStanding::kDuplicate:
            e.detail = for_the_font("not used: another pack has the id " + p.info.id);
            break;
    }
    return e;
}

}  // namespace

LevelsItem::LevelsItem() : LevelsItem(find_packs()) {}

LevelsItem::LevelsItem(const std::vector<FoundPack>& packs) : packs_(packs) {
    entries_.push_back(
        LevelsEntry{"", "The game's own areas", "the fifteen areas of Varnoth", true});
    for (const FoundPack& f : packs_) entries_.push_back(entry_of(f));
    // A pack given on the command line is offered too while it is in force.
    const CheckedPack* current = pack_in_force();
    if (current && !pack_with_id(packs_, current->info.id)) {
        packs_.push_back(FoundPack{*current, PackStanding::kPlayable, false});
        entries_.push_back(entry_of(packs_.back()));
    }
    const std::string id = pack_in_force_id();
    for (size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].choosable && entries_[i].id == id) {
            shown_ = static_cast<int>(i);
            break;
        }
}

void LevelsItem::step(int by) {
    const int n = static_cast<int>(entries_.size());
    shown_ = ((shown_ + by) % n + n) % n;
    const LevelsEntry& e = entries_[static_cast<size_t>(shown_)];
    if (!e.choosable || e.id == pack_in_force_id()) return;
    // The top score so far goes to the file of the maps it was made on before the next
    // pack's own is read.
    hiscore_file(1);
    if (e.id.empty()) {
        set_pack_in_force(nullptr);
    } else {
        const FoundPack* f = pack_with_id(packs_, e.id);
        if (!f || !set_pack_in_force(&f->pack)) return;
    }
    KeepChosenPack(e.id);
    hiscore_file(0);
}

std::string LevelsItem::value() const {
    return entries_[static_cast<size_t>(shown_)].label;
}

std::string LevelsItem::detail() const {
    return entries_[static_cast<size_t>(shown_)].detail;
}

std::string LevelsItem::folder_line() const {
    const std::string folder = PlayersPacksFolder();
    return folder.empty() ? "" : for_the_font("Put level packs in " + folder);
}

std::string LevelsItem::shown_folder() const {
    if (shown_ == 0) return "";
    return packs_[static_cast<size_t>(shown_ - 1)].pack.folder;
}

std::string new_pack_folder() {
    const std::string packs = PlayersPacksFolder();
    if (packs.empty()) return "";
    for (int n = 1;; ++n) {
        const std::string folder = packs + "my-pack" + (n == 1 ? "" : "-" + std::to_string(n));
        if (FileType(folder) == 0) return folder;
    }
}

namespace {

constexpr const char* kLevelsPage = "levels";
// Made when the page opens, so that a pack just put in the folder is found.
std::unique_ptr<LevelsItem> g_levels;
std::function<bool(const std::string&)> g_edit;

LevelsItem& levels() {
    if (!g_levels) g_levels = std::make_unique<LevelsItem>();
    return *g_levels;
}

void edit_folder(const std::string& folder) {
    if (g_edit(folder)) {
        CloseOptionsScreen(OptionsExit::kQuit);
        return;
    }
    g_levels.reset();  // what was saved is read again
}

}  // namespace

void install_levels_page(std::function<bool(const std::string& folder)> edit) {
    g_edit = std::move(edit);
    if (FindOptionsPage(kLevelsPage)) return;
    AddOptionsPage(kLevelsPage, "Levels");
    OptionItem open;
    open.label = "Levels";
    open.help = "The game's own areas or a level pack";
    open.order = 70;
    open.only_on_title = true;
    open.value = [] { return levels().value(); };
    open.activate = [] {
        g_levels.reset();
        OpenOptionsPage(kLevelsPage);
    };
    AddOptionsItem(kOptionsMainPage, open);

    OptionItem choice;
    choice.label = "Play";
    choice.help = "Left and right choose the areas a new game plays";
    choice.order = 10;
    choice.value = [] { return levels().value(); };
    choice.change = [](int step) { levels().step(step); };
    AddOptionsItem(kLevelsPage, choice);
    if (!g_edit) return;
    OptionItem edit_item;
    edit_item.label = "Edit this pack";
    edit_item.help = "Opens the level editor on the pack chosen above";
    edit_item.order = 20;
    edit_item.activate = [] {
        const std::string folder = levels().shown_folder();
        if (folder.empty()) {
            ShowOptionsMessage("Choose a pack first; the game's own areas are not edited");
            return;
        }
        edit_folder(folder);
    };
    AddOptionsItem(kLevelsPage, edit_item);
    OptionItem make;
    make.label = "Make a new pack";
    make.help = "A new pack in your packs folder, its areas copied from the game's own";
    make.order = 30;
    make.activate = [] {
        const std::string folder = new_pack_folder();
        if (folder.empty()) {
            ShowOptionsMessage("There is no packs folder here: use varnoth --edit DIR");
            return;
        }
        edit_folder(folder);
    };
    AddOptionsItem(kLevelsPage, make);
}

std::string title_pack_line() {
    return for_the_font(pack_in_force_title());
}
