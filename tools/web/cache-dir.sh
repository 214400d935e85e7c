#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the folder that keeps what the web build fetches and builds once per machine (the
# libraries, the check's DevTools client): VARNOTH_WEB_CACHE when set, /var/cache/varnoth-web
# for root or when it is writable, else the user's own cache folder.
set -euo pipefail
if [ -n "${VARNOTH_WEB_CACHE:-}" ]; then
    echo "$VARNOTH_WEB_CACHE"
elif [ "$(id -u)" -eq 0 ] || [ -w /var/cache/varnoth-web ]; then
    echo /var/cache/varnoth-web
else
    echo "${XDG_CACHE_HOME:-$HOME/.cache}/varnoth-web"
fi
