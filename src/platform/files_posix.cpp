// Files on Linux and other POSIX systems: paths are bytes, UTF-8 by convention, and rename
// replaces its target in one step.
#include <cstdio>
#include <string>

#include "platform/internal.h"

namespace plat {

FILE* open_file(const std::string& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

}  // namespace plat

bool RenameOver(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}
