// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's frame loop and what the author's keys and buttons do in it.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "editor/area_files.h"
#include "editor/editor.h"
#include "editor/editor_view.h"
#include "editor/own_copy.h"
#include "editor/pack_form.h"
#include "editor/palette.h"
#include "editor/source_text.h"
#include "editor/test_play.h"
#include "editor/watch_run.h"
#include "map_binary.h"
#include "map_source.h"
#include "packs/game_sources.h"
#include "packs/pack_check.h"
#include "packs/pack_folder.h"
#include "shell/globals.h"
#include "shell/startup.h"

namespace editor {

namespace {

constexpr int kScrollStep = 10;  // pixels a frame while an arrow key is held
constexpr int kWheelCells = 2;   // cells a notch of the wheel scrolls
constexpr int kMessageFrames = 240;
constexpr int kFailureFrames = 900;

// The clipboard outlives the area and the pack: copy in one, paste in another.
CellBlock g_clipboard;

bool ctrl() {
    return KeyDown(162) || KeyDown(163);
}
bool shift() {
    return KeyDown(160) || KeyDown(161);
}
bool key(char letter) {
    return KeyHit(letter) != 0;
}

const PaletteEntry& chosen(const Session& s) {
    return palette()[static_cast<size_t>(s.group)].entries[static_cast<size_t>(s.entry)];
}

std::string source_label(const Session& s) {
    return pack_file(s.folder, area_source_name(s.level, s.area));
}

void refresh_marks(Session& s) {
    const mapc::MapGrid& g = s.edit.grid();
    if (s.marks_valid && g == s.marked_grid) return;
    s.marked_grid = g;
    s.marks_valid = true;
    s.marks.clear();
    std::string text, why;
    if (!write_source_text(g, s.level, s.area, s.source_text, game_legend(), text, why)) {
        s.marks.push_back(PackMessage{source_label(s), 0, 0, -1, -1, why});
        return;
    }
    const mapc::ReadSource read = mapc::read_source_text(text, source_label(s), game_legend());
    for (const mapc::SourceError& e : read.errors)
        s.marks.push_back(
            PackMessage{source_label(s), e.line, e.column, e.cell_column, e.cell_row, e.reason});
    if (read.errors.empty())
        s.marks = check_area_grid(read.grid, s.level, s.area, source_label(s), read.layout);
}

void save(Session& s) {
    if (!s.has_pack_ini) {
        if (!run_pack_form(s)) {
            say(s, "Not saved: the pack needs its title, author and licence first");
            return;
        }
    }
    std::string text, why;
    if (!write_source_text(s.edit.grid(), s.level, s.area, s.source_text, game_legend(), text,
                           why) ||
        !save_area_source(s.folder, s.level, s.area, text, why)) {
        s.copy_to = own_copy_folder(s.folder);
        if (!s.copy_to.empty()) {
            // Asked on top of the leave question, if that was the one asked.
            s.copy_interrupted = s.question;
            s.question = Question::kCopyPack;
            std::fprintf(stderr, "varnoth: not saved: %s; a copy in %s is offered\n", why.c_str(),
                         s.copy_to.c_str());
            return;
        }
        say(s, "NOT SAVED: " + why + ". The work on screen is kept.");
        s.message_frames = kFailureFrames;
        std::fprintf(stderr, "varnoth: not saved: %s\n", why.c_str());
        return;
    }
    s.source_text = text;
    s.edit.mark_saved();
    say(s, "Saved " + source_label(s));
}

void leave_asked(Session& s, Question q) {
    if (s.edit.unsaved()) {
        s.question = q;
    } else {
        s.leave = true;
        s.quit = q == Question::kQuit;
    }
}

// Yes: the pack is copied, the editor goes on with the copy, and the save is made there.
void answer_copy(Session& s) {
    const Question interrupted = s.copy_interrupted;
    if (KeyHit('Y')) {
        s.question = Question::kNone;
        std::string why;
        if (!copy_pack(s.folder, s.copy_to, why)) {
            say(s, "NOT COPIED: " + why + ". Nothing was saved; the work on screen is kept.");
            s.message_frames = kFailureFrames;
            std::fprintf(stderr, "varnoth: not copied: %s\n", why.c_str());
            return;
        }
        std::fprintf(stderr, "varnoth: copied the pack %s to %s\n", s.folder.c_str(),
                     s.copy_to.c_str());
        s.folder = s.copy_to;
        save(s);
        if (s.edit.unsaved()) return;
        say(s, "Copied the pack to " + s.folder + " and saved there: editing the copy");
        s.message_frames = kFailureFrames;
        if (interrupted == Question::kLeave || interrupted == Question::kQuit) {
            s.leave = true;
            s.quit = interrupted == Question::kQuit;
        }
    } else if (KeyHit('N') || KeyHit(kKeyEscape)) {
        s.question = Question::kNone;
        say(s, "Not saved: the pack's folder cannot be written. The work on screen is kept.");
        s.message_frames = kFailureFrames;
    }
}

void answer_question(Session& s) {
    if (KeyHit('S')) {
        save(s);
        if (s.question == Question::kCopyPack) return;
        if (!s.edit.unsaved()) {
            s.leave = true;
            s.quit = s.question == Question::kQuit;
        }
        s.question = Question::kNone;
    } else if (KeyHit('N') || KeyHit('Y')) {
        s.leave = true;
        s.quit = s.question == Question::kQuit;
        s.question = Question::kNone;
    } else if (KeyHit(kKeyEscape)) {
        s.question = Question::kNone;
    }
}

void start_or_cancel_check(Session& s) {
    if (s.checking) {
        s.check->cancel();
        s.checking = false;
        s.check_answered = false;
        say(s, "Check cancelled");
        return;
    }
    if (!s.check) s.check = std::make_unique<AreaCheck>();
    AreaCheckRequest request;
    request.level = s.level;
    request.area = s.area;
    s.checked_grid = s.edit.grid();
    const std::vector<unsigned char> bytes = mapc::map_bytes(s.checked_grid);
    request.compiled_map.assign(bytes.begin(), bytes.end());
    if (const char* budget = std::getenv("VARNOTH_EDITOR_CHECK_BUDGET"))
        request.branch_budget = std::atoi(budget);
    s.check_answered = false;
    if (!s.check->start(request)) {
        s.check_result = s.check->poll();
        s.check_answered = true;
        say(s, "Check could not start: " + s.check_result.message);
        return;
    }
    s.checking = true;
    s.check_result = s.check->poll();
    say(s, "Checking whether the area can be won (C cancels)");
}

bool g_check_answered = false;

void poll_check(Session& s) {
    if (!s.checking) return;
    s.check_result = s.check->poll();
    if (s.check_result.outcome == AreaCheckResult::Outcome::kRunning) return;
    s.checking = false;
    s.check_answered = true;
    g_check_answered = true;
    const bool watchable = s.check_result.outcome == AreaCheckResult::Outcome::kWon &&
                           !s.check_result.recording.empty();
    say(s, s.check_result.message + (watchable ? " - W watches the bot's run" : ""));
    std::fprintf(stderr, "varnoth: check of area %d.%d: %s\n", s.level, s.area,
                 s.check_result.message.c_str());
}

// The run is shown on the area as it was checked; one changed since would not be the area the
// run was found on. What W did is said on standard error too.
void watch_run(Session& s) {
    const bool won = s.check_answered && s.check_result.outcome == AreaCheckResult::Outcome::kWon;
    std::string said;
    if (s.checking) {
        said = "The check is still looking for a way (C cancels it)";
    } else if (!won) {
        said = s.check_answered ? "The check found no run to watch"
                                : "No run to watch yet: C checks whether the area can be won";
    } else if (s.check_result.recording.empty()) {
        said = "The bot's run could not be recorded: C checks the area again";
    } else if (s.edit.grid() != s.checked_grid) {
        said = "The area has changed since the check: C checks it again";
    } else {
        HideMouse();
        const TestPlayEnd end = watch_check_run(s.check_result.recording,
                                                mapc::map_bytes(s.checked_grid), s.level, s.area);
        ShowMouse();
        said = end.message;
        // Closing the window while playing asks about unsaved work like closing it here.
        if (end.quit) leave_asked(s, Question::kQuit);
    }
    say(s, said);
    std::fprintf(stderr, "varnoth: W: %s\n", said.c_str());
}

// The cells a drag passed between two frames, so that a fast stroke leaves no gaps.
template <typename F>
void along(int c0, int r0, int c1, int r1, F&& visit) {
    const int steps = std::max(std::abs(c1 - c0), std::abs(r1 - r0));
    for (int i = 0; i <= steps; ++i) {
        const int c = steps == 0 ? c1 : c0 + (c1 - c0) * i / steps;
        const int r = steps == 0 ? r1 : r0 + (r1 - r0) * i / steps;
        visit(c, r);
    }
}

struct Pointer {
    int last_col = -1, last_row = -1;
};
Pointer g_pointer;

void stroke(Session& s, int col, int row) {
    auto visit = [&](int c, int r) {
        if (s.paint_button == 1)
            s.edit.paint(c, r, chosen(s).paint);
        else
            s.edit.clear(c, r, chosen(s).paint.layer);
    };
    if (g_pointer.last_col < 0)
        visit(col, row);
    else
        along(g_pointer.last_col, g_pointer.last_row, col, row, visit);
    g_pointer.last_col = col, g_pointer.last_row = row;
}

void mouse(Session& s) {
    const int mx = MouseX(), my = MouseY();
    const int left_hit = MouseHit(1), right_hit = MouseHit(2), middle_hit = MouseHit(3);
    const bool left = MouseDown(1) != 0, right = MouseDown(2) != 0, middle = MouseDown(3) != 0;
    int col = 0, row = 0;
    const bool in_view = cell_at(s, mx, my, col, row);

    const int wheel = MouseWheel();
    if (wheel != 0) {
        s.scroll_x -= wheel * kWheelCells * cell_size(s);
        clamp_scroll(s);
    }
    if (middle_hit && in_view) {
        s.middle_dragging = true;
        s.drag_mouse_x = mx, s.drag_mouse_y = my;
        s.drag_scroll_x = s.scroll_x, s.drag_scroll_y = s.scroll_y;
    }
    if (s.middle_dragging) {
        if (!middle) {
            s.middle_dragging = false;
        } else {
            s.scroll_x = s.drag_scroll_x - (mx - s.drag_mouse_x);
            s.scroll_y = s.drag_scroll_y - (my - s.drag_mouse_y);
            clamp_scroll(s);
        }
    }

    if ((left_hit || right_hit) && !s.painting && !s.selecting) {
        if (in_view && left_hit && shift()) {
            s.selecting = true;
            s.has_selection = false;
            s.selection = {col, row, col, row};
        } else if (in_view) {
            s.painting = true;
            s.paint_button = left_hit ? 1 : 2;
            s.edit.begin_step();
            g_pointer = Pointer{};
            stroke(s, col, row);
        } else if (my >= kStripTop && my < kStripTop + mapc::kRows * kStripCell &&
                   mx >= kStripLeft && mx < kStripLeft + mapc::kCols * kStripCell) {
            const int c = (mx - kStripLeft) / kStripCell;
            s.scroll_x = c * cell_size(s) - kViewWidth / 2;
            clamp_scroll(s);
        } else if (int e = 0; left_hit && palette_entry_at(s, mx, my, e)) {
            s.entry = e;
        } else if (const int arrow = palette_arrow_at(mx, my); left_hit && arrow != 0) {
            const int n = static_cast<int>(palette().size());
            s.group = (s.group + arrow + n) % n;
            s.entry = 0;
        }
    }
    if (s.painting) {
        if (in_view) stroke(s, col, row);
        if ((s.paint_button == 1 && !left) || (s.paint_button == 2 && !right)) {
            s.painting = false;
            s.edit.end_step();
        }
    }
    if (s.selecting) {
        if (in_view) s.selection.col1 = col, s.selection.row1 = row;
        if (!left) {
            s.selecting = false;
            s.has_selection = true;
            say(s, "Selected " + std::to_string(s.selection.width()) + " x " +
                       std::to_string(s.selection.height()) +
                       ": F fills, Ctrl+C copies, Ctrl+X cuts, Delete empties");
        }
    }
}

void keys(Session& s) {
    const bool c = ctrl();
    if (KeyHit(kKeyEscape)) {
        if (s.list_shown)
            s.list_shown = false;
        else if (s.has_selection)
            s.has_selection = false;
        else
            leave_asked(s, Question::kLeave);
    }
    const int size = cell_size(s);
    if (KeyDown(kKeyLeft)) s.scroll_x -= kScrollStep;
    if (KeyDown(kKeyRight)) s.scroll_x += kScrollStep;
    if (KeyDown(kKeyUp)) s.scroll_y -= kScrollStep;
    if (KeyDown(kKeyDown)) s.scroll_y += kScrollStep;
    if (KeyHit(kKeyHome)) s.scroll_x = 0;
    if (KeyHit(kKeyEnd)) s.scroll_x = mapc::kCols * size;
    if (KeyHit(kKeyPageUp)) s.scroll_x -= kViewWidth;
    if (KeyHit(kKeyPageDown)) s.scroll_x += kViewWidth;
    if (KeyHit(kKeyTab)) {
        const int n = static_cast<int>(palette().size());
        s.group = (s.group + (shift() ? n - 1 : 1)) % n;
        s.entry = 0;
    }
    clamp_scroll(s);

    // Letters are read every frame, so that one pressed with Control is not seen again later.
    const bool z = key('Z'), y = key('Y'), sk = key('S'), ck = key('C'), v = key('V'), x = key('X'),
               f = key('F'), g = key('G'), l = key('L'), p = key('P'), i = key('I'), w = key('W');
    if (c) {
        if (z) say(s, s.edit.undo() ? "Undone" : "Nothing to undo");
        if (y) say(s, s.edit.redo() ? "Redone" : "Nothing to redo");
        if (sk) save(s);
        if ((ck || x) && s.has_selection) {
            g_clipboard = s.edit.copy(s.selection);
            if (x) s.edit.clear_rect(s.selection);
            say(s, std::string(x ? "Cut " : "Copied ") + std::to_string(g_clipboard.width) + " x " +
                       std::to_string(g_clipboard.height) + ": Ctrl+V pastes at the pointer");
        }
        if (v) {
            int col = 0, row = 0;
            if (g_clipboard.empty())
                say(s, "Nothing copied yet");
            else if (cell_at(s, MouseX(), MouseY(), col, row))
                s.edit.paste(g_clipboard, col, row);
            else
                say(s, "Point at the cell where the copy's top left corner goes");
        }
        return;
    }
    if (z) {
        // The zoom keeps the view's middle where it was.
        const int mid = (s.scroll_x + kViewWidth / 2) / size;
        s.zoomed_out = !s.zoomed_out;
        s.scroll_x = mid * cell_size(s) - kViewWidth / 2;
        clamp_scroll(s);
    }
    if (g) s.grid_shown = !s.grid_shown;
    if (l) s.list_shown = !s.list_shown;
    if (f && s.has_selection) s.edit.fill(s.selection, chosen(s).paint);
    if (KeyHit(kKeyDelete) && s.has_selection) s.edit.clear_rect(s.selection);
    if (ck) start_or_cancel_check(s);
    if (w) watch_run(s);
    if (i) run_pack_form(s);
    if (p) {
        int col = 0, row = 0;
        if (!cell_at(s, MouseX(), MouseY(), col, row)) col = s.scroll_x / size, row = 0;
        HideMouse();
        const TestPlayEnd end = run_test_play(s.edit.grid(), s.level, s.area, col, row);
        ShowMouse();
        say(s, end.message);
        if (end.quit) leave_asked(s, Question::kQuit);
    }
}

}  // namespace

int cell_size(const Session& s) {
    return s.zoomed_out ? kCell / 2 : kCell;
}

bool cell_at(const Session& s, int px, int py, int& col, int& row) {
    if (px < 0 || py < 0 || px >= kViewWidth || py >= kViewHeight) return false;
    const int size = cell_size(s);
    col = (px + s.scroll_x) / size;
    row = (py + s.scroll_y) / size;
    return inside_area(col, row);
}

void clamp_scroll(Session& s) {
    const int size = cell_size(s);
    s.scroll_x = std::clamp(s.scroll_x, 0, std::max(0, mapc::kCols * size - kViewWidth));
    s.scroll_y = std::clamp(s.scroll_y, 0, std::max(0, mapc::kRows * size - kViewHeight));
}

void say(Session& s, const std::string& text) {
    s.message = text;
    s.message_frames = kMessageFrames;
}

bool run_session(Session& s) {
    ShowMouse();
    FlushKeys();
    FlushMouse();
    while (!s.leave) {
        Cls();
        if (AppTerminate()) leave_asked(s, Question::kQuit);
        if (s.question == Question::kLeave || s.question == Question::kQuit)
            answer_question(s);
        else if (s.question == Question::kCopyPack)
            answer_copy(s);
        else
            keys(s), mouse(s);
        refresh_marks(s);
        poll_check(s);
        draw_editor(s);
        if (s.message_frames > 0) --s.message_frames;
        Flip(-1);
    }
    if (s.check) s.check->cancel();
    HideMouse();
    FlushKeys();
    FlushMouse();
    return s.quit;
}

}  // namespace editor

bool parse_edit_arguments(const std::vector<std::string>& args, size_t& i, EditRequest& request,
                          std::string& why) {
    if (i + 1 >= args.size() || args[i + 1].empty()) {
        why = "--edit needs a pack folder";
        return false;
    }
    request.folder = args[++i];
    if (i + 1 < args.size() && !args[i + 1].empty() && args[i + 1][0] != '-') {
        int level = 0, area = 0;
        char tail = 0;
        if (std::sscanf(args[i + 1].c_str(), "%d.%d%c", &level, &area, &tail) != 2 || level < 1 ||
            level > 5 || area < 1 || area > 3) {
            why = "--edit wants an area as L.A with L 1..5 and A 1..3, got '" + args[i + 1] + "'";
            return false;
        }
        request.level = level, request.area = area;
        ++i;
    }
    return true;
}

bool editor_check_answered() {
    return editor::g_check_answered;
}

bool run_editor(const EditRequest& request) {
    editor::Session s;
    s.folder = request.folder;
    s.level = request.level;
    s.area = request.area;
    std::vector<PackMessage> ignored;
    s.has_pack_ini = FileType(AbsolutePath(pack_file(s.folder, kPackIniName))) == 1 &&
                     read_pack_ini(s.folder, s.info, ignored);
    const editor::OpenedArea opened = editor::open_area(s.folder, s.level, s.area);
    s.edit = editor::EditArea(opened.grid);
    s.source_text = opened.source_text;
    if (!opened.problems.empty())
        editor::say(s, opened.problems.front().to_string() + " - the game's own area is shown");
    else if (opened.from_game)
        editor::say(s, "A new area for the pack, copied from the game's own " +
                           std::to_string(s.level) + "." + std::to_string(s.area));
    if (!s.has_pack_ini && editor::run_pack_form(s) && s.quit) return true;
    return editor::run_session(s);
}

void editor_program(const EditRequest& request) {
    start_up();
    after_logo();
    run_editor(request);
    End();
}
