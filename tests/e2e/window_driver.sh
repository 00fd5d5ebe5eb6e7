# Drives the real program through a real window system with real key
# events, on either of two back ends:
#   x11      Xvfb with openbox; keys through XTEST (xdotool), windows read
#            from the X server (x11_driver.sh);
#   wayland  headless sway; keys through its virtual keyboard (wtype),
#            windows read from sway's tree and waited for on its event
#            stream (swaymsg -t subscribe).
# Sourced after x11_driver.sh by scripts that set $shots. A script speaks of
# windows by role, never by size or place:
#   main          the program's main window
#   dialog TITLE  a window of the program with a title bar and that title,
#                 other than the main window and the exit screen
#   untitled      a modal window without a title bar (the result dialog)
#   exit-screen   the program's window left once the main window has gone
# Every wait has a deadline and fails the test saying what did not happen.
# shellcheck shell=bash disable=SC2154 # e2e_* are set by x11_driver.sh

wd_backend=
wd_program_pid=
wd_main=            # the main window, once found
wd_wayland_user=65534
wd_program_name=Corvella
wd_events_fd=

# wd_need TOOL...: a missing tool fails the test; it never skips it.
wd_need() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null \
            || e2e_fail "$tool is missing: tools/install-dependencies.sh installs it"
    done
}

# wd_start_desktop x11|wayland
wd_start_desktop() {
    wd_backend=$1
    case $wd_backend in
        x11)
            wd_need Xvfb openbox xdotool xprop xwininfo import
            e2e_start_x_server ;;
        wayland)
            wd_need sway swaymsg wtype grim jq setpriv
            wd_start_sway ;;
        *) e2e_fail "no back end '$wd_backend': x11 or wayland" ;;
    esac
}

# Sway refuses to run as root, so it and the program run as an unprivileged
# user, with a runtime folder of that user's own; the driver stays root and
# reaches sway through its sockets.
wd_start_sway() {
    local runtime="$e2e_work/wayland-runtime"
    mkdir -p "$runtime"
    chmod 700 "$runtime"
    chmod 755 "$e2e_work"
    chown -R "$wd_wayland_user:$wd_wayland_user" "$runtime" "$e2e_work"/{home,config,cache,data,opened}
    cat >"$e2e_work/sway.conf" <<'CONF'
output HEADLESS-1 resolution 1280x1024 scale 1
default_border normal
focus_on_window_activation focus
xwayland disable
CONF
    chmod 644 "$e2e_work/sway.conf"
    setpriv --reuid="$wd_wayland_user" --regid="$wd_wayland_user" --clear-groups test -w "$runtime" \
        || e2e_fail "user $wd_wayland_user cannot reach $runtime: give TMPDIR a folder that every user can enter"
    setpriv --reuid="$wd_wayland_user" --regid="$wd_wayland_user" --clear-groups \
        env -i PATH="$PATH" HOME="$e2e_work/home" XDG_RUNTIME_DIR="$runtime" \
        WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        sway --config "$e2e_work/sway.conf" >"$e2e_work/sway.log" 2>&1 </dev/null &
    e2e_xvfb_pid=$!   # ended politely by the cleanup, as the X server is
    e2e_logs+=("sway:$e2e_work/sway.log")
    e2e_wait_for "sway to open its sockets" 30 wd_sway_sockets "$runtime"
    export WAYLAND_DISPLAY="$runtime/${e2e_found% *}" SWAYSOCK="$runtime/${e2e_found#* }"
    unset DISPLAY
    echo "sway on $WAYLAND_DISPLAY"
    # A keyboard that stays for the whole run. A client binds its keyboard
    # only once the seat has one: were each wtype's own keyboard the seat's
    # only one, the keys of a call could arrive before the program had
    # bound the keyboard they come from, and be lost.
    WAYLAND_DISPLAY=$WAYLAND_DISPLAY wtype -s 2000000000 >/dev/null 2>&1 &
    e2e_pids+=($!)
    e2e_wait_for "sway to have a keyboard" 30 wd_seat_has_keyboard
    # Every change of a window is an event; waits read them as they come.
    exec {wd_events_fd}< <(exec swaymsg -t subscribe -m -r '["window"]' 2>/dev/null)
}

wd_seat_has_keyboard() {
    swaymsg -t get_seats -r | jq -e 'any(.[]; .capabilities >= 2)' >/dev/null
}

wd_sway_sockets() {
    kill -0 "$e2e_xvfb_pid" 2>/dev/null || e2e_fail "sway did not start"
    local displays=("$1"/wayland-[0-9]) ipcs=("$1"/sway-ipc.*.sock)
    [ -S "${displays[0]}" ] && [ -S "${ipcs[0]}" ] && echo "${displays[0]##*/} ${ipcs[0]##*/}"
}

# Under sway: a picture of the screen and the program's windows, for the
# report of a failure.
e2e_report_windows() {
    [ "$wd_backend" = wayland ] && [ -n "${SWAYSOCK:-}" ] || return 0
    grim "$shots/failure.png" 2>/dev/null && echo "screenshot of the failure: $shots/failure.png"
    echo "windows of the program (id, focused, title):"
    wd_sway_windows 2>/dev/null | sed 's/^/    /'
}

# A sanitized build's options reach the program as they reach it under X11,
# with copies of their suppression files that the unprivileged user can read.
wd_sanitizer_options=()
wd_pass_sanitizer_options() {
    local variable value file copy
    mkdir -p "$e2e_work/sanitizers"
    for variable in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
        value=${!variable:-}
        [ -n "$value" ] || continue
        if [[ $value =~ suppressions=([^:]*) ]]; then
            file=${BASH_REMATCH[1]}
            copy="$e2e_work/sanitizers/$variable-$(basename "$file")"
            install -m 644 "$file" "$copy" || e2e_fail "the suppressions in $variable cannot be read: $file"
            value=${value/suppressions=$file/suppressions=$copy}
        fi
        # Mesa's EGL driver, loaded by Qt's Wayland plugin, is unloaded
        # before the leak check: only the slow unwinder reaches the library
        # its suppression names.
        [ "$variable" != LSAN_OPTIONS ] || value="$value:fast_unwind_on_malloc=0"
        wd_sanitizer_options+=("$variable=$value")
    done
    chmod 755 "$e2e_work/sanitizers"
}

# wd_start_program PROGRAM [VARIABLE=value...]: starts the program on the
# back end, its pid in $wd_program_pid.
wd_start_program() {
    local program=$1
    shift
    if [ "$wd_backend" = x11 ]; then
        e2e_start corvella "$@" "$program"
        wd_program_pid=$e2e_pid
        return
    fi
    # A copy the unprivileged user can reach, wherever the build tree lies.
    install -m 755 "$program" "$e2e_work/bin/corvella"
    wd_pass_sanitizer_options
    local log="$e2e_work/corvella.log"
    setpriv --reuid="$wd_wayland_user" --regid="$wd_wayland_user" --clear-groups \
        env -i "${wd_sanitizer_options[@]}" \
        PATH="$e2e_work/bin:$PATH" QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$WAYLAND_DISPLAY" \
        HOME="$e2e_work/home" XDG_CONFIG_HOME="$e2e_work/config" XDG_CACHE_HOME="$e2e_work/cache" \
        XDG_DATA_HOME="$e2e_work/data" XDG_RUNTIME_DIR="$(dirname "$WAYLAND_DISPLAY")" \
        DBUS_SESSION_BUS_ADDRESS="unix:path=$e2e_work/no-session-bus" \
        LC_ALL=C.UTF-8 LANG=C.UTF-8 "$@" "$e2e_work/bin/corvella" >"$log" 2>&1 </dev/null &
    wd_program_pid=$!
    e2e_pids+=("$wd_program_pid")
    e2e_logs+=("corvella (pid $wd_program_pid):$log")
}

# wd_wait WHAT COMMAND...: waits until COMMAND succeeds, its output left in
# $e2e_found. Under sway the command is tried again on each window event.
wd_wait() {
    local what=$1
    shift
    if [ "$wd_backend" = x11 ]; then
        e2e_wait_for "$what" "$e2e_patience" "$@"
        return
    fi
    local deadline=$(($(e2e_now_us) + e2e_patience * 1000000)) left
    while :; do
        e2e_found=$("$@") && return 0
        [ $? -ne 255 ] || { e2e_report_failure >&2; exit 1; }
        left=$(((deadline - $(e2e_now_us)) / 1000000))
        [ "$left" -gt 0 ] || e2e_fail "waited ${e2e_patience} s for $what"
        # The program's own end is no window event: give it a second.
        read -r -t "$((left < 1 ? left : 1))" -u "$wd_events_fd" _ || true
    done
}

# The program's windows in sway's tree, one a line: "id focused title".
wd_sway_windows() {
    swaymsg -t get_tree -r | jq -r --argjson pid "$wd_program_pid" '
        recurse(.nodes[]?, .floating_nodes[]?)
        | select(.pid == $pid and (.type == "con" or .type == "floating_con"))
        | "\(.id) \(.focused) \(.name // "")"'
}

# wd_find ROLE [TITLE]: prints the window of that role, or fails.
wd_find() {
    local role=$1 title=${2:-}
    if [ "$wd_backend" = x11 ]; then
        case $role in
            main) e2e_top_level "$wd_program_pid" ;;
            dialog) e2e_dialog "$wd_program_pid" "$title" ;;
            untitled) e2e_untitled_modal "$wd_program_pid" ;;
            exit-screen) e2e_top_level "$wd_program_pid" "$wd_main" ;;
        esac
        return
    fi
    # Sway knows no window types: the main window is the program's first
    # window, the exit screen the window with a title that comes after it
    # has gone. A window without a title of its own (the result dialog) is
    # named after the program, "Corvella", as a message box is: the script
    # waits for it where no message box is to come.
    local id name
    while read -r id _ name; do
        case $role in
            main) [ -n "$name" ] && { echo "$id"; return 0; } ;;
            dialog) [ "$id" != "$wd_main" ] && [ "$name" = "$title" ] && { echo "$id"; return 0; } ;;
            untitled) [ -z "$name" ] || [ "$name" = "$wd_program_name" ] && { echo "$id"; return 0; } ;;
            exit-screen) [ "$id" != "$wd_main" ] && [ -n "$name" ] && ! wd_present "$wd_main" \
                && { echo "$id"; return 0; } ;;
        esac
    done < <(wd_sway_windows)
    return 1
}

wd_find_main() {
    wd_wait "the main window" wd_find main
    wd_main=$e2e_found
}

wd_present() {
    if [ "$wd_backend" = x11 ]; then
        e2e_viewable "$1"
    else
        wd_sway_windows | grep -q "^$1 "
    fi
}

wd_gone() {
    ! wd_present "$1"
}

wd_focused() {
    if [ "$wd_backend" = x11 ]; then
        e2e_is_active "$1"
    else
        wd_sway_windows | grep -q "^$1 true "
    fi
}

# Brings a window forward and waits until it has the keyboard.
wd_focus() {
    if [ "$wd_backend" = x11 ]; then
        e2e_activate "$1"
    else
        wd_focused "$1" || swaymsg "[con_id=$1] focus" >/dev/null \
            || e2e_fail "window $1 could not be focused: it has gone"
        wd_wait "window $1 to take the keyboard" wd_focused "$1"
    fi
}

# wd_keys WINDOW KEY...: presses keys in a window, which is focused first.
# Keys are named as xdotool names them: Escape, Tab, Down, Return, space,
# ctrl+s, shift+Left, Menu, alt+n. Under sway each call is one run of wtype.
wd_keys() {
    local window=$1
    shift
    wd_focus "$window"
    if [ "$wd_backend" = x11 ]; then
        xdotool key --clearmodifiers --delay 40 "$@"
        return
    fi
    local args=() key modifiers modifier
    for key in "$@"; do
        modifiers=()
        while [[ $key == *+?* ]]; do
            modifier=${key%%+*}
            key=${key#*+}
            case $modifier in
                ctrl | shift | alt | logo) modifiers+=("$modifier") ;;
                super) modifiers+=(logo) ;;
                *) e2e_fail "no modifier '$modifier' in '$key'" ;;
            esac
        done
        for modifier in "${modifiers[@]}"; do args+=(-M "$modifier"); done
        args+=(-k "$key")
        for modifier in "${modifiers[@]}"; do args+=(-m "$modifier"); done
    done
    WAYLAND_DISPLAY=$WAYLAND_DISPLAY wtype -d 40 "${args[@]}" || e2e_fail "wtype could not press $*"
}

# wd_type WINDOW TEXT
wd_type() {
    wd_focus "$1"
    if [ "$wd_backend" = x11 ]; then
        xdotool type --clearmodifiers --delay 30 -- "$2"
    else
        wtype -d 30 -- "$2" || e2e_fail "wtype could not type '$2'"
    fi
}

# wd_shot WINDOW FILE: a picture of the window's inside.
wd_shot() {
    local window=$1 file=$2 rect
    if [ "$wd_backend" = x11 ]; then
        timeout 20 import -window "$window" "$file" 2>/dev/null || e2e_fail "no picture of window $window"
        return
    fi
    rect=$(swaymsg -t get_tree -r | jq -r --argjson id "$window" '
        recurse(.nodes[]?, .floating_nodes[]?) | select(.id == $id)
        | "\(.rect.x + .window_rect.x),\(.rect.y + .window_rect.y) \(.window_rect.width)x\(.window_rect.height)"')
    [ -n "$rect" ] || e2e_fail "window $window has gone before its picture was taken"
    grim -g "$rect" "$file" || e2e_fail "no picture of window $window"
}

# wd_same_pictures A B: the two pictures differ in no pixel.
wd_same_pictures() {
    local differing
    differing=$(compare -metric AE "$1" "$2" null: 2>&1) || true
    [ "$differing" = 0 ]
}
