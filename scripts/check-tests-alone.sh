#!/usr/bin/env bash
# Runs every function of every Qt Test on its own, with the command and
# environment CTest gives that test (xvfb-run for the e2e tests) and a fresh
# XDG_CONFIG_HOME per run, so a function that leans on an earlier one fails.
# usage: scripts/check-tests-alone.sh [build dir, default build/debug] [ctest -R regex]
# Build first; run the whole suite once before, so fixtures have left their files.
set -euo pipefail
build=${1:-build/debug}
filter=${2:-.}
command -v jq >/dev/null || { echo "needs jq (apt-get install jq)"; exit 2; }

# One shell line per Qt Test: name, timeout, working directory, environment, command.
tests=$(ctest --test-dir "$build" --show-only=json-v1 -R "$filter" | jq -r '
    .tests[] | select(.command and any(.command[]; test("/tst_[^/]*$")))
    | (.properties // []) as $p
    | def prop(n; d): ([$p[] | select(.name == n) | .value][0] // d);
      "name=\(.name | @sh) timeout=\(prop("TIMEOUT"; 1500) | floor) wd=\(prop("WORKING_DIRECTORY"; ".") | @sh)"
      + " envs=(\(prop("ENVIRONMENT"; []) | map(@sh) | join(" "))) cmd=(\(.command | map(@sh) | join(" ")))"')

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
ran=0 failed=()
while IFS= read -r line; do
    [ -n "$line" ] || continue
    name='' timeout='' wd='' envs=() cmd=()
    eval "$line"
    # Start-up messages may come before the list; only "name()" lines are functions.
    listing=$(cd "$wd" && env "${envs[@]}" XDG_CONFIG_HOME="$scratch/list" "${cmd[@]}" -functions 2>&1) ||
        { echo "FAIL  $name -functions"; failed+=("$name (listing functions)"); continue; }
    for fn in $(sed -n 's/^\([A-Za-z_][A-Za-z0-9_]*\)()$/\1/p' <<<"$listing"); do
        config=$(mktemp -d -p "$scratch")
        if out=$(cd "$wd" && env "${envs[@]}" XDG_CONFIG_HOME="$config" timeout "$timeout" "${cmd[@]}" "$fn" 2>&1); then
            echo "ok    $name $fn"
        else
            echo "FAIL  $name $fn"
            { grep -E '^(FAIL!|   Loc:|QFATAL)' <<<"$out" || tail -n 10 <<<"$out"; } | head -20 | sed 's/^/      /' || true
            failed+=("$name $fn")
        fi
        ran=$((ran + 1))
    done
done <<<"$tests"

echo "$ran functions run alone, ${#failed[@]} failed"
[ ${#failed[@]} -eq 0 ] || { printf '  %s\n' "${failed[@]}"; exit 1; }
