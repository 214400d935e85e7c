// SPDX-License-Identifier: GPL-3.0-or-later
// The program's arguments on Windows: main() is handed them in the ANSI code page, in which a
// file in a folder named in other letters (a replay opened from Explorer) has no name. They are
// read again from the wide command line, as UTF-8 like every path the game holds.
#include "platform/backend.h"
#include "platform/windows_api.h"

namespace {

std::string utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return "";
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.resize(static_cast<size_t>(size - 1));
    return out;
}

}  // namespace

std::vector<std::string> PlatformArguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    // Should the two ever disagree, main()'s own are still better than none.
    if (wide == nullptr || count != argc) {
        if (wide != nullptr) LocalFree(wide);
        return std::vector<std::string>(argv + 1, argv + argc);
    }
    std::vector<std::string> args;
    for (int i = 1; i < count; ++i) args.push_back(utf8(wide[i]));
    LocalFree(wide);
    return args;
}
