#!/usr/bin/env bash
# The whole suite as CI runs it: a build with warnings as errors, the API
# reference, the same suite under AddressSanitizer + UndefinedBehaviorSanitizer,
# the thread tests under ThreadSanitizer, and a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
jobs=$(nproc)

echo "== warnings as errors =="
cmake --preset ci >/dev/null
cmake --build --preset ci -j "$jobs"
ctest --preset ci --output-on-failure

echo "== API reference =="
# Doxygen's warnings fail it: a public entity without a description is an error.
cmake --build --preset ci --target docs

echo "== asan + ubsan =="
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
ctest --preset asan --output-on-failure

echo "== tsan (thread tests) =="
cmake --preset tsan >/dev/null
# Only what the thread-labelled tests need.
cmake --build --preset tsan -j "$jobs" --target thread_tests
ctest --preset tsan --output-on-failure

echo "== fuzz (short) =="
scripts/fuzz.sh --ci
