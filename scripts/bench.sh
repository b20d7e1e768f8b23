#!/usr/bin/env bash
# Builds the release preset, runs the logger benchmark against spdlog, then
# the log panel, plot frame and gravity tick benchmarks (without a display they
# run on the offscreen platform), then start-up and idle CPU of the real
# program under Xvfb.
# Extra arguments go to Google Benchmark (e.g. --benchmark_repetitions=5).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target bench_GLog bench_GPanelLog bench_TrigComponent bench_PanelGravity
build/release/bench/bench_GLog "$@"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then export QT_QPA_PLATFORM=offscreen; fi
build/release/bench/bench_GPanelLog
build/release/bench/bench_TrigComponent
build/release/bench/bench_PanelGravity
scripts/bench-startup.sh
