// SPDX-License-Identifier: GPL-3.0-or-later
// The options screen's frame loop: one page at a time with a hand by the chosen item, its help
// line below, and the question, message or wait for a new key that an item may ask for.
#include "options/options_screen.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "options/options_text.h"
#include "platform/player_choices.h"
#include "shell/globals.h"

namespace {

constexpr int kPadConfirm = 0;
constexpr int kPadBack = 1;
constexpr int kCaptureFrames = 300;  // five seconds to press the new key
constexpr int kMessageFrames = 240;
constexpr int kStickRepeatAfter = 24;
constexpr int kStickRepeatEvery = 8;
constexpr int kPointerShownFrames = 180;
constexpr int kHandFrame = 123;
constexpr int kWitchFrame = 98;
constexpr int kPointerFrame = 28;

constexpr int kFirstRowY = 92;
constexpr int kRowPitch = 34;
constexpr int kRowsShown = 9;
constexpr int kLabelX = 110;
constexpr int kValueLeft = 372;   // the "<" that lowers a value
constexpr int kValueMid = 466;    // clicks left of here lower it, right of here raise it
constexpr int kValueRight = 560;  // the ">" that raises it
constexpr int kValueWidth = 160;
constexpr int kHelpY = 404;
constexpr int kHintY = 444;
constexpr int kQuestionTop = 170;
constexpr int kQuestionHeight = 150;
constexpr int kAnswerY = 262;
constexpr int kYesX = 250;
constexpr int kNoX = 390;

struct Level {
    std::string page;
    int selected = 0;
    int first_shown = 0;
};

struct Question {
    std::string text;
    std::function<void()> yes;
};

struct Capture {
    CaptureDevice device = CaptureDevice::kKeyboard;
    std::string prompt;
    std::function<void(const std::string&)> got;
    int frames_left = 0;
};

struct Screen {
    bool in_game = false;
    std::vector<Level> levels;
    std::vector<Question> questions;  // at most one shown; an answer may ask another
    std::vector<Capture> captures;
    std::string message;
    int message_frames = 0;
    bool closing = false;
    OptionsExit exit = OptionsExit::kBack;
    int mouse_x = 0, mouse_y = 0, pointer_frames = 0;
    int stick_x_frames = 0, stick_y_frames = 0;
};
Screen* g_screen = nullptr;

// A direction of the stick as presses: one at once, then a repeat while it is held.
bool stick_press(float value, float wanted, int& held) {
    if (value != wanted) return false;
    ++held;
    return held == 1 ||
           (held > kStickRepeatAfter && (held - kStickRepeatAfter) % kStickRepeatEvery == 0);
}

void drain_pad_hits() {
    for (int b = 0; b <= kOptionsJoyButton; ++b) JoyHit(b, 0);
}

void forget_input() {
    FlushKeys();
    FlushMouse();
    drain_pad_hits();
    TakeKeyPress();
    TakePadPress();
}

std::vector<const OptionItem*> shown_items(const Screen& s, const OptionPage* page) {
    std::vector<const OptionItem*> items;
    if (!page) return items;
    for (const OptionItem& item : page->items) {
        if (item.only_in_game && !s.in_game) continue;
        if (item.only_on_title && s.in_game) continue;
        items.push_back(&item);
    }
    return items;
}

// Every page ends with a way back, which the screen adds itself.
OptionItem back_item(const Screen& s) {
    OptionItem back;
    back.label = "Back";
    back.help = s.levels.size() > 1 ? "Back to the page before"
                : s.in_game         ? "Back to the paused game"
                                    : "Back to the title screen";
    return back;
}

bool locked(const Screen& s, const OptionItem& item) {
    return s.in_game && item.locked_in_game;
}

void go_back(Screen& s) {
    if (s.levels.size() > 1) {
        s.levels.pop_back();
    } else {
        s.closing = true;
        s.exit = OptionsExit::kBack;
    }
}

void act(Screen& s, const OptionItem* item, int step) {
    if (!item) return go_back(s);
    if (locked(s, *item)) {
        ShowOptionsMessage("Only the title screen's options change this");
        return;
    }
    if (step == 0) {
        if (item->activate)
            item->activate();
        else if (item->change)
            item->change(+1);
    } else if (item->change) {
        item->change(step);
    }
}

// ---------------------------------------------------------------------------------------------
// One frame's input.

struct Presses {
    bool up = false, down = false, left = false, right = false;
    bool confirm = false, back = false, close = false, quit = false;
    bool click = false, right_click = false, mouse_moved = false;
};

// True when any of the keys or the pad's buttons was pressed; every one is asked, so that no
// press is left over for the game when the screen closes.
bool any_hit(std::initializer_list<int> keys, std::initializer_list<int> buttons) {
    bool hit = false;
    for (int k : keys) hit = KeyHit(k) != 0 || hit;
    for (int b : buttons) hit = JoyHit(b, 0) != 0 || hit;
    return hit;
}

Presses read_presses(Screen& s) {
    Presses p;
    p.up = any_hit({kKeyUp}, {});
    p.down = any_hit({kKeyDown}, {});
    p.left = any_hit({kKeyLeft}, {});
    p.right = any_hit({kKeyRight}, {});
    p.confirm = any_hit({kKeyReturn, kKeyJump}, {kPadConfirm});
    p.back = any_hit({kKeyEscape, kKeyBackspace}, {kPadBack});
    p.close = any_hit({kKeyF10}, {kOptionsJoyButton});
    drain_pad_hits();  // the game's other buttons mean nothing here
    const float jx = JoyX(0), jy = JoyY(0);
    p.up = stick_press(jy, -1.0f, s.stick_y_frames) || p.up;
    p.down = stick_press(jy, 1.0f, s.stick_y_frames) || p.down;
    if (jy != -1.0f && jy != 1.0f) s.stick_y_frames = 0;
    p.left = stick_press(jx, -1.0f, s.stick_x_frames) || p.left;
    p.right = stick_press(jx, 1.0f, s.stick_x_frames) || p.right;
    if (jx != -1.0f && jx != 1.0f) s.stick_x_frames = 0;
    p.click = MouseHit(1) != 0;
    p.right_click = MouseHit(2) != 0;
    const int mx = MouseX(), my = MouseY();
    p.mouse_moved = mx != s.mouse_x || my != s.mouse_y;
    s.mouse_x = mx, s.mouse_y = my;
    if (p.mouse_moved || p.click) s.pointer_frames = kPointerShownFrames;
    p.quit = AppTerminate();
    return p;
}

int row_at(const Screen& s, int count) {
    const int row = (s.mouse_y - kFirstRowY + kRowPitch / 2) / kRowPitch;
    if (s.mouse_y < kFirstRowY - kRowPitch / 2 || row < 0 || row >= kRowsShown) return -1;
    const int index = s.levels.back().first_shown + row;
    return index < count ? index : -1;
}

void answer_question(Screen& s, const Presses& p) {
    const bool on_answers = s.mouse_y > kAnswerY - 16 && s.mouse_y < kAnswerY + 36;
    const bool click_yes =
        p.click && on_answers && s.mouse_x >= kYesX - 20 && s.mouse_x < kYesX + 90;
    const bool click_no = p.click && on_answers && s.mouse_x >= kNoX - 20 && s.mouse_x < kNoX + 90;
    if (p.confirm || click_yes) {
        Question q = s.questions.back();
        s.questions.pop_back();
        q.yes();
    } else if (p.back || p.right_click || click_no) {
        s.questions.pop_back();
    }
}

void run_capture(Screen& s, const Presses& p) {
    Capture& c = s.captures.back();
    const std::string key = TakeKeyPress();
    const std::string pad = TakePadPress();
    std::string got = c.device == CaptureDevice::kKeyboard ? key : pad;
    if (key == "Escape" || p.click || p.right_click || --c.frames_left <= 0) got.clear();
    const bool done =
        !got.empty() || key == "Escape" || p.click || p.right_click || c.frames_left <= 0;
    if (!done) return;
    const Capture finished = c;
    s.captures.pop_back();
    // The key or button taken also pressed what it drives: none of that counts here.
    forget_input();
    if (!got.empty()) finished.got(got);
}

void handle(Screen& s, const Presses& p) {
    if (p.quit) {
        s.closing = true;
        s.exit = OptionsExit::kQuit;
        return;
    }
    // While a new key is awaited, F10 too is a key pressed, and answered as one the game keeps.
    if (!s.captures.empty()) return run_capture(s, p);
    if (p.close) {
        s.closing = true;
        s.exit = OptionsExit::kBack;
        return;
    }
    if (!s.questions.empty()) return answer_question(s, p);

    Level& level = s.levels.back();
    std::vector<const OptionItem*> items = shown_items(s, FindOptionsPage(level.page));
    items.push_back(nullptr);  // Back
    const int count = static_cast<int>(items.size());
    const int hovered = row_at(s, count);
    if (p.mouse_moved && hovered >= 0) level.selected = hovered;
    if (p.up) level.selected = (level.selected + count - 1) % count;
    if (p.down) level.selected = (level.selected + 1) % count;
    level.selected = std::clamp(level.selected, 0, count - 1);
    level.first_shown =
        std::clamp(level.first_shown, std::max(0, level.selected - kRowsShown + 1), level.selected);
    const OptionItem* item = items[static_cast<size_t>(level.selected)];
    if (p.back || p.right_click) return go_back(s);
    if (p.left) return act(s, item, -1);
    if (p.right) return act(s, item, +1);
    if (p.confirm) return act(s, item, 0);
    if (p.click && hovered >= 0) {
        level.selected = hovered;
        item = items[static_cast<size_t>(hovered)];
        const bool on_value = item && item->change && s.mouse_x >= kValueLeft - 12;
        act(s, item, on_value ? (s.mouse_x < kValueMid ? -1 : +1) : 0);
    }
}

// ---------------------------------------------------------------------------------------------
// Drawing.

void draw_frame_art() {
    SetScale(1.0f, 1.4f);
    DrawImage(img_sprites, 20, 28, kWitchFrame);
    DrawImage(img_sprites, 620, 28, kWitchFrame + 1);
    SetScale(1.0f, 1.0f);
}

void draw_question(const Screen& s) {
    // The page stays in sight, dimmed, behind the question.
    const int blend = GetBlend();
    SetBlend(3);
    SetAlpha(0.75f);
    SetColor(0, 0, 0);
    DrawRect(0, 0, 640, 480);
    SetAlpha(1.0f);
    SetBlend(blend);
    SetColor(0, 0, 0);
    DrawRect(50, kQuestionTop, 540, kQuestionHeight);
    SetColor(0, 160, 160);
    DrawRect(50, kQuestionTop, 540, 2);
    DrawRect(50, kQuestionTop + kQuestionHeight - 2, 540, 2);
    SetColor(255, 255, 255);
    const std::string& text = s.questions.back().text;
    int y = kQuestionTop + 18;
    for (size_t from = 0; from <= text.size(); y += 32) {
        size_t end = text.find('\n', from);
        if (end == std::string::npos) end = text.size();
        draw_options_text(320, y, y == kQuestionTop + 18 ? kYellow : kWhite,
                          text.substr(from, end - from), 1.0f, TextAlign::kCentre, 520);
        from = end + 1;
    }
    draw_options_text(kYesX, kAnswerY, kWhite, "Yes", 1.0f, TextAlign::kLeft);
    draw_options_text(kNoX, kAnswerY, kWhite, "No", 1.0f, TextAlign::kLeft);
    draw_options_text(320, kAnswerY + 36, kGrey, "Jump or Return: yes     Escape: no", 0.7f,
                      TextAlign::kCentre);
}

void draw_page(const Screen& s) {
    const Level& level = s.levels.back();
    const OptionPage* page = FindOptionsPage(level.page);
    std::vector<const OptionItem*> items = shown_items(s, page);
    items.push_back(nullptr);
    draw_options_text(320, 26, kCyan, "** " + (page ? page->title : level.page) + " **", 1.3f,
                      TextAlign::kCentre);
    const bool capturing = !s.captures.empty();
    for (int row = 0; row < kRowsShown; ++row) {
        const int index = level.first_shown + row;
        if (index >= static_cast<int>(items.size())) break;
        const OptionItem* item = items[static_cast<size_t>(index)];
        const bool chosen = index == level.selected;
        const int y = kFirstRowY + kRowPitch * row;
        const bool dim = item && locked(s, *item);
        const TextColour colour = dim ? kGrey : chosen ? kYellow : kPaleYellow;
        draw_options_text(kLabelX, y, colour, item ? item->label : back_item(s).label, 1.0f,
                          TextAlign::kLeft);
        if (chosen) DrawImage(img_sprites, 82, static_cast<float>(y + 14), kHandFrame);
        if (!item) continue;
        if (chosen && capturing) {
            const int seconds = (s.captures.back().frames_left + 59) / 60;
            const bool keyboard = s.captures.back().device == CaptureDevice::kKeyboard;
            draw_options_text(kValueMid, y, kGreen,
                              std::string(keyboard ? "Press a key" : "Press a button") + " (" +
                                  std::to_string(seconds) + ")",
                              1.0f, TextAlign::kCentre, kValueWidth + 40);
            continue;
        }
        if (!item->value) continue;
        draw_options_text(kValueMid, y, dim ? kGrey : kWhite, item->value(), 1.0f,
                          TextAlign::kCentre, kValueWidth);
        if (item->change && !dim) {
            draw_options_text(kValueLeft, y, colour, "<", 1.0f, TextAlign::kCentre);
            draw_options_text(kValueRight, y, colour, ">", 1.0f, TextAlign::kCentre);
        }
    }
    if (level.first_shown > 0)
        draw_options_text(kLabelX - 60, kFirstRowY, kGrey, "^", 1.0f, TextAlign::kLeft);
    if (level.first_shown + kRowsShown < static_cast<int>(items.size()))
        draw_options_text(kLabelX - 60, kFirstRowY + kRowPitch * (kRowsShown - 1), kGrey, "v", 1.0f,
                          TextAlign::kLeft);

    const OptionItem* chosen = items[static_cast<size_t>(
        std::min<int>(level.selected, static_cast<int>(items.size()) - 1))];
    std::string help = chosen ? chosen->help : back_item(s).help;
    TextColour help_colour = kGreen;
    if (capturing) {
        help = s.captures.back().prompt;
        help_colour = kYellow;
    } else if (s.message_frames > 0) {
        help = s.message;
        help_colour = kOrange;
    }
    draw_options_text(320, kHelpY, help_colour, help, 0.85f, TextAlign::kCentre, 600);
    draw_options_text(320, kHintY, kLightGrey,
                      "Up/Down: choose   Left/Right: change   Jump or Return: select   "
                      "Escape: back",
                      0.7f, TextAlign::kCentre, 620);
}

void draw(Screen& s) {
    Cls();
    draw_frame_art();
    draw_page(s);
    if (!s.questions.empty()) draw_question(s);
    if (s.pointer_frames > 0) {
        --s.pointer_frames;
        SetScale(0.5f, 0.5f);
        DrawImage(img_sprites, static_cast<float>(s.mouse_x), static_cast<float>(s.mouse_y),
                  kPointerFrame);
        SetScale(1.0f, 1.0f);
    }
    if (s.message_frames > 0) --s.message_frames;
}

}  // namespace

OptionsExit RunOptionsScreen(bool in_game) {
    Screen s;
    s.in_game = in_game;
    s.levels.push_back(Level{kOptionsMainPage});
    Screen* outer = g_screen;
    g_screen = &s;
    const int mouse_x = MouseX(), mouse_y = MouseY();
    s.mouse_x = mouse_x, s.mouse_y = mouse_y;
    const int pace = FramePace();
    SetFramePace(100);  // the screen answers at full pace even in a slowed game
    forget_input();
    while (!s.closing) {
        handle(s, read_presses(s));
        if (s.closing) break;
        draw(s);
        frame_end();
    }
    forget_input();
    MoveMouse(mouse_x, mouse_y);
    SetFramePace(pace);
    g_screen = outer;
    return s.exit;
}

void OpenOptionsPage(const std::string& id) {
    if (g_screen) g_screen->levels.push_back(Level{id});
}

void AskOptionsQuestion(const std::string& question, std::function<void()> yes) {
    if (g_screen) g_screen->questions.push_back(Question{question, std::move(yes)});
}

void ShowOptionsMessage(const std::string& message) {
    if (!g_screen) return;
    g_screen->message = message;
    g_screen->message_frames = kMessageFrames;
}

void CaptureOptionsInput(CaptureDevice device, const std::string& prompt,
                         std::function<void(const std::string&)> got) {
    if (!g_screen) return;
    TakeKeyPress();
    TakePadPress();
    g_screen->message_frames = 0;
    g_screen->captures.push_back(Capture{device, prompt, std::move(got), kCaptureFrames});
}

void CloseOptionsScreen(OptionsExit exit) {
    if (!g_screen) return;
    g_screen->closing = true;
    g_screen->exit = exit;
}

bool OptionsOpenedInGame() {
    return g_screen && g_screen->in_game;
}

std::string OptionsQuestionShown() {
    return g_screen && !g_screen->questions.empty() ? g_screen->questions.back().text : "";
}

std::string OptionsMessageShown() {
    return g_screen && g_screen->message_frames > 0 ? g_screen->message : "";
}
