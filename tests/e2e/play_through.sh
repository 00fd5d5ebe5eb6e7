#!/usr/bin/env bash
# Plays Corvella from start to end in a real X server with a window manager,
# with real X input, as a person would: the update question, the level
# choice, a guess at each level, input during the pause, the score, the about
# box, every menu link, the exit screen with the refer-a-friend form, exit.
# Usage: play_through.sh PROGRAM [SCREENSHOT_FOLDER]
set -euo pipefail

program=$(realpath "$1")
shots=$(realpath -m "${2:-$PWD/e2e-shots}")
here=$(dirname "$(realpath "$0")")
source "$here/x11_driver.sh"
e2e_enter_x_server "$0" "$@"

work=$(mktemp -d)
cleanup() {
    [ -n "${program_pid:-}" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "${e2e_wm_pid:-}" ] && kill "$e2e_wm_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A stand-in browser that records the addresses it is asked to open.
mkdir -p "$work/bin" "$work/config/corvella" "$work/runtime"
chmod 700 "$work/runtime"
opened="$work/opened.txt"
: >"$opened"
cat >"$work/bin/xdg-open" <<STANDIN
#!/bin/sh
printf '%s\n' "\$1" >>"$opened"
STANDIN
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime"
unset DESKTOP_SESSION XDG_CURRENT_DESKTOP KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID

# The last reminder lies long ago, so the update question comes first.
printf '[Settings]\nDuration=1/2/2020\n' >"$work/config/corvella/corvella.conf"

wait_opened() {
    local pattern=$1 i
    for i in $(seq 1 100); do
        grep -q -- "$pattern" "$opened" && return 0
        sleep 0.05
    done
    e2e_fail "no address matching '$pattern' was opened (opened: $(tr '\n' ' ' <"$opened"))"
}

e2e_step "start"
LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 "$program" &
program_pid=$!

e2e_step "update question"
question=$(e2e_wait_title "Corvella" 15) || e2e_fail "the update question did not appear"
e2e_shot "update-question"
e2e_keys "$question" alt+y
wait_opened "/corvella/download-corvella.html"
grep -q "Duration=12/8/2026\|Duration=$(date +%-m/%-d/%Y)" "$work/config/corvella/corvella.conf" \
    || e2e_fail "today was not stored: $(cat "$work/config/corvella/corvella.conf")"

# Level dialog: 338 x 329; main window: 633 wide.
choose_level() {
    local option_y=$1 dialog
    dialog=$(e2e_wait_window 338 329) || e2e_fail "the level dialog did not appear"
    e2e_click "$dialog" 140 "$option_y"
    e2e_click "$dialog" 168 224
    e2e_wait_gone 338 329 || e2e_fail "the level dialog did not close on OK"
}

main_window() {
    local id geometry
    for id in $(xdotool search --onlyvisible --class corvella 2>/dev/null); do
        geometry=$(xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: //p')
        case "$geometry" in 633x*) echo "$id"; return 0 ;; esac
    done
    return 1
}

e2e_step "level dialog after start"
e2e_wait_window 338 329 >/dev/null || e2e_fail "the level dialog did not appear after start-up"
e2e_shot "level-dialog"
choose_level 132 # Beginner
main=$(main_window) || e2e_fail "no main window"
menu_height=$(( $(xdotool getwindowgeometry "$main" | sed -n 's/.*Geometry: 633x//p') - 481 ))
e2e_shot "main-beginner"

guess() { # x y in the client area below the menu bar
    e2e_click "$main" "$1" $(( $2 + menu_height ))
}

close_result() {
    local result
    result=$(e2e_wait_window 313 113 5) || e2e_fail "no result dialog after the pause"
    e2e_shot "$1"
    e2e_click "$result" 156 88
    e2e_wait_gone 313 113 || e2e_fail "TRY AGAIN did not close the result dialog"
}

e2e_step "a guess at Beginner, with a click on another symbol during the pause"
guess 74 322 # cmdZener(0)
sleep 0.4
e2e_shot "wait-panel"
band=$(e2e_pixel "$main" 300 $((menu_height + 96 + 47)))
[ "$band" = "255,0,255" ] || e2e_fail "the wait panel is not on the screen during the pause (pixel $band)"
guess 434 258 # cmdZener(3), during the pause
close_result "result-beginner"
sleep 2.2
e2e_window_of_size 313 113 >/dev/null && e2e_fail "a click made during the pause started a second guess"

e2e_step "Intermediate"
e2e_keys "$main" ctrl+d
choose_level 156
e2e_shot "main-intermediate"
guess 58 242 # PicIntermediate(0)
close_result "result-intermediate"

e2e_step "Expert through the Back button"
e2e_click "$main" 516 $((447 + menu_height))
choose_level 180
e2e_shot "main-expert"
guess 474 297 # picExpert(8), the hexagram
close_result "result-expert"

e2e_step "score"
e2e_keys "$main" ctrl+s
score=$(e2e_wait_window 338 329) || e2e_fail "Ctrl+S showed no score"
e2e_shot "score"
e2e_click "$score" 168 224
e2e_wait_gone 338 329 || e2e_fail "OK did not close the score"

e2e_step "about box"
e2e_keys "$main" alt+h a
about=$(e2e_wait_window 404 271) || e2e_fail "the about box did not open"
e2e_shot "about-box"
e2e_keys "$about" Escape
e2e_wait_gone 404 271 || e2e_fail "Escape did not close the about box"

e2e_step "menu links"
e2e_keys "$main" alt+h o
wait_opened "/corvella/corvella-help.html"
e2e_keys "$main" alt+h v
wait_opened "^https\?://[^/]*/$"
e2e_keys "$main" alt+h u
[ "$(grep -c download-corvella "$opened")" -ge 2 ] || wait_opened "download-corvella.*download-corvella"
e2e_keys "$main" alt+d
wait_opened "/donate.html"

e2e_step "close the main window with its close box"
e2e_keys "$main" alt+F4
nag=$(e2e_wait_window 741 315) || e2e_fail "the exit screen did not appear"
main_window >/dev/null && e2e_fail "the main window is still there"
e2e_shot "exit-screen"

e2e_step "refer a friend"
e2e_click "$nag" 126 249
e2e_type "$nag" "Ada Lovelace & Co"
e2e_click "$nag" 360 249
e2e_type "$nag" "ada@example.org"
e2e_click "$nag" 126 273
e2e_type "$nag" "Charles"
e2e_click "$nag" 360 273
e2e_type "$nag" "charles@example.org"
e2e_shot "exit-screen-filled"
e2e_click "$nag" 248 297
wait_opened "qrel-refer-a-friend.php?taf1=Ada%20Lovelace%20%26%20Co&taf2=ada%40example.org"

e2e_step "exit"
e2e_click "$nag" 441 196
e2e_expect_clean_exit "$program_pid" "E&xit"
program_pid=

echo "opened addresses:"
cat "$opened"
echo "1 passed, 0 failed"
