#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# tessarine-pdf writing 13 Weekly Planner pages with the benchmarks'
# calendar of 10,000 events (1,000 of them weekly series, in Europe/Berlin
# with its VTIMEZONE; bench/bench_calendar.h) beside the same pages without
# a calendar, interleaved: whole-process wall time (median of RUNS) and
# peak memory (maximum resident set, /usr/bin/time).
#
# Targets: at most TARGET (default 10) times the pages without a calendar,
# MEMORY_MIB (default 60) MiB peak or less. Exits 1 when a target is missed,
# 2 when something is missing.
#
#   bench/calendar_pdf_bench.sh
#   TESSARINE_BUILD=/path/to/build RUNS=15 bench/calendar_pdf_bench.sh
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${TESSARINE_BUILD:-$root/build/default}
tool=$build/tessarine-pdf
writer=$build/bench/write_bench_calendar
runs=${RUNS:-9}
target=${TARGET:-10}
memory_mib=${MEMORY_MIB:-60}

missing=()
for file in "$tool" "$writer"; do
    [[ -x $file ]] || missing+=("$file (build the default preset)")
done
[[ -x /usr/bin/time ]] || missing+=("/usr/bin/time (Debian package time)")
command -v bc >/dev/null || missing+=("bc (Debian package bc)")
if ((${#missing[@]} > 0)); then
    printf 'calendar_pdf_bench: missing %s\n' "${missing[@]}" >&2
    exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$writer" "$work/events.ics"
# The events are shown in the zone the calendar's series are written in;
# fetched copies would go to a scratch cache.
export TZ=Europe/Berlin XDG_CACHE_HOME=$work/cache

# run_once NAME ARGUMENT...: one run of the tool; appends its wall time to
# times[NAME] and keeps the largest peak.
declare -A times peaks
run_once() {
    local name=$1
    shift
    rm -f "$work/$name.pdf"
    local start=$EPOCHREALTIME
    /usr/bin/time -f '%M' -o "$work/$name.rss" "$tool" --format 4 --pages 13 \
        --date 2025-03-02 --paper a4 --output "$work/$name.pdf" "$@" >/dev/null \
        2>"$work/$name.err" || {
        echo "calendar_pdf_bench: $name failed:" >&2
        cat "$work/$name.err" >&2
        exit 2
    }
    local end=$EPOCHREALTIME
    times[$name]+="$(echo "$end - $start" | bc -l) "
    local rss
    rss=$(tail -n 1 "$work/$name.rss")
    if ((rss > ${peaks[$name]:-0})); then peaks[$name]=$rss; fi
}
median() { tr ' ' '\n' | grep . | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

for ((round = 0; round < runs; round++)); do
    run_once plain
    run_once events --calendar "$work/events.ics"
done

plain_s=$(median <<<"${times[plain]}")
events_s=$(median <<<"${times[events]}")
ratio=$(echo "$events_s / $plain_s" | bc -l)
mib() { echo "$1 / 1024" | bc -l; }
printf '%-44s %9s %11s\n' "13 Weekly Planner pages" "time (s)" "peak (MiB)"
printf '%-44s %9.3f %11.1f\n' "without a calendar" "$plain_s" "$(mib "${peaks[plain]}")"
printf '%-44s %9.3f %11.1f\n' "with 10,000 events" "$events_s" "$(mib "${peaks[events]}")"
printf 'median of %d interleaved runs; ratio %.2f (target %s), peak target %s MiB\n' "$runs" \
    "$ratio" "$target" "$memory_mib"

status=0
if (($(echo "$ratio > $target" | bc -l))); then
    echo "MISS  time with the calendar above $target times the pages without"
    status=1
fi
if ((${peaks[events]} > memory_mib * 1024)); then
    echo "MISS  peak memory with the calendar above $memory_mib MiB"
    status=1
fi
((status == 0)) && echo "PASS  time and peak memory meet their targets"
exit $status
