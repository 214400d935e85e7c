// SPDX-License-Identifier: GPL-3.0-or-later
// Replay figures: the fifteen walkthroughs recorded by the runner, their file size scaled to an
// hour of play (the limit is 1 MB), and how long playing a replay back headless takes per
// minute of play (the time to reach a point of a replay from its start); then an hour's game
// (an invincible hero running and jumping) watched with seeks to points all over it: the time
// a seek takes and what the playback's snapshots take in memory; and seeks with drawing on.
// Run it by hand.
#include <algorithm>
#include <chrono>
#include <cstdint>
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

// The runner's standard output and the time it took.
double seconds_of_output(const std::string& command, std::string& out) {
    const auto t0 = std::chrono::steady_clock::now();
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return 0;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
    if (pclose(pipe) != 0) std::fprintf(stderr, "failed: %s\n", command.c_str());
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

void write_text(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// The runner's seeks to `count` points all over a replay of `frames`, back and forth, the first
// from its end, then to its last frame; each just before a snapshot is due, the farthest a seek
// plays from the snapshot it restores.
std::string seeks_over(int frames, int count, uint32_t random) {
    constexpr int kSnapshotFrames = 600;  // as the playback takes them
    std::string seeks;
    int at = frames - 2;
    const int snapshots = frames / kSnapshotFrames;
    for (int i = 0; i < count; ++i) {
        random = random * 1103515245u + 12345u;
        const int slot = static_cast<int>((random >> 8) % static_cast<uint32_t>(snapshots));
        const int target = std::min(frames - 2, slot * kSnapshotFrames + kSnapshotFrames - 3);
        seeks += " --seek " + std::to_string(at) + ":" + std::to_string(target);
        at = target + 1;
    }
    return seeks + " --seek " + std::to_string(at) + ":" + std::to_string(frames - 1);
}

void hour_of_seeks(const std::string& sim) {
    constexpr int kHour = 60 * 60 * 60;
    constexpr int kSeeks = 100;
    const std::string ini = "/tmp/varnoth_replay_bench_hour.ini";
    const std::string input = "/tmp/varnoth_replay_bench_hour.txt";
    const std::string file = "/tmp/varnoth_replay_bench_hour.vrp";
    const std::string dump = "/tmp/varnoth_replay_bench_hour.json";
    write_text(ini, "assist_invincible = yes\n");
    std::string script = "1 press right\n";
    for (int f = 50; f < kHour; f += 45) script += std::to_string(f) + " tap jump\n";
    write_text(input, script);
    seconds_of(sim + " --settings " + ini + " --start 1.1 --input " + input + " --frames " +
               std::to_string(kHour) + " --record " + file);
    std::string out;
    const double straight =
        seconds_of_output(sim + " --replay " + file + " --watch --dump end:" + dump, out);
    std::ifstream in(dump);
    std::string head(64, '\0');
    in.read(head.data(), 64);
    int frames = 0;
    if (std::sscanf(head.c_str(), "{\"frame\":%d,", &frames) != 1 || frames < 1000) {
        std::fprintf(stderr, "the hour's replay did not play\n");
        return;
    }
    std::string seek_out;
    const double seeking =
        seconds_of_output(sim + " --replay " + file + seeks_over(frames, kSeeks, 12345), seek_out);
    std::printf("an hour's game watched (%d frames): played straight through in %.1f s\n", frames,
                straight);
    std::printf("  %s", out.c_str());
    std::printf(
        "  seek to a point just before a snapshot is due: %.1f ms each on average over %d seeks "
        "(limit 500 ms)\n",
        1000.0 * (seeking - straight) / (kSeeks + 1), kSeeks + 1);
    for (const std::string& path : {ini, input, file, dump}) std::remove(path.c_str());
}

// The same seeks with drawing on, over a game that crosses from area 1.1 into 1.2 (its level
// end and announcement are screens that copy the picture of play): the time a seek takes when
// the frames it plays unseen are drawn only where a later screen reads their picture.
void seeks_while_drawing() {
    constexpr int kFrames = 6000;
    constexpr int kSeeks = 30;
    const std::string sim = kBin + "/varnoth-sim";
    const std::string file = "/tmp/varnoth_replay_bench_drawing.vrp";
    seconds_of(sim + " --no-draw --start 1.1 --input " + kWalk + "1.1.txt --frames " +
               std::to_string(kFrames) + " --record " + file);
    std::string out;
    const double straight = seconds_of_output(sim + " --replay " + file + " --watch", out);
    std::string seek_out;
    const double seeking =
        seconds_of_output(sim + " --replay " + file + seeks_over(kFrames, kSeeks, 54321), seek_out);
    std::printf(
        "a game of 1.1 and 1.2 watched with drawing (%d frames): played through in %.1f s\n",
        kFrames, straight);
    std::printf(
        "  seek with drawing, to a point just before a snapshot is due: %.1f ms each on average "
        "over %d seeks (the run with them: %.1f s)\n",
        1000.0 * (seeking - straight) / (kSeeks + 1), kSeeks + 1, seeking);
    std::remove(file.c_str());
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
    hour_of_seeks(sim);
    seeks_while_drawing();
    return 0;
}
