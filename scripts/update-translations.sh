#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Brings translations/*.ts up to date with the texts in the sources: new
# texts appear unfinished, texts gone from the sources are dropped. Run it
# after changing user-visible texts, then translate what is unfinished.
set -euo pipefail
cd "$(dirname "$0")/.."

preset=${1:-default}
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target update_translations
