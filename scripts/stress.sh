#!/usr/bin/env bash
# The long logger flood: 8 threads log LINES lines each (default 100 000) while a
# log panel is shown on the offscreen platform. The test's flood case checks that
# every line reaches standard output and the panel (which keeps every line
# there), once, whole and in order; then, when the build has the benchmarks
# (HELLO_BUILD_BENCH=ON), bench_GPanelLog --flood repeats the flood into a panel
# with the default line limit and prints the lines kept, the worst gap of a 1 ms
# GUI timer and the resident memory halfway and at the end. The test's peak
# resident memory is printed either way.
# Usage: scripts/stress.sh [BUILD_DIR [LINES]]   (BUILD_DIR default build/debug)
set -euo pipefail
cd "$(dirname "$0")/.."

dir=${1:-build/debug}
lines=${2:-100000}
test_bin="$dir/tests/tst_gen_qt_GPanelLogThreads"
bench_bin="$dir/bench/bench_GPanelLog"
if [ ! -x "$test_bin" ]; then
    echo "missing $test_bin: build it first, e.g." >&2
    echo "  cmake --preset debug && cmake --build build/debug --target tst_gen_qt_GPanelLogThreads" >&2
    exit 2
fi

store=$(mktemp -d)
trap 'rm -rf "$store"' EXIT
export XDG_CONFIG_HOME="$store" QT_QPA_PLATFORM=offscreen HELLO_STRESS_LINES="$lines"
# The sanitizer builds report through these, as under ctest.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$PWD/tests/tsan.supp"

echo "== 8 threads x $lines lines, $test_bin"
start=$(date +%s)
"$test_bin" -maxwarnings 0 panelLog_flood &
pid=$!
peak=0
while kill -0 "$pid" 2>/dev/null; do
    hwm=$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status" 2>/dev/null || true)
    [ -z "$hwm" ] || peak=$hwm
    sleep 0.5
done
wait "$pid"
echo "== passed in $(($(date +%s) - start)) s, peak VmRSS ${peak} KiB"
if [ -x "$bench_bin" ]; then
    "$bench_bin" --flood "$lines"
else
    echo "== no $bench_bin: configure with -DHELLO_BUILD_BENCH=ON for the heartbeat and memory figures"
fi
