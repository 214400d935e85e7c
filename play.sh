#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and starts Varnoth.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target varnoth
exec build/varnoth
