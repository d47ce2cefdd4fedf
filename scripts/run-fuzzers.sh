#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer harnesses under fuzz/ with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for SECONDS (default 60) from its
# seeds. Exits non-zero on the first finding; the crashing input is left in
# build/fuzz/findings/.
#
#   scripts/run-fuzzers.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
scripts/setup-debian.sh clang libclang-rt-14-dev

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

# Where each harness's seeds come from: the test data where there is some.
declare -A seeds=(
    [hive_parser_fuzz]=tests/platform/data
    [goto_date_fuzz]=fuzz/seeds/goto_date
)

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p build/fuzz/findings
for harness in "${!seeds[@]}"; do
    corpus=build/fuzz/corpus/$harness
    mkdir -p "$corpus"
    echo "Fuzzing $harness for ${seconds}s"
    build/fuzz/fuzz/"$harness" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix=build/fuzz/findings/"$harness"- \
        "$corpus" "${seeds[$harness]}"
done
