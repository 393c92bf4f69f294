#!/bin/sh
# Runs every benchmark and prints one table of medians: the board on the offscreen platform and
# under Xvfb (xcb), start-up of the real program under Xvfb, and the headless engine.
# Usage: bench/run.sh BUILD_DIR [extra Google Benchmark flags for bench_board and bench_engine]
set -eu

build=${1:?usage: bench/run.sh BUILD_DIR}
shift
bin="$build/bin"
rows=$(mktemp)
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -f "$rows"
}
trap cleanup EXIT INT TERM

# Every run's own output goes to stderr; its table rows are kept for the end.
run() {
    "$@" | tee /dev/stderr | grep '^| ' >> "$rows" || true
}

# A display of our own, a 3840 x 2160 screen, large enough for the window at twice the scale.
start_xvfb() {
    n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 3840x2160x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    i=0
    while [ ! -e "/tmp/.X11-unix/X$n" ] && [ $i -lt 100 ]; do sleep 0.05; i=$((i + 1)); done
    export DISPLAY=":$n"
}

repeat="--benchmark_repetitions=9 --benchmark_report_aggregates_only=true"
repeat="$repeat --benchmark_enable_random_interleaving=true --benchmark_min_time=0.2"

echo "== board, offscreen" >&2
QT_QPA_PLATFORM=offscreen run "$bin/bench_board" $repeat "$@"

if command -v Xvfb >/dev/null 2>&1; then
    start_xvfb
    echo "== board, Xvfb" >&2
    QT_QPA_PLATFORM=xcb run "$bin/bench_board" $repeat "$@"
    if [ -x "$bin/bench_startup" ]; then
        echo "== start-up, Xvfb" >&2
        run "$bin/bench_startup" --benchmark_enable_random_interleaving=true
    fi
else
    echo "Xvfb is missing: the xcb figures are left out" >&2
fi

echo "== engine" >&2
run "$bin/bench_engine" $repeat "$@"

echo
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//');" \
     "load average $(cut -d' ' -f1-3 /proc/loadavg); $(date '+%Y-%m-%d %H:%M')"
echo
echo "| benchmark | platform | median | notes |"
echo "|---|---|---|---|"
cat "$rows"
