// SPDX-License-Identifier: GPL-3.0-or-later
// The game's shared colour ramps. Every picture draws from these so the sheets read as one
// set: cool dim scenery, warm bright hero and hazards, saturated pickups.
#pragma once

#include "canvas.h"

namespace artgen::pal {

// Near-black used for outlines; never pure black, which would be transparent.
constexpr Rgb kInk{20, 12, 24};

constexpr Rgb kStone0{30, 30, 42}, kStone1{46, 46, 62}, kStone2{64, 64, 84}, kStone3{90, 90, 112},
    kStone4{128, 128, 150}, kStone5{172, 172, 190};
constexpr Rgb kFort0{36, 22, 26}, kFort1{56, 34, 38}, kFort2{78, 48, 50}, kFort3{104, 66, 64};
constexpr Rgb kWood0{60, 32, 16}, kWood1{96, 56, 26}, kWood2{138, 86, 42}, kWood3{180, 124, 66};
constexpr Rgb kBlue0{18, 28, 84}, kBlue1{34, 58, 146}, kBlue2{62, 100, 206}, kBlue3{130, 170, 244};
constexpr Rgb kGold0{116, 62, 8}, kGold1{196, 122, 16}, kGold2{246, 192, 40}, kGold3{255, 240, 150};
constexpr Rgb kRust0{70, 40, 26}, kRust1{110, 66, 40}, kRust2{150, 96, 60}, kRust3{184, 130, 84};
constexpr Rgb kSand0{120, 90, 50}, kSand1{168, 134, 80}, kSand2{210, 178, 116},
    kSand3{238, 214, 160};
constexpr Rgb kWhite0{150, 150, 164}, kWhite1{196, 196, 208}, kWhite2{228, 228, 236},
    kWhite3{250, 250, 252};
constexpr Rgb kRed0{96, 14, 20}, kRed1{168, 30, 30}, kRed2{224, 66, 44}, kRed3{255, 140, 100};
constexpr Rgb kGreen0{18, 70, 30}, kGreen1{36, 128, 48}, kGreen2{96, 198, 70},
    kGreen3{190, 246, 120};
constexpr Rgb kOrange0{140, 50, 8}, kOrange1{214, 100, 16}, kOrange2{250, 150, 36},
    kOrange3{255, 206, 104};
constexpr Rgb kPurple0{54, 26, 80}, kPurple1{96, 48, 140}, kPurple2{150, 90, 200},
    kPurple3{206, 160, 240};
constexpr Rgb kWater0{14, 46, 120}, kWater1{30, 92, 186}, kWater2{70, 150, 230},
    kWater3{170, 220, 252};
constexpr Rgb kLava0{130, 20, 8}, kLava1{210, 60, 10}, kLava2{252, 140, 24}, kLava3{255, 226, 110};
constexpr Rgb kCyan{90, 230, 250}, kCyanDeep{20, 140, 200};
constexpr Rgb kSkin0{70, 120, 40}, kSkin1{110, 170, 60}, kSkin2{160, 214, 96};

}  // namespace artgen::pal
