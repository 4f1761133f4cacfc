#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a number of seconds each, on a copy of its seed
# corpus. Fails when a target finds a fault; the input that caused it is left in
# BUILD/fuzz-findings. Usage: run.sh BUILD SECONDS
set -euo pipefail
build=${1:?usage: run.sh BUILD SECONDS}
seconds=${2:?usage: run.sh BUILD SECONDS}
here=$(cd "$(dirname "$0")" && pwd)
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export LSAN_OPTIONS=suppressions=$here/../tools/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
mkdir -p "$build/fuzz-findings"
status=0
for target in "$build"/fuzz-bin/fuzz_*; do
    name=${target##*/fuzz_}
    seeds=$here/corpus/$name
    work=$build/fuzz-corpus/$name
    mkdir -p "$work"
    # A Jet file is pages of 4 KB: its seeds are a few pages long.
    max_len=4096
    [[ $name == jet ]] && max_len=65536
    echo "== $name: $seconds s"
    if ! "$target" -max_total_time="$seconds" -max_len=$max_len -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$build/fuzz-findings/$name-" "$work" "$seeds" \
        >"$build/fuzz-$name.log" 2>&1; then
        tail -n 60 "$build/fuzz-$name.log"
        # The input itself, so that a log alone is enough to reproduce the fault.
        for found in "$build/fuzz-findings/$name"-*; do
            [[ -f $found ]] || continue
            echo "== $found ($(stat -c %s "$found") bytes):"
            od -An -tx1 -v "$found" | head -n 64
        done
        echo "== $name found a fault; its input is in $build/fuzz-findings"
        status=1
    fi
    grep -E 'stat::number_of_executed_units|Done [0-9]+ runs' "$build/fuzz-$name.log" | tail -n 1
done
exit $status
