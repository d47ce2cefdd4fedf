#!/usr/bin/env bash
# tessarine-pdf writing 13 Month View pages, beside "pcal -j 1 2025 13 |
# ps2pdf - out.pdf" in the same run: whole-process wall time (median of
# RUNS), peak memory (maximum resident set, /usr/bin/time) and file size.
#
# Targets: at most 0.6 of the pipeline's time, 100 KB or less, 25 MiB peak
# or less. Exits 1 when a target is missed, 2 when something is missing.
#
#   bench/print_pdf_bench.sh            # uses build/default/tessarine-pdf
#   TESSARINE_PDF=/path/to/tool RUNS=9 bench/print_pdf_bench.sh
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

read -r tool_s tool_kib tool_bytes < <(run_timed tessarine "$work/tessarine.pdf" \
    "$tool" --format 0 --pages 13 --date 2025-01-01 --paper letter --output "$work/tessarine.pdf")
read -r pcal_s pcal_kib pcal_bytes < <(run_timed pcal "$work/pcal.pdf" \
    sh -c "pcal -j 1 2025 13 | ps2pdf - '$work/pcal.pdf'")

ratio=$(echo "$tool_s / $pcal_s" | bc -l)
printf '%-28s %10s %12s %12s\n' "" "time (s)" "peak (MiB)" "size (KB)"
printf '%-28s %10.3f %12.1f %12.1f\n' "tessarine-pdf, 13 pages" "$tool_s" \
    "$(echo "$tool_kib / 1024" | bc -l)" "$(echo "$tool_bytes / 1024" | bc -l)"
printf '%-28s %10.3f %12.1f %12.1f\n' "pcal | ps2pdf, 13 pages" "$pcal_s" \
    "$(echo "$pcal_kib / 1024" | bc -l)" "$(echo "$pcal_bytes / 1024" | bc -l)"
printf 'time ratio %.2f (target <= 0.60), median of %d runs\n' "$ratio" "$runs"

status=0
check() {
    local what=$1 ok=$2
    if [[ $ok == 1 ]]; then
        echo "PASS  $what"
    else
        echo "MISS  $what"
        status=1
    fi
}
check "time at most 0.6 of the pipeline" "$(echo "$ratio <= 0.6" | bc -l)"
check "file 100 KB or less" "$((tool_bytes <= 100 * 1024))"
check "peak memory 25 MiB or less" "$((tool_kib <= 25 * 1024))"
exit $status
