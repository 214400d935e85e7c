// SPDX-License-Identifier: GPL-3.0-or-later
// Files on Linux and other POSIX systems: paths are bytes, UTF-8 by convention, and rename
// replaces its target in one step; the write probe.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "platform/internal.h"
#include "platform/user_paths.h"

namespace plat {

FILE* open_file(const std::string& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

std::filesystem::path fs_path(const std::string& path) {
    return std::filesystem::path(path);
}

}  // namespace plat

bool RenameOver(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool FolderWritable(const std::string& folder) {
    std::string probe = folder + "/.varnoth-write-probe-" + std::to_string(getpid());
    int fd = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0) return false;
    close(fd);
    unlink(probe.c_str());
    return true;
}
