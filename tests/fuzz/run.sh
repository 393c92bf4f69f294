#!/bin/sh
# Runs every fuzz program for a bounded time, starting from its seed corpus in corpus/<name>. Any
# broken property or sanitizer report fails the run, with the input kept as an artifact. Prints
# how many inputs each program ran.
# Usage: tests/fuzz/run.sh <fuzz build folder> [seconds per program]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
seconds=${2:-60}
work="$build/fuzz-run"
rm -rf "$work"
mkdir -p "$work/artifacts"

for name in statistics configuration chip_text; do
    # New inputs go to a scratch folder: the seed corpus in the repository stays as it is.
    mkdir -p "$work/$name"
    log="$work/$name.log"
    if ! "$build/bin/${name}_fuzzer" "$work/$name" "$here/corpus/$name" -max_total_time="$seconds" \
            -timeout=10 -print_final_stats=1 -artifact_prefix="$work/artifacts/$name-" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "Fuzzing $name failed; the input is in $work/artifacts" >&2
        exit 1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    corpus=$(ls "$work/$name" | wc -l)
    printf 'Fuzzed %-14s %9s inputs in %ss, %s new in the corpus\n' "$name:" "$runs" "$seconds" "$corpus"
done
