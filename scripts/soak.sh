#!/usr/bin/env bash
# Keeps the real program busy for SECONDS (default 600) on a virtual X server
# with openbox, on a fresh store, and samples its resident memory every 10 s:
#  - the trigonometry plot animates at 5 ms per step ("run", then the Speed
#    slider moved to its fast end: the stored delay only takes effect then);
#  - the About slideshow runs (started by a click on the picture);
#  - gravity runs repeat (Alt+S the first time, then the Start button again
#    whenever a run has finished);
#  - "Th 2" counts, started again whenever it has ended.
# The tabs are visited in turn, so each panel also paints. At the end the window
# is closed through the window manager; a crash, a non-zero exit code or a
# sanitizer report fails the script. Samples go to CSV (default /tmp/hello-soak.csv),
# the program's standard output next to it (CSV.out).
# Usage: scripts/soak.sh [BUILD_DIR [SECONDS [CSV]]]   (default build/asan 600)
set -euo pipefail
cd "$(dirname "$0")/.."

dir=${1:-build/asan}
seconds=${2:-600}
csv=${3:-/tmp/hello-soak.csv}
bin="$dir/app/hello-qt6"
# shellcheck source=scripts/desktop-lib.sh
. scripts/desktop-lib.sh
desktop_check
desktop_enter "$@"
desktop_start_wm

# Window-relative places of the controls in a 1000x800 window.
size=(1000 800)
tab_trig=(60 22) tab_gravity=(147 22) tab_threads=(217 22) tab_about=(283 22)
gravity_start=(60 468) th2=(155 101) picture=(500 290)
sample_every=10

run="$work/soak"
mkdir -p "$run/config/gen"
# A delay one step from the fastest, so moving the slider to its end changes it to 5 ms.
printf '[app]\ndelay=6\n\n[config]\nversion=10811\n' >"$run/config/gen/hello-qt6.conf"
app_start "$run"
win=$(app_window)
if [ -z "$win" ]; then
    echo "the program showed no window" >&2
    cat "$run/err" >&2
    exit 1
fi
wmctrl -i -r "$win" -e "0,0,0,${size[0]},${size[1]}"
sleep 1
xdotool windowactivate --sync "$win" >/dev/null

click() { xdotool mousemove --window "$win" "$1" "$2" click 1; }
count() { grep -c -F -- "$1" "$run/out" || true; }
need() {
    app_logged "$run" "$1" "$2" || {
        echo "not logged: $1" >&2
        kill "$app_pid"
        exit 1
    }
}
rss() { awk '/^VmRSS:/ {print $2}' "/proc/$app_pid/status" 2>/dev/null || echo 0; }

# The first tab has the focus: on to "run" and start it, on to Speed and to its fast end.
xdotool key --delay 150 Tab space Tab End
need "animation ON" 1
need "delay:5" 1
click "${tab_about[@]}"
sleep 0.5
click "${picture[@]}"
need "mouse pressed" 1
click "${tab_gravity[@]}"
sleep 0.5
xdotool key alt+s
need "Simulation started" 1
click "${tab_threads[@]}"
sleep 0.5
click "${th2[@]}"
need "background....counting to 10" 1

echo "seconds,vmrss_kib" >"$csv"
start=$(date +%s)
next_sample=$start
tabs=(trig gravity threads about)
turn=0
while :; do
    now=$(date +%s)
    if [ "$now" -ge "$next_sample" ]; then
        echo "$((now - start)),$(rss)" >>"$csv"
        next_sample=$((next_sample + sample_every))
    fi
    [ "$((now - start))" -lt "$seconds" ] || break
    app_alive || break
    case "${tabs[turn % 4]}" in
    trig) click "${tab_trig[@]}" ;;
    gravity)
        click "${tab_gravity[@]}"
        sleep 0.3
        [ "$(count "Simulation finished")" -lt "$(count "Simulation started")" ] || click "${gravity_start[@]}"
        ;;
    threads)
        click "${tab_threads[@]}"
        sleep 0.3
        ended=$(($(count "DONE THREAD") + $(count "STOPPED THREAD")))
        [ "$ended" -lt "$(count "background....counting to 10")" ] || click "${th2[@]}"
        ;;
    about) click "${tab_about[@]}" ;;
    esac
    turn=$((turn + 1))
    sleep 2.5
done

if app_alive; then
    app_close "$win" "$run"
else
    app_wait "$run"
    echo "the program ended by itself before the time was up" >&2
fi
cp "$run/out" "$csv.out"
status=0
[ "$app_rc" -eq 0 ] || status=1
grep -q -F "CLOSE WIN" "$run/out" || status=1
report="none"
if sanitizer_report "$run/err"; then
    report="yes (stderr kept in $csv.stderr)"
    cp "$run/err" "$csv.stderr"
    status=1
fi
echo "== $bin, $seconds s: exit code $app_rc, sanitizer report: $report"
echo "== activity: $(count "Simulation finished") gravity runs finished, $(count "DONE THREAD") Th 2 counts done," \
    "$(count "showing:") slideshow pictures shown, $(count "RAD DONE") plot turns, $(wc -l <"$run/out") log lines"
awk -F, 'NR == 2 {first = $2; min = $2; max = $2}
         NR > 1 {if ($2 < min) min = $2; if ($2 > max) max = $2; last = $2; n++}
         END {printf "== VmRSS KiB over %d samples: start %d, min %d, max %d, end %d\n", n, first, min, max, last}' "$csv"
echo "== samples every minute (seconds,KiB):"
awk -F, 'NR > 1 && $1 % 60 < 10' "$csv" | tr '\n' ' '
echo
exit "$status"
