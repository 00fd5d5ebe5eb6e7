#!/usr/bin/env bash
# Plays Corvella from start to end in a real X server with a window manager,
# with real X input, as a person would: the update question, the level
# choice, a guess at each level, input during the pause, the score, the about
# box, the statistics window, every menu link, the exit screen with the
# refer-a-friend form, exit.
# With --dark-desktop the desktop's colours are qt6ct's dark scheme: the
# windows of the program's own design must keep their light look with dark
# text, while the message boxes and the statistics window, which follow the
# desktop, turn dark with light text.
# Usage: play_through.sh [--dark-desktop] PROGRAM [SCREENSHOT_FOLDER]
set -euo pipefail

dark_desktop=
if [ "${1:-}" = --dark-desktop ]; then
    dark_desktop=yes
    shift
fi
program=$(realpath "$1")
shots=$(realpath -m "${2:-$PWD/e2e-shots}")
here=$(dirname "$(realpath "$0")")
source "$here/x11_driver.sh"
e2e_prepare
e2e_start_x_server

desktop=()
if [ -n "$dark_desktop" ]; then
    scheme=/usr/share/qt6ct/colors/darker.conf
    [ -f "$scheme" ] || e2e_fail "$scheme is missing: tools/install-dependencies.sh installs qt6ct"
    mkdir -p "$e2e_work/config/qt6ct"
    cat >"$e2e_work/config/qt6ct/qt6ct.conf" <<CONF
[Appearance]
custom_palette=true
color_scheme_path=$scheme
style=Fusion
CONF
    desktop=(QT_QPA_PLATFORMTHEME=qt6ct)
fi
# The checks of a dark desktop, made only under one.
dark_desktop_check() {
    [ -z "$dark_desktop" ] || "$@"
}

# Every window of the program has this title, except the update question
# (titled "Corvella") and the result dialog (no title bar).
title="Corvella v1.50"

# The last reminder lies long ago, so the update question comes first. The
# date is written as an earlier version wrote it under en_US.
mkdir -p "$e2e_work/config/corvella"
printf '[Settings]\nDuration=1/2/2020\n' >"$e2e_work/config/corvella/corvella.conf"
day_before_start=$(date +%F)

e2e_step "start"
e2e_start corvella LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 "${desktop[@]}" "$program"
program_pid=$e2e_pid

e2e_step "update question"
e2e_wait_for "the update question" "$e2e_patience" e2e_dialog "$program_pid" Corvella
question=$e2e_found
e2e_shot "update-question"
dark_desktop_check e2e_expect_desktop_dark "$question" "" "the update question"
e2e_keys "$question" alt+y
e2e_expect_opened 1 "/corvella/download-corvella.html" "Yes on the update question"
# Today is stored before the page opens.
grep -q "^Duration=\($day_before_start\|$(date +%F)\)$" "$e2e_work/config/corvella/corvella.conf" \
    || e2e_fail "today was not stored: $(cat "$e2e_work/config/corvella/corvella.conf")"

# The level dialog: its option buttons lie one under the other; OK closes it.
choose_level() {
    local option_y=$1 what=$2 dialog
    e2e_wait_for "the level dialog $what" "$e2e_patience" e2e_dialog "$program_pid" "$title"
    dialog=$e2e_found
    e2e_click "$dialog" 140 "$option_y"
    e2e_click "$dialog" 168 224
    e2e_wait_for "OK to close the level dialog" "$e2e_patience" e2e_gone "$dialog"
}

e2e_step "level dialog after start"
e2e_wait_for "the level dialog after start-up" "$e2e_patience" e2e_dialog "$program_pid" "$title"
e2e_shot "level-dialog"
e2e_expect_designed_look "$e2e_found" "" "the level dialog"
e2e_wait_for "the main window" "$e2e_patience" e2e_top_level "$program_pid"
main=$e2e_found
choose_level 132 "after start-up" # Beginner
# Points of the main window are given below its menu bar: the client area is
# 481 pixels high.
main_width=$(xwininfo -id "$main" | sed -n 's/^ *Width: //p')
menu_height=$(($(xwininfo -id "$main" | sed -n 's/^ *Height: //p') - 481))
e2e_shot "main-beginner"
e2e_expect_designed_look "$main" "${main_width}x$menu_height+0+0" "the menu bar"
e2e_expect_designed_look "$main" "${main_width}x481+0+$menu_height" "the main window below its menu bar"

guess() { # x y in the client area below the menu bar
    e2e_click "$main" "$1" $(($2 + menu_height))
}

close_result() {
    local shot=$1 result
    e2e_wait_for "the result dialog after the pause" "$e2e_patience" e2e_untitled_modal "$program_pid"
    result=$e2e_found
    e2e_shot "$shot"
    e2e_expect_designed_look "$result" "" "the result dialog"
    e2e_click "$result" 156 88
    e2e_wait_for "TRY AGAIN to close the result dialog" "$e2e_patience" e2e_gone "$result"
}

wait_panel_colour() {
    e2e_pixel "$main" 300 $((menu_height + 96 + 47))
}

# "seen" once the wait panel is on the screen, "missed COLOUR" when the
# result dialog is up before the wait panel was seen.
wait_panel_or_result() {
    local colour
    colour=$(wait_panel_colour)
    [ "$colour" = "255,0,255" ] && echo seen && return 0
    e2e_untitled_modal "$program_pid" >/dev/null && echo "missed $colour" && return 0
    return 1
}

# The windows the window manager manages, in one quick look: a window the
# program asks to show is in the list before it is on the screen.
managed_windows() {
    xprop -root _NET_CLIENT_LIST
}

e2e_step "a guess at Beginner, with a click on another symbol during the pause"
# The wait panel has to be seen and the second click has to reach the X
# server while the pause is on, that is before the result dialog is asked
# for. A slow machine can be late for either, and then the guess is made
# again, up to five times.
for attempt in 1 2 3 4 5; do
    windows_before=$(managed_windows)
    guess 74 322 # the first symbol
    e2e_wait_for "the wait panel or the result dialog after a click on a symbol" "$e2e_patience" wait_panel_or_result
    if [ "$e2e_found" = seen ]; then
        # Writing a screenshot takes longer than the pause may leave: it is
        # taken meanwhile.
        e2e_grab "wait-panel" &
        grab_pid=$!
        guess 434 258 # the fourth symbol, during the pause
        late=
        [ "$(managed_windows)" = "$windows_before" ] || late="the click meant for the pause came after it"
        wait "$grab_pid" || e2e_fail "no screenshot 'wait-panel' could be taken"
        [ -n "$late" ] || break
    else
        late="the wait panel was not seen on the screen during the pause (pixel ${e2e_found#missed })"
    fi
    [ "$attempt" -lt 5 ] || e2e_fail "five times $late"
    echo "$late; guessing again"
    close_result "result-beginner"
done
close_result "result-beginner"

e2e_step "Intermediate"
# Had the click during the pause started a second guess, its result dialog
# would come up now: at once, or after that guess's own pause, which would
# swallow Ctrl+D (the keys queue behind the click) so that the result dialog
# comes instead of the level dialog.
no_second_result() {
    e2e_untitled_modal "$program_pid" >/dev/null \
        && e2e_fail "a click made during the pause started a second guess"
    "$@"
}
xdotool windowactivate "$main"
e2e_wait_for "the main window to become active" "$e2e_patience" no_second_result e2e_is_active "$main"
e2e_keys "$main" ctrl+d
e2e_wait_for "the level dialog after Ctrl+D" "$e2e_patience" no_second_result e2e_dialog "$program_pid" "$title"
choose_level 156 "after Ctrl+D"
e2e_shot "main-intermediate"
guess 58 242 # the first symbol
close_result "result-intermediate"

e2e_step "Expert through the Back button"
e2e_click "$main" 516 $((447 + menu_height))
choose_level 180 "after Back"
e2e_shot "main-expert"
guess 474 297 # the ninth symbol, the hexagram
close_result "result-expert"

e2e_step "score"
e2e_keys "$main" ctrl+s
e2e_wait_for "Ctrl+S to show the score" "$e2e_patience" e2e_dialog "$program_pid" "$title"
score=$e2e_found
e2e_shot "score"
e2e_expect_designed_look "$score" "" "the score"
e2e_click "$score" 168 224
e2e_wait_for "OK to close the score" "$e2e_patience" e2e_gone "$score"

e2e_step "about box"
e2e_keys "$main" alt+h a
e2e_wait_for "the about box to open" "$e2e_patience" e2e_dialog "$program_pid" "$title"
about=$e2e_found
e2e_shot "about-box"
e2e_expect_designed_look "$about" "" "the about box"
e2e_keys "$about" Escape
e2e_wait_for "Escape to close the about box" "$e2e_patience" e2e_gone "$about"

e2e_step "statistics window"
e2e_keys "$main" ctrl+t
e2e_wait_for "Ctrl+T to open the statistics window" "$e2e_patience" e2e_dialog "$program_pid" Statistics
statistics=$e2e_found
e2e_shot "statistics"
dark_desktop_check e2e_expect_desktop_dark "$statistics" "" "the statistics window"
e2e_keys "$statistics" Escape
e2e_wait_for "Escape to close the statistics window" "$e2e_patience" e2e_gone "$statistics"

e2e_step "menu links"
e2e_keys "$main" alt+h o
e2e_expect_opened 2 "/corvella/corvella-help.html" "Help > Online Help"
e2e_keys "$main" alt+h v
e2e_expect_opened 3 "^https\?://[^/]*/$" "Help > Visit Us Online"
e2e_keys "$main" alt+h u
e2e_expect_opened 4 "/corvella/download-corvella.html" "Help > Check for Software Update"
e2e_keys "$main" alt+d
e2e_expect_opened 5 "/donate.html" "Donate in the menu bar"

e2e_step "close the main window with its close box"
e2e_keys "$main" alt+F4
e2e_wait_for "the exit screen" "$e2e_patience" e2e_top_level "$program_pid" "$main"
nag=$e2e_found
e2e_wait_for "the main window to close" "$e2e_patience" e2e_gone "$main"
e2e_shot "exit-screen"
e2e_expect_designed_look "$nag" "" "the exit screen"

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
e2e_expect_opened 6 "qrel-refer-a-friend.php?taf1=Ada%20Lovelace%20%26%20Co&taf2=ada%40example.org" \
    "Submit on the refer-a-friend form"

e2e_step "exit"
e2e_click "$nag" 441 196
e2e_expect_clean_exit "$program_pid" "Exit on the exit screen"
[ "$(e2e_opened_count)" -eq 6 ] || e2e_fail "an address was opened that no step asked for"

echo "opened addresses:"
e2e_opened
echo "1 passed, 0 failed"
