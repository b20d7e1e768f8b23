#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz") and runs each on a scratch copy
# of its seed corpus in fuzz/corpus, so the committed seeds never grow.
#
#   scripts/fuzz.sh                 at least FUZZ_RUNS (1 000 000) executions per target
#   scripts/fuzz.sh --ci            FUZZ_SECONDS (12) seconds per target; FUZZ_CI=1 does the same
#   scripts/fuzz.sh [--ci] format   only the named targets (the names of fuzz/corpus/*)
#
# Prints executions, seconds and crashes per target and exits non-zero when a
# target crashed; the scratch directory with the crashing inputs and the logs
# is then kept and named, otherwise removed.
set -euo pipefail
cd "$(dirname "$0")/.."

ci=${FUZZ_CI:-0}
targets=()
for arg in "$@"; do
    if [ "$arg" = "--ci" ]; then ci=1; else targets+=("$arg"); fi
done
if [ ${#targets[@]} -eq 0 ]; then
    for seeds in fuzz/corpus/*/; do targets+=("$(basename "$seeds")"); done
fi
runs=${FUZZ_RUNS:-1000000}
seconds=${FUZZ_SECONDS:-12}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

scratch=$(mktemp -d "${TMPDIR:-/tmp}/hello-fuzz.XXXXXX")
export QT_QPA_PLATFORM=offscreen
export XDG_CONFIG_HOME="$scratch/config"
# A small quarantine and no fill of fresh blocks: the targets allocate much
# and briefly, and the defaults cost more than half of the executions.
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1:quarantine_size_mb=16:max_malloc_fill_size=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp

if [ "$ci" = 1 ]; then limit=(-max_total_time="$seconds"); else limit=(-runs="$runs"); fi

failed=0
printf '%-12s %12s %8s %8s\n' target executions seconds crashes
for name in "${targets[@]}"; do
    seeds="fuzz/corpus/$name/"
    corpus="$scratch/corpus/$name"
    artifacts="$scratch/artifacts/$name"
    mkdir -p "$corpus" "$artifacts"
    cp "$seeds"* "$corpus"/
    start=$(date +%s%N)
    status=0
    "build/fuzz/fuzz/fuzz_$name" "${limit[@]}" -max_len=8192 -timeout=30 -print_final_stats=1 \
        -artifact_prefix="$artifacts/" "$corpus" >"$scratch/$name.log" 2>&1 || status=$?
    elapsed=$(awk -v ns=$(($(date +%s%N) - start)) 'BEGIN { printf "%.1f", ns / 1e9 }')
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$scratch/$name.log")
    crashes=$(find "$artifacts" -type f | wc -l)
    printf '%-12s %12s %8s %8s\n' "$name" "${execs:-?}" "$elapsed" "$crashes"
    if [ "$status" -ne 0 ] || [ "$crashes" -ne 0 ]; then
        failed=1
        echo "  fuzz_$name failed (exit $status); log: $scratch/$name.log, inputs: $artifacts" >&2
        grep -m1 -A12 -E '^==[0-9]+==ERROR|runtime error|deadly signal' "$scratch/$name.log" >&2 || true
    fi
done
if [ "$failed" -eq 0 ]; then
    rm -rf "$scratch"
else
    echo "kept for inspection: $scratch" >&2
fi
exit "$failed"
