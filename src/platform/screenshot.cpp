// SPDX-License-Identifier: GPL-3.0-or-later
// Naming and writing screenshots.
#include "platform/screenshot.h"

#include <filesystem>

#include "platform/backend.h"
#include "platform/internal.h"

std::string SaveScreenshot(const std::string& folder, const std::vector<uint8_t>& rgb,
                           std::time_t when) {
    std::error_code ignored;
    std::filesystem::create_directories(plat::fs_path(folder), ignored);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &when);
#else
    localtime_r(&when, &local);
#endif
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    std::string base = folder + "/varnoth-" + stamp;
    std::string path = base + ".png";
    for (int n = 2; std::filesystem::exists(plat::fs_path(path), ignored); ++n)
        path = base + "-" + std::to_string(n) + ".png";
    return WritePng(path, rgb, 640, 480) ? path : "";
}
