// SPDX-License-Identifier: GPL-3.0-or-later
// One cell of the 140 x 12 map grid, and the class functions that make, clear, load and
// initialise the grid.
#pragma once

struct map_tag {
    float x = 0;
    float y = 0;
    int tile1 = 0;
    int tile2 = 0;
    int rotation = 0;
    float xscale = 0;
    float yscale = 0;
    int framectr = 0;
    int framedly = 0;
    int yoffset = 0;
    int objectid = 0;
    int multitmr = 0;
    int hidden = 0;
    int hiddenwall = 0;

    static constexpr int kColumns = 140;
    static constexpr int kRows = 12;
    static constexpr int kCells = kColumns * kRows;
    static constexpr int kCellSize = 40;
    static constexpr int kFileBytes = 8 + kCells * 8;

    static void Create();
    static void reset();
    // Returns false when the map resource is missing or short; the cells it does not hold are
    // loaded empty, so no scenery of the previous area survives.
    static bool Load(int level, int area);
    static void initialize();
    void update(int dx);
    // The part of update() that every cell runs, seen or not: it moves with the world and its
    // multi-reward timer runs down.
    void scroll(int dx);
    // Drawn, and so animated, by update(): the cell is at least partly on the screen.
    bool on_screen() const;
};

// Solid sets of the terrain codes.
inline bool solid_for_hero(int tile1) {
    return (tile1 >= 4 && tile1 <= 10) || tile1 == 24 || tile1 == 25;
}
inline bool solid_for_walkers(int tile1) {
    return tile1 >= 4 && tile1 <= 10;
}
inline bool deadly_liquid(int tile1) {
    return tile1 == 94 || tile1 == 95;
}
