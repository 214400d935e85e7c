// SPDX-License-Identifier: GPL-3.0-or-later
// From sources to files: renders every effect (*.sfx) and score (*.score) of the source
// folder, levels it, encodes it, verifies the decoded peak and writes data/<name>.ogg.
#pragma once

#include <ostream>
#include <string>

namespace sfxgen {

struct LevelTargets {
    double effect_loud_db = -10.0;  // loudest 100 ms of an effect, before its own level_db
    double music_rms_db = -19.0;    // RMS of the whole music loop
    double ceiling_db = -1.5;       // peak before encoding; the codec may add a little
};

// Returns the number of files written; throws SourceError or std::runtime_error.
int render_directory(const std::string& source_dir, const std::string& out_dir,
                     const LevelTargets& targets, std::ostream& log);

// Prints the Markdown table of the sounds (name, event, duration, peak, RMS), measured on
// the files in data_dir, with the events written in the sources.
void print_table(const std::string& source_dir, const std::string& data_dir, std::ostream& out);

}  // namespace sfxgen
