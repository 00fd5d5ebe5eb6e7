#!/usr/bin/env bash
# A keyboard user's run of Corvella, with real key events in a real window
# system and no mouse but where the script says so:
#   1. Escape on the level dialog after start: it comes back. Expert, chosen
#      with the keys, then Space: a guess, not the exit screen; Enter closes
#      the result.
#   2. Back, Intermediate, Space: a guess. Back, the same level again, Space:
#      a guess.
#   3. The score view by its shortcut: keys typed into the report, Ctrl+A,
#      Ctrl+C, Shift+arrows and the menu key leave it as it was; Enter
#      closes the view.
#   4. (X11) A value another program put on the clipboard is still there
#      after the score view, and after the mouse has moved over the report.
#   5. Exit, two letters typed at once, the four visible boxes of the
#      refer-a-friend form filled, sent by keyboard: the message sent is the
#      untouched hidden box's, nothing typed at the start.
# Usage: keyboard_only.sh x11|wayland PROGRAM [SCREENSHOT_FOLDER]
# CORVELLA_KEYBOARD_STEPS="3 5" runs only those steps (a level is then
# chosen with Enter at the start).
set -euo pipefail

backend=$1
program=$(realpath "$2")
shots=$(realpath -m "${3:-$PWD/e2e-shots}")
here=$(dirname "$(realpath "$0")")
# shellcheck source=x11_driver.sh
source "$here/x11_driver.sh"
# shellcheck source=window_driver.sh
source "$here/window_driver.sh"
steps=" ${CORVELLA_KEYBOARD_STEPS:-1 2 3 4 5} "
e2e_prepare
wd_start_desktop "$backend"
wd_need compare jq
[ "$backend" = wayland ] || wd_need xclip

title="Corvella v1.50"
# A reminder shown today keeps the update question away.
mkdir -p "$e2e_work/config/corvella"
printf '[Settings]\nDuration=%s\n' "$(date +%F)" >"$e2e_work/config/corvella/corvella.conf"
[ "$backend" = x11 ] || chown -R "$wd_wayland_user:$wd_wayland_user" "$e2e_work/config"

step() {
    [[ $steps == *" $1 "* ]] || return 1
    current_step=$1
    e2e_step "step $*"
}

fail_step() {
    e2e_fail "step $current_step: $*"
}

shot() {
    if [ "$backend" = x11 ]; then
        e2e_shot "$backend-$1"
    else
        grim "$shots/$backend-$1.png" || e2e_fail "no screenshot '$1' could be taken"
    fi
}

level_dialog() {
    wd_wait "the level dialog" wd_find dialog "$title"
    dialog=$e2e_found
}

# In a fresh level dialog the focus is on OK and Beginner is selected: Tab
# reaches the selected option, the arrows move the selection, Enter presses
# the dialog's OK.
choose_with_keys() { # number of Down presses: 0 Beginner, 1 Intermediate, 2 Expert
    local downs=() i
    for ((i = 0; i < $1; i++)); do downs+=(Down); done
    wd_keys "$dialog" Tab "${downs[@]}" Return
    wd_wait "Enter to close the level dialog" wd_gone "$dialog"
}

# What one key press on the main window led to: a result dialog, the exit
# screen, or another dialog.
guess_or_else() {
    if wd_find untitled; then return 0; fi
    wd_present "$wd_main" || fail_step "$pressed ended the test: the main window closed and the exit screen came"
    wd_find dialog "$title" >/dev/null && fail_step "$pressed opened a dialog of the program instead of making a guess"
    return 1
}

# Space on the main window must make a guess; Enter closes its result.
space_makes_a_guess() {
    pressed="Space on the main window $1"
    wd_keys "$wd_main" space
    wd_wait "$pressed to make a guess (its result dialog after the pause)" guess_or_else
    local result=$e2e_found
    shot "result-$current_step"
    wd_keys "$result" Return
    wd_wait "Enter to close the result dialog" wd_gone "$result"
}

wd_start_program "$program"
wd_find_main
e2e_step "main window $wd_main, program pid $wd_program_pid"

if step 1 "Escape on the level dialog, then Expert and Space"; then
    level_dialog
    first=$dialog
    shot "level-dialog"
    wd_keys "$dialog" Escape
    wd_wait "Escape to close the level dialog" wd_gone "$first"
    level_dialog
    choose_with_keys 2
    shot "expert"
    space_makes_a_guess "after Expert"
else
    level_dialog
    wd_keys "$dialog" Return
    wd_wait "Enter to close the level dialog" wd_gone "$dialog"
fi

if step 2 "Back, Intermediate, Space; Back, Intermediate again, Space"; then
    wd_keys "$wd_main" alt+b
    level_dialog
    choose_with_keys 1
    space_makes_a_guess "after Intermediate"
    wd_keys "$wd_main" alt+b
    level_dialog
    choose_with_keys 1
    space_makes_a_guess "after the same level again"
fi

# The score view by its shortcut; its dialog is left in $score.
open_score_view() {
    wd_keys "$wd_main" ctrl+s
    wd_wait "Ctrl+S to show the score" wd_find dialog "$title"
    score=$e2e_found
}

# Keys meant for the report, none of which presses a button.
keys_into_report() {
    wd_type "$score" "typed42"
    wd_keys "$score" ctrl+a ctrl+c shift+Left shift+Up shift+Right shift+Down shift+End Delete BackSpace Menu
}

if step 3 "the score report takes no keys"; then
    open_score_view
    wd_shot "$score" "$e2e_work/report-before.png"
    cp "$e2e_work/report-before.png" "$shots/$backend-score-view.png"
    # The view holds two controls, the report and OK, so the keys reach the
    # report in one of the two rounds, wherever the focus starts.
    keys_into_report
    wd_keys "$score" shift+Tab
    keys_into_report
    wd_keys "$score" Tab
    # The keys reach the program some time after they are sent, and a slow
    # (sanitized) build may not have drawn the focus back on OK yet: the view
    # has a few seconds to look as it did. A report that took a key never
    # does.
    report_as_before() {
        wd_shot "$score" "$e2e_work/report-after.png"
        wd_same_pictures "$e2e_work/report-before.png" "$e2e_work/report-after.png"
    }
    settled=
    for _ in $(seq 50); do
        report_as_before && { settled=yes; break; }
        sleep 0.1
    done
    if [ -z "$settled" ]; then
        cp "$e2e_work/report-after.png" "$shots/$backend-score-view-after-keys.png"
        fail_step "keys pressed in the score report changed what the score view shows" \
            "(see $backend-score-view.png and $backend-score-view-after-keys.png)"
    fi
    # Enter from inside the report presses OK. (A context menu the menu key
    # had opened would take it.)
    wd_keys "$score" shift+Tab Return
    wd_wait "Enter in the report to close the score view" wd_gone "$score"
fi

clipboard_holds() {
    [ "$(timeout 5 xclip -o -selection clipboard 2>/dev/null)" = "$1" ]
}

if [ "$backend" = x11 ] && step 4 "the clipboard is left alone"; then
    copied="copied elsewhere $$"
    printf "%s" "$copied" | xclip -selection clipboard -i 2>/dev/null
    clipboard_holds "$copied" || fail_step "xclip could not put a value on the clipboard"
    open_score_view
    clipboard_holds "$copied" || fail_step "showing the score view changed the clipboard"
    # Across the middle of the view, where the report lies, in small steps.
    width=$(xwininfo -id "$score" | sed -n 's/^ *Width: //p')
    height=$(xwininfo -id "$score" | sed -n 's/^ *Height: //p')
    for ((x = width / 10; x < width * 9 / 10; x += width / 20)); do
        xdotool mousemove --window "$score" "$x" $((height * 2 / 5))
    done
    xdotool mousemove --window "$score" $((width / 2)) $((height / 3)) click 1
    clipboard_holds "$copied" || fail_step "moving the mouse over the score report changed the clipboard"
    wd_keys "$score" Escape
    wd_wait "Escape to close the score view" wd_gone "$score"
fi

# The referral sent, or a message box that refused it.
referral_or_message() {
    e2e_has_opened 1 && return 0
    wd_find dialog Corvella >/dev/null \
        && fail_step "Alt+N showed a message instead of sending: the keys typed from Exit did not reach the boxes Tab leads to"
    return 1
}

if step 5 "the exit screen takes no typing unseen"; then
    wd_keys "$wd_main" alt+e
    wd_wait "the exit screen after Exit" wd_find exit-screen
    exit_screen=$e2e_found
    # Two letters that press nothing there.
    wd_type "$exit_screen" "qj"
    # From Exit, Tab goes on to the home-page link, the name box, the send
    # button, the e-mail box, the friend's e-mail box, the friend's name.
    wd_keys "$exit_screen" Tab Tab
    wd_type "$exit_screen" "Ada"
    wd_keys "$exit_screen" Tab Tab
    wd_type "$exit_screen" "ada@example.org"
    wd_keys "$exit_screen" Tab
    wd_type "$exit_screen" "charles@example.org"
    wd_keys "$exit_screen" Tab
    wd_type "$exit_screen" "Charles"
    shot "exit-screen-filled"
    wd_keys "$exit_screen" alt+n
    wd_wait "Alt+N to send the referral" referral_or_message
    address=$(e2e_opened | head -n 1)
    sent=$(sed -n 's/.*[?&]taf3=\([^&]*\).*/\1/p' <<<"$address")
    untouched=$(jq -rn --arg message $'Your Message\r\n' '$message | @uri')
    [ "$sent" = "$untouched" ] \
        || fail_step "the referral sent the message '$sent', not the untouched '$untouched': $address"
    for field in "taf1=Ada&" "taf2=ada%40example.org&" "taf4=Charles&" "taf5=charles%40example.org&"; do
        [[ $address == *"$field"* ]] || fail_step "the referral lacks $field: $address"
    done
    wd_keys "$exit_screen" alt+x
    e2e_expect_clean_exit "$wd_program_pid" "Alt+X on the exit screen"
fi

echo "1 passed, 0 failed"
