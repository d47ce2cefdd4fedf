#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes a local CUPS queue "PDF" (cups-pdf) the system's default printer, so
# that the end-to-end print test has a real printer to print on. Safe to run
# again: it only starts and creates what is not there yet. Run as root, after
# scripts/setup-debian.sh has installed cups, cups-client and
# printer-driver-cups-pdf.
#
# A second queue "PDF-Strip" (not the default) writes to the same folder but
# claims a 100 pt unprintable strip on the left edge of a portrait A4 sheet
# and none elsewhere, so a test can see on which edge of a landscape page the
# strip ends up.
#
# The PDFs the queue writes land in $TESSARINE_CUPS_PDF_DIR
# (default /var/spool/cups-pdf/tessarine); the test reads the folder from
# /etc/cups/cups-pdf.conf.
set -euo pipefail

queue=PDF
strip_queue=PDF-Strip
out_dir=${TESSARINE_CUPS_PDF_DIR:-/var/spool/cups-pdf/tessarine}
conf=/etc/cups/cups-pdf.conf
ppd=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd

if [[ $(id -u) -ne 0 ]]; then
    echo "start-test-printer.sh must run as root" >&2
    exit 1
fi
for tool in cupsd lpadmin lpstat cupsenable cupsaccept; do
    if ! command -v "$tool" >/dev/null; then
        echo "start-test-printer.sh: $tool is missing; run scripts/setup-debian.sh first" >&2
        exit 1
    fi
done
if [[ ! -f $conf ]]; then
    echo "start-test-printer.sh: $conf is missing; install printer-driver-cups-pdf" >&2
    exit 1
fi

# One fixed output folder for every user, writable by all like /tmp, so a
# test run by any user finds its pages.
mkdir -p "$out_dir"
chmod 1777 "$out_dir"
set_conf() {
    local key=$1 value=$2
    if grep -Eq "^[#[:space:]]*${key}[[:space:]]" "$conf"; then
        sed -i -E "0,/^[#[:space:]]*${key}[[:space:]].*/s||${key} ${value}|" "$conf"
    else
        printf '%s %s\n' "$key" "$value" >>"$conf"
    fi
}
set_conf Out "$out_dir"
set_conf AnonDirName "$out_dir"

# Debian does not start the scheduler in a container; start it by hand.
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    mkdir -p /run/cups
    cupsd
fi
for _ in $(seq 1 60); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.5
done
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    echo "start-test-printer.sh: the CUPS scheduler did not start" >&2
    exit 1
fi

# Without the pdftocairo renderer the text of the written PDFs cannot be
# extracted again.
if ! lpstat -p "$queue" >/dev/null 2>&1; then
    lpadmin -p "$queue" -v cups-pdf:/ -E -m "$ppd" -o pdftops-renderer-default=pdftocairo
else
    lpadmin -p "$queue" -o pdftops-renderer-default=pdftocairo
fi

# The strip queue's description: the cups-pdf one, with the A4 imageable
# area starting 100 pt from the left edge.
strip_ppd=$(mktemp --suffix=.ppd)
trap 'rm -f "$strip_ppd"' EXIT
sed -E 's|^\*ImageableArea A4/A4: "0 0 595 842"|*ImageableArea A4/A4: "100 0 595 842"|' \
    "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd" >"$strip_ppd"
if ! grep -q '^\*ImageableArea A4/A4: "100 0 595 842"' "$strip_ppd"; then
    echo "start-test-printer.sh: the cups-pdf description has no A4 imageable area to change" >&2
    exit 1
fi
lpadmin -p "$strip_queue" -v cups-pdf:/ -E -P "$strip_ppd" \
    -o pdftops-renderer-default=pdftocairo -o PageSize=A4

for name in "$queue" "$strip_queue"; do
    cupsenable "$name"
    cupsaccept "$name"
done
lpadmin -d "$queue"

for name in "$queue" "$strip_queue"; do
    for _ in $(seq 1 60); do
        lpstat -a "$name" 2>/dev/null | grep -q "accepting requests" && break
        sleep 0.5
    done
    if ! lpstat -a "$name" 2>/dev/null | grep -q "accepting requests"; then
        echo "start-test-printer.sh: queue $name does not accept jobs" >&2
        exit 1
    fi
done
echo "Default printer: $queue; its PDFs and those of $strip_queue go to $out_dir"
