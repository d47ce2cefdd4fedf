#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package a second time, from a fresh build folder elsewhere,
# and compares it byte for byte with the package of the default preset's
# folder: two builds of one commit must give the same package. Where they
# differ, the differing files are named (and shown by diffoscope where it is
# installed), and the check fails.
#
# Usage: scripts/check-reproducible.sh [FIRST-BUILD-FOLDER [SECOND-BUILD-FOLDER]]
# The first folder (build/default unless named) must be configured; a second
# folder that is named is kept, a temporary one removed afterwards. Neither
# may be built through ccache with CCACHE_BASEDIR: it hands the compiler
# relative paths that the build's path mappings do not reach.
set -euo pipefail
cd "$(dirname "$0")/.."

first=${1:-build/default}
work=$(mktemp -d /tmp/tessarine-reproducible.XXXXXX)
trap 'rm -rf "$work"' EXIT
second=${2:-$work/build}

# The package's contents only: the tests and benchmarks are not in it.
cmake --build "$first" --target tessarine_install_files
cmake --preset default -B "$second" >/dev/null
cmake --build "$second" --target tessarine_install_files

pack() {  # pack BUILD-FOLDER OUTPUT-FOLDER: prints the package's path
    cpack --config "$1/CPackConfig.cmake" -B "$2" >/dev/null
    echo "$2"/tessarine_*.deb
}
one=$(pack "$first" "$work/one")
two=$(pack "$second" "$work/two")

if cmp -s "$one" "$two"; then
    echo "Both builds give the same package: $(sha256sum "$one" | cut -d' ' -f1)"
    exit 0
fi

echo "The package differs between two builds of the same commit:" >&2
# The members' contents, then their names, modes, owners and times.
for side in one two; do
    dpkg-deb --raw-extract "$work/$side/"tessarine_*.deb "$work/$side/tree"
    {
        dpkg-deb --ctrl-tarfile "$work/$side/"tessarine_*.deb | tar -tv --full-time
        dpkg-deb --fsys-tarfile "$work/$side/"tessarine_*.deb | tar -tv --full-time
    } >"$work/$side/members"
done
(cd "$work" && diff -rq one/tree two/tree) >&2 || true
diff "$work/one/members" "$work/two/members" >&2 || true
if command -v diffoscope >/dev/null; then
    diffoscope --max-text-report-size 200000 "$one" "$two" >&2 || true
fi
exit 1
