// SPDX-License-Identifier: GPL-3.0-or-later
// Replay figures: the fifteen walkthroughs recorded by the runner, their file size scaled to an
// hour of play (the limit is 1 MB), and how long playing a replay back headless takes per
// minute of play (the time to reach a point of a replay from its start). Run it by hand.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

const std::string kBin = VARNOTH_BINARY_DIR;
const std::string kWalk = std::string(VARNOTH_SOURCE_DIR) + "/tests/walkthroughs/";

long file_size(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    return in ? static_cast<long>(in.tellg()) : -1;
}

int frames_of(const std::string& script) {
    std::ifstream in(script);
    std::string line;
    std::getline(in, line);
    int level = 0, area = 0, frames = 0;
    return std::sscanf(line.c_str(), "# --start %d.%d --frames %d", &level, &area, &frames) == 3
               ? frames
               : 0;
}

double seconds_of(const std::string& command) {
    const auto t0 = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "failed: %s\n", command.c_str());
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

}  // namespace

int main() {
    long bytes = 0;
    long frames = 0;
    double play_seconds = 0;
    const std::string sim = kBin + "/varnoth-sim --no-draw";
    for (int level = 1; level <= 5; ++level) {
        for (int area = 1; area <= 3; ++area) {
            const std::string name = std::to_string(level) + "." + std::to_string(area);
            const std::string script = kWalk + name + ".txt";
            const int n = frames_of(script);
            const std::string file = "/tmp/varnoth_replay_bench_" + name + ".vrp";
            seconds_of(sim + " --start " + name + " --input " + script + " --frames " +
                       std::to_string(n) + " --record " + file);
            play_seconds += seconds_of(sim + " --replay " + file);
            bytes += file_size(file);
            frames += n;
            std::remove(file.c_str());
        }
    }
    const double hours = static_cast<double>(frames) / (60.0 * 3600.0);
    const double minutes = hours * 60.0;
    std::printf("replays: %ld bytes for %ld frames of walkthroughs (%.1f minutes of play)\n", bytes,
                frames, minutes);
    std::printf("  file size per hour of play: %.0f KB (limit 1024 KB)\n",
                static_cast<double>(bytes) / hours / 1024.0);
    std::printf("  playing back headless: %.0f ms per minute of play, program start included\n",
                1000.0 * play_seconds / minutes);
    std::printf(
        "  seek: reaching a point an hour in by playing from the start takes about %.1f s\n",
        60.0 * play_seconds / minutes);
    return 0;
}
