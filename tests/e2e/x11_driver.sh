# Helpers for driving the real program in an X server with real X input.
# Sourced by the end-to-end scripts; expects $shots (screenshot folder).

# Runs the calling script again inside a fresh Xvfb with a window manager.
e2e_enter_x_server() {
    if [ -z "${CORVELLA_E2E_IN_X:-}" ]; then
        export CORVELLA_E2E_IN_X=1
        # -noreset: with no window manager, the last client ending must not
        # reset the server under the next one connecting.
        exec xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset" "$@"
    fi
    # CORVELLA_E2E_NO_WM=1: a bare X server, which sends no activation.
    [ -n "${CORVELLA_E2E_NO_WM:-}" ] && return 0
    openbox --sm-disable >/dev/null 2>&1 &
    e2e_wm_pid=$!
    local i
    for i in $(seq 1 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    echo "window manager did not start" >&2
    return 1
}

e2e_shot() {
    mkdir -p "$shots"
    import -window root "$shots/$1.png"
}

e2e_fail() {
    echo "FAIL: $*" >&2
    e2e_shot "failure" || true
    echo "screenshot of the failure: $shots/failure.png" >&2
    exit 1
}

e2e_step() {
    echo "-- $*"
}

# Prints the id of a visible window of the program with the given client size.
e2e_window_of_size() {
    local width=$1 height=$2 id geometry
    for id in $(xdotool search --onlyvisible --class corvella 2>/dev/null); do
        geometry=$(xdotool getwindowgeometry "$id" 2>/dev/null | sed -n 's/.*Geometry: //p')
        if [ "$geometry" = "${width}x${height}" ]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

# Waits up to $3 seconds (default 10) for a window of that size.
e2e_wait_window() {
    local width=$1 height=$2 timeout=${3:-10} id i
    for i in $(seq 1 $((timeout * 20))); do
        if id=$(e2e_window_of_size "$width" "$height"); then
            echo "$id"
            return 0
        fi
        sleep 0.05
    done
    return 1
}

# Waits until no window of that size is visible.
e2e_wait_gone() {
    local width=$1 height=$2 timeout=${3:-10} i
    for i in $(seq 1 $((timeout * 20))); do
        e2e_window_of_size "$width" "$height" >/dev/null || return 0
        sleep 0.05
    done
    return 1
}

# Waits for a visible window with exactly this title.
e2e_wait_title() {
    local title=$1 timeout=${2:-10} i id
    for i in $(seq 1 $((timeout * 20))); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1) || true
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.05
    done
    return 1
}

# Clicks at a point of a window's client area, in pixels, with real X input.
e2e_click() {
    local window=$1 x=$2 y=$3
    xdotool mousemove --window "$window" "$x" "$y" click 1
}

# Types keys into whatever window has the focus after activating $1.
e2e_keys() {
    local window=$1
    shift
    xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
    xdotool key --delay 40 "$@"
}

e2e_type() {
    local window=$1 text=$2
    xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
    xdotool type --delay 30 -- "$text"
}

# The colour of one pixel of a window, as "r,g,b".
e2e_pixel() {
    local window=$1 x=$2 y=$3
    import -window "$window" -crop "1x1+$x+$y" -depth 8 txt:- \
        | sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

# The screen position of a window's client area, as "x y".
e2e_window_origin() {
    xdotool getwindowgeometry "$1" | sed -n 's/.*Position: \([0-9-]*\),\([0-9-]*\).*/\1 \2/p'
}

# Waits up to 5 seconds for a process to end and checks it ended with code 0.
e2e_expect_clean_exit() {
    local pid=$1 what=$2 i status=0
    for i in $(seq 1 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
    done
    kill -0 "$pid" 2>/dev/null && e2e_fail "$what did not end the program"
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || e2e_fail "$what ended the program with exit code $status"
}
