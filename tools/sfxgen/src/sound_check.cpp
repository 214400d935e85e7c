// SPDX-License-Identifier: GPL-3.0-or-later
// The file checks. Loudness of the effects is compared by their loudest 100 ms, the music
// must stay below the typical effect so that it never masks them.
#include "sound_check.hpp"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <stdexcept>

#include "vorbis_io.hpp"

namespace sfxgen {

namespace {

// Effects whose loudest window lies outside this band stand out from the others.
constexpr double kEffectLoudMin = -20.0;
constexpr double kEffectLoudMax = -6.0;

std::string fmt(const char* f, double a, double b = 0.0, double c = 0.0) {
    char buf[160];
    std::snprintf(buf, sizeof buf, f, a, b, c);
    return buf;
}

}  // namespace

const std::vector<Expectation>& expected_sounds() {
    static const std::vector<Expectation> list = [] {
        std::vector<Expectation> v{{"tilesong", 60.0, 120.0, true}};
        for (const char* n :
             {"boing",     "jump",      "magic",      "bonk",     "bash",     "powerup", "popout",
              "runestone", "extralife", "invincible", "hidden",   "fireball", "bonus",   "wiskin",
              "splash",    "jdeath1",   "jdeath2",    "witch",    "edeath",   "splat",   "powerdwn",
              "scorpshot", "cannon",    "hbthrow",    "efireball"})
            v.push_back({n, 0.05, 2.5, false});
        for (auto& e : v) {
            if (e.name == "boing") e.max_seconds = 0.3;  // heard on every bounce
            if (e.name == "witch") e.min_seconds = 1.4, e.max_seconds = 2.1;  // the 100-frame laugh
        }
        return v;
    }();
    return list;
}

std::vector<std::string> check_pcm(const Expectation& expect, const Pcm& pcm) {
    std::vector<std::string> problems;
    if (pcm.rate != 44100) problems.push_back("sample rate " + std::to_string(pcm.rate));
    if (pcm.channels < 1 || pcm.channels > 2)
        problems.push_back(std::to_string(pcm.channels) + " channels");
    const double secs = pcm.seconds();
    if (secs < expect.min_seconds || secs > expect.max_seconds)
        problems.push_back(fmt("lasts %.3f s, expected %.2f .. %.2f s", secs, expect.min_seconds,
                               expect.max_seconds));
    const Levels lv = measure(pcm);
    if (lv.peak_db > kPeakLimitDb) problems.push_back(fmt("peak %.2f dBFS above -1", lv.peak_db));
    if (lv.peak_db < -60.0) problems.push_back("silent");
    if (expect.loop) {
        const SeamSteps st = seam_steps(pcm);
        if (st.seam > st.inside)
            problems.push_back(
                fmt("loop seam jumps %.4f, more than any inside step %.4f", st.seam, st.inside));
    } else if (pcm.frames() > 0) {
        // An effect must end in silence or the channel clicks when it stops.
        const std::size_t last = pcm.samples.size() - 1;
        if (std::abs(pcm.samples[last]) > 0.02)
            problems.push_back(
                fmt("ends on a sample of %.3f instead of silence", pcm.samples[last]));
    }
    return problems;
}

int check_directory(const std::string& dir, std::ostream& out) {
    int failures = 0;
    std::vector<double> effect_loud;
    double music_loud = -200.0;
    for (const Expectation& e : expected_sounds()) {
        const std::string path = (std::filesystem::path(dir) / (e.name + ".ogg")).string();
        std::vector<std::string> problems;
        Pcm pcm;
        try {
            pcm = decode_ogg_file(path);
            problems = check_pcm(e, pcm);
        } catch (const std::exception& ex) {
            problems.push_back(ex.what());
        }
        const Levels lv = measure(pcm);
        if (e.loop) {
            music_loud = lv.loud_db;
        } else if (problems.empty()) {
            effect_loud.push_back(lv.loud_db);
            if (e.name != "boing" && (lv.loud_db < kEffectLoudMin || lv.loud_db > kEffectLoudMax))
                problems.push_back(fmt("loudest 100 ms at %.1f dBFS, outside %.0f .. %.0f",
                                       lv.loud_db, kEffectLoudMin, kEffectLoudMax));
        }
        out << (problems.empty() ? "ok   " : "FAIL ") << path
            << fmt("  %.3f s  peak %.2f dBFS  rms %.2f dBFS", pcm.seconds(), lv.peak_db, lv.rms_db)
            << "\n";
        for (const auto& p : problems) out << "       " << p << "\n";
        failures += static_cast<int>(problems.size());
    }
    if (!effect_loud.empty()) {
        std::sort(effect_loud.begin(), effect_loud.end());
        const double median = effect_loud[effect_loud.size() / 2];
        if (music_loud >= median) {
            out << "FAIL music's loudest 100 ms"
                << fmt(" (%.1f dBFS) is not below the typical "
                       "effect (%.1f dBFS)\n",
                       music_loud, median);
            ++failures;
        }
    }
    out << failures << " problem(s)\n";
    return failures;
}

}  // namespace sfxgen
