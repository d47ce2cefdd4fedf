#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Tries the installed package as a new user would: from / with an empty home
# folder, the command-line tool (with its font-embedding writer) and its
# manual page; then the program started by its menu entry's Exec line in the
# home folder, where F1 has to ask the desktop to open the installed help
# page. The desktop's opener is xdg-open,
# found on PATH; a stand-in early on PATH records what it was asked to open.
set -euo pipefail

app_id=org.example.tessarine.Tessarine
expected=file:///usr/share/tessarine/tessarine4.html

if [[ "${1:-}" != --on-display ]]; then
    self=$(realpath "$0")
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    mkdir "$work/home"
    cd /
    HOME=$work/home tessarine-pdf --version
    # Russian month names need the installed font-embedding writer.
    HOME=$work/home LC_ALL=ru_RU.UTF-8 tessarine-pdf --date 2025-03-01 --output "$work/march.pdf"
    pdftotext "$work/march.pdf" - | grep -q "март 2025" || {
        echo "tessarine-pdf wrote no Russian month name" >&2
        exit 1
    }
    HOME=$work/home man -w tessarine-pdf
    # The licence travels with the package and its software-centre entry.
    grep -q "^License: GPL-3.0-or-later" /usr/share/doc/tessarine/copyright &&
        grep -q "<project_license>GPL-3.0-or-later</project_license>" \
            /usr/share/metainfo/$app_id.metainfo.xml || {
        echo "the installed package does not name its licence, GPL-3.0-or-later" >&2
        exit 1
    }
    HOME=$work/home WORK=$work xvfb-run -a "$self" --on-display
    exit
fi

wait_for() {  # wait_for SECONDS COMMAND...: until COMMAND succeeds
    local tries=$(($1 * 10))
    shift
    until "$@"; do
        ((--tries > 0)) || return 1
        sleep 0.1
    done
}

mkdir "$WORK/bin"
cat >"$WORK/bin/xdg-open" <<STANDIN
#!/bin/sh
printf '%s\n' "\$1" >>"$WORK/opened"
STANDIN
chmod +x "$WORK/bin/xdg-open"

openbox --startup "touch $WORK/wm-ready" &
wm=$!
wait_for 20 test -e "$WORK/wm-ready"

exec_line=$(sed -n 's/^Exec=//p' "/usr/share/applications/$app_id.desktop")
(cd "$HOME" && PATH="$WORK/bin:$PATH" exec $exec_line) &
app=$!
trap 'kill "$app" "$wm" 2>/dev/null; wait 2>/dev/null || true' EXIT

window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Tessarine - ' | head -n 1)
xdotool windowactivate --sync "$window" key F1
wait_for 20 test -s "$WORK/opened" || {
    echo "F1 asked the desktop to open nothing" >&2
    exit 1
}
opened=$(head -n 1 "$WORK/opened")
if [[ "$opened" != "$expected" ]]; then
    echo "F1 asked the desktop to open '$opened', not '$expected'" >&2
    exit 1
fi
echo "F1 from the home folder opens $opened"
