// SPDX-License-Identifier: GPL-3.0-or-later
// Oscillators and filters. The pulse and saw edges are smoothed with polyBLEP so that high
// sweeps do not fold back into audible whistles.
#include "oscillator.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace sfxgen {

namespace {

double poly_blep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

constexpr int kNoiseSlotsPerCycle = 32;

}  // namespace

Wave wave_from_name(const std::string& name) {
    if (name == "square") return Wave::Square;
    if (name == "saw") return Wave::Saw;
    if (name == "triangle") return Wave::Triangle;
    if (name == "sine") return Wave::Sine;
    if (name == "noise") return Wave::Noise;
    throw std::invalid_argument("unknown wave '" + name + "'");
}

Oscillator::Oscillator(Wave wave, std::uint64_t seed) : wave_(wave), rng_(seed) {}

float Oscillator::next(double freq, double duty) {
    const double dt = std::clamp(freq / kSampleRate, 1e-7, 0.49);
    double v = 0.0;
    switch (wave_) {
        case Wave::Square:
            v = phase_ < duty ? 1.0 : -1.0;
            v += poly_blep(phase_, dt);
            v -= poly_blep(std::fmod(phase_ + 1.0 - duty, 1.0), dt);
            v -= 2.0 * duty - 1.0;  // centred like an AC-coupled chip output: no DC thump
            break;
        case Wave::Saw:
            v = 2.0 * phase_ - 1.0 - poly_blep(phase_, dt);
            break;
        case Wave::Triangle:
            v = phase_ < 0.5 ? 4.0 * phase_ - 1.0 : 3.0 - 4.0 * phase_;
            break;
        case Wave::Sine:
            v = std::sin(2.0 * std::numbers::pi * phase_);
            break;
        case Wave::Noise: {
            const int slot = static_cast<int>(phase_ * kNoiseSlotsPerCycle);
            if (slot != slot_) {
                slot_ = slot;
                held_ = rng_.bipolar();
            }
            v = held_;
            break;
        }
    }
    // Noise needs its own, faster phase steps only through the slots; the wrap below is common.
    phase_ += wave_ == Wave::Noise ? std::min(dt, 1.0 / kNoiseSlotsPerCycle) : dt;
    if (phase_ >= 1.0) {
        phase_ -= 1.0;
        if (wave_ == Wave::Noise) slot_ = -1;
    }
    return static_cast<float>(v);
}

float LowPass::process(float x, double cutoff_hz, double resonance) {
    const double fc = std::clamp(cutoff_hz, 20.0, 0.45 * kSampleRate);
    const double g = std::tan(std::numbers::pi * fc / kSampleRate);
    const double k = 2.0 - 2.0 * std::clamp(resonance, 0.0, 0.97);
    const double a1 = 1.0 / (1.0 + g * (g + k));
    const double a2 = g * a1;
    const double a3 = g * a2;
    const double v3 = x - ic2_;
    const double v1 = a1 * ic1_ + a2 * v3;
    const double v2 = ic2_ + a2 * ic1_ + a3 * v3;
    ic1_ = 2.0 * v1 - ic1_;
    ic2_ = 2.0 * v2 - ic2_;
    return static_cast<float>(v2);
}

float HighPass::process(float x, double cutoff_hz) {
    const double fc = std::clamp(cutoff_hz, 1.0, 0.45 * kSampleRate);
    const double rc = 1.0 / (2.0 * std::numbers::pi * fc);
    const double a = rc / (rc + 1.0 / kSampleRate);
    y_ = a * (y_ + x - prev_x_);
    prev_x_ = x;
    return static_cast<float>(y_);
}

}  // namespace sfxgen
