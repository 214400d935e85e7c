#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the web version and plays it in headless Chromium (tools/web/check.js); the
# screenshots and the page's console go to build-web-check/. Exits non-zero when a check fails.
#   usage: tools/web/check.sh   (VARNOTH_WEB_SKIP_BUILD=1: use the build-web/ already there)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
cd "$root"
if [ "${VARNOTH_WEB_SKIP_BUILD:-}" != 1 ]; then
    tools/web/build.sh
else
    tools/web/setup-deps.sh
fi

# The DevTools client comes from npm, kept in the cache beside the libraries, at a version
# that runs on Debian's Node.
cache="$(tools/web/cache-dir.sh)"
client="$cache/check-client"
if [ ! -e "$client/node_modules/puppeteer-core/package.json" ]; then
    mkdir -p "$client"
    npm install --prefix "$client" --no-audit --no-fund --no-save --silent \
        puppeteer-core@24 >/dev/null
fi

out="$root/build-web-check"
rm -rf "$out"
NODE_PATH="$client/node_modules" node tools/web/check.js "$root/build-web" "$out" \
    "$(command -v chromium)"
