#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets (clang, in build-fuzz/) and runs each for SECONDS from its
# committed seed corpus. New inputs go to build-fuzz/corpus/NAME, never into the repository;
# a crashing input is kept as build-fuzz/crashes/NAME-crash-... and the run exits non-zero.
# Targets run side by side, one a core, each for its full SECONDS.
# Usage: tools/fuzz.sh SECONDS [TARGET...]   (targets by name: hiscore demo map ...)
#        tools/fuzz.sh --build               (builds the targets and runs none)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:?usage: tools/fuzz.sh SECONDS [TARGET...] | --build}"
shift
root="$PWD"
# VARNOTH_FUZZ_BUILD names a tree configured with VARNOTH_FUZZ already (the test command's
# sanitizer tree holds the targets too); otherwise build-fuzz/ is made with just the targets.
build="${VARNOTH_FUZZ_BUILD:-$root/build-fuzz}"

if [ -z "${VARNOTH_FUZZ_BUILD:-}" ]; then
    launcher=()
    command -v ccache >/dev/null &&
        launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
    CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVARNOTH_FUZZ=ON "-DVARNOTH_ONLY_TOOLS=embed;mapc;sfxgen" "${launcher[@]}" >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target fuzz_targets >/dev/null
[ "$seconds" = "--build" ] && exit 0

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for dir in fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1"
mkdir -p "$build/crashes"

# One target: its verdict on the first line of $build/fuzz_NAME.verdict.
fuzz_one() {
    local name="$1" work="$build/corpus/$1" log="$build/fuzz_$1.log"
    mkdir -p "$work"
    # The game's own complaints about damaged input go to standard error: libFuzzer's report
    # stays, the rest is closed (close_fd_mask=2) so it cannot slow the run down.
    if "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 \
        -close_fd_mask=2 -print_final_stats=1 -artifact_prefix="$build/crashes/$name-" \
        "$work" "$root/fuzz/corpus/$name" >"$log" 2>&1; then
        echo "fuzz: $name: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') runs, no crash"
    else
        echo "fuzz: $name: CRASHED, input kept in $build/crashes/ (log: $log)"
        grep -m3 -E 'ERROR|SUMMARY' "$log" || true
    fi >"$build/fuzz_$name.verdict"
}

running=0
for name in "${targets[@]}"; do
    fuzz_one "$name" &
    running=$((running + 1))
    if [ "$running" -ge "$(nproc)" ]; then
        wait -n || true
        running=$((running - 1))
    fi
done
wait

crashes=0
for name in "${targets[@]}"; do
    cat "$build/fuzz_$name.verdict"
    grep -q CRASHED "$build/fuzz_$name.verdict" && crashes=$((crashes + 1))
done
echo "fuzz: ${#targets[@]} targets, $crashes crashes"
[ "$crashes" -eq 0 ]
