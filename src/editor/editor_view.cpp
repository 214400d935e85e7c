// SPDX-License-Identifier: GPL-3.0-or-later
// Everything is drawn from the edited grid, never from the game's cells, so that the editor's
// picture cannot disagree with what is saved.
#include "editor/editor_view.h"

#include <algorithm>
#include <string>
#include <vector>

#include "editor/palette.h"
#include "options/options_text.h"
#include "packs/pack_check.h"
#include "shell/globals.h"

namespace editor {

namespace {

constexpr float kTextScale = 0.62f;
constexpr int kTextLine = 15;

void rect(float x, float y, float w, float h, int r, int g, int b, float alpha = 1.0f) {
    SetBlend(alpha < 1.0f ? 3 : 1);
    SetAlpha(alpha);
    SetColor(r, g, b);
    DrawRect(x, y, w, h);
    SetColor(255, 255, 255);
    SetAlpha(1.0f);
    SetBlend(1);
}

void outline(float x, float y, float w, float h, int r, int g, int b, float t = 1.0f) {
    rect(x, y, w, t, r, g, b);
    rect(x, y + h - t, w, t, r, g, b);
    rect(x, y, t, h, r, g, b);
    rect(x + w - t, y, t, h, r, g, b);
}

void text(int x, int y, TextColour c, const std::string& words, int max_width = 0,
          TextAlign align = TextAlign::kLeft) {
    draw_options_text(x, y, c, words, kTextScale, align, max_width);
}

// Words broken into lines that fit `width` pixels of the panel's text.
std::vector<std::string> wrapped(const std::string& words, int width) {
    std::vector<std::string> lines;
    std::string line, word;
    auto flush_word = [&] {
        if (word.empty()) return;
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && options_text_width(longer, kTextScale) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
        word.clear();
    };
    for (char c : words) {
        if (c == ' ')
            flush_word();
        else
            word += c;
    }
    flush_word();
    if (!line.empty()) lines.push_back(line);
    return lines;
}

void sprite(float x, float y, float scale, int frame, float alpha = 1.0f) {
    SetBlend(alpha < 1.0f ? 3 : 1);
    SetAlpha(alpha);
    SetScale(scale, scale);
    DrawImage(img_sprites, x, y, frame);
    SetScale(1, 1);
    SetAlpha(1);
    SetBlend(1);
}

// The overview's colour of a cell: what matters at a glance from afar.
void strip_colour(int t1, int t2, int& r, int& g, int& b) {
    r = 28, g = 28, b = 36;
    if (t1 == 94) r = 30, g = 80, b = 200;
    if (t1 == 95) r = 220, g = 80, b = 20;
    if (mapc::is_solid(t1)) r = 130, g = 130, b = 140;
    if (t1 == 4) r = 60, g = 90, b = 220;
    if (t1 == 5) r = 230, g = 190, b = 40;
    if (t2 == 0 || mapc::is_block(t1)) return;
    if (mapc::is_monster(t2)) r = 240, g = 40, b = 40;
    if (t2 == 28) r = 250, g = 250, b = 90;
    if (t2 == 30) r = 40, g = 240, b = 40;
    if (t2 == 39) r = 220, g = 60, b = 240;
    if (t2 == 12 || t2 == 13) r = 200, g = 200, b = 200;
}

void draw_view(const Session& s) {
    const int size = cell_size(s);
    const float scale = static_cast<float>(size) / kCell;
    const mapc::MapGrid& g = s.edit.grid();
    const int first_col = s.scroll_x / size, first_row = s.scroll_y / size;
    for (int row = first_row; row < mapc::kRows; ++row) {
        const int y = row * size - s.scroll_y;
        if (y >= kViewHeight) break;
        for (int col = first_col; col < mapc::kCols; ++col) {
            const int x = col * size - s.scroll_x;
            if (x >= kViewWidth) break;
            draw_cell(static_cast<float>(x + size / 2), static_cast<float>(y + size / 2), scale,
                      g.t1(row, col), g.t2(row, col));
        }
    }
    if (s.grid_shown) {
        for (int col = first_col; col <= mapc::kCols; ++col) {
            const int x = col * size - s.scroll_x;
            if (x > kViewWidth) break;
            rect(static_cast<float>(x), 0, 1,
                 static_cast<float>(std::min(kViewHeight, mapc::kRows * size - s.scroll_y)), 255,
                 255, 255, 0.18f);
        }
        for (int row = first_row; row <= mapc::kRows; ++row) {
            const int y = row * size - s.scroll_y;
            if (y > kViewHeight) break;
            rect(0, static_cast<float>(y),
                 static_cast<float>(std::min(kViewWidth, mapc::kCols * size - s.scroll_x)), 1, 255,
                 255, 255, 0.18f);
        }
    }
    for (const PackMessage& m : s.marks) {
        if (m.cell_column < 0) continue;
        const float x = static_cast<float>(m.cell_column * size - s.scroll_x);
        const float y = static_cast<float>(m.cell_row * size - s.scroll_y);
        rect(x, y, static_cast<float>(size), static_cast<float>(size), 255, 0, 0, 0.25f);
        outline(x, y, static_cast<float>(size), static_cast<float>(size), 255, 40, 40, 2);
    }
    if (s.check_answered) {
        for (const AreaCheckCell& c : s.check_result.unreached) {
            const float x = static_cast<float>(c.column * size - s.scroll_x);
            const float y = static_cast<float>(c.row * size - s.scroll_y);
            outline(x + 3, y + 3, static_cast<float>(size - 6), static_cast<float>(size - 6), 255,
                    160, 0, 2);
        }
    }
    if (s.has_selection || s.selecting) {
        const CellRect& r = s.selection;
        outline(static_cast<float>(r.left() * size - s.scroll_x),
                static_cast<float>(r.top() * size - s.scroll_y),
                static_cast<float>(r.width() * size), static_cast<float>(r.height() * size), 0, 250,
                250, 2);
    }
    int col = 0, row = 0;
    if (cell_at(s, MouseX(), MouseY(), col, row))
        outline(static_cast<float>(col * size - s.scroll_x),
                static_cast<float>(row * size - s.scroll_y), static_cast<float>(size),
                static_cast<float>(size), 255, 255, 0);
}

void draw_palette(const Session& s) {
    rect(kPanelLeft, 0, 640 - kPanelLeft, kViewHeight, 16, 16, 24);
    rect(kPanelLeft, 0, 1, kViewHeight, 90, 90, 110);
    const PaletteGroup& g = palette()[static_cast<size_t>(s.group)];
    text(kPanelLeft + 6, 6, kCyan, "<");
    text(634, 6, kCyan, ">", 0, TextAlign::kRight);
    text(560, 6, kYellow, g.name, 110, TextAlign::kCentre);
    text(560, 22, kGrey,
         "group " + std::to_string(s.group + 1) + " of " + std::to_string(palette().size()) +
             "  (Tab)",
         140, TextAlign::kCentre);
    for (size_t i = 0; i < g.entries.size(); ++i) {
        const int x = kPaletteLeft + static_cast<int>(i % kPaletteColumns) * kPalettePitch;
        const int y = kPaletteTop + static_cast<int>(i / kPaletteColumns) * kPalettePitch;
        const PaletteEntry& e = g.entries[i];
        const int t1 = e.paint.layer == 1 ? e.paint.code : e.content ? 5 : 0;
        const int t2 = e.paint.layer == 2 ? e.paint.code : 0;
        draw_cell(static_cast<float>(x + 18), static_cast<float>(y + 18), 0.85f, t1, t2);
        if (static_cast<int>(i) == s.entry)
            outline(static_cast<float>(x), static_cast<float>(y), 36, 36, 255, 255, 0, 2);
    }
    const int rows = static_cast<int>((g.entries.size() + kPaletteColumns - 1) / kPaletteColumns);
    int y = kPaletteTop + rows * kPalettePitch + 6;
    const PaletteEntry& chosen = g.entries[static_cast<size_t>(s.entry)];
    text(kPanelLeft + 6, y, kWhite, std::string("'") + chosen.character + "'  " + chosen.name, 150);
    y += kTextLine + 6;
    // Under the palette: what the rules and the bot say, the bot's answer at the bottom.
    std::vector<std::string> answer;
    TextColour answer_colour = kOrange;
    bool watch_line = false;  // the last line names the key that watches the run
    if (s.checking) {
        answer.push_back(
            "Checking: " + std::to_string(static_cast<int>(s.check_result.progress * 100)) +
            " %  (C cancels)");
        answer_colour = kCyan;
    } else if (s.check_answered) {
        answer = wrapped(s.check_result.message, 150);
        if (s.check_result.outcome == AreaCheckResult::Outcome::kWon) {
            answer_colour = kGreen;
            watch_line = !s.check_result.recording.empty();
            const bool changed = s.edit.grid() != s.checked_grid;
            if (watch_line)
                answer.push_back(changed ? "Changed since: C checks again"
                                         : "W: watch the bot's run");
        }
    }
    // The answer's lines end above the progress bar while the check runs.
    const int answer_bottom = kViewHeight - (s.checking ? 14 : 4);
    const int answer_top = answer_bottom - static_cast<int>(answer.size() + 1) * (kTextLine - 2);
    const std::string rules =
        s.marks.empty() ? "Rules: all kept" : "Rules broken: " + std::to_string(s.marks.size());
    text(kPanelLeft + 6, y, s.marks.empty() ? kGreen : kOrange, rules, 150);
    y += kTextLine;
    for (size_t i = 0; i < s.marks.size() && y < answer_top - kTextLine; ++i) {
        for (const std::string& line : wrapped(s.marks[i].text, 150)) {
            if (y >= answer_top - kTextLine) break;
            text(kPanelLeft + 6, y, kLightGrey, line);
            y += kTextLine - 2;
        }
        y += 3;
    }
    y = answer_top + kTextLine - 2;
    for (size_t i = 0; i < answer.size(); ++i, y += kTextLine - 2) {
        const bool key_line = watch_line && i + 1 == answer.size();
        text(kPanelLeft + 6, y, key_line ? kWhite : answer_colour, answer[i], 150);
    }
    if (s.checking) {
        rect(kPanelLeft + 6, kViewHeight - 10, 148, 6, 60, 60, 70);
        rect(kPanelLeft + 6, kViewHeight - 10, 148 * s.check_result.progress, 6, 0, 220, 220);
    }
}

void draw_status(const Session& s) {
    rect(0, kViewHeight, 640, 480 - kViewHeight, 8, 8, 12);
    int col = 0, row = 0;
    std::string where;
    if (cell_at(s, MouseX(), MouseY(), col, row)) {
        const mapc::MapGrid& g = s.edit.grid();
        where = "column " + std::to_string(col + 1) + ", row " + std::to_string(row + 1) + ": " +
                cell_words(g.t1(row, col), g.t2(row, col));
    } else {
        where = "Area " + std::to_string(s.level) + "." + std::to_string(s.area) + " of " +
                (s.info.title.empty() ? s.folder : s.info.title);
    }
    text(6, kStatusY, kWhite, where, 520);
    const std::string state = s.edit.unsaved() ? "unsaved" : "saved";
    text(634, kStatusY, s.edit.unsaved() ? kOrange : kGreen, state, 0, TextAlign::kRight);
    const std::string line =
        s.message_frames > 0 ? s.message
                             : "P play here  C check  Ctrl+S save  Ctrl+Z undo  Z zoom  G grid  "
                               "L list  Tab group";
    text(6, kStatusY + kTextLine - 1, s.message_frames > 0 ? kYellow : kGrey, line, 628);

    // The whole area, small, with the view's place on it.
    const mapc::MapGrid& g = s.edit.grid();
    for (int r = 0; r < mapc::kRows; ++r) {
        int run_start = 0, pr = -1, pg = -1, pb = -1;
        for (int c = 0; c <= mapc::kCols; ++c) {
            int cr = -2, cg = -2, cb = -2;
            if (c < mapc::kCols) strip_colour(g.t1(r, c), g.t2(r, c), cr, cg, cb);
            if (cr != pr || cg != pg || cb != pb) {
                if (c > 0)
                    rect(static_cast<float>(kStripLeft + run_start * kStripCell),
                         static_cast<float>(kStripTop + r * kStripCell),
                         static_cast<float>((c - run_start) * kStripCell), kStripCell, pr, pg, pb);
                run_start = c, pr = cr, pg = cg, pb = cb;
            }
        }
    }
    for (const PackMessage& m : s.marks)
        if (m.cell_column >= 0)
            rect(static_cast<float>(kStripLeft + m.cell_column * kStripCell - 1),
                 static_cast<float>(kStripTop + m.cell_row * kStripCell - 1), kStripCell + 2,
                 kStripCell + 2, 255, 0, 0);
    const int size = cell_size(s);
    const float left =
        static_cast<float>(kStripLeft) + static_cast<float>(s.scroll_x) * kStripCell / size;
    const float top =
        static_cast<float>(kStripTop) + static_cast<float>(s.scroll_y) * kStripCell / size;
    const float w = std::min<float>(static_cast<float>(kViewWidth) * kStripCell / size,
                                    mapc::kCols * kStripCell);
    const float h = std::min<float>(static_cast<float>(kViewHeight) * kStripCell / size,
                                    mapc::kRows * kStripCell);
    outline(left, top, w,
            std::min(h, static_cast<float>(kStripTop + mapc::kRows * kStripCell) - top), 255, 255,
            0);
}

void draw_list(const Session& s) {
    rect(10, 10, kViewWidth - 20, kViewHeight - 20, 0, 0, 0, 0.85f);
    int y = 18;
    text(20, y, kYellow, "Rules broken in this area (L closes)");
    y += kTextLine + 4;
    if (s.marks.empty()) text(20, y, kGreen, "none: the area can be played"), y += kTextLine;
    for (const PackMessage& m : s.marks) {
        if (y > kViewHeight - 60) break;
        const std::string where = m.cell_column >= 0
                                      ? "col " + std::to_string(m.cell_column + 1) + ", row " +
                                            std::to_string(m.cell_row + 1) + ": "
                                      : "";
        text(20, y, kLightGrey, where + m.text, kViewWidth - 50);
        y += kTextLine;
    }
    if (s.check_answered) {
        y += 6;
        text(20, y, kYellow, "Check: " + s.check_result.message, kViewWidth - 50);
        y += kTextLine;
        if (!s.check_result.unreached.empty()) {
            std::string cells = "never reached:";
            for (const AreaCheckCell& c : s.check_result.unreached)
                cells += " " + std::to_string(c.column + 1) + "/" + std::to_string(c.row + 1);
            text(20, y, kOrange, cells, kViewWidth - 50);
        }
    }
}

void draw_copy_question(const Session& s) {
    rect(40, 130, 560, 170, 0, 0, 0, 0.9f);
    outline(40, 130, 560, 170, 255, 255, 0, 2);
    draw_options_text(320, 148, kYellow, "This pack's folder cannot be written:", 0.8f,
                      TextAlign::kCentre);
    draw_options_text(320, 176, kLightGrey, AbsolutePath(s.folder), 0.55f, TextAlign::kCentre, 540);
    draw_options_text(320, 204, kWhite, "Y: copy the pack to your own packs folder and save there",
                      0.65f, TextAlign::kCentre, 540);
    draw_options_text(320, 230, kLightGrey, s.copy_to, 0.55f, TextAlign::kCentre, 540);
    draw_options_text(320, 262, kWhite, "N or Escape: go on editing, nothing saved", 0.65f,
                      TextAlign::kCentre, 540);
}

void draw_question(const Session& s) {
    if (s.question == Question::kCopyPack) return draw_copy_question(s);
    if (s.question != Question::kLeave && s.question != Question::kQuit) return;
    rect(90, 150, 460, 120, 0, 0, 0, 0.9f);
    outline(90, 150, 460, 120, 255, 255, 0, 2);
    draw_options_text(320, 170, kYellow, "This area has unsaved changes.", 0.8f,
                      TextAlign::kCentre);
    draw_options_text(320, 205, kWhite, "S: save and leave   N: leave without saving", 0.7f,
                      TextAlign::kCentre, 440);
    draw_options_text(320, 232, kWhite, "Escape: go on editing", 0.7f, TextAlign::kCentre);
}

}  // namespace

void draw_cell(float x, float y, float scale, int tile1, int tile2) {
    sprite(x, y, scale, tile1);
    const PaletteEntry* e = entry_for_object(tile1, tile2);
    if (!e) return;
    const float half = 20 * scale;
    if (e->content) {
        sprite(x + 8 * scale, y + 8 * scale, scale * 0.55f, e->frame);
    } else if (e->hidden) {
        if (e->frame >= 0) sprite(x, y, scale * 0.8f, e->frame, 0.5f);
        outline(x - half + 2, y - half + 2, 2 * half - 4, 2 * half - 4, 200, 200, 255);
    } else if (e->frame >= 0) {
        sprite(x, y, scale, e->frame);
    } else {
        // A hidden wall has no picture in the game: a bar where it turns the walkers.
        rect(x - 3 * scale, y - half, 6 * scale, 2 * half, 255, 220, 0, 0.7f);
    }
}

bool palette_entry_at(const Session& s, int px, int py, int& entry) {
    if (px < kPaletteLeft || py < kPaletteTop) return false;
    const int c = (px - kPaletteLeft) / kPalettePitch, r = (py - kPaletteTop) / kPalettePitch;
    if (c >= kPaletteColumns) return false;
    const int i = r * kPaletteColumns + c;
    if (i >= static_cast<int>(palette()[static_cast<size_t>(s.group)].entries.size())) return false;
    entry = i;
    return true;
}

int palette_arrow_at(int px, int py) {
    if (py < 0 || py > 28 || px < kPanelLeft) return 0;
    if (px < kPanelLeft + 30) return -1;
    if (px > 610) return 1;
    return 0;
}

void draw_editor(const Session& s) {
    SetClsColor(0, 0, 0);
    draw_view(s);
    if (s.list_shown) draw_list(s);
    draw_palette(s);
    draw_status(s);
    draw_question(s);
}

}  // namespace editor
