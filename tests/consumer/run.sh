#!/usr/bin/env bash
# usage: run.sh <source dir> <build dir of the project> <mode: package|subdirectory> <work dir>
set -euo pipefail
src=$1 build=$2 mode=$3 work=$4
rm -rf "$work" && mkdir -p "$work"
if [ "$mode" = package ]; then
    prefix=$work/prefix
    cmake --install "$build" --prefix "$prefix" >/dev/null
    # The program and its desktop entry, which names both the program and the icon.
    entry=$prefix/share/applications/hello-qt6.desktop
    exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
    icon_name=$(sed -n 's/^Icon=//p' "$entry")
    [ -f "$prefix/bin/$exec_name" ] && [ -x "$prefix/bin/$exec_name" ] ||
        { echo "Exec=$exec_name is not an installed program"; exit 1; }
    [ -f "$prefix/share/icons/hicolor/scalable/apps/$icon_name.svg" ] ||
        { echo "Icon=$icon_name is not an installed scalable icon"; exit 1; }
    cmake -S "$src/tests/consumer" -B "$work/build" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
    cmake --build "$work/build" --target gen_consumer >/dev/null
else
    cmake -S "$src/tests/consumer" -B "$work/build" -G Ninja -DGEN_CONSUMER_MODE=subdirectory \
        -DGEN_SOURCE_DIR="$src" >/dev/null
    # The default build: the library for the consumer, not the demo program.
    cmake --build "$work/build" >/dev/null
    plan=$(cmake --build "$work/build" --target hello-qt6 -- -n)
    grep -q "Linking CXX executable hello-qt6-build/app/hello-qt6" <<<"$plan" ||
        { echo "the default build built hello-qt6"; exit 1; }
fi
out=$("$work/build/gen_consumer")
echo "$out"
[ "$out" = " consumer got 42
 bundle found: true" ]
