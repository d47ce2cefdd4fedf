#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a fresh Debian 12 machine, builds Tessarine and runs the whole test
# suite headless. Pass "asan" to build and test under the sanitizers instead.
set -euo pipefail
cd "$(dirname "$0")"

preset=${1:-default}
scripts/setup-debian.sh
# The end-to-end print tests print on a real CUPS queue.
if [[ $(id -u) -eq 0 ]]; then
    scripts/start-test-printer.sh
else
    sudo scripts/start-test-printer.sh
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" --output-on-failure
