// The runner as a child process, for tests that check it as a whole program.
#include "support/sim_runner.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

const std::string& sim_path() {
    static const std::string path = std::string(VARNOTH_BINARY_DIR) + "/varnoth-sim";
    return path;
}

int run_sim(const std::string& args, std::string* err) {
    // One scratch file per test process, since ctest runs the tests side by side.
    const std::string errfile = "/tmp/varnoth_sim_stderr_" + std::to_string(getpid());
    const int status =
        std::system((sim_path() + " " + args + " 2>" + (err ? errfile : "/dev/null")).c_str());
    if (err) {
        *err = slurp(errfile);
        std::remove(errfile.c_str());
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string empty_home(const std::string& name) {
    const std::string dir = ::testing::TempDir() + "varnoth_home_" + name;
    std::system(("rm -rf " + dir + " && mkdir -p " + dir + "/data").c_str());
    return dir;
}

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void write_text(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}
