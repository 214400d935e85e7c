// SPDX-License-Identifier: GPL-3.0-or-later
// The music score: instruments, a drum kit of effect files, note patterns, sections that
// stack patterns per channel, and the order of sections. Parsing expands it all into one
// step timeline per channel.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "effect.hpp"
#include "oscillator.hpp"

namespace sfxgen {

struct Step {
    enum class Kind { Rest, Hold, Notes, Hits };
    Kind kind = Kind::Rest;
    std::vector<int> notes;  // MIDI numbers; more than one is played as a chip arpeggio
    std::string hits;        // drum kit letters struck on this step
};

struct DrumHit {
    Effect effect;
    double volume = 1.0;
};

struct Instrument {
    std::string name;
    bool drums = false;
    Wave wave = Wave::Square;
    double duty = 0.5;
    double attack = 0.005, decay = 0.2, sustain = 0.6, release = 0.05;    // s, s, level, s
    double vibrato_depth = 0.0, vibrato_rate = 5.0, vibrato_delay = 0.2;  // semitones, Hz, s
    double arp_step = 1.0 / 60.0;
    double volume = 0.5, pan = 0.0;  // pan -1 left .. 1 right
    double echo = 0.0;               // feedback of the echo, 0 = none
    int echo_steps = 3;
    std::map<char, DrumHit> kit;
};

struct Channel {
    std::string name;
    std::size_t instrument = 0;  // index into Song::instruments
    std::vector<Step> timeline;
};

struct Song {
    std::string name;
    std::string event;
    double tempo = 120.0;  // beats per minute
    int steps_per_beat = 4;
    double level_db = 0.0;
    std::vector<Instrument> instruments;
    std::vector<Channel> channels;

    std::size_t steps() const { return channels.empty() ? 0 : channels.front().timeline.size(); }
    // Samples per step, rounded so that the loop length is a whole number of samples.
    std::size_t samples_per_step() const;
};

// Note names such as "A4", "C#5", "Bb3"; -1 when the text is not a note.
int parse_note(const std::string& text);

Song parse_score(const std::string& text, const std::string& path);
Song load_score(const std::string& path);

}  // namespace sfxgen
