// SPDX-License-Identifier: GPL-3.0-or-later
// Sine and cosine of an angle in degrees, as every angle of the game is kept; in double
// precision, like the original sums of the spinning arms and the ending's circle.
#pragma once

#include <cmath>
#include <numbers>

inline double sin_deg(double degrees) {
    return std::sin(degrees * (std::numbers::pi / 180.0));
}
inline double cos_deg(double degrees) {
    return std::cos(degrees * (std::numbers::pi / 180.0));
}
