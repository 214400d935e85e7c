// SPDX-License-Identifier: GPL-3.0-or-later
// The title screen, the logo and the attract demo: menu moves and choices, the banner, the
// demo after 200 idle frames (silent, scores held, order 1, 2, 3, 1), its two endings, F1
// during it, and a recording that cannot be read.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "shell/globals.h"
#include "shell_helpers.h"
#include "support/test_game.h"

using shell_test::count_of;
using shell_test::is_white;
using shell_test::leftmost;
using shell_test::script;
using shell_test::tap_at;

namespace {
// Runs the title routine, calling watch(k) after the k-th frame it presents.
int run_title(const std::function<void(int)>& watch = nullptr) {
    const int start = FrameNumber();
    SetFlipHook([&](int frame) {
        if (watch) watch(frame - start);
    });
    game_tag::title_screen();
    SetFlipHook(nullptr);
    return FrameNumber() - start;
}

void on_title() {
    fresh_game();
    game.state = game_tag::kTitle;
    game.sound = 1;
    game.soundset = 1;
    sounds_played();
}

std::vector<demo_tag> recording_file(int n) {
    std::ifstream in(ResolvePath("data\\demodata.0" + std::to_string(n)), std::ios::binary);
    std::vector<demo_tag> records(demo_tag::kRecords);
    for (demo_tag& d : records) {
        int32_t v[3] = {};
        in.read(reinterpret_cast<char*>(v), sizeof v);
        d = demo_tag{v[0], v[1], v[2]};
    }
    return records;
}

bool demo_holds(int n) {
    const std::vector<demo_tag> file = recording_file(n);
    for (int k = 0; k < demo_tag::kRecords; ++k) {
        if (demo[k].direction != file[k].direction || demo[k].jump != file[k].jump ||
            demo[k].turbo != file[k].turbo)
            return false;
    }
    return true;
}
}  // namespace

TEST(Title, EachEntryIsChosenByKeyboardOrMouse) {
    on_title();
    tap_at(3, "jump");
    run_title();
    EXPECT_EQ(game.state, game_tag::kLevelIntro);
    EXPECT_EQ(game.players, 0);
    EXPECT_EQ(hero().lives, 3);
    const auto sounds = sounds_played();
    EXPECT_EQ(count_of(sounds, "snd_hidden"), 1);
    EXPECT_EQ(count_of(sounds, "volume music_channel 0.40"), 1);

    on_title();
    script({{2, "down"}, {4, "jump"}});
    run_title();
    EXPECT_EQ(game.state, game_tag::kLevelIntro);
    EXPECT_EQ(game.players, 1);

    on_title();
    script({{2, "down"}, {3, "down"}, {5, "jump"}});
    run_title();
    EXPECT_EQ(game.state, game_tag::kQuit);

    // The mouse picks the entry by its 160-pixel band; a pointer at or past the bottom edge
    // still means the last entry, never a fourth one.
    on_title();
    script({{2, "mouse", 100, 200}, {4, "mouse1"}});
    run_title();
    EXPECT_EQ(game.players, 1);
    EXPECT_EQ(game.state, game_tag::kLevelIntro);
    for (int y : {479, 480, 900}) {
        on_title();
        script({{2, "mouse", 100, y}, {4, "mouse1"}});
        run_title();
        EXPECT_EQ(game.state, game_tag::kQuit) << "mouse at y " << y;
    }
}

TEST(Title, AHeldStickMovesOneEntryAndAClosedWindowIsNotLost) {
    // The stick held down waits until it is let go: one entry for one deflection.
    on_title();
    script({{2, "joy-down", 0, 0, InputAction::kPress},
            {6, "joy-down", 0, 0, InputAction::kRelease},
            {8, "joy0"}});
    run_title();
    EXPECT_EQ(game.state, game_tag::kLevelIntro);
    EXPECT_EQ(game.players, 1);
    EXPECT_EQ(count_of(sounds_played(), "snd_fireball"), 1);

    // Closing the window while the stick is held ends the game instead of being swallowed
    // (were it lost, the stick would go on to the first entry and the jump would start a game).
    on_title();
    script({{2, "down"},
            {3, "down"},
            {4, "joy-up", 0, 0, InputAction::kPress},
            {6, "close"},
            {8, "joy-up", 0, 0, InputAction::kRelease},
            {10, "jump"}});
    run_title();
    EXPECT_EQ(game.state, game_tag::kQuit);
    release("joy-up");

    // The same while joystick button 0, which made the choice, is still held.
    on_title();
    script({{3, "joy0", 0, 0, InputAction::kPress}, {6, "close"}});
    run_title();
    EXPECT_EQ(game.state, game_tag::kQuit);
    release("joy0");
}

TEST(Title, PointerStartsAt175AndSwingsRightFirst) {
    on_title();
    HeadlessStartDrawing();
    std::vector<int> hand;
    tap_at(8, "jump");
    run_title([&](int) {
        std::vector<uint8_t> rgb;
        ReadBackBuffer(rgb);
        // The hand's white glove is the only white near the first entry's row.
        hand.push_back(leftmost(rgb, 100, 240, 272, 308, is_white));
    });
    ASSERT_EQ(hand.size(), 7u);
    const int left = hand[0];
    EXPECT_GT(left, 175 - 20 - 1) << "the hand is drawn about its centre at x 175";
    EXPECT_LT(left, 175);
    const std::vector<int> steps = {0, 0, 2, 4, 6, 8, 10};
    for (size_t k = 0; k < hand.size(); ++k)
        EXPECT_EQ(hand[k] - left, steps[k]) << "frame " << k + 1;
}

TEST(Title, MovesPastTheEndsAreSilentButUsedUp) {
    on_title();
    script({{2, "up"}, {3, "down"}, {4, "down"}, {5, "down"}, {6, "up"}, {8, "jump"}});
    run_title();
    // Up on the first entry and Down on the last play nothing; the final Up moves to entry 1.
    EXPECT_EQ(count_of(sounds_played(), "snd_fireball"), 3);
    EXPECT_EQ(game.players, 1);
    EXPECT_EQ(MouseY(), 160) << "the mouse follows the keyboard to the row";
}

TEST(Title, EscapeOrACloseRequestQuits) {
    on_title();
    tap_at(4, "escape");
    EXPECT_EQ(run_title(), 3);
    EXPECT_EQ(game.state, game_tag::kQuit);
    on_title();
    tap_at(2, "close");
    run_title();
    EXPECT_EQ(game.state, game_tag::kQuit);
}

TEST(Title, BannerEntersFromTheRightBobsAndSpeedsUpWithSpace) {
    on_title();
    game.scmx = 640;
    game.scmy = 200;
    game.scmys = 0;
    int low = 1000;
    int high = -1000;
    tap_at(60, "jump");
    run_title([&](int) {
        low = std::min(low, game.scmy);
        high = std::max(high, game.scmy);
    });
    EXPECT_EQ(game.scmx, 640 - 2 * 60) << "the frame of the choice moves it too";
    EXPECT_EQ(low, 200);
    EXPECT_EQ(high, 220);

    on_title();
    game.scmx = 640;
    script({{1, "space", 0, 0, InputAction::kPress}, {11, "jump"}});
    run_title();
    EXPECT_EQ(game.scmx, 640 - 4 * 11) << "Space held: twice the speed, and no pause";
    release("space");
}

TEST(Title, DemoStartsAfter200IdleFramesSilentlyWithScoresHeld) {
    on_title();
    player[0].score = 300;
    player[1].score = 400;
    game.topscore = 1000;
    demo_next = 1;
    bool muted = true;
    int demo_frames = 0;
    tap_at(1 + 200 + 30, "jump");
    run_title([&](int k) {
        EXPECT_EQ(demo_playing, k >= 200 ? 1 : 0) << "frame " << k;
        if (demo_playing == 1) {
            ++demo_frames;
            muted = muted && game.sound == 0;
            EXPECT_EQ(player[0].score, 300);
            EXPECT_EQ(game.topscore, 1000);
        }
    });
    EXPECT_GT(demo_frames, 20);
    EXPECT_TRUE(muted);
    EXPECT_EQ(demo_playing, 0);
    EXPECT_EQ(game.state, game_tag::kTitle);
    EXPECT_EQ(player[1].score, 400);
    EXPECT_EQ(demo_next, 2);
    for (const std::string& s : sounds_played()) EXPECT_NE(s.rfind("snd_", 0), 0u) << s;

    // Back on the title the effects are on again.
    tap_at(2, "jump");
    run_title();
    EXPECT_EQ(game.sound, 1);
}

TEST(Title, DemosPlayInTurnAndEndAtTheirMarker) {
    on_title();
    demo_next = 1;
    const int order[] = {1, 2, 3, 1};
    for (int n : order) {
        tap_at(1 + 200 + 3, "jump");
        run_title();
        EXPECT_TRUE(demo_holds(n)) << "recording " << n;
    }
    EXPECT_EQ(demo_next, 2);

    // An end marker a few records in ends the demo when its record comes up.
    on_title();
    tap_at(1 + 200 + 50, "jump");  // only a backstop: the marker comes first
    const int frames = run_title([](int k) {
        if (k == 200) demo[6].direction = demo_tag::kEndMarker;
    });
    EXPECT_EQ(frames, 200 + 5);
    EXPECT_EQ(game.state, game_tag::kTitle);
}

TEST(Title, ADemoHeroWhoDiesEndsTheDemoAndNoGameBegins) {
    on_title();
    tap_at(1 + 200 + 50, "jump");  // only a backstop
    const int frames = run_title([](int k) {
        if (k == 203) hero().y = 700.0f;  // below the screen: the next frame of play kills him
    });
    EXPECT_EQ(frames, 203);
    EXPECT_EQ(game.state, game_tag::kTitle) << "the death screen belongs to a real game";
    EXPECT_EQ(demo_playing, 0);
    EXPECT_EQ(hero().lives, 3) << "no life was taken";
}

TEST(Title, F1DuringTheDemoReturnsToTheMenuWithTheEffectsBack) {
    on_title();
    int sound_on_menu = -1;
    // F1 five frames into the first demo; the menu then idles into the next demo, which a jump
    // ends.
    script({{1 + 200 + 5, "f1"}, {1 + 200 + 5 + 1 + 200 + 20, "jump"}});
    run_title([&](int k) {
        if (sound_on_menu < 0 && k > 205 && demo_playing == 0) sound_on_menu = game.sound;
    });
    EXPECT_EQ(sound_on_menu, 1) << "the menu came back, without leaving the title, with effects";
    EXPECT_EQ(game.state, game_tag::kTitle) << "the jump ended the next demo";
    EXPECT_EQ(game.soundset, 1) << "the next demo kept the player's setting, not the silence";
}

TEST(Title, ARecordingThatCannotBeReadIsSkipped) {
    on_title();
    demo_next = 4;  // there is no fourth recording
    tap_at(1 + 200 + 5, "jump");
    run_title([](int) { EXPECT_EQ(demo_playing, 0); });
    EXPECT_EQ(game.state, game_tag::kLevelIntro);
    EXPECT_EQ(demo_next, 1) << "the next demo is the first recording again";
    EXPECT_EQ(game.sound, 1);

    // A skipped demo is no demo: effects switched off on the menu stay off, and the setting
    // kept for the end of a demo is not touched.
    on_title();
    demo_next = 4;
    script({{5, "f2"}, {1 + 200 + 5, "jump"}});
    run_title();
    EXPECT_EQ(game.sound, 0);
    EXPECT_EQ(game.soundset, 1);
    EXPECT_EQ(demo_next, 1);

    // A short file is refused whole and leaves the demo buffer untouched.
    demo_tag::Create();
    demo[0].direction = 2;
    const std::string path = "/tmp/varnoth-short-recording";
    std::ofstream(path, std::ios::binary) << std::string(100, '\1');
    EXPECT_FALSE(demo_tag::LoadFile(path));
    EXPECT_FALSE(demo_tag::LoadFile("/tmp/varnoth-no-such-recording"));
    EXPECT_EQ(demo[0].direction, 2);
    EXPECT_EQ(demo[1].jump, 0);
}

TEST(Logo, StandsAndFadesOrIsCutShortByAJump) {
    fresh_game();
    game.music = 1;
    sounds_played();
    int start = FrameNumber();
    game_tag::show_logo();
    const int full = FrameNumber() - start;
    // 60 standing frames, about 50 fading, and the black one after.
    EXPECT_GE(full, 60 + 48 + 1);
    EXPECT_LE(full, 60 + 52 + 1);
    EXPECT_EQ(count_of(sounds_played(), "play snd_tilesong music_channel"), 1);

    game.music = 0;
    Flip(-1);  // two waits in a row would let the script's next moment arrive at once
    start = FrameNumber();
    tap_at(5, "jump");
    game_tag::show_logo();
    // The press is read after the fourth logo picture, so the fifth picture is already black.
    EXPECT_EQ(FrameNumber() - start, 5);
    EXPECT_EQ(count_of(sounds_played(), "play snd_tilesong music_channel"), 0);
    EXPECT_EQ(KeyHit(162), 0);
}
