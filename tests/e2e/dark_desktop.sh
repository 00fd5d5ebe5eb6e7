#!/usr/bin/env bash
# Runs Corvella under a dark desktop colour scheme (qt6ct's "darker", Fusion)
# in a real X server and takes a picture of every window, to look at: the
# designed windows keep their colours, only the menu bar and the title bars
# follow the desktop.
# Usage: dark_desktop.sh PROGRAM [SCREENSHOT_FOLDER]
set -euo pipefail

program=$(realpath "$1")
shots=$(realpath -m "${2:-$PWD/e2e-shots}")
here=$(dirname "$(realpath "$0")")
source "$here/x11_driver.sh"

scheme=/usr/share/qt6ct/colors/darker.conf
[ -f "$scheme" ] || { echo "qt6ct's colour schemes are missing: install qt6ct" >&2; exit 1; }
e2e_enter_x_server "$0" "$@"

work=$(mktemp -d)
cleanup() {
    [ -n "${program_pid:-}" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "${e2e_wm_pid:-}" ] && kill "$e2e_wm_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/bin" "$work/config/corvella" "$work/config/qt6ct" "$work/runtime"
chmod 700 "$work/runtime"
printf '#!/bin/sh\n' >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
cat >"$work/config/qt6ct/qt6ct.conf" <<CONF
[Appearance]
custom_palette=true
color_scheme_path=$scheme
style=Fusion
CONF
# Reminded today, so no update question comes first.
printf '[Settings]\nDuration=%s\n' "$(date +%F)" >"$work/config/corvella/corvella.conf"
export PATH="$work/bin:$PATH" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
export QT_QPA_PLATFORMTHEME=qt6ct
unset DESKTOP_SESSION XDG_CURRENT_DESKTOP KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID

e2e_step "start"
LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 "$program" &
program_pid=$!

e2e_step "level dialog"
dialog=$(e2e_wait_window 338 329 15) || e2e_fail "the level dialog did not appear"
e2e_shot "level-dialog"
e2e_click "$dialog" 168 224
e2e_wait_gone 338 329 || e2e_fail "the level dialog did not close on OK"

e2e_step "main window"
main=""
for i in $(seq 1 100); do
    for id in $(xdotool search --onlyvisible --class corvella 2>/dev/null); do
        case "$(xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: //p')" in 633x*) main=$id ;; esac
    done
    [ -n "$main" ] && break
    sleep 0.05
done
[ -n "$main" ] || e2e_fail "the main window did not appear"
e2e_shot "main-window"

e2e_step "about box"
e2e_keys "$main" alt+h a
about=$(e2e_wait_window 404 271) || e2e_fail "the about box did not open"
e2e_shot "about-box"
e2e_keys "$about" Escape
e2e_wait_gone 404 271 || e2e_fail "Escape did not close the about box"

e2e_step "exit screen"
e2e_keys "$main" alt+F4
nag=$(e2e_wait_window 741 315) || e2e_fail "the exit screen did not appear"
e2e_shot "exit-screen"
e2e_click "$nag" 441 196
e2e_expect_clean_exit "$program_pid" "Exit on the exit screen"
program_pid=""
