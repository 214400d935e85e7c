// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program as a plain user would run an installed copy: its own folder read-only,
// and XDG_DATA_HOME and XDG_CONFIG_HOME set but empty, which count as unset. The top score and
// the settings must land in the home's default folders, not at the root of the file system.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "support/sim_runner.h"

TEST(PlainUserRun, EmptyXdgVariablesMeanTheHomesDefaultFolders) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to run the game as the user nobody";
    if (run_program("command -v xvfb-run") != 0) GTEST_SKIP() << "xvfb-run is missing";
    const std::string dir = scratch_folder("plain_user");
    const std::string program = dir + "/program";
    const std::string home = dir + "/home";
    ASSERT_EQ(
        run_program("mkdir -p " + program + " " + home + " && cp " VARNOTH_BINARY_DIR "/varnoth " +
                    program + "/ && cp -r " VARNOTH_BINARY_DIR "/data " + program + "/ && rm -f " +
                    program + "/data/hiscore.dat* && chmod -R a-w " + program +
                    " && chown nobody " + home),
        0);
    // SIGTERM reaches the game as a close request, so it ends normally and writes its files.
    std::string err;
    run_program("runuser -u nobody -- env HOME=" + home +
                    " XDG_DATA_HOME= XDG_CONFIG_HOME= SDL_AUDIODRIVER=dummy xvfb-run -a -s "
                    "'-screen 0 800x600x24' timeout -s TERM 3 " +
                    program + "/varnoth --window",
                nullptr, &err);
    struct stat st;
    EXPECT_EQ(stat((home + "/.local/share/varnoth/hiscore.dat").c_str(), &st), 0) << err;
    EXPECT_EQ(stat((home + "/.config/varnoth/varnoth.ini").c_str(), &st), 0) << err;
    EXPECT_EQ(err.find("no folder for the top score"), std::string::npos) << err;
    EXPECT_EQ(err.find("cannot write the settings"), std::string::npos) << err;
    EXPECT_NE(stat("/varnoth", &st), 0) << "nothing is made at the root";
    run_program("chmod -R u+w " + dir + " && rm -rf " + dir);
}
