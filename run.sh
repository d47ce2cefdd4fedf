#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a fresh Debian 12 machine, builds Tessarine and starts it.
set -euo pipefail
cd "$(dirname "$0")"

scripts/setup-debian.sh
cmake --preset default >/dev/null
cmake --build --preset default --target tessarine

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "Tessarine needs a graphical display and none was found: run this from a desktop session, or start a virtual one with 'Xvfb :99 & export DISPLAY=:99' first." >&2
    exit 1
fi

exec build/default/tessarine
