#!/usr/bin/env bash
# Fresh machine to running program: install what is missing, build, start.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target hello-qt6
exec build/release/app/hello-qt6
