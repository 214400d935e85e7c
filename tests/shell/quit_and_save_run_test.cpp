// SPDX-License-Identifier: GPL-3.0-or-later
// Through the runner as a whole program: Escape and a close request end the game from every
// screen with the normal shut-down, and a finished game saves its top score at once, bonuses
// paid after the last play frame included. Each run has a data folder of its own.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "support/sim_runner.h"

namespace {

std::string temp(const std::string& name) {
    return ::testing::TempDir() + "varnoth_quit_" + name;
}

std::string replay(const std::string& area) {
    return slurp(std::string(VARNOTH_SOURCE_DIR) + "/tests/walkthroughs/" + area + ".txt");
}

// The same replay once more, for the second player's turn that starts after frame `offset`.
std::string replay_later(const std::string& area, int offset) {
    std::string out;
    const std::string text = replay(area);
    for (size_t at = 0; at < text.size();) {
        const size_t end = text.find('\n', at);
        const std::string line = text.substr(at, end - at);
        at = end == std::string::npos ? text.size() : end + 1;
        if (line.empty() || line[0] == '#') continue;
        const size_t space = line.find(' ');
        out += std::to_string(std::atoi(line.c_str()) + offset) + line.substr(space) + "\n";
    }
    return out;
}

// The top score in a home's file; -1 when there is none.
int64_t saved_score(const std::string& home) {
    const std::string bytes = slurp(home + "/data/hiscore.dat");
    if (bytes.size() != 4) return -1;
    uint32_t v = 0;
    for (int b = 3; b >= 0; --b) v = (v << 8) | static_cast<unsigned char>(bytes[b]);
    return static_cast<int32_t>(v);
}

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Holding right from the start of each life, the hero of 1.1 dies three times: the deaths
// show from frames 390, 930 and 1650, the game-over screen from frame 1800.
const char* const kThreeDeaths = "294 press right\n840 press right\n1400 press right\n";

}  // namespace

TEST(QuitRun, EscapeOrACloseOnEveryScreenEndsTheGameAndSavesTheTopScore) {
    const struct {
        const char* screen;
        std::string start, script;
        int quit_frame;
        int64_t score;
    } cases[] = {
        {"announcement", "1.1", "", 50, 0},
        {"announcement_fade", "1.1", "", 250, 0},
        {"death", "1.1", "294 press right\n", 450, 0},
        {"game_over", "1.1", kThreeDeaths, 1900, 150},
        // 1.1 is won at frame 1618 with 1400 points; the bonus is still paid.
        {"level_end", "1.1", replay("1.1"), 1668, 1400 + 1000},
        // 5.3 is won at frame 1941 with its bonus only; the ending runs from frame 2224.
        {"ending", "5.3", replay("5.3"), 2500, 5200},
    };
    for (const auto& c : cases) {
        for (const char* control : {"escape", "close"}) {
            const std::string name = std::string(c.screen) + "_" + control;
            SCOPED_TRACE(name);
            const std::string home = empty_home(name);
            const std::string input = temp(name + ".txt");
            write_text(input, c.script + std::to_string(c.quit_frame) + " tap " + control + "\n");
            const std::string late = temp(name + ".json");
            std::remove(late.c_str());
            const std::string after = std::to_string(c.quit_frame + 300);
            ASSERT_EQ(run_sim("--no-draw --data " + home + " --start " + c.start + " --input " +
                              input + " --dump " + after + ":" + late + " --frames " + after),
                      0);
            EXPECT_TRUE(slurp(late).empty()) << "the game went on after the " << control;
            EXPECT_EQ(saved_score(home), c.score);
        }
    }
}

TEST(QuitRun, GameOverSavesTheTopScoreAtOnce) {
    // The run is cut off during the game-over screen, without any shut-down.
    const std::string home = empty_home("game_over_save");
    const std::string input = temp("game_over_save.txt");
    write_text(input, kThreeDeaths);
    ASSERT_EQ(
        run_sim("--no-draw --data " + home + " --start 1.1 --input " + input + " --frames 1850"),
        0);
    EXPECT_EQ(saved_score(home), 150);
}

// Both players of a two-player game win 5.3 and see the ending: each turn is played with the
// first level's flame interval of that player, every bonus counts towards the top score, each
// ending saves it, and the title after the last one has player 1 current again.
TEST(QuitRun, TwoPlayersWinTheLastAreaInTurnAndTheTitleFollows) {
    const int second_turn = 3158;  // frames before player 2's announcement
    const int title = 2 * second_turn;
    const std::string home = empty_home("two_endings");
    const std::string input = temp("two_endings.txt");
    // A jump during each level end is kept by the ending and answers its prompt.
    write_text(input, replay("5.3") + "1951 tap jump\n" + replay_later("5.3", second_turn) +
                          std::to_string(1951 + second_turn) + " tap jump\n");
    const std::string turn = temp("two_endings_turn.json");
    const std::string won = temp("two_endings_won.json");
    const std::string end = temp("two_endings_title.json");
    ASSERT_EQ(
        run_sim("--no-draw --data " + home + " --start 5.3:2 --input " + input + " --dump " +
                std::to_string(second_turn + 40) + ":" + turn + " --dump " +
                std::to_string(1941 + second_turn) + ":" + won + " --dump " +
                std::to_string(title + 1) + ":" + end + " --frames " + std::to_string(title + 1)),
        0);
    const std::string at_turn = slurp(turn);
    EXPECT_TRUE(has(at_turn, "\"curplayer\":1,")) << at_turn.substr(0, 120);
    EXPECT_TRUE(has(at_turn, "\"fireballtmr\":0,\"fireballmaxtmr\":700,"))
        << "player 2's own interval is in force";
    const std::string at_won = slurp(won);
    EXPECT_TRUE(has(at_won, "\"game\":{\"state\":4,")) << "player 2 reached the cauldron";
    EXPECT_TRUE(has(at_won, "{\"score\":0,\"lives\":3,")) << "without a death";
    const std::string at_title = slurp(end);
    EXPECT_TRUE(has(at_title,
                    "\"game\":{\"state\":6,\"topscore\":20200,\"players\":0,"
                    "\"curplayer\":0,"))
        << at_title.substr(0, 120);
    EXPECT_EQ(saved_score(home), 20200) << "saved by the endings, not by a shut-down";
}
