// SPDX-License-Identifier: GPL-3.0-or-later
// What the game and its check child say to each other: a request read back whole or refused,
// and an answer read back the same in whatever pieces the pipe hands it over.
#include "bot/check_protocol.h"

#include <gtest/gtest.h>

namespace {

AreaCheckResult won_answer() {
    AreaCheckResult r;
    r.outcome = AreaCheckResult::Outcome::kWon;
    r.branches = 1234;
    r.progress = 1;
    r.play_frames = 1325;
    r.replay = "# --start 1.1 --frames 1618\n# proves: a line\n295 press right\n";
    // A recorded game is bytes of every value, line ends and the protocol's own words among them.
    r.recording = std::string("VRP\0\n\ndone\nmessage 3\n", 22);
    for (int i = 0; i < 256; ++i) r.recording.push_back(static_cast<char>(i));
    r.unreached = {{4, 1}, {139, 11}};
    r.message = "can be won: the bot reached the cauldron in 22 s of play";
    return r;
}

}  // namespace

TEST(CheckProtocol, ARequestReadsBackWholeAndAnythingElseIsRefused) {
    AreaCheckRequest r;
    r.level = 4;
    r.area = 3;
    r.branch_budget = 5000;
    for (int i = 0; i < 300; ++i) r.compiled_map.push_back(static_cast<uint8_t>(i));  // all bytes
    r.compiled_map.push_back('\n');
    const std::string bytes = encode_request(r);
    AreaCheckRequest back;
    std::string error;
    ASSERT_TRUE(decode_request(bytes, back, error)) << error;
    EXPECT_EQ(back.level, 4);
    EXPECT_EQ(back.area, 3);
    EXPECT_EQ(back.branch_budget, 5000);
    EXPECT_EQ(back.compiled_map, r.compiled_map);

    EXPECT_FALSE(decode_request("", back, error));
    EXPECT_EQ(error, "not a request for an area check");
    EXPECT_FALSE(decode_request(bytes.substr(0, bytes.size() / 2), back, error));
    EXPECT_EQ(error, "the request for an area check is cut short");
    EXPECT_FALSE(decode_request(bytes.substr(0, bytes.size() - 4), back, error));
    std::string wrong = bytes;
    wrong.replace(wrong.find("map 301"), 7, "map 999");
    EXPECT_FALSE(decode_request(wrong, back, error));
}

TEST(CheckProtocol, AnAnswerReadsBackTheSameInPiecesOfAnySize) {
    AreaCheckResult running;
    running.branches = 1000;
    running.progress = 0.25f;
    const std::string bytes = encode_progress(running) + encode_answer(won_answer());
    for (size_t piece : {size_t{1}, size_t{7}, bytes.size()}) {
        CheckReplyReader reader;
        bool saw_progress = false;
        for (size_t at = 0; at < bytes.size(); at += piece) {
            reader.feed(bytes.substr(at, piece));
            if (!reader.done() && reader.result().branches == 1000) saw_progress = true;
        }
        EXPECT_EQ(saw_progress, piece < bytes.size());  // seen when it came alone
        ASSERT_TRUE(reader.done());
        EXPECT_FALSE(reader.broken());
        const AreaCheckResult& r = reader.result();
        EXPECT_EQ(r.outcome, AreaCheckResult::Outcome::kWon);
        EXPECT_EQ(r.branches, 1234);
        EXPECT_EQ(r.play_frames, 1325);
        EXPECT_FLOAT_EQ(r.progress, 1.0f);
        EXPECT_EQ(r.replay, won_answer().replay);
        EXPECT_EQ(r.recording, won_answer().recording);
        EXPECT_EQ(r.message, won_answer().message);
        ASSERT_EQ(r.unreached.size(), 2u);
        EXPECT_EQ(r.unreached[1].column, 139);
        EXPECT_EQ(r.unreached[1].row, 11);
    }
}

TEST(CheckProtocol, OutputThatIsNotTheProtocolIsBroken) {
    for (const std::string& bad :
         {std::string("varnoth 1.22.0\n"), std::string("done\n"), std::string(300, 'x'),
          std::string("result won 1 2 1.0\nreplay 3\nabcd\n"),
          std::string("result won 1 2 1.0\nmessage -4\n"),
          std::string("result won 1 2 1.0\nrecording 2\nabc\n")}) {
        CheckReplyReader reader;
        reader.feed(bad);
        EXPECT_TRUE(reader.broken()) << bad;
        EXPECT_FALSE(reader.done()) << bad;
    }
}
