#!/usr/bin/env bash
# Makes the screenshots in docs/screenshots/: each of the four tabs in each of
# the three themes, taken from the real program on a virtual X server with a
# settings store of its own. Run it again after changing what the program shows.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${HELLO_SCREENSHOTS_ON_XVFB:-}" ]; then
    scripts/setup.sh
    cmake --preset release >/dev/null
    cmake --build --preset release --target hello-qt6 grab-window
    # Always a fresh virtual screen, so the pictures do not depend on the desktop they were made on.
    HELLO_SCREENSHOTS_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0"
fi

program=build/release/app/hello-qt6
grab=build/release/tools/grab-window
out=docs/screenshots
themes=(normal dark green) # in the order of their numbers
tabs=(trigonometry gravity threads about)
width=800
height=560

home=$(mktemp -d)
pid=
trap 'rm -rf "$home"; [ -z "$pid" ] || kill "$pid" 2>/dev/null || true' EXIT
export XDG_CONFIG_HOME="$home" QT_QPA_PLATFORM=xcb
store="$home/gen/hello-qt6.conf"
mkdir -p "$out"

start() {
    "$program" >/dev/null &
    pid=$!
    window=$(timeout 60 xdotool search --sync --onlyvisible --pid "$pid")
}
stop() {
    kill -TERM "$pid"
    wait "$pid"
    pid=
}

# A first run writes a store of the current configuration version, with the window at its size.
start
xdotool windowsize --sync "$window" "$width" "$height"
stop

for theme in "${!themes[@]}"; do
    sed -i '/^theme=/d' "$store"
    if grep -q '^\[ui\]$' "$store"; then
        sed -i "s/^\[ui\]\$/[ui]\ntheme=$theme/" "$store"
    else
        printf '[ui]\ntheme=%d\n' "$theme" >>"$store"
    fi
    start
    xdotool windowfocus --sync "$window"
    for tab in "${!tabs[@]}"; do
        [ "$tab" -eq 0 ] || xdotool key ctrl+Tab
        # Time to paint the page, and for the log view to catch up.
        sleep 1
        # 256 colours keep each picture small enough to commit (well under 100 KB).
        "$grab" --palette "$window" "$out/${tabs[tab]}-${themes[theme]}.png"
    done
    stop
done
ls -l "$out"
