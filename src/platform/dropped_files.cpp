// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dropped_files.h"

#include "platform/host.h"
#include "platform/internal.h"

namespace {
std::string g_dropped;
}  // namespace

namespace plat {

void file_dropped(const std::string& path) {
    g_dropped = path;
}

}  // namespace plat

std::string TakeDroppedFile() {
    std::string path;
    path.swap(g_dropped);
    return path;
}

void ShowNotice(const std::string& line) {
    plat::host_notice(line);
}
