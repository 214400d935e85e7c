// SPDX-License-Identifier: GPL-3.0-or-later
// Turns the object codes of a freshly loaded map into what they stand for: lifts, monsters,
// block contents, hidden blocks and walls, the hero's start and the cauldron.
#include "shell/globals.h"

namespace {

bool is_block(int tile1) {
    return tile1 == 4 || tile1 == 5;
}
bool is_background(int tile1) {
    return tile1 < 4;
}

// Codes that mark the cell itself or place a lift, the start or the cauldron.
void place_object(map_tag& c) {
    const float cx = c.x;
    const float cy = c.y;
    switch (c.tile2) {
        case 12:
            elevator_tag::Create(cx, cy, 1, 0);
            c.tile2 = 0;
            break;
        case 13:
            elevator_tag::Create(cx, cy, 1, 1);
            c.tile2 = 0;
            break;
        case 28:
            // On open scenery the token stays to be picked up by touch.
            if (is_block(c.tile1)) {
                c.objectid = 1;
                c.tile2 = 0;
            }
            break;
        case 29:
            if (is_background(c.tile1)) {
                c.hidden = 1;
                c.objectid = 1;
                c.tile2 = 0;
            } else if (is_block(c.tile1)) {
                c.objectid = 2;
                c.tile2 = 0;
            }
            break;
        case 30:
            if (is_block(c.tile1)) {
                c.objectid = 5;
            } else {
                hero().x = cx;
                hero().y = cy;
            }
            c.tile2 = 0;
            break;
        case 38:
            c.hiddenwall = 1;
            c.tile2 = 0;
            break;
        case 39:
            game.cauldx = Int(cx);
            game.cauldy = Int(cy - 3);
            c.tile2 = 0;
            break;
        case 49:
        case 50: {
            const int content = c.tile2 == 49 ? 3 : 4;
            if (is_background(c.tile1)) {
                c.hidden = 1;
                c.objectid = content;
                c.tile2 = 0;
            } else if (is_block(c.tile1)) {
                c.objectid = content;
                c.tile2 = 0;
            }
            break;
        }
        case 55:
        case 56:
            if (is_background(c.tile1)) {
                c.hidden = 1;
                c.objectid = c.tile2 == 55 ? 0 : 5;
                c.tile2 = 0;
            }
            break;
        default:
            break;
    }
}

// Walkers come in pairs of codes: the first walks left, the second right.
void place_monster(map_tag& c) {
    const float cx = c.x;
    const float cy = c.y;
    switch (c.tile2) {
        case 26:
        case 27:
            monster_tag::Create(cx, cy, c.tile2 == 26 ? -1.0f : 1.0f, 0, 1.0f, 1.0f,
                                monster_tag::kFirebar);
            break;
        case 57:
        case 59:
            monster_tag::Create(cx, cy, c.tile2 == 57 ? -1.0f : 1.0f, 0, 1.0f, 1.0f,
                                monster_tag::kSpider);
            break;
        case 61:
        case 64:
            monster_tag::Create(cx, cy, c.tile2 == 61 ? -1.0f : 1.0f, 0, 1.0f, 1.0f,
                                monster_tag::kTurtle);
            break;
        case 67:
        case 69:
            monster_tag::Create(cx, cy, c.tile2 == 67 ? -1.0f : 1.0f, 0, 1.0f, 1.0f,
                                monster_tag::kSpikedTurtle);
            break;
        case 71:
            // Bats in the upper part of the screen start upwards.
            monster_tag::Create(cx, cy, 0, cy < 320 ? -4.0f : 4.0f, 1.0f, 1.0f, monster_tag::kBat);
            break;
        case 73:
        case 76:
            monster_tag::Create(cx, cy, c.tile2 == 73 ? -1.0f : 1.0f, 0, 1.0f, 1.0f,
                                monster_tag::kScorpion);
            break;
        case 81:
            monster_tag::Create(cx, cy, 0, -8.0f, 1.0f, 1.0f, monster_tag::kLeapingFish);
            break;
        case 83:
            monster_tag::Create(cx - 20, cy - 16, 1.0f, 0, 1.4f, 1.8f, monster_tag::kHunchback);
            break;
        case 87:
            monster_tag::Create(cx, cy, 0, 0, 1.0f, 1.0f, monster_tag::kCannon);
            break;
        case 88:
            monster_tag::Create(cx, cy, 0, -8.0f, 1.5f, 1.0f, monster_tag::kLeapingFlame);
            break;
        default:
            return;
    }
    c.tile2 = 0;
}

}  // namespace

// Cells are visited in index order so lifts and monsters enter their lists row by row.
void map_tag::initialize() {
    for (map_tag& c : map_cells) {
        c.multitmr = 1;
        c.framectr = 0;
        c.framedly = 0;
        place_object(c);
        place_monster(c);
    }
    MoveMouse(320, 0);
}
