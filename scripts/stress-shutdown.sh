#!/usr/bin/env bash
# Closes the real program while its worker threads run, RUNS times: on a virtual
# X server with openbox, each run on a fresh store, "Th 1" and "Th 2" are started
# from the keyboard on the threads tab and the window is closed through the
# window manager at a random moment within the next 4 s (before, while and
# after "Th 1" ends). Counts crashes, hangs (no end within 60 s), slow ends (over
# 15 s, with the threads' stacks), non-zero exit codes and sanitizer reports;
# the logs of failed runs are kept. Exits non-zero if any run failed.
# Usage: scripts/stress-shutdown.sh [BUILD_DIR [RUNS]]   (default build/debug 50)
set -euo pipefail
cd "$(dirname "$0")/.."

dir=${1:-build/debug}
runs=${2:-50}
bin="$dir/app/hello-qt6"
# shellcheck source=scripts/desktop-lib.sh
. scripts/desktop-lib.sh
desktop_check
desktop_enter "$@"
desktop_start_wm

kept=$(mktemp -d /tmp/hello-shutdown.XXXXXX)
failed=0 no_start=0 bad_exit=0 reports=0
for i in $(seq "$runs"); do
    run="$work/run$i"
    mkdir -p "$run"
    app_start "$run"
    why=""
    win=$(app_window)
    if [ -z "$win" ]; then
        why="no window"
    else
        xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
        # Two tabs on to "Threads", into the page, on to "Th 2" and start it, back to "Th 1" and start it.
        xdotool key --delay 100 ctrl+Tab ctrl+Tab Tab Tab space shift+Tab space
        app_logged "$run" "START THREAD" 2 || why="threads did not start"
        sleep "$(printf '%d.%03d' $((RANDOM % 4)) $((RANDOM % 1000)))"
        app_close "$win" "$run"
        [ "$app_rc" -eq 0 ] || why="${why:+$why, }exit code $app_rc"
        grep -q -F "CLOSE WIN" "$run/out" || why="${why:+$why, }no CLOSE WIN"
        [ ! -e "$run/slow-exit" ] || why="${why:+$why, }$(cat "$run/slow-exit")"
    fi
    if [ -z "$win" ]; then
        kill -9 "$app_pid" 2>/dev/null || true
        app_wait "$run"
    fi
    if sanitizer_report "$run/err"; then
        why="${why:+$why, }sanitizer report"
        reports=$((reports + 1))
    fi
    case "$why" in
    "") echo "run $i: ok (exit 0)" ;;
    *)
        failed=$((failed + 1))
        [ "$why" = "no window" ] && no_start=$((no_start + 1))
        [[ "$why" == *"exit code"* ]] && bad_exit=$((bad_exit + 1))
        cp -r "$run" "$kept/"
        echo "run $i: FAILED: $why (logs in $kept/run$i)"
        ;;
    esac
    rm -rf "$run"
done
echo "== $dir: $runs runs, $failed failed ($bad_exit non-zero exits or hangs, $reports with sanitizer reports, $no_start without a window)"
[ "$failed" -eq 0 ] && rmdir "$kept"
[ "$failed" -eq 0 ]
