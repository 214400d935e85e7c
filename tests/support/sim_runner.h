// SPDX-License-Identifier: GPL-3.0-or-later
// Running the headless runner as a separate program from a test, and the small file chores
// around it.
#pragma once

#include <string>

// The path of the built varnoth-sim.
const std::string& sim_path();

// Runs varnoth-sim with the arguments and returns its exit status (-1 when it did not exit).
// With `err`, what it printed on standard error is returned there; otherwise that is dropped.
int run_sim(const std::string& args, std::string* err = nullptr);

// Runs a shell command line and returns its exit status (-1 when it did not exit), with what it
// printed on standard output and standard error when asked for.
int run_program(const std::string& command, std::string* out = nullptr, std::string* err = nullptr);

// An empty folder under /tmp of this name and this test process, made afresh.
std::string scratch_folder(const std::string& name);

// A fresh scratch directory standing in for the program's own (--data), with an empty data
// folder: no sounds, no recordings, no top score. Names must differ between tests.
std::string empty_home(const std::string& name);

// The whole of a file ("" when it cannot be read), and writing one.
std::string slurp(const std::string& path);
void write_text(const std::string& path, const std::string& text);
