#!/usr/bin/env bash
# Builds hello-qt6 and the start-up benchmark programs (release preset), then
# measures the real program from outside under Xvfb, each against a baseline
# in the same run (bench/bench_startup.cpp):
#  1. start-up: time to the first Expose of the main window and resident
#     memory, against the plainest Qt program that shows a QMainWindow;
#  2. idle: CPU time while the window sits on its first tab, against a program
#     that only keeps the panels' two timers (1 ms and 25 ms) running.
# Settings live in a temporary store, prepared by an unmeasured first start, so
# every measured start finds the same store and the user's own is never read.
# Usage: scripts/bench-startup.sh [STARTS [IDLE_ROUNDS [IDLE_SECONDS]]]
set -euo pipefail
cd "$(dirname "$0")/.."

starts=${1:-15}
idle_rounds=${2:-5}
idle_seconds=${3:-30}

scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target hello-qt6 bench_startup plain_window idle_floor

store=$(mktemp -d)
trap 'rm -rf "$store"' EXIT
mkdir -m 700 "$store/runtime"
export XDG_CONFIG_HOME="$store/config" XDG_RUNTIME_DIR="$store/runtime"
unset QT_QPA_PLATFORM

bin=build/release
xvfb=(xvfb-run -a -s "-screen 0 1280x1024x24")
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "== start-up, $starts starts each"
"${xvfb[@]}" "$bin/bench/bench_startup" start "$starts" \
    "Hello Qt6 - 12" "$bin/app/hello-qt6" "Plain Qt6 window" "$bin/bench/plain_window"
echo "== idle, $idle_rounds rounds of $idle_seconds s each"
"${xvfb[@]}" "$bin/bench/bench_startup" idle "$idle_rounds" "$idle_seconds" \
    "Hello Qt6 - 12" "$bin/app/hello-qt6" "Idle floor" "$bin/bench/idle_floor"
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
