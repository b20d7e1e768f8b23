#!/usr/bin/env bash
# How often the settings file is synced and replaced while the user drags the
# main window's splitter: bench/settings_drag drags the handle STEPS times
# (default 200), one step per 16 ms as at 60 Hz, on the offscreen platform in
# a fresh private store, then closes the window. strace counts the fdatasync,
# fsync and rename calls of the whole run, start-up and shutdown included.
# Usage: scripts/settings-writes.sh [BUILD_DIR [STEPS]]
#   (BUILD_DIR default build/release; it needs HELLO_BUILD_BENCH=ON)
set -euo pipefail
cd "$(dirname "$0")/.."

dir=${1:-build/release}
steps=${2:-200}
bin="$dir/bench/settings_drag"
if [ ! -x "$bin" ]; then
    echo "missing $bin: build it first, e.g." >&2
    echo "  cmake --preset release && cmake --build build/release --target settings_drag" >&2
    exit 2
fi
command -v strace >/dev/null || { echo "strace is not installed (apt-get install strace)" >&2; exit 2; }

# LeakSanitizer cannot run under ptrace; a sanitizer build still checks the rest.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
counts=$(mktemp)
trap 'rm -f "$counts"' EXIT
QT_QPA_PLATFORM=offscreen strace -f -c -e trace=fdatasync,fsync,rename -o "$counts" "$bin" "$steps"
for call in fdatasync fsync rename; do
    printf '%-10s %s\n' "$call" "$(awk -v c="$call" '$NF == c { print $4 }' "$counts" | grep . || echo 0)"
done
