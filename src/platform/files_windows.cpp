// Files on Windows: the game's paths are UTF-8 (SDL gives the program's folder so), while the
// narrow C functions read paths in the local code page; the wide functions take every name.
// rename there refuses to replace a file, so replacing goes through MoveFileEx.
#include <cstdio>
#include <string>

#include "platform/internal.h"
#include "platform/windows_api.h"

namespace {

std::wstring wide(const std::string& utf8) {
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    if (n <= 0) return std::wstring();
    std::wstring w(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, w.data(), n);
    w.pop_back();  // the terminator counted by the call
    return w;
}

}  // namespace

namespace plat {

FILE* open_file(const std::string& path, const char* mode) {
    std::wstring name = wide(path);
    if (name.empty()) return nullptr;
    return _wfopen(name.c_str(), wide(mode).c_str());
}

}  // namespace plat

bool RenameOver(const std::string& from, const std::string& to) {
    std::wstring source = wide(from), target = wide(to);
    if (source.empty() || target.empty()) return false;
    return MoveFileExW(source.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
