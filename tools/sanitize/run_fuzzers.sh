#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every fuzzing target of a sanitizer build (see run_sanitized_tests.sh)
# for the given seconds, two at a time, each from a copy of its corpus so
# that the repository is left as it was. A find is kept in the scratch
# folder named in the report and fails the run.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:?usage: run_fuzzers.sh BUILD_DIR [SECONDS]}
seconds=${2:-60}
scratch=$(mktemp -d "${TMPDIR:-/tmp}/corvella-fuzz.XXXXXX")

seed_folder() {
    case "$1" in
        wmf) echo "${CORVELLA_WMF_CORPUS:-}" ;;
        *) echo "fuzz/corpus/$1" ;;
    esac
}

fuzz_one() {
    local target=$1 work="$scratch/$1" seeds
    seeds=$(seed_folder "$target")
    mkdir -p "$work/corpus" "$work/finds"
    [ -n "$seeds" ] && [ -d "$seeds" ] && cp -r "$seeds/." "$work/corpus/"
    if "$build/fuzz/fuzz_$target" "$work/corpus" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
        -artifact_prefix="$work/finds/" >"$work/log" 2>&1; then
        echo "fuzz_$target: $(grep -m1 'number_of_executed_units' "$work/log" | awk '{print $2}') runs, no finds"
    else
        echo "fuzz_$target FOUND A FAULT (input in $work/finds):"
        grep -v '^#' "$work/log" | tail -n 40
        return 1
    fi
}

failed=0
targets=(questionfile worksheetlist sound picture topicfile activityfile wmf)
for ((i = 0; i < ${#targets[@]}; i += 2)); do
    pids=()
    for target in "${targets[@]:i:2}"; do
        fuzz_one "$target" &
        pids+=($!)
    done
    for pid in "${pids[@]}"; do
        wait "$pid" || failed=1
    done
done
[ "$failed" -eq 0 ] && rm -rf "$scratch"
exit "$failed"
