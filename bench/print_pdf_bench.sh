#!/usr/bin/env bash
# tessarine-pdf writing 13 pages of every print format, beside "pcal -j 1
# 2025 13 | ps2pdf - out.pdf" in the same run: whole-process wall time
# (median of RUNS), peak memory (maximum resident set, /usr/bin/time) and
# file size.
#
# Targets for every format: at most 0.6 of the pipeline's time, 100 KB or
# less, 25 MiB peak or less. Exits 1 when a target is missed, 2 when
# something is missing.
#
#   bench/print_pdf_bench.sh            # uses build/default/tessarine-pdf
#   TESSARINE_PDF=/path/to/tool RUNS=9 FORMATS="0 10" bench/print_pdf_bench.sh
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
tool=${TESSARINE_PDF:-$root/build/default/tessarine-pdf}
runs=${RUNS:-7}

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
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

# run_timed NAME OUTPUT COMMAND...: prints "seconds peak_kib bytes" for the
# median run; the peak is the largest of all runs.
run_timed() {
    local name=$1 output=$2
    shift 2
    local times=() peak=0
    for ((i = 0; i < runs; i++)); do
        rm -f "$output"
        local start=$EPOCHREALTIME
        /usr/bin/time -f '%M' -o "$work/$name.rss" "$@" >/dev/null 2>"$work/$name.err" || {
            echo "print_pdf_bench: $name failed:" >&2
            cat "$work/$name.err" >&2
            exit 2
        }
        local end=$EPOCHREALTIME
        times+=("$(echo "$end - $start" | bc -l)")
        local rss
        rss=$(tail -n 1 "$work/$name.rss")
        ((rss > peak)) && peak=$rss
    done
    local median
    median=$(printf '%s\n' "${times[@]}" | sort -g | sed -n "$(((runs + 1) / 2))p")
    echo "$median $peak $(stat -c %s "$output")"
}

read -r pcal_s pcal_kib pcal_bytes < <(run_timed pcal "$work/pcal.pdf" \
    sh -c "pcal -j 1 2025 13 | ps2pdf - '$work/pcal.pdf'")

mib() { echo "$1 / 1024" | bc -l; }
printf '%-38s %9s %7s %11s %10s\n' "13 pages" "time (s)" "ratio" "peak (MiB)" "size (KB)"
printf '%-38s %9.3f %7s %11.1f %10.1f\n' "pcal | ps2pdf" "$pcal_s" "" "$(mib "$pcal_kib")" \
    "$(mib "$pcal_bytes")"

status=0
misses=()
for format in ${FORMATS:-$(seq 0 11)}; do
    name=$("$tool" --list-formats | sed -n "$((format + 1))s/^ *[0-9]*  //p")
    read -r tool_s tool_kib tool_bytes < <(run_timed "format$format" "$work/f$format.pdf" \
        "$tool" --format "$format" --pages 13 --date 2025-01-01 --paper letter \
        --output "$work/f$format.pdf")
    ratio=$(echo "$tool_s / $pcal_s" | bc -l)
    printf '%-38s %9.3f %7.2f %11.1f %10.1f\n' "$name" "$tool_s" "$ratio" "$(mib "$tool_kib")" \
        "$(mib "$tool_bytes")"
    [[ $(echo "$ratio <= 0.6" | bc -l) == 1 ]] || misses+=("$name: time ratio above 0.6")
    ((tool_bytes <= 100 * 1024)) || misses+=("$name: file above 100 KB")
    ((tool_kib <= 25 * 1024)) || misses+=("$name: peak memory above 25 MiB")
done
printf 'median of %d runs; targets: ratio <= 0.60, size <= 100 KB, peak <= 25 MiB\n' "$runs"
for miss in "${misses[@]}"; do
    echo "MISS  $miss"
    status=1
done
((status == 0)) && echo "PASS  every format meets every target"
exit $status
