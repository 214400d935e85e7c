// SPDX-License-Identifier: GPL-3.0-or-later
// Band-limited chip oscillators (pulse and saw with polyBLEP edges, triangle, sine, and the
// classic pitched sample-and-hold noise) plus the two filters the effects sweep.
#pragma once

#include <cstdint>
#include <string>

#include "rng.hpp"

namespace sfxgen {

inline constexpr int kSampleRate = 44100;

enum class Wave { Square, Saw, Triangle, Sine, Noise };

// Names used in the source files: square, saw, triangle, sine, noise.
Wave wave_from_name(const std::string& name);

class Oscillator {
  public:
    Oscillator(Wave wave, std::uint64_t seed);
    // One sample at the given frequency (Hz); duty is the pulse width of the square wave.
    float next(double freq, double duty);

  private:
    Wave wave_;
    double phase_ = 0.0;
    Rng rng_;
    float held_ = 0.0f;
    int slot_ = -1;
};

// Resonant low-pass (topology-preserving state-variable form: stable at any cutoff).
class LowPass {
  public:
    float process(float x, double cutoff_hz, double resonance);

  private:
    double ic1_ = 0.0, ic2_ = 0.0;
};

class HighPass {
  public:
    float process(float x, double cutoff_hz);

  private:
    double prev_x_ = 0.0, y_ = 0.0;
};

}  // namespace sfxgen
