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
export CORVELLA_E2E_NO_WM=1
e2e_enter_x_server "$0" "$@"

work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/bin" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
printf '#!/bin/sh\nexit 0\n' >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime"

e2e_step "first start asks for a level"
"$program" &
first=$!
pids+=("$first")
e2e_wait_window 338 329 15 >/dev/null || e2e_fail "no level dialog after start-up on a bare X server"
e2e_shot "bare-level-dialog"

e2e_step "second start is refused"
"$program" &
second=$!
pids+=("$second")
refusal=$(e2e_wait_title "Corvella" 15) || e2e_fail "the second start showed no message"
e2e_shot "already-running"
xdotool windowfocus --sync "$refusal" 2>/dev/null || true
e2e_click "$refusal" 10 10
xdotool key Return
e2e_expect_clean_exit "$second" "OK on the refusal"
kill -0 "$first" 2>/dev/null || e2e_fail "the first instance ended"
e2e_window_of_size 338 329 >/dev/null || e2e_fail "the first instance lost its level dialog"

e2e_step "a killed instance's lock does not refuse the next start"
kill -9 "$first"
wait "$first" 2>/dev/null || true
e2e_wait_gone 338 329 || e2e_fail "the killed instance's window stayed"
"$program" &
third=$!
pids+=("$third")
e2e_wait_window 338 329 15 >/dev/null || e2e_fail "the start after a killed instance was refused"
e2e_title_left=$(xdotool search --onlyvisible --name '^Corvella$' 2>/dev/null | head -n 1 || true)
[ -z "$e2e_title_left" ] || e2e_fail "the start after a killed instance showed a message"

echo "1 passed, 0 failed"
