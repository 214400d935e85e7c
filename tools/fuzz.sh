#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets (clang, in build-fuzz/) and runs each for SECONDS from its
# committed seed corpus. New inputs go to build-fuzz/corpus/NAME, never into the repository;
# a crashing input is kept as build-fuzz/crashes/NAME-crash-... and the run exits non-zero.
# Usage: tools/fuzz.sh SECONDS [TARGET...]   (targets by name: hiscore demo map ...)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:?usage: tools/fuzz.sh SECONDS [TARGET...]}"
shift
root="$PWD"
build="$root/build-fuzz"

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNOTH_FUZZ=ON \
    "-DVARNOTH_ONLY_TOOLS=embed;mapc;sfxgen" "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" --target fuzz_targets >/dev/null

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for dir in fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1"
mkdir -p "$build/crashes"
crashes=0
for name in "${targets[@]}"; do
    work="$build/corpus/$name"
    mkdir -p "$work"
    log="$build/fuzz_$name.log"
    # The game's own complaints about damaged input go to standard error: libFuzzer's report
    # stays, the rest is closed (close_fd_mask=2) so it cannot slow the run down.
    if "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 \
        -close_fd_mask=2 -print_final_stats=1 -artifact_prefix="$build/crashes/$name-" \
        "$work" "$root/fuzz/corpus/$name" >"$log" 2>&1; then
        echo "fuzz: $name: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') runs, no crash"
    else
        crashes=$((crashes + 1))
        echo "fuzz: $name: CRASHED, input kept in $build/crashes/ (log: $log)"
        grep -m3 -E 'ERROR|SUMMARY' "$log" || true
    fi
done
echo "fuzz: ${#targets[@]} targets, $crashes crashes"
[ "$crashes" -eq 0 ]
