// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's command line: each option, unknown options and bad values, and the
// exit statuses of the real program.
#include <gtest/gtest.h>

#include "platform/options.h"
#include "support/sim_runner.h"

TEST(CommandLine, OptionsOverrideTheSettingsForThisRun) {
    Settings file;
    file.fullscreen = true;
    file.scale = ScaleMode::kFit;
    CommandLine c = ParseCommandLine({"--window", "--scale", "integer"});
    ASSERT_TRUE(c.run);
    Settings run = ApplyCommandLine(file, c);
    EXPECT_FALSE(run.fullscreen);
    EXPECT_EQ(run.scale, ScaleMode::kInteger);

    c = ParseCommandLine({"--scale=fit", "--fullscreen"});
    ASSERT_TRUE(c.run);
    file.fullscreen = false;
    file.scale = ScaleMode::kInteger;
    run = ApplyCommandLine(file, c);
    EXPECT_TRUE(run.fullscreen);
    EXPECT_EQ(run.scale, ScaleMode::kFit);

    // No options: the file's settings stand.
    run = ApplyCommandLine(file, ParseCommandLine({}));
    EXPECT_FALSE(run.fullscreen);
    EXPECT_EQ(run.scale, ScaleMode::kInteger);
}

TEST(CommandLine, MistakesGiveAMessageTheUsageAndStatusTwo) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--windowed"},
                                               {"-w"},
                                               {"--scale"},
                                               {"--scale", "stretch"},
                                               {"--scale=2"},
                                               {"--help=me"},
                                               {"level1"}}) {
        CommandLine c = ParseCommandLine(args);
        EXPECT_FALSE(c.run) << args[0];
        EXPECT_EQ(c.status, 2) << args[0];
        EXPECT_TRUE(c.out.empty());
        EXPECT_NE(c.err.find("Usage: varnoth"), std::string::npos) << c.err;
    }
}

TEST(CommandLine, TheProgramAnswersHelpVersionAndMistakesWithoutOpeningAWindow) {
    const std::string program = std::string(VARNOTH_BINARY_DIR) + "/varnoth";
    std::string out, err;
    EXPECT_EQ(run_program(program + " --help", &out, &err), 0);
    EXPECT_NE(out.find("--scale fit|integer"), std::string::npos) << out;
    EXPECT_EQ(run_program(program + " --version", &out, &err), 0);
    EXPECT_EQ(out, std::string("varnoth ") + VARNOTH_VERSION + "\n");
    EXPECT_EQ(run_program(program + " --scale blurry", &out, &err), 2);
    EXPECT_TRUE(out.empty());
    EXPECT_NE(err.find("'blurry' is not a scale"), std::string::npos) << err;
    EXPECT_NE(err.find("Usage: varnoth"), std::string::npos) << err;
}
