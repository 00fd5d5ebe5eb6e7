#!/usr/bin/env bash
# Takes the Statistics window's screenshots for the docs from the real
# program in Xvfb with openbox: docs/screenshots/statistics-short.png after
# ten guesses made with real X input in a fresh history;
# docs/screenshots/statistics-long.png over a history of 2,000 made-up
# guesses with a stretch at three times chance (bench/history_filler.cpp),
# and docs/screenshots/statistics-pure.png over 2,000 pure guesses, each with
# three guesses of this run.
#
# Usage: tools/statistics-screenshots.sh [BUILD_DIR]   (default: build-dev)
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$(realpath "${1:-$source_dir/build-dev}")
shots=$source_dir/docs/screenshots
source "$source_dir/tests/e2e/x11_driver.sh"
cmake --build "$build_dir" --target corvella corvella_history_filler >/dev/null
e2e_prepare
e2e_start_x_server
title="Corvella v1.50"

# One run of the program on the history in $e2e_work/data: answers the
# level dialog with Beginner, makes $2 guesses on the five Beginner symbols
# in turn, opens Statistics with Ctrl+T and saves the window as $1.
shoot() {
    local name=$1 guesses=$2 pid main menu_height result statistics i
    local xs=(74 194 314 434 554) ys=(322 258 322 258 322)
    e2e_start "$name" LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 "$build_dir/app/corvella"
    pid=$e2e_pid
    e2e_wait_for "the level dialog" "$e2e_patience" e2e_dialog "$pid" "$title"
    e2e_click "$e2e_found" 140 132
    e2e_click "$e2e_found" 168 224
    e2e_wait_for "the main window" "$e2e_patience" e2e_top_level "$pid"
    main=$e2e_found
    menu_height=$(($(xwininfo -id "$main" | sed -n 's/^ *Height: //p') - 481))
    for ((i = 0; i < guesses; i++)); do
        e2e_click "$main" "${xs[i % 5]}" $((${ys[i % 5]} + menu_height))
        e2e_wait_for "the result dialog" "$e2e_patience" e2e_untitled_modal "$pid"
        result=$e2e_found
        e2e_click "$result" 156 88
        e2e_wait_for "the result dialog to close" "$e2e_patience" e2e_gone "$result"
    done
    e2e_keys "$main" ctrl+t
    e2e_wait_for "the Statistics window" "$e2e_patience" e2e_dialog "$pid" Statistics
    statistics=$e2e_found
    e2e_activate "$statistics"
    timeout 20 import -window "$statistics" "$shots/statistics-$name.png"
    echo "saved $shots/statistics-$name.png ($(xdotool getwindowgeometry "$statistics" | sed -n 's/.*Geometry: //p'))"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

shoot short 10
rm -rf "$e2e_work/data"
mkdir -p "$e2e_work/data/Corvella"
"$build_dir/bench/corvella_history_filler" "$e2e_work/data/Corvella/history.sqlite" 2000 20261208 3
shoot long 3
rm -rf "$e2e_work/data"
mkdir -p "$e2e_work/data/Corvella"
"$build_dir/bench/corvella_history_filler" "$e2e_work/data/Corvella/history.sqlite" 2000 20261208 1
shoot pure 3
