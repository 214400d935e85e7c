// SPDX-License-Identifier: GPL-3.0-or-later
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

int run_program(const std::string& command, std::string* out, std::string* err) {
    // Scratch files per test process, since ctest runs the tests side by side.
    const std::string stem = "/tmp/varnoth_program_" + std::to_string(getpid());
    const std::string outfile = stem + ".out", errfile = stem + ".err";
    const int status = std::system(
        (command + " >" + (out ? outfile : "/dev/null") + " 2>" + (err ? errfile : "/dev/null"))
            .c_str());
    if (out) *out = slurp(outfile);
    if (err) *err = slurp(errfile);
    std::remove(outfile.c_str());
    std::remove(errfile.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int run_sim(const std::string& args, std::string* err) {
    return run_program(sim_path() + " " + args, nullptr, err);
}

std::string scratch_folder(const std::string& name) {
    const std::string dir = "/tmp/varnoth_" + name + "_" + std::to_string(getpid());
    std::system(("rm -rf " + dir + " && mkdir -p " + dir).c_str());
    return dir;
}

std::string empty_home(const std::string& name) {
    const std::string dir = scratch_folder("home_" + name);
    std::system(("mkdir -p " + dir + "/data").c_str());
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
