// SPDX-License-Identifier: GPL-3.0-or-later
// Level measurement (peak, RMS, loudest 100 ms window) and the gain that brings a sound to
// its target loudness without its peak passing a ceiling.
#pragma once

#include "pcm.hpp"

namespace sfxgen {

struct Levels {
    double peak_db = -200.0;  // highest absolute sample, dBFS
    double rms_db = -200.0;   // RMS over the whole sound, dBFS
    double loud_db = -200.0;  // RMS of the loudest 100 ms window, dBFS
};

double to_db(double linear);
double from_db(double db);

Levels measure(const Pcm& pcm);
void apply_gain(Pcm& pcm, double linear);

// Gain that sets the chosen measure (loudest window for effects, whole RMS for the music)
// to target_db, lowered if needed so the peak stays at ceiling_db.
double fitting_gain(const Levels& levels, bool whole_rms, double target_db, double ceiling_db);

// Rounds off the peaks above half the ceiling so that none passes it: lets noisy effects
// with a high crest reach the same loudness as the tonal ones.
void soft_limit(Pcm& pcm, double ceiling_db);

// Largest step between neighbouring frames inside the sound, and the step across the loop
// seam from the last frame back to the first; both over all channels.
struct SeamSteps {
    double inside = 0.0;
    double seam = 0.0;
};
SeamSteps seam_steps(const Pcm& pcm);

}  // namespace sfxgen
