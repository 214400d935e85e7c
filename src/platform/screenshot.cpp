// Naming and writing screenshots.
#include "platform/screenshot.h"

#include <sys/stat.h>

#include "platform/backend.h"

std::string SaveScreenshot(const std::string& folder, const std::vector<uint8_t>& rgb,
                           std::time_t when) {
    mkdir(folder.c_str(), 0755);
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    std::string base = folder + "/varnoth-" + stamp;
    std::string path = base + ".png";
    struct stat st;
    for (int n = 2; stat(path.c_str(), &st) == 0; ++n)
        path = base + "-" + std::to_string(n) + ".png";
    return WritePng(path, rgb, 640, 480) ? path : "";
}
