// SPDX-License-Identifier: GPL-3.0-or-later
// Frame pacing in a real window: records the time of every present of Flip(-1) and prints the
// spread of the frame intervals and the time 300 frames take. Needs a display (run it under
// Xvfb with a window manager); without one it says so and exits 0.
//
//   varnoth-pacing-bench [--frames N] [--vsync auto|on|off] [--fullscreen] [--integer]
//                        [--speed PERCENT]
// --speed plays the frames at the assist's game speed (50..100 %): at 50 % the interval is
// twice as long and 300 frames take ten seconds.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/pacing.h"
#include "platform/platform.h"
#include "platform/player_choices.h"

namespace {
void report(const char* what, const std::vector<double>& times, int frames, int speed) {
    std::vector<double> gaps;
    for (size_t i = 1; i < times.size(); ++i) gaps.push_back(times[i] - times[i - 1]);
    std::sort(gaps.begin(), gaps.end());
    auto pct = [&](double p) { return gaps[static_cast<size_t>(p * (gaps.size() - 1) + 0.5)]; };
    std::printf(
        "  %s: frame interval 5th %.2f ms, median %.2f ms, 95th %.2f ms (min %.2f, "
        "max %.2f); %d frames took %.1f ms (targets %.2f +- 1 ms, %d +- 10 ms)\n",
        what, pct(0.05), pct(0.5), pct(0.95), gaps.front(), gaps.back(), frames,
        times.back() - times.front(), 100000.0 / (60 * speed), frames * 100000 / (60 * speed));
}
}  // namespace

int main(int argc, char** argv) {
    int frames = 300;
    int speed = 100;
    Settings s;
    s.fullscreen = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--frames" && i + 1 < argc) {
            frames = std::max(10, std::atoi(argv[++i]));
        } else if (a == "--vsync" && i + 1 < argc) {
            std::string v = argv[++i];
            s.vsync = v == "on" ? VsyncMode::kOn : v == "off" ? VsyncMode::kOff : VsyncMode::kAuto;
        } else if (a == "--fullscreen") {
            s.fullscreen = true;
        } else if (a == "--speed" && i + 1 < argc) {
            speed = std::clamp(std::atoi(argv[++i]), 50, 100);
        } else if (a == "--integer") {
            s.scale = ScaleMode::kInteger;
        } else {
            std::fprintf(stderr,
                         "usage: varnoth-pacing-bench [--frames N] [--vsync auto|on|off] "
                         "[--fullscreen] [--integer] [--speed PERCENT]\n");
            return 2;
        }
    }
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((!x11 || !*x11) && (!wayland || !*wayland)) {
        std::printf("pacing: skipped, no display (run under xvfb-run with a window manager)\n");
        return 0;
    }
    PlatformUseDesktop();
    PlatformUseSettings(s, s, "");
    Graphics(640, 480, 32, 60, 2);
    SetFramePace(speed);
    // A quarter of a second to settle (the window manager maps the window), then the record.
    // Two times a frame: when the present is handed to the window system (the end of the wait)
    // and when it returns; the second is what the player sees.
    const int warm_up = 15;
    std::vector<double> handed, presents;
    int frame = 0;
    SetFlipHook([&](int) {
        if (frame >= warm_up) handed.push_back(PreciseMs());
    });
    for (frame = 0; frame <= frames + warm_up; ++frame) {
        Cls();
        SetColor(255, (frame * 4) & 255, 0);
        DrawRect(static_cast<float>((frame * 2) % 600), 200, 40, 40);
        Flip(-1);
        if (frame >= warm_up) presents.push_back(PreciseMs());
        AppTerminate();
    }
    std::printf("pacing: %d frames at %d %% speed, vertical sync %s\n", frames, speed,
                PlatformVsync() ? "on" : "off");
    report("present returned", presents, frames, speed);
    report("present handed over", handed, frames, speed);
    std::vector<double> swap;
    for (size_t i = 0; i < presents.size() && i < handed.size(); ++i)
        swap.push_back(presents[i] - handed[i]);
    std::sort(swap.begin(), swap.end());
    std::printf("  the swap itself: median %.2f ms, 95th %.2f ms, max %.2f ms\n",
                swap[swap.size() / 2], swap[swap.size() * 95 / 100], swap.back());
    End();
}
