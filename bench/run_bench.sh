#!/usr/bin/env bash
# Start-up, memory and click-to-result benchmark of Corvella against a bare Qt
# Widgets window (bench/bare_window.cpp), side by side in one run, in Xvfb with
# a window manager, measured from outside with X.
#
# Usage: [CORVELLA_BENCH_BASELINE=OLD_PROGRAM] bench/run_bench.sh [BUILD_DIR] [REPETITIONS]
#   BUILD_DIR    a configured build tree to build the two programs in
#                (default: configures build-bench/ as a Release build)
#   REPETITIONS  runs of each program, interleaved (default 7); medians are
#                reported, every sample is listed
#   CORVELLA_BENCH_BASELINE
#                an already built earlier corvella executable, measured in
#                the same runs, interleaved with the other two, as the column
#                "before": before and after then share the machine's state
#
# bench/x_stopwatch.cpp does the timing of each run, from outside through the
# X server: start-up from the fork until the main window and the dialog over
# it (Corvella: the level dialog) are both viewable, and the CPU time (user +
# system, all threads) the program has used at that moment; peak memory as
# VmHWM half a second later; then OK in the dialog, a click (XTEST, real X
# input) on Beginner's first symbol and the time until the 313x113 result
# dialog is viewable. The bare program opens a dialog of that size at once on
# a click, so its figure is the floor: X input, a dialog mapped by the window
# manager. Each run gets a fresh settings folder (a first run asks no update
# question) and a stand-in xdg-open that only records what it is asked to open.
#
# Other builds on the machine stretch single runs: run it as
# `nice -n -15 bench/run_bench.sh ...` (as root) and compare the load average
# printed at the start and the end.
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/.." && pwd)

if [ -z "${CORVELLA_BENCH_IN_X:-}" ]; then
    build_dir=${1:-$source_dir/build-bench}
    repetitions=${2:-7}
    if [ -n "${CORVELLA_BENCH_BASELINE:-}" ]; then
        if [ ! -x "$CORVELLA_BENCH_BASELINE" ] || [ -d "$CORVELLA_BENCH_BASELINE" ]; then
            echo "CORVELLA_BENCH_BASELINE=$CORVELLA_BENCH_BASELINE is not an executable program" >&2
            exit 2
        fi
        CORVELLA_BENCH_BASELINE=$(cd "$(dirname "$CORVELLA_BENCH_BASELINE")" && pwd)/$(basename "$CORVELLA_BENCH_BASELINE")
        export CORVELLA_BENCH_BASELINE
    fi
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
before=${CORVELLA_BENCH_BASELINE:-}
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
# prints "startup_ms peak_kib click_ms cpu_ms". The stopwatch gives up on
# its own after 20 s per step; the timeout only guards against the unforeseen.
run_program() {
    local run="$work/run-$RANDOM$RANDOM"
    mkdir -p "$run/config" "$run/runtime"
    chmod 700 "$run/runtime"
    XDG_CONFIG_HOME="$run/config" XDG_DATA_HOME="$run/data" XDG_RUNTIME_DIR="$run/runtime" \
        timeout -k 5 120 "$stopwatch" "$2" "$1" 2>>"$work/programs.log" \
        || { cat "$work/programs.log" >&2; echo "run of $1 failed" >&2; exit 1; }
    rm -rf "$run"
}

run_corvella() { run_program "$corvella" corvella; }
run_bare() { run_program "$bare" corvella_bench_bare; }
# Qt names a program's X windows after its executable's file name.
run_before() { run_program "$before" "$(basename "$before")"; }

median() {
    sort -g | awk '{v[NR]=$1} END {m = (NR % 2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2; printf "%.0f\n", m}'
}

programs="corvella bare"
[ -n "$before" ] && programs="$programs before"

echo "Corvella $(basename "$corvella") vs bare Qt window, $repetitions runs each, interleaved"
[ -n "$before" ] && echo "before: $before, in the same runs"
echo "machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
echo "load average at the start: $(cut -d" " -f1-3 /proc/loadavg), priority (nice) $(nice)"
echo "Qt: $(sed -n 's/^Qt6Core_DIR:PATH=//p' "$build_dir/CMakeCache.txt"), build type: $(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build_dir/CMakeCache.txt")"

# One run of each, not counted, so that all start with the files in the cache.
for program in $programs; do
    "run_$program" >/dev/null
done

describe() {
    tail -n 1 "$work/$1.txt" | awk -v name="$1" \
        '{printf "%s start %.0f ms, cpu %.0f ms, %d KiB, click %.0f ms", name, $1, $4, $2, $3}'
}

for program in $programs; do
    : >"$work/$program.txt"
done
for i in $(seq 1 "$repetitions"); do
    line="run $i:"
    separator=""
    for program in $programs; do
        "run_$program" >>"$work/$program.txt"
        line="$line$separator $(describe "$program")"
        separator=";"
    done
    echo "$line"
done

# The median of field $2 of program $1's samples.
field() { awk -v f="$2" '{print $f}' "$work/$1.txt" | median; }
for program in $programs; do
    declare "${program}_start=$(field "$program" 1)"
    declare "${program}_peak=$(field "$program" 2)"
    declare "${program}_click=$(field "$program" 3)"
    declare "${program}_cpu=$(field "$program" 4)"
done
c_start=$corvella_start b_start=$bare_start
c_peak=$corvella_peak b_peak=$bare_peak
c_click=$corvella_click b_click=$bare_click
c_cpu=$corvella_cpu b_cpu=$bare_cpu

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
verdict() { awk -v v="$1" -v lo="$2" -v hi="$3" 'BEGIN {print (v >= lo && v <= hi) ? "met" : "MISSED"}'; }
mib() { awk -v k="$1" 'BEGIN {printf "%.1f", k / 1024}'; }
# The "before" column: empty without a baseline program.
before_column() { [ -n "$before" ] && printf ' %12s' "$1"; return 0; }

echo
printf '%-32s %12s %12s' "median of $repetitions" corvella bare
before_column before
printf ' %7s  %s\n' ratio target
printf '%-32s %9d ms %9d ms' "start-up to both windows shown" "$c_start" "$b_start"
before_column "${before_start:-} ms"
printf ' %7s  %s\n' "$(ratio "$c_start" "$b_start")" \
    "<= 1.10x bare: $(verdict "$(ratio "$c_start" "$b_start")" 0 1.10)"
printf '%-32s %9d ms %9d ms' "CPU used until then" "$c_cpu" "$b_cpu"
before_column "${before_cpu:-} ms"
printf ' %7s  %s\n' "$(ratio "$c_cpu" "$b_cpu")" "-"
printf '%-32s %8s MiB %8s MiB' "peak memory (VmHWM)" "$(mib "$c_peak")" "$(mib "$b_peak")"
before_column "$(mib "${before_peak:-0}") MiB"
printf ' %7s  %s\n' "$(ratio "$c_peak" "$b_peak")" \
    "<= 1.10x bare: $(verdict "$(ratio "$c_peak" "$b_peak")" 0 1.10)"
printf '%-32s %9d ms %9d ms' "click to result dialog" "$c_click" "$b_click"
before_column "${before_click:-} ms"
printf ' %7s  %s\n' "-" "1500-1530 ms: $(verdict "$c_click" 1500 1530)"
# The bare program shows its dialog at once: its figure is the floor of
# input, a new dialog and its mapping, which Corvella's figure contains too.
echo "Corvella beyond its 1500 ms pause: $(( c_click - 1500 )) ms (a dialog shown at once in the bare program: $b_click ms)"
if [ -n "$before" ]; then
    echo "corvella against before: start-up $(ratio "$c_start" "$before_start")x," \
         "CPU $(ratio "$c_cpu" "$before_cpu")x, peak memory $(ratio "$c_peak" "$before_peak")x," \
         "click $(( c_click - before_click )) ms"
fi
echo "load average at the end: $(cut -d" " -f1-3 /proc/loadavg)"
if [ -s "$work/opened.txt" ]; then
    echo "note: the programs asked to open: $(tr '\n' ' ' <"$work/opened.txt")"
fi
