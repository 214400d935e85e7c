// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's whole state while it runs: the area and the pack it belongs to, the view, the
// palette choice, the selection, what the rules and the bot say, and the question asked.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "bot/area_check.h"
#include "editor/edit_area.h"
#include "packs/pack_info.h"
#include "packs/pack_message.h"

namespace editor {

// The screen's parts, in picture pixels.
inline constexpr int kViewWidth = 480;
inline constexpr int kViewHeight = 400;
inline constexpr int kPanelLeft = 480;
inline constexpr int kStatusY = 401;
inline constexpr int kStripLeft = 40;
inline constexpr int kStripTop = 432;
inline constexpr int kStripCell = 4;
inline constexpr int kCell = 40;

enum class Question { kNone, kLeave, kQuit, kPackForm, kCopyPack };

struct Session {
    std::string folder;
    int level = 1, area = 1;
    PackInfo info;
    bool has_pack_ini = false;
    std::string source_text;  // the source as last read or saved (its comments are kept)
    EditArea edit;

    // The view: the picture's left and top edges in the area's pixels at the zoom in force.
    int scroll_x = 0, scroll_y = 80;  // the ground in view
    bool zoomed_out = false;
    bool grid_shown = true;
    bool list_shown = false;  // the rule and check list over the view
    bool middle_dragging = false;
    int drag_mouse_x = 0, drag_mouse_y = 0, drag_scroll_x = 0, drag_scroll_y = 0;

    int group = 0, entry = 0;  // the palette's choice
    bool painting = false;     // a stroke of the left (1) or right (2) button in progress
    int paint_button = 0;
    bool selecting = false, has_selection = false;
    CellRect selection;

    // The rules as the checker sees the grid now.
    std::vector<PackMessage> marks;
    mapc::MapGrid marked_grid;
    bool marks_valid = false;

    std::unique_ptr<AreaCheck> check;
    bool checking = false;
    AreaCheckResult check_result;
    bool check_answered = false;
    // The area the check was asked about, as painted.
    mapc::MapGrid checked_grid;

    Question question = Question::kNone;
    // kCopyPack: where the copy of a pack that cannot be written would go, and the question it
    // interrupted (leaving, once saved), if any.
    std::string copy_to;
    Question copy_interrupted = Question::kNone;
    std::string message;
    int message_frames = 0;
    bool leave = false;  // the author is done
    bool quit = false;   // the window was closed
};

// The cell under a picture point, false outside the view.
bool cell_at(const Session& s, int px, int py, int& col, int& row);
int cell_size(const Session& s);
void clamp_scroll(Session& s);
void say(Session& s, const std::string& text);

}  // namespace editor
