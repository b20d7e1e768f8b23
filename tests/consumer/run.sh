#!/usr/bin/env bash
# usage: run.sh <source dir> <build dir of the project> <mode: package|subdirectory> <work dir>
set -euo pipefail
src=$1 build=$2 mode=$3 work=$4
rm -rf "$work" && mkdir -p "$work"
if [ "$mode" = package ]; then
    cmake --install "$build" --prefix "$work/prefix" >/dev/null
    cmake -S "$src/tests/consumer" -B "$work/build" -G Ninja -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
else
    cmake -S "$src/tests/consumer" -B "$work/build" -G Ninja -DGEN_CONSUMER_MODE=subdirectory \
        -DGEN_SOURCE_DIR="$src" >/dev/null
fi
cmake --build "$work/build" --target gen_consumer >/dev/null
out=$("$work/build/gen_consumer")
echo "$out"
[ "$out" = " consumer got 42
 bundle found: true" ]
