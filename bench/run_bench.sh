#!/usr/bin/env bash
# Start-up, memory and click-to-result benchmark of Corvella against a bare Qt
# Widgets window (bench/bare_window.cpp), side by side in one run, in Xvfb with
# a window manager, measured from outside with X.
#
# Usage: bench/run_bench.sh [BUILD_DIR] [REPETITIONS]
#   BUILD_DIR    a configured build tree to build the two programs in
#                (default: configures build-bench/ as a Release build)
#   REPETITIONS  runs of each program, interleaved (default 7); medians are
#                reported, every sample is listed
#
# bench/x_stopwatch.cpp does the timing of each run, from outside through the
# X server: start-up from the fork until the main window and the dialog over
# it (Corvella: the level dialog) are both viewable; peak memory as VmHWM half
# a second later; then OK in the dialog, a click (XTEST, real X input) on
# Beginner's first symbol and the time until the 313x113 result dialog is
# viewable. The bare program opens a dialog of that size at once on a click,
# so its figure is the floor: X input, a dialog mapped by the window manager.
# Each run gets a fresh settings folder (a first run asks no update question)
# and a stand-in xdg-open that only records what it is asked to open.
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/.." && pwd)

if [ -z "${CORVELLA_BENCH_IN_X:-}" ]; then
    build_dir=${1:-$source_dir/build-bench}
    repetitions=${2:-7}
    if [ ! -f "$build_dir/CMakeCache.txt" ]; then
        cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
    fi
    cmake --build "$build_dir" --target corvella corvella_bench_bare corvella_bench_stopwatch
    export CORVELLA_BENCH_IN_X=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96 -nolisten tcp" \
        bash "$0" "$(cd "$build_dir" && pwd)" "$repetitions" </dev/null
fi

build_dir=$1
repetitions=$2
corvella="$build_dir/app/corvella"
bare="$build_dir/bench/corvella_bench_bare"
work=$(mktemp -d)
cleanup() {
    [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!
for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

# A stand-in browser that only records what it is asked to open.
mkdir -p "$work/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s/opened.txt"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"
unset DESKTOP_SESSION XDG_CURRENT_DESKTOP

stopwatch="$build_dir/bench/corvella_bench_stopwatch"

# One run of a program whose WM_CLASS instance is $2, with fresh settings:
# prints "startup_ms peak_kib click_ms".
run_program() {
    local run="$work/run-$RANDOM$RANDOM"
    mkdir -p "$run/config" "$run/runtime"
    chmod 700 "$run/runtime"
    XDG_CONFIG_HOME="$run/config" XDG_DATA_HOME="$run/data" XDG_RUNTIME_DIR="$run/runtime" \
        "$stopwatch" "$2" "$1" 2>>"$work/programs.log" \
        || { cat "$work/programs.log" >&2; echo "run of $1 failed" >&2; exit 1; }
    rm -rf "$run"
}

run_corvella() { run_program "$corvella" corvella; }
run_bare() { run_program "$bare" corvella_bench_bare; }

median() {
    sort -g | awk '{v[NR]=$1} END {m = (NR % 2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2; printf "%.0f\n", m}'
}

echo "Corvella $(basename "$corvella") vs bare Qt window, $repetitions runs each, interleaved"
echo "machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
echo "load average at the start: $(cut -d" " -f1-3 /proc/loadavg)"
echo "Qt: $(sed -n 's/^Qt6Core_DIR:PATH=//p' "$build_dir/CMakeCache.txt"), build type: $(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build_dir/CMakeCache.txt")"

# One run of each, not counted, so both start with the files in the cache.
run_corvella >/dev/null
run_bare >/dev/null

: >"$work/corvella.txt"
: >"$work/bare.txt"
for i in $(seq 1 "$repetitions"); do
    run_corvella >>"$work/corvella.txt"
    run_bare >>"$work/bare.txt"
    echo "run $i:" \
         "corvella $(tail -n 1 "$work/corvella.txt" | awk '{printf "start %.0f ms, %d KiB, click %.0f ms", $1, $2, $3}');" \
         "bare $(tail -n 1 "$work/bare.txt" | awk '{printf "start %.0f ms, %d KiB, click %.0f ms", $1, $2, $3}')"
done

c_start=$(awk '{print $1}' "$work/corvella.txt" | median)
b_start=$(awk '{print $1}' "$work/bare.txt" | median)
c_peak=$(awk '{print $2}' "$work/corvella.txt" | median)
b_peak=$(awk '{print $2}' "$work/bare.txt" | median)
c_click=$(awk '{print $3}' "$work/corvella.txt" | median)
b_click=$(awk '{print $3}' "$work/bare.txt" | median)

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
verdict() { awk -v v="$1" -v lo="$2" -v hi="$3" 'BEGIN {print (v >= lo && v <= hi) ? "met" : "MISSED"}'; }

echo
printf '%-32s %12s %12s %7s  %s\n' "median of $repetitions" corvella bare ratio target
printf '%-32s %9d ms %9d ms %7s  %s\n' "start-up to both windows shown" "$c_start" "$b_start" \
    "$(ratio "$c_start" "$b_start")" "<= 1.30x bare: $(verdict "$(ratio "$c_start" "$b_start")" 0 1.30)"
printf '%-32s %8.1f MiB %8.1f MiB %7s  %s\n' "peak memory (VmHWM)" \
    "$(awk -v k="$c_peak" 'BEGIN {print k / 1024}')" "$(awk -v k="$b_peak" 'BEGIN {print k / 1024}')" \
    "$(ratio "$c_peak" "$b_peak")" "<= 1.30x bare: $(verdict "$(ratio "$c_peak" "$b_peak")" 0 1.30)"
printf '%-32s %9d ms %9d ms %7s  %s\n' "click to result dialog" "$c_click" "$b_click" "-" \
    "1500-1530 ms: $(verdict "$c_click" 1500 1530)"
# The bare program shows its dialog at once: its figure is the floor of
# input, a new dialog and its mapping, which Corvella's figure contains too.
echo "Corvella beyond its 1500 ms pause: $(( c_click - 1500 )) ms (a dialog shown at once in the bare program: $b_click ms)"
if [ -s "$work/opened.txt" ]; then
    echo "note: the programs asked to open: $(tr '\n' ' ' <"$work/opened.txt")"
fi
