# Helpers for driving the real program in an X server with real X input.
# Sourced by the end-to-end scripts, which set $shots (the screenshot folder).
#
# Windows are found by what the X server knows of them: the process that owns
# them (_NET_WM_PID), their title, their window type and whether they have a
# title bar; never by their size, which changes with fonts and layouts. Every
# wait polls for an event with a deadline and, when the deadline passes, fails
# with what did not happen, the program's own output and the windows present.

e2e_poll_seconds=0.05
# How long a window or an address may take to come. Waits end as soon as it
# has come, so a generous deadline costs nothing on a fast machine and keeps
# a loaded or sanitized one from failing.
e2e_patience=${CORVELLA_E2E_PATIENCE:-20}
e2e_pids=()      # programs started by e2e_start, ended when the script ends
e2e_logs=()      # their output files, printed when a check fails

# A fresh folder for everything the run writes, removed at the end; the
# screenshot folder loses the failure picture of an earlier run.
e2e_prepare() {
    : "${shots:?the script sets the screenshot folder}"
    e2e_work=$(mktemp -d "${TMPDIR:-/tmp}/corvella-e2e.XXXXXX")
    trap e2e_cleanup EXIT
    mkdir -p "$e2e_work"/{home,config,cache,data,runtime,bin,opened} "$shots"
    chmod 700 "$e2e_work/runtime"
    rm -f "$shots/failure.png"

    # A stand-in browser that records each address it is asked to open in a
    # file of its own, written under a temporary name and then renamed, so a
    # reader never sees half an address. The names sort in the order of the
    # calls.
    cat >"$e2e_work/bin/xdg-open" <<STANDIN
#!/bin/sh
spool="$e2e_work/opened"
printf '%s\n' "\$1" >"\$spool/.writing.\$\$" || exit 1
mv "\$spool/.writing.\$\$" "\$spool/\$(date +%s%N).\$\$"
STANDIN
    chmod +x "$e2e_work/bin/xdg-open"
}

e2e_cleanup() {
    local pid
    # Everything here is tried, whatever fails before it.
    set +e
    # Waiting for each keeps bash from announcing the ones it killed.
    for pid in "${e2e_pids[@]}"; do
        { kill -9 "$pid" && wait "$pid"; } 2>/dev/null
    done
    # Ended politely, the X server removes its lock and socket.
    for pid in ${e2e_wm_pid:-} ${e2e_xvfb_pid:-}; do
        { kill "$pid" && wait "$pid"; } 2>/dev/null
    done
    [ -n "${e2e_work:-}" ] && rm -rf "$e2e_work"
    return 0
}

e2e_now_us() {
    echo "${EPOCHREALTIME/./}"
}

# e2e_wait_for WHAT SECONDS COMMAND...: runs COMMAND every 50 ms until it
# succeeds and leaves its output in $e2e_found; fails the test with "WHAT"
# once SECONDS have passed.
e2e_wait_for() {
    local what=$1 seconds=$2
    shift 2
    local deadline=$(($(e2e_now_us) + seconds * 1000000))
    while :; do
        e2e_found=$("$@") && return 0
        # The command failed the test itself and has said why.
        if [ $? -eq 255 ]; then
            e2e_report_failure >&2
            exit 1
        fi
        [ "$(e2e_now_us)" -lt "$deadline" ] || e2e_fail "waited ${seconds} s for $what"
        sleep "$e2e_poll_seconds"
    done
}

e2e_not() {
    ! "$@"
}

e2e_ended() {
    ! kill -0 "$1" 2>/dev/null
}

# Starts a fresh Xvfb on a display number it picks itself (two test runs at
# the same time cannot take the same one) and, unless told
# --no-window-manager, openbox; both are ended when the script ends.
# shellcheck disable=SC2120 # the option is for the scripts to give
e2e_start_x_server() {
    local ready="$e2e_work/display-number"
    : >"$ready"
    # -noreset: with no window manager, the last client ending must not reset
    # the server under the next one connecting.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset \
        3>"$ready" >"$e2e_work/xvfb.log" 2>&1 &
    e2e_xvfb_pid=$!
    e2e_logs+=("Xvfb:$e2e_work/xvfb.log")
    e2e_wait_for "the X server to take a display" 30 e2e_display_ready "$ready"
    export DISPLAY=":$e2e_found"
    echo "X server on $DISPLAY"

    [ "${1:-}" = --no-window-manager ] && return 0
    env HOME="$e2e_work/home" XDG_CONFIG_HOME="$e2e_work/config" openbox --sm-disable \
        >"$e2e_work/openbox.log" 2>&1 &
    e2e_wm_pid=$!
    e2e_logs+=("openbox:$e2e_work/openbox.log")
    e2e_wait_for "the window manager to start" 30 e2e_window_manager_ready
}

e2e_display_ready() {
    kill -0 "$e2e_xvfb_pid" 2>/dev/null || e2e_fail "the X server did not start"
    local number
    read -r number <"$1" 2>/dev/null && [ -n "$number" ] && echo "$number"
}

e2e_window_manager_ready() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# e2e_start NAME [VARIABLE=value...] PROGRAM [ARGUMENTS...]: starts the
# program in the test's X server with an environment made here rather than
# inherited: the xcb platform whatever the caller's shell exports (the widget
# tests export the offscreen one), fresh home and settings folders, no session
# bus, no desktop session, and the stand-in browser first on the path. Its
# pid is left in $e2e_pid, its output in $e2e_work/NAME.log.
e2e_start() {
    local name=$1
    shift
    local log="$e2e_work/$name.log"
    env -u QT_QPA_PLATFORMTHEME -u QT_STYLE_OVERRIDE -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS \
        -u QT_AUTO_SCREEN_SCALE_FACTOR -u QT_ENABLE_HIGHDPI_SCALING -u QT_FONT_DPI -u QT_QPA_GENERIC_PLUGINS \
        -u WAYLAND_DISPLAY -u XAUTHORITY -u DESKTOP_SESSION -u XDG_CURRENT_DESKTOP -u XDG_SESSION_TYPE \
        -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID -u BROWSER -u DEFAULT_BROWSER \
        QT_QPA_PLATFORM=xcb DISPLAY="$DISPLAY" \
        HOME="$e2e_work/home" XDG_CONFIG_HOME="$e2e_work/config" XDG_CACHE_HOME="$e2e_work/cache" \
        XDG_DATA_HOME="$e2e_work/data" XDG_RUNTIME_DIR="$e2e_work/runtime" \
        DBUS_SESSION_BUS_ADDRESS="unix:path=$e2e_work/no-session-bus" \
        PATH="$e2e_work/bin:$PATH" LC_ALL=C.UTF-8 LANG=C.UTF-8 \
        "$@" >"$log" 2>&1 </dev/null &
    e2e_pid=$!
    e2e_pids+=("$e2e_pid")
    e2e_logs+=("$name (pid $e2e_pid):$log")
}

e2e_step() {
    echo "-- $*"
}

# Saves a screenshot of the whole screen as $shots/NAME.png. A window that
# goes away while import reads the screen can fail it (or hold it for ever):
# it tries again, and says why at the end.
e2e_grab() {
    mkdir -p "$shots"
    for _ in 1 2 3; do
        timeout 20 import -window root "$shots/$1.png" 2>"$e2e_work/import-errors" && return 0
    done
    cat "$e2e_work/import-errors" >&2
    return 1
}

e2e_shot() {
    e2e_grab "$1" || e2e_fail "no screenshot '$1' could be taken"
}

e2e_fail() {
    echo "FAIL: $*" >&2
    # Inside a wait's command only that command's subshell would end: the
    # wait sees the code 255 and reports.
    [ "$BASHPID" = "$$" ] || exit 255
    e2e_report_failure >&2
    exit 1
}

e2e_report_failure() {
    local entry
    if [ -n "${DISPLAY:-}" ]; then
        e2e_grab "failure" && echo "screenshot of the failure: $shots/failure.png"
        echo "windows on the screen:"
        e2e_list_windows | sed 's/^/    /'
    fi
    # A driver for another window system says what it sees.
    if declare -F e2e_report_windows >/dev/null; then
        e2e_report_windows
    fi
    for entry in "${e2e_logs[@]}"; do
        echo "output of ${entry%%:*}:"
        sed 's/^/    /' "${entry#*:}" 2>/dev/null
    done
    if [ -d "${e2e_work:-}/opened" ]; then
        echo "addresses opened: $(e2e_opened_count)"
        e2e_opened | sed 's/^/    /'
    fi
}

# One line for each visible window that a client has named or classed.
e2e_list_windows() {
    local id
    for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        xprop -id "$id" WM_CLASS 2>/dev/null | grep -q '= "' || continue
        e2e_read_window "$id"
        echo "$id pid $(xprop -id "$id" -notype _NET_WM_PID 2>/dev/null | sed -n 's/.* = //p' | grep . || echo -)" \
            "title \"$w_title\" type $w_type transient ${w_transient:-no} title bar $w_title_bar" \
            "state ${w_state:-none}" \
            "$(xdotool getwindowgeometry "$id" 2>/dev/null | sed -n 's/.*Geometry: //p')"
    done
}

# Reads what X knows about a window into w_title, w_type (normal, dialog,
# utility, ...), w_transient (the window it is transient for, if any),
# w_title_bar (no when the window asks for no decorations) and w_state.
e2e_read_window() {
    local line fields
    w_title='' w_type='' w_transient='' w_title_bar=yes w_state=''
    while IFS= read -r line; do
        case $line in
            '_NET_WM_NAME = '* | 'WM_NAME = '*)
                [ -z "$w_title" ] || continue
                w_title=${line#* = \"}
                w_title=${w_title%\"} ;;
            '_NET_WM_WINDOW_TYPE = '*)
                w_type=${line#*_NET_WM_WINDOW_TYPE_}
                w_type=${w_type%%,*}
                w_type=${w_type,,} ;;
            'WM_TRANSIENT_FOR: window id # '*)
                w_transient=${line##* } ;;
            '_NET_WM_STATE = '*)
                w_state=${line#* = }
                w_state=${w_state//,/} ;;
            '_MOTIF_WM_HINTS = '*)
                # flags, functions, decorations, ...: decorations given and none.
                IFS=', ' read -r -a fields <<<"${line#* = }"
                if (((fields[0] & 2) && fields[2] == 0)); then w_title_bar=no; fi ;;
        esac
    done < <(xprop -id "$1" -notype _NET_WM_NAME WM_NAME _NET_WM_WINDOW_TYPE WM_TRANSIENT_FOR \
        _NET_WM_STATE _MOTIF_WM_HINTS 2>/dev/null)
    # Without a type, a transient window is taken as a dialog.
    [ -n "$w_type" ] || { [ -n "$w_transient" ] && w_type=dialog || w_type=normal; }
}

e2e_viewable() {
    xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

e2e_gone() {
    ! e2e_viewable "$1"
}

# The visible windows of a process, one id a line.
e2e_windows_of() {
    xdotool search --onlyvisible --pid "$1" 2>/dev/null
}

# Prints the first visible top-level window of process $1 (a normal window,
# transient for none) other than the windows $2...
e2e_top_level() {
    local pid=$1 id
    shift
    for id in $(e2e_windows_of "$pid"); do
        [[ " $* " == *" $id "* ]] && continue
        e2e_read_window "$id"
        if [ "$w_type" = normal ] && [ -z "$w_transient" ] && [ "$w_title_bar" = yes ]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

# Prints a visible dialog of process $1 with the title $2 (a dialog window
# with a title bar).
e2e_dialog() {
    local pid=$1 title=$2 id
    for id in $(e2e_windows_of "$pid"); do
        e2e_read_window "$id"
        if [ "$w_type" = dialog ] && [ "$w_title_bar" = yes ] && [ "$w_title" = "$title" ]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

# Prints a visible modal window of process $1 that has no title bar (menus
# and tooltips have none either, but they are not modal).
e2e_untitled_modal() {
    local pid=$1 id
    for id in $(e2e_windows_of "$pid"); do
        e2e_read_window "$id"
        if [ "$w_title_bar" = no ] && [[ " $w_state " == *" _NET_WM_STATE_MODAL "* ]]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

# Clicks at a point of a window's client area, in pixels, with real X input.
e2e_click() {
    local window=$1 x=$2 y=$3
    xdotool mousemove --window "$window" "$x" "$y" click 1
}

# Asks the window manager to activate a window and waits until it has.
e2e_activate() {
    xdotool windowactivate "$1" >/dev/null 2>&1
    e2e_wait_for "window $1 to become the active window" "$e2e_patience" e2e_is_active "$1"
}

e2e_is_active() {
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]
}

# Presses keys in window $1, which is activated first.
e2e_keys() {
    local window=$1
    shift
    e2e_activate "$window"
    xdotool key --delay 40 "$@"
}

e2e_type() {
    local window=$1 text=$2
    e2e_activate "$window"
    xdotool type --delay 30 -- "$text"
}

# The colour of one pixel of a window, as "r,g,b".
e2e_pixel() {
    local window=$1 x=$2 y=$3
    timeout 20 import -window "$window" -crop "1x1+$x+$y" -depth 8 txt:- 2>/dev/null \
        | sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
    return 0
}

# e2e_tones WINDOW [GEOMETRY]: how a window, or the part GEOMETRY (WxH+X+Y)
# of it, reads, as "BACKGROUND DARK LIGHT": the grey level (0 to 255) that
# most of its pixels share, and the thousandths of its pixels that are much
# darker and much lighter than that, mostly its text and lines. Taken from
# the whole area rather than from chosen points, it holds whatever the layout.
e2e_tones() {
    local window=$1 crop=()
    [ -n "${2:-}" ] && crop=(-crop "$2" +repage)
    timeout 20 import -window "$window" png:- 2>/dev/null \
        | convert png:- "${crop[@]}" -colorspace gray -depth 8 -format %c histogram:info:- 2>/dev/null \
        | awk '
            {
                n = $1; sub(":", "", n)
                match($0, /\( *[0-9]+/)
                grey = substr($0, RSTART + 1, RLENGTH - 1) + 0
                count[grey] += n; total += n
            }
            END {
                if (total == 0) exit 1
                background = 0
                for (grey in count) if (count[grey] > count[background]) background = grey + 0
                for (grey in count) {
                    if (grey + 0 <= background - 100) dark += count[grey]
                    if (grey + 0 >= background + 50) light += count[grey]
                }
                printf "%d %d %d\n", background, 1000 * dark / total, 1000 * light / total
            }'
}

# e2e_expect_designed_look WINDOW GEOMETRY WHAT: a window (GEOMETRY empty)
# or part of one drawn in the program's own light design, whatever the
# desktop's colours: a light background, and text and lines darker than it
# rather than lighter.
e2e_expect_designed_look() {
    local window=$1 geometry=$2 what=$3 background dark light
    read -r background dark light < <(e2e_tones "$window" "$geometry") || e2e_fail "no picture of $what could be taken"
    [ "$background" -ge 160 ] || e2e_fail "$what has a dark background (grey $background of 255), not its designed light one"
    if [ "$dark" -lt 5 ] || [ "$dark" -le "$light" ]; then
        e2e_fail "$what shows too little dark text: $dark‰ of its pixels are much darker than its background, $light‰ much lighter"
    fi
    echo "$what: background grey $background, $dark‰ darker, $light‰ lighter"
}

# e2e_expect_desktop_dark WINDOW GEOMETRY WHAT: a window, or part of one,
# that follows a dark desktop: a dark
# background with light text on it.
e2e_expect_desktop_dark() {
    local window=$1 geometry=$2 what=$3 background dark light
    read -r background dark light < <(e2e_tones "$window" "$geometry") || e2e_fail "no picture of $what could be taken"
    [ "$background" -lt 96 ] || e2e_fail "$what does not follow the dark desktop: its background is grey $background of 255"
    [ "$light" -ge 5 ] || e2e_fail "$what shows too little light text on its dark background: $light‰ of its pixels"
    echo "$what: background grey $background, $light‰ lighter"
}

# The addresses the stand-in browser was asked to open, in order.
e2e_opened() {
    local file
    for file in "$e2e_work/opened"/[0-9]*; do
        [ -e "$file" ] && cat "$file"
    done
    return 0
}

e2e_opened_count() {
    local files=("$e2e_work/opened"/[0-9]*)
    [ -e "${files[0]}" ] && echo "${#files[@]}" || echo 0
}

e2e_has_opened() {
    [ "$(e2e_opened_count)" -ge "$1" ]
}

# e2e_expect_opened N PATTERN WHAT: waits until N addresses have been opened
# and checks that the N-th matches PATTERN (a grep pattern) and that no
# address came after it.
e2e_expect_opened() {
    local count=$1 pattern=$2 what=$3 address
    e2e_wait_for "$what to open an address" "$e2e_patience" e2e_has_opened "$count"
    address=$(e2e_opened | sed -n "${count}p")
    grep -q -- "$pattern" <<<"$address" \
        || e2e_fail "$what opened '$address', not an address matching '$pattern'"
    [ "$(e2e_opened_count)" -eq "$count" ] \
        || e2e_fail "$what opened more than one address: $(e2e_opened | tail -n +"$count" | tr '\n' ' ')"
}

# Waits for a process to end and checks that it ended with code 0.
e2e_expect_clean_exit() {
    local pid=$1 what=$2 status=0
    # A sanitized build checks for leaks before it ends, which takes a while.
    e2e_wait_for "$what to end the program" 60 e2e_ended "$pid"
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || e2e_fail "$what ended the program with exit code $status"
}
