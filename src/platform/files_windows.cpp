// SPDX-License-Identifier: GPL-3.0-or-later
// Files on Windows: the game's paths are UTF-8 (SDL gives the program's folder so), while the
// narrow C functions read paths in the local code page; the wide functions take every name.
// rename there refuses to replace a file, so replacing goes through MoveFileEx. The write probe
// goes through the wide functions too.
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "platform/internal.h"
#include "platform/user_paths.h"
#include "platform/windows_api.h"

namespace plat {

std::wstring wide(const std::string& utf8) {
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    if (n <= 0) return std::wstring();
    std::wstring w(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, w.data(), n);
    w.pop_back();  // the terminator counted by the call
    return w;
}

FILE* open_file(const std::string& path, const char* mode) {
    std::wstring name = wide(path);
    if (name.empty()) return nullptr;
    return _wfopen(name.c_str(), wide(mode).c_str());
}

std::filesystem::path fs_path(const std::string& path) {
    return std::filesystem::path(wide(path));
}

}  // namespace plat

bool RenameOver(const std::string& from, const std::string& to) {
    std::wstring source = plat::wide(from), target = plat::wide(to);
    if (source.empty() || target.empty()) return false;
    return MoveFileExW(source.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool FolderWritable(const std::string& folder) {
    std::wstring probe = plat::wide(folder + "/.varnoth-write-probe-" + std::to_string(_getpid()));
    if (probe.empty()) return false;
    int fd = _wopen(probe.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL, _S_IREAD | _S_IWRITE);
    if (fd < 0) return false;
    _close(fd);
    _wunlink(probe.c_str());
    return true;
}
