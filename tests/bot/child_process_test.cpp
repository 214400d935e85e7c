// SPDX-License-Identifier: GPL-3.0-or-later
// The platform's child process: started without a shell, fed and read without waiting, ended
// at will, and a child that cannot start, fails or is gone reported as such.
#include "platform/child_process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

const std::string kSim = std::string(VARNOTH_BINARY_DIR) + "/varnoth-sim";

// Everything the child writes until it ends, and its exit status.
int wait_for_end(ChildProcess& child, std::string& out) {
    int status = 0;
    while (!child.Ended(status)) {
        child.Receive(out);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    child.Receive(out);
    return status;
}

}  // namespace

TEST(ChildProcess, RunsAProgramAndHandsOverItsOutputAndStatus) {
    std::string error;
    auto child = ChildProcess::Start(kSim, {"--frames", "0"}, error);
    ASSERT_TRUE(child) << error;
    std::string out;
    EXPECT_EQ(wait_for_end(*child, out), 0);
    int status = -5;
    EXPECT_TRUE(child->Ended(status));  // and it stays ended
    EXPECT_EQ(status, 0);

    // An argument with spaces and quotes arrives as one argument: the runner names it back.
    child = ChildProcess::Start(kSim, {"--start", "nine \"and\" a half"}, error);
    ASSERT_TRUE(child) << error;
    EXPECT_EQ(wait_for_end(*child, out), 2);
}

TEST(ChildProcess, AFailingChildIsReportedAndAGoneOneCannotBeFed) {
    std::string error;
    EXPECT_FALSE(
        ChildProcess::Start(std::string(VARNOTH_BINARY_DIR) + "/no-such-program", {}, error));
    EXPECT_NE(error.find("cannot start"), std::string::npos) << error;

    // The check child refuses a request it cannot read, with exit status 2.
    auto child = ChildProcess::Start(kSim, {"--area-check-child"}, error);
    ASSERT_TRUE(child) << error;
    EXPECT_TRUE(child->Send("not a request\n"));
    child->CloseInput();
    std::string out;
    EXPECT_EQ(wait_for_end(*child, out), 2);
    EXPECT_EQ(out, "");

    // Writing to a child that is gone is an error, not the end of this program.
    child = ChildProcess::Start(kSim, {"--frames", "0"}, error);
    ASSERT_TRUE(child) << error;
    wait_for_end(*child, out);
    EXPECT_FALSE(child->Send(std::string(1 << 20, 'x')));
}

TEST(ChildProcess, EndStopsAChildThatWouldRunOn) {
    std::string error;
    // Waiting for a request that never comes: it runs until it is ended.
    auto child = ChildProcess::Start(kSim, {"--area-check-child"}, error);
    ASSERT_TRUE(child) << error;
    int status = 0;
    EXPECT_FALSE(child->Ended(status));
    child->End();
    EXPECT_TRUE(child->Ended(status));
    EXPECT_EQ(status, -1);
    std::string out;
    child->Receive(out);
    EXPECT_EQ(out, "");
    child.reset();  // ending and waiting again is harmless

    EXPECT_FALSE(OwnProgramPath().empty());
}
