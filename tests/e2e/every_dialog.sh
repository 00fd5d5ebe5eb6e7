#!/usr/bin/env bash
# Every dialog and window of Corvella opened and closed by keys alone, in a
# real window system: the update question, the level dialog, the result
# dialog, the score view, the about box, the Statistics window with its
# export save question and its Forget question, a message of the exit
# screen's refer-a-friend form, the exit screen. Each must come, take the
# keyboard, be pictured, close by a key, and leave the keyboard with the
# window the user came from.
#
# Under X11 each dialog must also be transient for the window it belongs to
# (WM_TRANSIENT_FOR), which is what keeps it above that window. Sway's tree
# does not tell a Wayland dialog's parent: there only the other checks run.
# Usage: every_dialog.sh x11|wayland PROGRAM [SCREENSHOT_FOLDER]
set -euo pipefail

backend=$1
program=$(realpath "$2")
shots=$(realpath -m "${3:-$PWD/e2e-shots}")
here=$(dirname "$(realpath "$0")")
# shellcheck source=x11_driver.sh
source "$here/x11_driver.sh"
# shellcheck source=window_driver.sh
source "$here/window_driver.sh"
e2e_prepare
wd_start_desktop "$backend"
wd_need jq

title="Corvella v1.50"

# The last reminder lies long ago, so the update question comes first.
mkdir -p "$e2e_work/config/corvella"
printf '[Settings]\nDuration=2020-01-02\n' >"$e2e_work/config/corvella/corvella.conf"
[ "$backend" = x11 ] || chown -R "$wd_wayland_user:$wd_wayland_user" "$e2e_work/config"

shot() {
    if [ "$backend" = x11 ]; then
        e2e_shot "$backend-$1"
    else
        grim "$shots/$backend-$1.png" || e2e_fail "no screenshot '$1' could be taken"
    fi
}

# The window an X window is transient for, as a decimal id; empty if none.
transient_for() {
    local line
    line=$(xprop -id "$1" WM_TRANSIENT_FOR 2>/dev/null) || return 0
    [[ $line == *"window id # "* ]] && printf '%d\n' "${line##* }"
}

# expect_owned NAME DIALOG OWNER: under X11 the dialog is transient for its
# owner.
expect_owned() {
    local name=$1 dialog=$2 owner=$3 transient
    [ "$backend" = x11 ] && [ -n "$owner" ] || return 0
    transient=$(transient_for "$dialog")
    [ "$transient" = "$owner" ] \
        || e2e_fail "$name is transient for ${transient:-no window}, not for the window it belongs to ($owner)"
}

# wait_focused WHAT WINDOW: the window has the keyboard without being given it.
wait_focused() {
    wd_wait "$1 to have the keyboard" wd_focused "$2"
}

# dialog NAME FIND-ARGS...: waits for the dialog, checks that it has the
# keyboard and stands over $owner, pictures it; its id in $dialog.
dialog() {
    local name=$1
    shift
    wd_wait "the $name" wd_find "$@"
    dialog=$e2e_found
    wait_focused "the $name" "$dialog"
    expect_owned "$name" "$dialog" "$owner"
    shot "$name"
}

# close NAME KEY...: closes the dialog by keys; the keyboard goes back to
# $owner.
close() {
    local name=$1
    shift
    wd_keys "$dialog" "$@"
    wd_wait "$* to close the $name" wd_gone "$dialog"
    [ -z "$owner" ] || wait_focused "the window under the $name, after it closed," "$owner"
}

wd_start_program "$program"
e2e_step "update question, main window pid $wd_program_pid"
# Asked before the main window is made: it belongs to no window.
owner=
dialog update-question dialog Corvella
close update-question Escape
[ "$(e2e_opened_count)" -eq 0 ] || e2e_fail "Escape on the update question opened an address"

e2e_step "level dialog, Escape and Enter"
wd_find_main
owner=$wd_main
dialog level-dialog dialog "$title"
# Escape leaves no level chosen: the dialog asks again.
wd_keys "$dialog" Escape
wd_wait "Escape to close the level dialog" wd_gone "$dialog"
wd_wait "the level dialog to ask again" wd_find dialog "$title"
dialog=$e2e_found
wait_focused "the level dialog, asking again," "$dialog"
close level-dialog Return

e2e_step "result dialog"
wd_keys "$wd_main" space
dialog result-dialog untitled
close result-dialog Return

e2e_step "score view"
wd_keys "$wd_main" ctrl+s
dialog score-view dialog "$title"
close score-view Escape

e2e_step "about box"
wd_keys "$wd_main" alt+h a
dialog about-box dialog "$title"
close about-box Escape

e2e_step "Statistics window, its export save question and its Forget question"
wd_keys "$wd_main" ctrl+t
dialog statistics dialog Statistics
statistics=$dialog
owner=$statistics
wd_keys "$statistics" alt+e
dialog export-question dialog "Export History"
close export-question Escape
wd_keys "$statistics" alt+f
dialog forget-question dialog "Forget History"
# Escape answers No: nothing is forgotten.
close forget-question Escape
dialog=$statistics
owner=$wd_main
close statistics Escape

e2e_step "exit screen and its message"
wd_keys "$wd_main" alt+e
wd_wait "the exit screen after Exit" wd_find exit-screen
exit_screen=$e2e_found
wait_focused "the exit screen" "$exit_screen"
shot exit-screen
owner=$exit_screen
# From Exit, Tab goes on to the home-page link, the name box, the send
# button, the e-mail box; a space there is refused with a message.
wd_keys "$exit_screen" Tab Tab Tab Tab space
dialog message dialog Corvella
close message Return
wd_keys "$exit_screen" alt+x
e2e_expect_clean_exit "$wd_program_pid" "Alt+X on the exit screen"

echo "1 passed, 0 failed"
