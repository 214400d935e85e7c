// SPDX-License-Identifier: GPL-3.0-or-later
// Replay scripts and demo recordings, and files written whole to a side file and then renamed.
#include "bot/replay_files.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

// A UTF-8 path as the file streams take it everywhere (a narrow path would be read in the local
// code page on Windows).
std::filesystem::path utf8_path(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

const char* action_name(InputAction a) {
    switch (a) {
        case InputAction::kPress:
            return "press";
        case InputAction::kRelease:
            return "release";
        default:
            return "tap";
    }
}

void put_int(std::string& out, int32_t value) {
    const auto v = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>(v >> shift));
}

}  // namespace

bool write_whole_file(const std::string& path, const std::string& bytes) {
    const std::string part = path + ".part";
    {
        std::ofstream out(utf8_path(part), std::ios::binary | std::ios::trunc);
        out << bytes;
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(utf8_path(part), ignored);
            return false;
        }
    }
    if (!RenameOver(part, path)) {
        std::error_code ignored;
        std::filesystem::remove(utf8_path(part), ignored);
        return false;
    }
    return true;
}

std::string replay_note(int level, int area) {
    return "area " + std::to_string(level) + "." + std::to_string(area) +
           " is won from its start without losing a life" +
           (area == 3 ? ", the magic item taken on the way" : "") + " (found by varnoth-bot)";
}

std::string replay_text(const ReplayHeader& header, const std::string& note, int first_frame,
                        const std::vector<Move>& moves) {
    std::ostringstream out;
    out << "# --start " << header.level << '.' << header.area << " --frames " << header.frames
        << "\n# proves: " << note << "\n";
    int held = 0;
    for (size_t i = 0; i < moves.size(); ++i) {
        const int frame = first_frame + static_cast<int>(i);
        for (const InputEvent& e : frame_events(frame, moves[i], held))
            out << e.frame << ' ' << action_name(e.action) << ' ' << e.control << '\n';
    }
    return out.str();
}

bool read_replay_header(const std::string& text, ReplayHeader& header) {
    ReplayHeader h;
    char tail = 0;
    if (std::sscanf(text.c_str(), "# --start %d.%d --frames %d%c", &h.level, &h.area, &h.frames,
                    &tail) != 4 ||
        tail != '\n')
        return false;
    if (h.level < 1 || h.level > 5 || h.area < 1 || h.area > 3 || h.frames < 1) return false;
    header = h;
    return true;
}

bool write_recording(const std::string& path, const std::vector<Move>& moves) {
    std::string bytes;
    for (int k = 0; k < demo_tag::kRecords; ++k) {
        demo_tag r{demo_tag::kEndMarker, 0, 0};
        if (k == 0) {
            r = demo_record(demo_first_move(), 0);
        } else if (k - 1 < static_cast<int>(moves.size())) {
            r = demo_record(moves[k - 1], k);
        }
        put_int(bytes, r.direction);
        put_int(bytes, r.jump);
        put_int(bytes, r.turbo);
    }
    return write_whole_file(path, bytes);
}
