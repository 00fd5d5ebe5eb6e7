#!/usr/bin/env bash
# Takes the Statistics window's screenshots for the docs from the real
# program in Xvfb with openbox: docs/screenshots/statistics-short.png after
# ten guesses made with real X input in a fresh history, and
# docs/screenshots/statistics-long.png over a history of 2,000 made-up
# guesses with a better-than-chance stretch (bench/history_filler.cpp) and
# three guesses of this run.
#
# Usage: tools/statistics-screenshots.sh [BUILD_DIR]   (default: build-dev)
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-$source_dir/build-dev}
shots=$source_dir/docs/screenshots
source "$source_dir/tests/e2e/x11_driver.sh"
e2e_enter_x_server "$0" "$@"

cmake --build "$build_dir" --target corvella corvella_history_filler >/dev/null
work=$(mktemp -d)
program_pid=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
    [ -n "${e2e_wm_pid:-}" ] && kill "$e2e_wm_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# One run of the program on its own data: answers the level dialog with
# Beginner, makes $2 guesses, opens Statistics and saves it as $1.
shoot() {
    local name=$1 guesses=$2 run=$work/$1 level main= statistics id i
    mkdir -p "$run/config" "$run/runtime" "$run/bin"
    chmod 700 "$run/runtime"
    printf '#!/bin/sh\nexit 0\n' >"$run/bin/xdg-open"
    chmod +x "$run/bin/xdg-open"
    PATH="$run/bin:$PATH" XDG_CONFIG_HOME="$run/config" XDG_DATA_HOME="$run/data" XDG_RUNTIME_DIR="$run/runtime" \
        LC_ALL=en_US.UTF-8 "$build_dir/app/corvella" >"$run/program.log" 2>&1 &
    program_pid=$!

    level=$(e2e_wait_window 338 329 15) || e2e_fail "no level dialog"
    e2e_click "$level" 140 132
    e2e_click "$level" 168 224
    e2e_wait_gone 338 329 || e2e_fail "the level dialog did not close"
    for id in $(xdotool search --onlyvisible --class corvella); do
        case $(xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: //p') in 633x*) main=$id ;; esac
    done
    [ -n "${main:-}" ] || e2e_fail "no main window"
    local menu_height=$(( $(xdotool getwindowgeometry "$main" | sed -n 's/.*Geometry: 633x//p') - 481 ))
    # The five Beginner symbols, in turn.
    local xs=(74 194 314 434 554) ys=(322 258 322 258 322)
    for ((i = 0; i < guesses; i++)); do
        e2e_click "$main" "${xs[i % 5]}" $(( ${ys[i % 5]} + menu_height ))
        local result
        result=$(e2e_wait_window 313 113 5) || e2e_fail "no result dialog"
        e2e_click "$result" 156 88
        e2e_wait_gone 313 113 || e2e_fail "the result dialog stayed"
    done

    e2e_keys "$main" ctrl+t
    statistics=$(e2e_wait_title "Statistics" 10) || e2e_fail "no Statistics window"
    sleep 0.5 # the window manager's frame and the first paint
    import -window "$statistics" "$shots/statistics-$name.png"
    echo "saved $shots/statistics-$name.png ($(xdotool getwindowgeometry "$statistics" | sed -n 's/.*Geometry: //p'))"
    kill "$program_pid"
    wait "$program_pid" 2>/dev/null || true
    program_pid=
}

shoot short 10
mkdir -p "$work/long/data/Corvella"
"$build_dir/bench/corvella_history_filler" "$work/long/data/Corvella/history.sqlite" 2000
shoot long 3
