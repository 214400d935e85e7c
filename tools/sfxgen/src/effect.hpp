// SPDX-License-Identifier: GPL-3.0-or-later
// One sound effect: a stack of layers, each a retro-generator voice (wave, envelope, pitch
// slide, vibrato, arpeggio, noise, filter sweeps, repeat), read from a .sfx file and rendered.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "keyvalue_file.hpp"
#include "oscillator.hpp"

namespace sfxgen {

struct Layer {
    Wave wave = Wave::Square;
    double delay = 0.0;  // seconds before the layer starts
    double gain = 1.0;
    // Envelope, seconds; punch lifts the start of the sustain above full level.
    double attack = 0.0, sustain = 0.1, decay = 0.2, punch = 0.0, decay_shape = 1.0;
    // Pitch: start frequency, slide in octaves per second and its acceleration.
    double freq = 440.0, freq_min = 20.0, freq_max = 20000.0;
    double slide = 0.0, slide_accel = 0.0;
    double vibrato_depth = 0.0, vibrato_rate = 0.0;  // semitones, Hz
    std::vector<double> arp;                         // semitone offsets, one per arp_step
    double arp_step = 0.05;
    bool arp_loop = false;
    double repeat = 0.0;  // restarts pitch, slide and arpeggio every so many seconds
    double duty = 0.5, duty_slide = 0.0;
    double noise = 0.0;                                          // white noise mixed into the wave
    double tremolo_depth = 0.0, tremolo_rate = 0.0;              // 0..1, Hz
    double lowpass = 0.0, lowpass_slide = 0.0, resonance = 0.0;  // Hz (0 off), octaves/s
    double highpass = 0.0, highpass_slide = 0.0;

    double end_time() const { return delay + attack + sustain + decay; }
};

struct Effect {
    std::string name;
    std::string event;      // what the game plays it for, shown in the sound table
    double level_db = 0.0;  // loudness relative to the other effects
    std::uint64_t seed = 0;
    std::vector<Layer> layers;
};

// The effect's name is the file name without folder and extension.
Effect parse_effect(const KeyValueFile& file);
Effect load_effect(const std::string& path);

// Mono samples at kSampleRate, not yet levelled.
std::vector<float> render_effect(const Effect& effect);

}  // namespace sfxgen
