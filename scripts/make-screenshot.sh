#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes docs/main-window.png, the picture the README and the AppStream data
# show: the built program's main window on a virtual display with a window
# manager, with settings of its own so that nobody's choices show.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ "${1:-}" != --on-display ]]; then
    cmake --build --preset default --target tessarine
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --on-display
fi

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
openbox --startup "touch $work/wm-ready" &
until [[ -e "$work/wm-ready" ]]; do sleep 0.1; done

TESSARINE_REGISTRY_DIR=$work build/default/tessarine &
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Tessarine - ' | head -n 1)
sleep 3  # the splash closes after 1.5 s
import -window "$window" -strip png:- | convert png:- -strip -colors 64 -define png:compression-level=9 docs/main-window.png
echo "docs/main-window.png: $(stat -c %s docs/main-window.png) bytes"
