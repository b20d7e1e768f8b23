#!/usr/bin/env bash
# Repaints the About tab pictures (resources/img/*.jpg) from resources/img/render_pictures.cpp.
set -euo pipefail
cd "$(dirname "$0")/.."

[[ -f build/release/CMakeCache.txt ]] || cmake --preset release >/dev/null
cmake --build build/release --target render_pictures
QT_QPA_PLATFORM=offscreen build/release/resources/render_pictures resources/img
ls -l resources/img/*.jpg
