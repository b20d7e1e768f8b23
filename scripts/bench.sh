#!/usr/bin/env bash
# Builds the release preset and runs the logger benchmark against spdlog.
# Extra arguments go to Google Benchmark (e.g. --benchmark_repetitions=5).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target bench_GLog
build/release/bench/bench_GLog "$@"
