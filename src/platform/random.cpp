// SPDX-License-Identifier: GPL-3.0-or-later
// The game's random generator: Park and Miller's minimal standard generator with multiplier
// 48271 in Schrage's form. Doubles are built from two steps, so sequences are exactly
// reproducible from a seed on every machine.
#include "platform/internal.h"

namespace {

constexpr int32_t kModulus = 2147483647;  // 2^31 - 1
constexpr int32_t kDefaultState = 0x1234;
int32_t g_state = kDefaultState;

int32_t step() {
    int32_t s = 48271 * (g_state % 44488) - 3399 * (g_state / 44488);
    if (s < 0) s += kModulus;
    g_state = s;
    return s;
}

double unit() {
    double hi = step() & 0x1ffffffc;
    double lo = step() & 0x1ffffff8;
    return (hi + lo / 134217728.0) / 536870912.0;
}

}  // namespace

void SeedRnd(int seed) {
    // A headless run may fix the seed, so that runs repeat exactly.
    if (plat::config().headless && plat::config().options.seed_set)
        seed = plat::config().options.seed;
    int32_t s = seed & 0x7fffffff;
    g_state = (s == 0 || s == 0x7fffffff) ? kDefaultState : s;
}

double Rnd(double a, double b) {
    double r = unit();
    return b > a ? a + r * (b - a) : b + r * (a - b);
}

int Rand(int a, int b) {
    int lo = a < b ? a : b;
    int hi = a < b ? b : a;
    double r = unit();
    return lo + static_cast<int>(r * (static_cast<double>(hi) - lo + 1.0));
}

int32_t RndState() {
    return g_state;
}
void SetRndState(int32_t state) {
    g_state = state;
}
