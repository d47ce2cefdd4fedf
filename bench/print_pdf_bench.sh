#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# tessarine-pdf writing 13 pages of every print format, beside "pcal -j 1
# 2025 13 | ps2pdf - out.pdf" in the same run, interleaved: whole-process
# wall time (median of RUNS), peak memory (maximum resident set,
# /usr/bin/time) and file size.
#
# Targets for every format: at most TARGET (default 0.25) of the pipeline's
# time, 100 KB or less, 25 MiB peak or less. Exits 1 when a target is
# missed, 2 when something is missing.
#
#   bench/print_pdf_bench.sh            # uses build/default/tessarine-pdf
#   TESSARINE_PDF=/path/to/tool RUNS=9 TARGET=0.3 FORMATS="0 10" bench/print_pdf_bench.sh
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
tool=${TESSARINE_PDF:-$root/build/default/tessarine-pdf}
runs=${RUNS:-7}
target=${TARGET:-0.25}

missing=()
[[ -x $tool ]] || missing+=("$tool (build the tessarine-pdf target)")
[[ -x /usr/bin/time ]] || missing+=("/usr/bin/time (Debian package time)")
command -v pcal >/dev/null || missing+=("pcal (Debian package pcal)")
command -v ps2pdf >/dev/null || missing+=("ps2pdf (Debian package ghostscript)")
command -v bc >/dev/null || missing+=("bc (Debian package bc)")
if ((${#missing[@]} > 0)); then
    printf 'print_pdf_bench: missing %s\n' "${missing[@]}" >&2
    exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# run_once NAME OUTPUT COMMAND...: one run; appends its wall time to
# times[NAME] and keeps the largest peak and the file's size.
declare -A times peaks sizes
run_once() {
    local name=$1 output=$2
    shift 2
    rm -f "$output"
    local start=$EPOCHREALTIME
    /usr/bin/time -f '%M' -o "$work/$name.rss" "$@" >/dev/null 2>"$work/$name.err" || {
        echo "print_pdf_bench: $name failed:" >&2
        cat "$work/$name.err" >&2
        exit 2
    }
    local end=$EPOCHREALTIME
    times[$name]+="$(echo "$end - $start" | bc -l) "
    local rss
    rss=$(tail -n 1 "$work/$name.rss")
    ((rss > ${peaks[$name]:-0})) && peaks[$name]=$rss
    sizes[$name]=$(stat -c %s "$output")
}
median() { tr ' ' '\n' | grep . | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

formats=(${FORMATS:-$(seq 0 11)})
# Interleaved: every round runs the pipeline and then every format, so that
# a busy moment of the machine falls on both sides alike.
for ((round = 0; round < runs; round++)); do
    run_once pcal "$work/pcal.pdf" sh -c "pcal -j 1 2025 13 | ps2pdf - '$work/pcal.pdf'"
    for format in "${formats[@]}"; do
        run_once "format$format" "$work/f$format.pdf" "$tool" --format "$format" --pages 13 \
            --date 2025-01-01 --paper letter --output "$work/f$format.pdf"
    done
done

mib() { echo "$1 / 1024" | bc -l; }
pcal_s=$(median <<<"${times[pcal]}")
printf '%-38s %9s %7s %11s %10s\n' "13 pages" "time (s)" "ratio" "peak (MiB)" "size (KB)"
printf '%-38s %9.3f %7s %11.1f %10.1f\n' "pcal | ps2pdf" "$pcal_s" "" "$(mib "${peaks[pcal]}")" \
    "$(mib "${sizes[pcal]}")"

status=0
misses=()
for format in "${formats[@]}"; do
    # The English name; a translated one may follow it after two blanks.
    name=$("$tool" --list-formats | sed -n "$((format + 1))s/^ *[0-9]*  //p" | sed 's/  .*//')
    tool_s=$(median <<<"${times[format$format]}")
    tool_kib=${peaks[format$format]}
    tool_bytes=${sizes[format$format]}
    ratio=$(echo "$tool_s / $pcal_s" | bc -l)
    printf '%-38s %9.3f %7.2f %11.1f %10.1f\n' "$name" "$tool_s" "$ratio" "$(mib "$tool_kib")" \
        "$(mib "$tool_bytes")"
    [[ $(echo "$ratio <= $target" | bc -l) == 1 ]] || misses+=("$name: time ratio above $target")
    ((tool_bytes <= 100 * 1024)) || misses+=("$name: file above 100 KB")
    ((tool_kib <= 25 * 1024)) || misses+=("$name: peak memory above 25 MiB")
done
printf 'median of %d interleaved runs; targets: ratio <= %s, size <= 100 KB, peak <= 25 MiB\n' \
    "$runs" "$target"
for miss in "${misses[@]}"; do
    echo "MISS  $miss"
    status=1
done
((status == 0)) && echo "PASS  every format meets every target"
exit $status
