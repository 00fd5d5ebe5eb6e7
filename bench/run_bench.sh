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
# Start-up: from just before the fork until the main window and the level
# dialog (the bare program: its main window and its dialog) are both mapped
# and viewable. Peak memory: VmHWM of the process at that moment plus 500 ms.
# Click to result: from the X click on Beginner's first symbol until the
# 313x113 result dialog is viewable. X is polled every 5 ms, one xdotool call
# per poll, so each figure carries up to ~10 ms of polling granularity.
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/.." && pwd)

if [ -z "${CORVELLA_BENCH_IN_X:-}" ]; then
    build_dir=${1:-$source_dir/build-bench}
    repetitions=${2:-7}
    if [ ! -f "$build_dir/CMakeCache.txt" ]; then
        cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
    fi
    cmake --build "$build_dir" --target corvella corvella_bench_bare
    export CORVELLA_BENCH_IN_X=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96 -nolisten tcp" \
        bash "$0" "$(cd "$build_dir" && pwd)" "$repetitions" </dev/null
fi

build_dir=$1
repetitions=$2
corvella="$build_dir/app/corvella"
bare="$build_dir/bench/corvella_bench_bare"
work=$(mktemp -d)
program_pid=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
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

now_us() {
    local t=$EPOCHREALTIME
    echo "${t/./}"
}

# Prints "id widthxheight" for every viewable window whose instance name is $1.
visible_windows() {
    xdotool search --onlyvisible --classname "^$1\$" getwindowgeometry %@ 2>/dev/null \
        | awk '/^Window /{id=$2} /Geometry:/{print id, $2}'
}

# Waits (up to 20 s) until $2 windows of instance $1 are viewable; with a size
# in $3, until one of that size is. Prints the matching lines.
wait_windows() {
    local name=$1 count=$2 size=${3:-} deadline lines
    deadline=$(( $(now_us) + 20000000 ))
    while [ "$(now_us)" -lt "$deadline" ]; do
        lines=$(visible_windows "$name")
        if [ -n "$size" ]; then
            grep " $size\$" <<<"$lines" && return 0
        elif [ -n "$lines" ] && [ "$(wc -l <<<"$lines")" -ge "$count" ]; then
            echo "$lines"
            return 0
        fi
        sleep 0.005
    done
    echo "timed out waiting for windows of $name (${size:-$count})" >&2
    return 1
}

wait_gone() {
    local name=$1 size=$2
    for _ in $(seq 1 2000); do
        visible_windows "$name" | grep -q " $size\$" || return 0
        sleep 0.005
    done
    return 1
}

# Starts a program with fresh settings (a first run asks no update question).
start_program() {
    local run="$work/run-$RANDOM$RANDOM"
    mkdir -p "$run/config" "$run/runtime"
    chmod 700 "$run/runtime"
    XDG_CONFIG_HOME="$run/config" XDG_RUNTIME_DIR="$run/runtime" "$1" >>"$work/programs.log" 2>&1 &
    program_pid=$!
}

stop_program() {
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=
}

peak_kib() {
    sleep 0.5
    sed -n 's/^VmHWM:[[:space:]]*\([0-9]*\) kB/\1/p' "/proc/$program_pid/status"
}

# One run of the bare window: prints "startup_ms peak_kib".
run_bare() {
    local t0 t1 peak
    t0=$(now_us)
    start_program "$bare"
    wait_windows corvella_bench_bare 2 >/dev/null
    t1=$(now_us)
    peak=$(peak_kib)
    stop_program
    echo "$(( (t1 - t0) / 1000 )) $peak"
}

# One run of Corvella: prints "startup_ms peak_kib click_ms".
run_corvella() {
    local t0 t1 peak dialog main main_height menu_height t2 t3
    t0=$(now_us)
    start_program "$corvella"
    wait_windows corvella 2 >/dev/null
    t1=$(now_us)
    peak=$(peak_kib)

    # OK in the level dialog keeps Beginner, the level it offers first.
    dialog=$(wait_windows corvella 1 338x329 | awk '{print $1}')
    xdotool mousemove --window "$dialog" 168 224 click 1
    wait_gone corvella 338x329
    read -r main main_height < <(visible_windows corvella | awk '$2 ~ /^633x/ {split($2, s, "x"); print $1, s[2]}')
    menu_height=$(( main_height - 481 ))
    xdotool mousemove --window "$main" 74 $(( 322 + menu_height ))
    sleep 0.2
    t2=$(now_us)
    xdotool click 1
    wait_windows corvella 1 313x113 >/dev/null
    t3=$(now_us)
    stop_program
    echo "$(( (t1 - t0) / 1000 )) $peak $(( (t3 - t2) / 1000 ))"
}

median() {
    sort -n | awk '{v[NR]=$1} END {if (NR % 2) print v[(NR+1)/2]; else printf "%.0f\n", (v[NR/2]+v[NR/2+1])/2}'
}

echo "Corvella $(basename "$corvella") vs bare Qt window, $repetitions runs each, interleaved"
echo "machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
echo "Qt: $(sed -n 's/^Qt6Core_DIR:PATH=//p' "$build_dir/CMakeCache.txt"), build type: $(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build_dir/CMakeCache.txt")"

# One run of each, not counted, so both start with the files in the cache.
run_corvella >/dev/null
run_bare >/dev/null

: >"$work/corvella.txt"
: >"$work/bare.txt"
for i in $(seq 1 "$repetitions"); do
    run_corvella >>"$work/corvella.txt"
    run_bare >>"$work/bare.txt"
    echo "run $i: corvella $(tail -n 1 "$work/corvella.txt" | awk '{printf "%d ms, %d KiB, click %d ms", $1, $2, $3}');" \
         "bare $(tail -n 1 "$work/bare.txt" | awk '{printf "%d ms, %d KiB", $1, $2}')"
done

c_start=$(awk '{print $1}' "$work/corvella.txt" | median)
b_start=$(awk '{print $1}' "$work/bare.txt" | median)
c_peak=$(awk '{print $2}' "$work/corvella.txt" | median)
b_peak=$(awk '{print $2}' "$work/bare.txt" | median)
c_click=$(awk '{print $3}' "$work/corvella.txt" | median)

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
verdict() { awk -v v="$1" -v lo="$2" -v hi="$3" 'BEGIN {print (v >= lo && v <= hi) ? "met" : "MISSED"}'; }

echo
printf '%-32s %12s %12s %7s  %s\n' "median of $repetitions" corvella bare ratio target
printf '%-32s %9d ms %9d ms %7s  %s\n' "start-up to both windows shown" "$c_start" "$b_start" \
    "$(ratio "$c_start" "$b_start")" "<= 1.30x bare: $(verdict "$(ratio "$c_start" "$b_start")" 0 1.30)"
printf '%-32s %8.1f MiB %8.1f MiB %7s  %s\n' "peak memory (VmHWM)" \
    "$(awk -v k="$c_peak" 'BEGIN {print k / 1024}')" "$(awk -v k="$b_peak" 'BEGIN {print k / 1024}')" \
    "$(ratio "$c_peak" "$b_peak")" "<= 1.30x bare: $(verdict "$(ratio "$c_peak" "$b_peak")" 0 1.30)"
printf '%-32s %9d ms %12s %7s  %s\n' "click to result dialog" "$c_click" "-" "-" \
    "1500-1530 ms: $(verdict "$c_click" 1500 1530)"

if [ -s "$work/opened.txt" ]; then
    echo "note: the programs asked to open: $(tr '\n' ' ' <"$work/opened.txt")"
fi
