#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders one page of each print layout (portrait, and one wide example) with
# tessarine-pdf and pdftoppm into small greyscale PNGs under docs/formats/,
# for the README's Printing section. Every picture must stay under 60 KB.
#
#   scripts/make-gallery.sh            # uses build/default/tessarine-pdf
#   TESSARINE_PDF=/path/to/tool scripts/make-gallery.sh
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
tool=${TESSARINE_PDF:-$root/build/default/tessarine-pdf}
out_dir=$root/docs/formats
resolution=50
limit=$((60 * 1024))

if [[ ! -x $tool ]]; then
    echo "make-gallery.sh: $tool is missing; build the tessarine-pdf target" >&2
    exit 2
fi
if ! command -v pdftoppm >/dev/null; then
    echo "make-gallery.sh: pdftoppm is missing (Debian package poppler-utils)" >&2
    exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out_dir"
# The same pages on every machine: English names, Letter paper, fixed dates,
# event times read in UTC.
export LC_ALL=C.UTF-8 TZ=UTC QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
sample_calendar=$root/docs/calendars/sample-week.ics

# name format date [calendar]
pictures=(
    "month-view 0 2025-03-05"
    "month-view-wide 1 2025-03-05"
    "biweekly-planner 2 2025-03-05"
    "weekly-planner 4 2025-03-05"
    "two-day-planner 6 2025-03-05"
    "year-view 8 2025-03-05"
    "year-planner 10 2025-03-05"
    "weekly-planner-events 4 2025-03-05 $sample_calendar"
)
status=0
for picture in "${pictures[@]}"; do
    read -r name format date calendar <<<"$picture"
    "$tool" --format "$format" --date "$date" --paper letter ${calendar:+--calendar "$calendar"} \
        --output "$work/$name.pdf"
    pdftoppm -png -gray -r "$resolution" -singlefile "$work/$name.pdf" "$out_dir/$name"
    size=$(stat -c %s "$out_dir/$name.png")
    printf '%-24s %6d bytes\n' "$name.png" "$size"
    if ((size >= limit)); then
        echo "make-gallery.sh: $name.png is not under 60 KB" >&2
        status=1
    fi
done
exit $status
