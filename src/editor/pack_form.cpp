// SPDX-License-Identifier: GPL-3.0-or-later
// One line of text per key; the one being typed in shows a caret, and a value the pack's own
// reader would refuse is named before anything is written.
#include "editor/pack_form.h"

#include <string>

#include "editor/editor_view.h"
#include "options/options_text.h"
#include "packs/pack_folder.h"
#include "shell/globals.h"

namespace editor {

namespace {

constexpr int kFields = 6;
const char* const kLabels[kFields] = {"Id", "Title", "Author", "Licence", "Version", "Description"};

std::string& field(PackInfo& info, int i) {
    switch (i) {
        case 0:
            return info.id;
        case 1:
            return info.title;
        case 2:
            return info.author;
        case 3:
            return info.licence;
        case 4:
            return info.version;
        default:
            return info.description;
    }
}

// Backspace takes a whole character, however many bytes UTF-8 gave it.
void erase_last(std::string& text) {
    while (!text.empty()) {
        const unsigned char c = static_cast<unsigned char>(text.back());
        text.pop_back();
        if ((c & 0xc0) != 0x80) return;
    }
}

void draw_form(PackInfo info, int current, const std::string& problem, bool fresh) {
    SetBlend(3);
    SetAlpha(0.92f);
    SetColor(0, 0, 0);
    DrawRect(40, 40, 560, 400);
    SetAlpha(1);
    SetBlend(1);
    SetColor(255, 255, 255);
    draw_options_text(320, 54, kYellow, fresh ? "A new level pack" : "The level pack", 0.9f,
                      TextAlign::kCentre);
    draw_options_text(320, 84, kGrey,
                      "Type the values; Tab or the arrows move between them; Enter accepts", 0.6f,
                      TextAlign::kCentre, 540);
    for (int i = 0; i < kFields; ++i) {
        const int y = 120 + i * 40;
        const std::string value = field(info, i) + (i == current ? "_" : "");
        draw_options_text(70, y, i == current ? kYellow : kLightGrey, kLabels[i], 0.75f,
                          TextAlign::kLeft);
        draw_options_text(200, y, i == current ? kWhite : kLightGrey, value, 0.75f,
                          TextAlign::kLeft, 380);
    }
    draw_options_text(320, 372, problem.empty() ? kGreen : kOrange,
                      problem.empty() ? "Enter writes pack.ini" : problem, 0.65f,
                      TextAlign::kCentre, 540);
    draw_options_text(320, 400, kGrey, "Escape: not now", 0.6f, TextAlign::kCentre);
}

}  // namespace

PackInfo fresh_pack_info(const std::string& folder) {
    PackInfo info;
    const std::string name = PathLastName(AbsolutePath(folder));
    for (char c : name) {
        const char low = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        const bool ok = (low >= 'a' && low <= 'z') || (low >= '0' && low <= '9');
        if (ok || (!info.id.empty() && info.id.back() != '-')) info.id += ok ? low : '-';
    }
    while (!info.id.empty() && info.id.back() == '-') info.id.pop_back();
    if (info.id.size() > 32) info.id.resize(32);
    if (info.id.empty()) info.id = "my-pack";
    info.title = name.empty() ? "My pack" : name;
    info.licence = "CC-BY-SA-4.0";
    info.version = "1.0";
    return info;
}

bool run_pack_form(Session& s) {
    const bool fresh = !s.has_pack_ini;
    // A pack.ini that could be read in part gives what it could.
    const bool blank = s.info.id.empty() && s.info.title.empty() && s.info.author.empty();
    PackInfo info = blank ? fresh_pack_info(s.folder) : s.info;
    int current = fresh ? 2 : 1;  // a fresh pack lacks its author first
    std::string problem;
    FlushKeys();
    FlushMouse();
    bool done = false, accepted = false;
    while (!done) {
        Cls();
        if (AppTerminate()) {
            s.quit = s.leave = true;
            break;
        }
        std::string& value = field(info, current);
        for (char c : TypedText())
            if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f) value += c;
        if (KeyHit(kKeyBackspace)) erase_last(value);
        if (KeyHit(kKeyTab) || KeyHit(kKeyDown)) current = (current + 1) % kFields;
        if (KeyHit(kKeyUp)) current = (current + kFields - 1) % kFields;
        if (KeyHit(kKeyEscape)) done = true;
        if (KeyHit(kKeyReturn)) {
            std::string why;
            problem = pack_info_problem(info);
            if (problem.empty() && write_pack_ini(s.folder, info, why)) {
                s.info = info;
                s.has_pack_ini = true;
                accepted = done = true;
                say(s, "Wrote " + pack_file(s.folder, kPackIniName));
            } else if (problem.empty()) {
                problem = why;
            }
        }
        draw_editor(s);
        draw_form(info, current, problem, fresh);
        Flip(-1);
    }
    FlushKeys();
    FlushMouse();
    return accepted;
}

}  // namespace editor
