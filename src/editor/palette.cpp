// SPDX-License-Identifier: GPL-3.0-or-later
// The same code means different things on open scenery and in a block (a token to pick up or
// a block's content), so such codes stand in two groups, each under its own name.
#include "editor/palette.h"

namespace editor {

namespace {

PaletteEntry terrain(char c, int code, const char* name) {
    PaletteEntry e;
    e.paint = {1, code, 0};
    e.character = c;
    e.name = name;
    e.frame = code;
    return e;
}

PaletteEntry object(char c, int code, const char* name, int frame = -1) {
    PaletteEntry e;
    e.paint = {2, code, 0};
    e.character = c;
    e.name = name;
    e.frame = frame < 0 ? code : frame;
    return e;
}

PaletteEntry hidden(char c, int code, const char* name, int frame) {
    PaletteEntry e = object(c, code, name, frame);
    e.hidden = true;
    return e;
}

PaletteEntry content(char c, int code, const char* name, int frame) {
    PaletteEntry e = object(c, code, name, frame);
    e.paint.needs_block = 5;
    e.content = true;
    return e;
}

constexpr int kNoPicture = -1;

std::vector<PaletteGroup> make_palette() {
    return {
        {"Terrain",
         {terrain('.', 0, "dark stone wall"), terrain('|', 1, "wall with upright beam"),
          terrain('-', 2, "wall with horizontal beam"), terrain('+', 3, "wall with crossed beams"),
          terrain(',', 23, "dark fortress wall"), terrain('a', 15, "cobweb"),
          terrain('b', 16, "cobweb"), terrain('c', 17, "cobweb"), terrain('d', 18, "cobweb"),
          terrain('X', 19, "shield with swords"), terrain('B', 4, "blue brick"),
          terrain('?', 5, "bonus block"), terrain('U', 8, "used block"),
          terrain('S', 9, "grey stone block"), terrain('W', 10, "wooden beam support"),
          terrain('O', 24, "white stone blocks"), terrain('R', 25, "riveted stone slab"),
          terrain('~', 94, "water (deadly)"), terrain('^', 95, "lava (deadly)")}},
        {"Overlays",
         {object('+', 3, "fake crossed beams"), object('B', 4, "fake brick"),
          object('U', 8, "fake used block"), object('S', 9, "fake grey stone"),
          object('O', 24, "fake white stones"), object('r', 11, "rune stone (spring)"),
          object('l', 20, "lantern"), object('w', 38, "hidden wall (turns walkers)", kNoPicture)}},
        {"Block contents",
         {content('*', 28, "token in a block", 28), content('m', 29, "multi-token block", 28),
          content('V', 30, "invincibility in a block", 51),
          content('p', 49, "power in a block", 49), content('L', 50, "extra life in a block", 50)}},
        {"Pickups",
         {object('*', 28, "magic token"), hidden('m', 29, "hidden block with a token", 28),
          hidden('p', 49, "hidden power item", 49), hidden('L', 50, "hidden extra life", 50),
          hidden('v', 56, "hidden invincibility", 51),
          hidden('e', 55, "empty hidden block", kNoPicture)}},
        {"Monsters",
         {object('a', 57, "spider walking left"), object('A', 59, "spider walking right"),
          object('t', 61, "turtle walking left"), object('T', 64, "turtle walking right"),
          object('k', 67, "spiked turtle left"), object('K', 69, "spiked turtle right"),
          object('b', 71, "bat"), object('j', 73, "scorpion walking left"),
          object('J', 76, "scorpion walking right"), object('f', 81, "leaping fish (water)"),
          object('h', 83, "hunchback"), object('c', 87, "cannon"),
          object('F', 88, "leaping flame (lava)"), object('<', 26, "firebar anticlockwise"),
          object('>', 27, "firebar clockwise")}},
        {"Lifts", {object('=', 12, "horizontal lift"), object('H', 13, "vertical lift")}},
        {"Start", {object('@', 30, "hero's start")}},
        {"Cauldron", {object('C', 39, "cauldron")}},
        {"Magic item",
         {object('1', 100, "scissors (level 1)"), object('2', 102, "axe (level 2)"),
          object('3', 104, "goblet (level 3)"), object('4', 106, "crown (level 4)"),
          object('5', 108, "spell book (level 5)")}},
    };
}

const PaletteGroup& group(const char* name) {
    for (const PaletteGroup& g : palette())
        if (std::string(g.name) == name) return g;
    return palette().front();
}

}  // namespace

const std::vector<PaletteGroup>& palette() {
    static const std::vector<PaletteGroup> groups = make_palette();
    return groups;
}

const PaletteEntry* entry_for_terrain(int tile1) {
    for (const PaletteEntry& e : group("Terrain").entries)
        if (e.paint.code == tile1) return &e;
    return nullptr;
}

const PaletteEntry* entry_for_object(int tile1, int tile2) {
    if (tile2 == 0) return nullptr;
    if (mapc::is_block(tile1)) {
        for (const PaletteEntry& e : group("Block contents").entries)
            if (e.paint.code == tile2) return &e;
    }
    for (const PaletteGroup& g : palette()) {
        const std::string name = g.name;
        if (name == "Terrain" || name == "Block contents") continue;
        for (const PaletteEntry& e : g.entries)
            if (e.paint.code == tile2) return &e;
    }
    return nullptr;
}

std::string cell_words(int tile1, int tile2) {
    const PaletteEntry* t = entry_for_terrain(tile1);
    std::string words = t ? t->name : "terrain code " + std::to_string(tile1);
    if (tile2 == 0) return words;
    const PaletteEntry* o = entry_for_object(tile1, tile2);
    return words + ", " + (o ? o->name : "code " + std::to_string(tile2));
}

}  // namespace editor
