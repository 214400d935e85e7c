// SPDX-License-Identifier: GPL-3.0-or-later
// Rendering pipeline and the sound table. The level is fitted before encoding and then
// checked on the decoded result; a peak the codec pushed over the limit costs a little gain.
#include "pipeline.hpp"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <vector>

#include "effect.hpp"
#include "levels.hpp"
#include "music.hpp"
#include "score.hpp"
#include "sound_check.hpp"
#include "vorbis_io.hpp"

namespace sfxgen {

namespace fs = std::filesystem;

namespace {

constexpr float kEffectQuality = 0.5f;
constexpr float kMusicQuality = 0.3f;
constexpr double kDecodedPeakMax = -1.1;
constexpr double kMaxLimitDb = 4.0;

std::vector<fs::path> sources(const std::string& dir, const std::string& ext) {
    if (!fs::is_directory(dir)) throw std::runtime_error(dir + ": no such folder");
    std::vector<fs::path> out;
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.is_regular_file() && entry.path().extension() == ext) out.push_back(entry.path());
    std::sort(out.begin(), out.end());
    return out;
}

// Encodes and lowers the gain until the decoded peak is safely below the limit.
std::vector<unsigned char> encode_levelled(Pcm pcm, float quality, const std::string& name,
                                           Levels& decoded) {
    for (int attempt = 0; attempt < 12; ++attempt) {
        std::vector<unsigned char> bytes = encode_ogg(pcm, quality, name);
        decoded = measure(decode_ogg(bytes, name));
        if (decoded.peak_db <= kDecodedPeakMax) return bytes;
        apply_gain(pcm, from_db(kDecodedPeakMax - decoded.peak_db - 0.2));
    }
    throw std::runtime_error(name + ": cannot bring the decoded peak below -1 dBFS");
}

void write_one(const std::string& out_dir, const std::string& name, Pcm pcm, bool music,
               double target_db, const LevelTargets& t, std::ostream& log) {
    const Levels raw = measure(pcm);
    if (raw.peak_db < -120.0) throw std::runtime_error(name + ": renders to silence");
    // Effects may push up to kMaxLimitDb into the soft limiter; the music is only scaled.
    apply_gain(pcm,
               fitting_gain(raw, music, target_db, t.ceiling_db + (music ? 0.0 : kMaxLimitDb)));
    if (!music) soft_limit(pcm, t.ceiling_db);
    Levels lv;
    const auto bytes = encode_levelled(pcm, music ? kMusicQuality : kEffectQuality, name, lv);
    write_binary_file((fs::path(out_dir) / (name + ".ogg")).string(), bytes);
    char line[200];
    std::snprintf(
        line, sizeof line,
        "%-11s %7.3f s  peak %6.2f dBFS  rms %6.2f dBFS  loudest %6.2f dBFS  %7zu bytes\n",
        name.c_str(), pcm.seconds(), lv.peak_db, lv.rms_db, lv.loud_db, bytes.size());
    log << line;
}

std::map<std::string, std::string> events(const std::string& source_dir) {
    std::map<std::string, std::string> out;
    for (const auto& p : sources(source_dir, ".sfx"))
        out[p.stem().string()] = load_effect(p.string()).event;
    for (const auto& p : sources(source_dir, ".score"))
        out[p.stem().string()] = load_score(p.string()).event;
    return out;
}

}  // namespace

int render_directory(const std::string& source_dir, const std::string& out_dir,
                     const LevelTargets& t, std::ostream& log) {
    int written = 0;
    fs::create_directories(out_dir);
    // Parse everything first so that one bad file leaves all outputs untouched.
    std::vector<Effect> effects;
    for (const auto& p : sources(source_dir, ".sfx")) effects.push_back(load_effect(p.string()));
    std::vector<Song> songs;
    for (const auto& p : sources(source_dir, ".score")) songs.push_back(load_score(p.string()));
    for (const Song& s : songs) {
        write_one(out_dir, s.name, render_song(s), true, t.music_rms_db + s.level_db, t, log);
        ++written;
    }
    for (const Effect& e : effects) {
        Pcm pcm;
        pcm.samples = render_effect(e);
        write_one(out_dir, e.name, std::move(pcm), false, t.effect_loud_db + e.level_db, t, log);
        ++written;
    }
    return written;
}

void print_table(const std::string& source_dir, const std::string& data_dir, std::ostream& out) {
    const auto ev = events(source_dir);
    out << "| Sound | Event | Duration (s) | Peak (dBFS) | RMS (dBFS) | Loudest 100 ms (dBFS) |\n"
        << "|---|---|---:|---:|---:|---:|\n";
    for (const Expectation& e : expected_sounds()) {
        const Pcm pcm = decode_ogg_file((fs::path(data_dir) / (e.name + ".ogg")).string());
        const Levels lv = measure(pcm);
        const auto it = ev.find(e.name);
        char nums[120];
        std::snprintf(nums, sizeof nums, "| %.3f | %.1f | %.1f | %.1f |", pcm.seconds(), lv.peak_db,
                      lv.rms_db, lv.loud_db);
        out << "| `" << e.name << ".ogg` | " << (it == ev.end() ? "" : it->second) << " " << nums
            << "\n";
    }
}

}  // namespace sfxgen
