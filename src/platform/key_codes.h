// SPDX-License-Identifier: GPL-3.0-or-later
// The keys the screens name, as the Windows virtual-key codes that KeyHit and KeyDown take.
// The game asks for its controls by these numbers too; the bindings put the player's keys in
// their place.
#pragma once

inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyTab = 9;
inline constexpr int kKeyReturn = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeySpace = 32;
inline constexpr int kKeyPageUp = 33;
inline constexpr int kKeyPageDown = 34;
inline constexpr int kKeyEnd = 35;
inline constexpr int kKeyHome = 36;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;
inline constexpr int kKeyDelete = 46;
inline constexpr int kKeyF1 = 112;
inline constexpr int kKeyF2 = 113;
inline constexpr int kKeyF3 = 114;
inline constexpr int kKeyF10 = 121;
inline constexpr int kKeyJump = 162;   // left Control
inline constexpr int kKeyTurbo = 164;  // left Alt
