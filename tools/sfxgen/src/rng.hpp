// SPDX-License-Identifier: GPL-3.0-or-later
// The synthesizer's own random generator (xorshift64*). Seeded from the sound's name, so noise
// is the same on every run and every machine, whatever the C++ library's generators do.
#pragma once

#include <cstdint>
#include <string_view>

namespace sfxgen {

class Rng {
  public:
    explicit Rng(std::uint64_t seed) : state_(seed != 0 ? seed : 0x9E3779B97F4A7C15ull) {}

    std::uint64_t next() {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 0x2545F4914F6CDD1Dull;
    }
    // Uniform in [-1, 1).
    float bipolar() { return static_cast<float>(next() >> 40) * (2.0f / 16777216.0f) - 1.0f; }

  private:
    std::uint64_t state_;
};

// FNV-1a: a stable seed from a name.
inline std::uint64_t seed_from_name(std::string_view name) {
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (unsigned char c : name) {
        h ^= c;
        h *= 0x100000001b3ull;
    }
    return h;
}

}  // namespace sfxgen
