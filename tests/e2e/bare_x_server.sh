#!/usr/bin/env bash
# The real program on a bare X server without a window manager: the level
# choice still appears right after start-up; a second start is refused with
# its message and leaves the first alone; a lock left by a killed instance
# does not refuse the next start.
# Usage: bare_x_server.sh PROGRAM [SCREENSHOT_FOLDER]
set -euo pipefail

program=$(realpath "$1")
shots=$(realpath -m "${2:-$PWD/e2e-shots}")
here=$(dirname "$(realpath "$0")")
source "$here/x11_driver.sh"
e2e_prepare
e2e_start_x_server --no-window-manager

title="Corvella v1.50"

e2e_step "first start asks for a level"
e2e_start first "$program"
first=$e2e_pid
e2e_wait_for "a level dialog after start-up on a bare X server" "$e2e_patience" e2e_dialog "$first" "$title"
first_dialog=$e2e_found
e2e_shot "bare-level-dialog"

e2e_step "second start is refused"
e2e_start second "$program"
second=$e2e_pid
e2e_wait_for "the second start's message" "$e2e_patience" e2e_dialog "$second" Corvella
refusal=$e2e_found
e2e_shot "already-running"
# Without a window manager nothing gives the message the keyboard: a click
# does, as it would for a person.
e2e_click "$refusal" 10 10
xdotool windowfocus --sync "$refusal" 2>/dev/null || true
has_focus() {
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]
}
e2e_wait_for "the message to take the keyboard focus" "$e2e_patience" has_focus "$refusal"
xdotool key Return
e2e_expect_clean_exit "$second" "Return on the refusal"
kill -0 "$first" 2>/dev/null || e2e_fail "the first instance ended"
e2e_viewable "$first_dialog" || e2e_fail "the first instance lost its level dialog"

e2e_step "a killed instance's lock does not refuse the next start"
first_windows=$(e2e_windows_of "$first")
kill -9 "$first"
wait "$first" 2>/dev/null || true
all_gone() {
    local id
    for id in "$@"; do e2e_gone "$id" || return 1; done
}
# shellcheck disable=SC2086 # one argument for each window
e2e_wait_for "the killed instance's windows to go" "$e2e_patience" all_gone $first_windows
e2e_start third "$program"
third=$e2e_pid
third_window() {
    e2e_dialog "$third" Corvella >/dev/null && e2e_fail "the start after a killed instance showed a message"
    e2e_dialog "$third" "$title"
}
e2e_wait_for "a level dialog after the start that follows a killed instance" "$e2e_patience" third_window
e2e_dialog "$third" Corvella >/dev/null && e2e_fail "the start after a killed instance showed a message"
kill -0 "$third" 2>/dev/null || e2e_fail "the start after a killed instance ended"

echo "1 passed, 0 failed"
