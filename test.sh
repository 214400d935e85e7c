#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and runs the whole test suite: once in the release build, once built with
# AddressSanitizer and UndefinedBehaviorSanitizer with leak detection (a long soak included),
# then a brief run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup-deps.sh
jobs="$(nproc)"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest -j"$jobs" --output-on-failure)

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNOTH_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j"$jobs"
# Leaks of the game or the tests fail the run; the suppressions name third-party frames only.
(cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS="suppressions=$PWD/../tests/lsan.supp:print_suppressions=0" \
    ctest -j"$jobs" --output-on-failure)

tools/fuzz.sh 10
