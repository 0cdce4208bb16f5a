#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Runs every fuzz target on its seed corpus for SECONDS each and tells each one's executions
# per second and total executions. Exits non-zero when a target crashes (or is missing); the
# input that crashed it is kept under ARTIFACTS/<target>/.
#
#   fuzz/run-fuzzers.sh SECONDS [BUILD_DIR]
#
# BUILD_DIR is the tree configured with -DLABELBENCH_FUZZ=ON (default: ../fuzz-build beside
# the source tree). The seeds are only read: what a run adds goes to a scratch corpus, kept
# across runs in BUILD_DIR/fuzz-corpus/<target>/ so that the next run starts where this one
# stopped. ARTIFACTS defaults to BUILD_DIR/fuzz-artifacts. Extra libFuzzer flags can be given
# in FUZZ_FLAGS (e.g. FUZZ_FLAGS=-runs=1000000 to stop at a count instead).
set -u

if [[ $# -lt 1 || ! $1 =~ ^[0-9]+$ ]]; then
    echo "usage: $0 SECONDS [BUILD_DIR]" >&2
    exit 2
fi
seconds=$1
here=$(cd "$(dirname "$0")" && pwd)
build=${2:-$here/../../fuzz-build}
build=$(cd "$build" && pwd) || exit 2
artifacts=${ARTIFACTS:-$build/fuzz-artifacts}
scratch=$build/fuzz-corpus

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen

passed=0
failed=0
printf '%-24s %12s %14s  %s\n' target exec/s executions result
for seeds in "$here"/corpus/*/; do
    target=$(basename "$seeds")
    binary=$build/fuzz/$target
    log=$build/fuzz-logs/$target.log
    mkdir -p "$scratch/$target" "$artifacts/$target" "$(dirname "$log")"
    if [[ ! -x $binary ]]; then
        printf '%-24s %12s %14s  %s\n' "$target" - - "MISSING ($binary)"
        failed=$((failed + 1))
        continue
    fi
    # A slow input counts as a failure too: no single input may take 25 s.
    # shellcheck disable=SC2086
    "$binary" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
        -artifact_prefix="$artifacts/$target/" ${FUZZ_FLAGS:-} \
        "$scratch/$target" "$seeds" >"$log" 2>&1
    status=$?
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    if [[ $status -eq 0 ]]; then
        result=ok
        passed=$((passed + 1))
    else
        crash=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -1)
        result="FAILED (exit $status${crash:+, input $crash}; log $log)"
        failed=$((failed + 1))
    fi
    printf '%-24s %12s %14s  %s\n' "$target" "${speed:--}" "${executions:--}" "$result"
    if [[ $status -ne 0 ]]; then
        grep -E '^(==[0-9]+==ERROR|SUMMARY|.*runtime error)' "$log" | head -5 | sed 's/^/    /'
    fi
done
echo "fuzz: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
