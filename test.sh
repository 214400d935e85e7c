#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and runs the whole test suite: once in the release build, once built with
# AddressSanitizer and UndefinedBehaviorSanitizer with leak detection (a long soak included),
# then a brief run of every fuzz target. Ends with the time each stage took, so that a slowdown
# shows at once.
set -euo pipefail
cd "$(dirname "$0")"
jobs="$(nproc)"
# Many tests spend their time waiting for the programs they start (the runner, the bot, a
# display server), so the suite runs twice as many at once as there are cores.
test_jobs=$((jobs * 2))

started=$SECONDS
stage_name=""
stage_start=0
report=()
begin() {
    stage_name="$1"
    stage_start=$SECONDS
}
done_stage() {
    report+=("$(printf '  %-22s %5d s' "$stage_name" $((SECONDS - stage_start)))")
    stage_name=""
}
print_times() {
    local status=$?
    [ -n "$stage_name" ] && report+=("$(printf '  %-22s %5d s  (failed here)' "$stage_name" \
        $((SECONDS - stage_start)))")
    echo "test.sh: time per stage"
    printf '%s\n' "${report[@]}"
    printf '  %-22s %5d s\n' "total" $((SECONDS - started))
    exit "$status"
}
trap print_times EXIT

# A compiler cache pays on a developer's machine, where the same sources are built again and
# again; on a fresh clone it only costs a little, so it is used when present, never required.
launcher=()
command -v ccache >/dev/null &&
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)

begin "set-up"
tools/setup-deps.sh
done_stage

# Both trees are built by Ninja, which starts a target's objects while the libraries it links
# are still being built, and in unity mode: the game's files are compiled a few at a time, so
# the headers they share are read once per batch. A tree that another generator made starts again.
build_flags=(-G Ninja -DCMAKE_UNITY_BUILD=ON "${launcher[@]}")
fresh_tree() {
    local tree="$1"
    if [ -f "$tree/CMakeCache.txt" ] && ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$tree/CMakeCache.txt"; then
        rm -rf "$tree"
    fi
}

begin "release build"
fresh_tree build
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release "${build_flags[@]}" >/dev/null
cmake --build build -j"$jobs"
done_stage

begin "release tests"
(cd build && ctest -j"$test_jobs" --output-on-failure)
done_stage

begin "sanitizer build"
# Clang's sanitizers, with libFuzzer's instrumentation as well: one tree holds the instrumented
# suite and the fuzz targets, so the game is compiled once for both. A tree that an older test
# command configured with GCC starts again.
if [ -f build-sanitize/CMakeCache.txt ] &&
    ! grep -q '^CMAKE_CXX_COMPILER:FILEPATH=.*clang' build-sanitize/CMakeCache.txt; then
    rm -rf build-sanitize
fi
fresh_tree build-sanitize
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNOTH_SANITIZE=ON \
    -DVARNOTH_FUZZ=ON -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
    "${build_flags[@]}" >/dev/null
cmake --build build-sanitize -j"$jobs"
done_stage

begin "sanitizer tests"
# Leaks of the game or the tests fail the run; the suppressions name third-party frames only.
(cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS="suppressions=$PWD/../tests/lsan.supp:print_suppressions=0" \
    ctest -j"$test_jobs" --output-on-failure)
done_stage

begin "fuzzing"
VARNOTH_FUZZ_BUILD="$PWD/build-sanitize" tools/fuzz.sh 10
done_stage
