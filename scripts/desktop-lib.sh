# shellcheck shell=bash disable=SC2034,SC2154  # sets app_* and reads bin for the sourcing script
# Sourced by the scripts that drive the real hello-qt6 as a person would: a
# virtual X server with a window manager, and the program on a store of its own.
# The sourcing script sets `bin` (the program) before calling these.

# Sanitizer settings as under ctest, so the sanitizer builds report the same way.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp"

desktop_check() {
    local missing=()
    for tool in xvfb-run openbox wmctrl xdotool fuser; do
        command -v "$tool" >/dev/null || missing+=("$tool")
    done
    if [ ${#missing[@]} -ne 0 ]; then
        echo "missing ${missing[*]}: run scripts/setup.sh" >&2
        exit 2
    fi
    if [ ! -x "$bin" ]; then
        echo "missing $bin: build it first, e.g. cmake --preset debug && cmake --build build/debug --target hello-qt6" >&2
        exit 2
    fi
}

# Runs the calling script again on a private virtual X server, once.
desktop_enter() {
    if [ -z "${HELLO_DESKTOP:-}" ]; then
        HELLO_DESKTOP=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$PWD/scripts/$(basename "$0")" "$@"
    fi
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
}

# Starts openbox with a configuration home of its own; sets wm_pid and work.
desktop_start_wm() {
    work=$(mktemp -d)
    mkdir -m 700 "$work/runtime"
    export XDG_RUNTIME_DIR="$work/runtime"
    XDG_CONFIG_HOME="$work/wm" XDG_CACHE_HOME="$work/wm" openbox --sm-disable >/dev/null 2>&1 &
    wm_pid=$!
    trap 'kill "$wm_pid" 2>/dev/null || true; rm -rf "$work"' EXIT
    for _ in $(seq 100); do
        wmctrl -m >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "no window manager came up" >&2
    exit 1
}

# Starts the program on the store under $1; standard output goes through a pipe (so
# every line is flushed at once) into $1/out, standard error into $1/err. Sets app_pid.
app_start() {
    mkdir -p "$1/config"
    XDG_CONFIG_HOME="$1/config" "$bin" > >(cat >"$1/out") 2>"$1/err" &
    app_pid=$!
}

# The X id of the program's visible main window, or nothing after 60 s.
app_window() {
    timeout 60 xdotool search --sync --onlyvisible --pid "$app_pid" 2>/dev/null | head -1 || true
}

# The program runs: neither gone nor ended and waiting to be reaped (Z, X).
app_alive() {
    case "$(awk '/^State:/ {print $2}' "/proc/$app_pid/status" 2>/dev/null)" in
    R | S | D | T | t | I) return 0 ;;
    *) return 1 ;;
    esac
}

# Waits up to 60 s until $1/out holds $2 at least $3 times.
app_logged() {
    for _ in $(seq 600); do
        [ "$(grep -c -F -- "$2" "$1/out" 2>/dev/null || true)" -ge "$3" ] && return 0
        app_alive || return 1
        sleep 0.1
    done
    return 1
}

# Closes the window $1 through the window manager and waits up to 60 s for the
# program, whose store is under $2; sets app_rc (124 when it did not end).
app_close() {
    wmctrl -i -c "$1"
    app_wait "$2"
}

# Waits up to 60 s for the program to end, then for the last of its output in
# $1/out; sets app_rc (124 when it did not end, and it is killed). A program
# still there after 15 s leaves where its threads stand in $1/hang-stacks.txt
# and how long it took in $1/slow-exit.
app_wait() {
    app_rc=124
    local tenths
    for tenths in $(seq 600); do
        app_alive || break
        if [ "$tenths" -eq 150 ]; then
            cat "/proc/$app_pid/status" >"$1/hang-status.txt" 2>&1 || true
            if command -v gdb >/dev/null; then
                timeout 60 gdb -p "$app_pid" -batch -ex "thread apply all bt" >"$1/hang-stacks.txt" 2>&1 || true
            fi
        fi
        sleep 0.1
    done
    [ "$tenths" -lt 150 ] || echo "ended after about $((tenths / 10)) s" >"$1/slow-exit"
    if app_alive; then
        kill -9 "$app_pid" 2>/dev/null || true
        wait "$app_pid" 2>/dev/null || true
    else
        app_rc=0
        wait "$app_pid" || app_rc=$?
    fi
    # The pipe's reader finishes writing a moment after the program has gone.
    for _ in $(seq 20); do
        fuser "$1/out" >/dev/null 2>&1 || break
        sleep 0.1
    done
}

# A sanitizer report or runtime error in the file $1.
sanitizer_report() {
    grep -q -E 'Sanitizer|runtime error:' "$1"
}
