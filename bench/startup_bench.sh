#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the whole program beside a minimal window holding the
# toolkit's own calendar (bench/calendar_window_anchor.cpp), interleaved in
# one run on a private virtual display without a window manager: launch to
# the first frame drawn in the main window (not the server's background
# fill at mapping, see bench/first_frame_probe.cpp), and resident memory
# 1.5 s after it. Medians of RUNS rounds.
#
# Targets: the program's first frame within TARGET (default 0.9) times the
# anchor's, and its resident memory within MEMORY_TARGET (default 1.0) times
# the anchor's. Exits 1 on a miss, 2 when something is missing.
#
# The program runs a third time in each round with the benchmarks' calendar
# of 10,000 events listed (bench/bench_calendar.h): its first frame within
# CALENDAR_TARGET (default 1.05) times the program's without, since the
# calendar is read after the first frame. Its resident memory is shown.
#
#   bench/startup_bench.sh
#   RUNS=10 TARGET=1.0 MEMORY_TARGET=1.1 CALENDAR_TARGET=1.1 bench/startup_bench.sh
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${TESSARINE_BUILD:-$root/build/default}
runs=${RUNS:-20}
target=${TARGET:-0.9}
memory_target=${MEMORY_TARGET:-1.0}
calendar_target=${CALENDAR_TARGET:-1.05}
program=$build/tessarine
anchor=$build/bench/calendar_window_anchor
probe=$build/bench/first_frame_probe
writer=$build/bench/write_bench_calendar

missing=()
for file in "$program" "$anchor" "$probe" "$writer"; do
    [[ -x $file ]] || missing+=("$file (build the default preset)")
done
command -v Xvfb >/dev/null || missing+=("Xvfb (Debian package xvfb)")
command -v bc >/dev/null || missing+=("bc (Debian package bc)")
if ((${#missing[@]} > 0)); then
    printf 'startup_bench: missing %s\n' "${missing[@]}" >&2
    exit 2
fi

work=$(mktemp -d)
display=:$((200 + RANDOM % 500))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=$display
for ((i = 0; i < 50; i++)); do
    [[ -e /tmp/.X11-unix/X${display#:} ]] && break
    sleep 0.1
done
# The program's settings and reminder go to a scratch registry: one
# without calendars, and one listing the calendar (the program finds its
# hives in the folder TESSARINE_REGISTRY_DIR names).
mkdir "$work/plain" "$work/calendar"
TESSARINE_REGISTRY_DIR=$work/calendar "$writer" "$work/calendar/events.ics" --list
export TESSARINE_REGISTRY_DIR=$work/plain
unset QT_QPA_PLATFORM

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

run_program() {
    (cd "$root/share" && "$probe" "Tessarine - Freeware" 1500 "$program") >>"$work/program"
}
run_with_calendar() {
    (cd "$root/share" && TESSARINE_REGISTRY_DIR=$work/calendar \
        "$probe" "Tessarine - Freeware" 1500 "$program") >>"$work/with_calendar"
}
: >"$work/program" && : >"$work/anchor" && : >"$work/with_calendar"
# The two runs of the program swap places every other round: a run right
# after the anchor's starts measurably slower than one after the program's.
for ((i = 0; i < runs; i++)); do
    if ((i % 2 == 0)); then run_program; else run_with_calendar; fi
    "$probe" "Calendar anchor" 1500 "$anchor" >>"$work/anchor"
    if ((i % 2 == 0)); then run_with_calendar; else run_program; fi
done

program_ms=$(cut -d' ' -f1 "$work/program" | median)
anchor_ms=$(cut -d' ' -f1 "$work/anchor" | median)
program_kib=$(cut -d' ' -f2 "$work/program" | median)
program_cpu=$(cut -d' ' -f3 "$work/program" | median)
anchor_cpu=$(cut -d' ' -f3 "$work/anchor" | median)
anchor_kib=$(cut -d' ' -f2 "$work/anchor" | median)
calendar_ms=$(cut -d' ' -f1 "$work/with_calendar" | median)
calendar_kib=$(cut -d' ' -f2 "$work/with_calendar" | median)
calendar_cpu=$(cut -d' ' -f3 "$work/with_calendar" | median)
# Compared unrounded: two decimals would let 1.009 pass as 1.00.
ratio=$(echo "$program_ms / $anchor_ms" | bc -l)
memory_ratio=$(echo "$program_kib / $anchor_kib" | bc -l)
calendar_ratio=$(echo "$calendar_ms / $program_ms" | bc -l)

printf '%-24s %10s %12s %14s\n' "" "first frame" "resident" "CPU to frame"
printf '%-24s %8s ms %8s KiB %11s ms\n' "tessarine" "$program_ms" "$program_kib" "$program_cpu"
printf '%-24s %8s ms %8s KiB %11s ms\n' "calendar anchor" "$anchor_ms" "$anchor_kib" "$anchor_cpu"
printf '%-24s %8s ms %8s KiB %11s ms\n' "tessarine, 10,000 events" "$calendar_ms" "$calendar_kib" \
    "$calendar_cpu"
printf 'ratio: first frame %.3f (target %s), resident %.3f (target %s)\n' "$ratio" "$target" \
    "$memory_ratio" "$memory_target"
printf 'ratio with the calendar: first frame %.3f (target %s)\n' "$calendar_ratio" \
    "$calendar_target"

status=0
if (($(echo "$ratio > $target" | bc -l))); then
    echo "MISS  first frame slower than the target"
    status=1
fi
if (($(echo "$memory_ratio > $memory_target" | bc -l))); then
    echo "MISS  resident memory above the target"
    status=1
fi
if (($(echo "$calendar_ratio > $calendar_target" | bc -l))); then
    echo "MISS  first frame with the calendar slower than the target"
    status=1
fi
((status == 0)) && echo "PASS  first frames and resident memory meet their targets"
exit $status
