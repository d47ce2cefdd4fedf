#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the SHA-256 of the PDF that tessarine-pdf writes for every format at
# three dates (the first and last months it knows and a leap February), both
# papers, every day-number choice, two languages and with and without a
# calendar: one line per file. Run it on two builds and compare the output
# to show that a change leaves every printed page as it was:
#
#   scripts/pdf-fingerprints.sh old/tessarine-pdf > before.txt
#   scripts/pdf-fingerprints.sh build/default/tessarine-pdf > after.txt
#   diff before.txt after.txt
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
tool=${1:-$root/build/default/tessarine-pdf}
calendar=$root/tests/events/data/public_holidays_lax.ics
[[ -x $tool ]] || { echo "pdf-fingerprints: no program at $tool" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# date pages day-numbers paper
cases=(
    "1582-10-04 3 doy a4"
    "2024-02-28 13 jdn letter"
    "3000-12-01 1 none a4"
)
for language in C.UTF-8 de_DE.UTF-8; do
    for format in $(seq 0 11); do
        for entry in "${cases[@]}"; do
            read -r date pages days paper <<<"$entry"
            for events in none holidays; do
                extra=()
                [[ $events == holidays ]] && extra=(--calendar "$calendar")
                LC_ALL=$language TZ=Europe/Berlin "$tool" --format "$format" --pages "$pages" \
                    --date "$date" --days "$days" --paper "$paper" "${extra[@]}" \
                    --output "$work/page.pdf"
                sum=$(sha256sum "$work/page.pdf" | cut -d' ' -f1)
                echo "$language format=$format $date pages=$pages $days $paper $events $sum"
            done
        done
    done
done
