#!/usr/bin/env bash
# Guess-history benchmark: with a store of GUESSES guesses over the three
# levels, the median time to store one more guess (on the history's thread,
# and handing it over on the GUI thread), to read the file on opening, to
# take the snapshot, to open the Statistics window the first time in a run
# and again (in the X server of DISPLAY, or offscreen without one), and the
# CSV export. Prints medians and maxima.
#
# Usage: bench/run_history_bench.sh [BUILD_DIR] [GUESSES] [REPETITIONS]
#   BUILD_DIR    a configured build tree (default: configures build-bench/ as
#                a Release build)
#   GUESSES      guesses in the store (default 1000000)
#   REPETITIONS  samples of each timing (default 21; storing takes 1000)
# The store lives in a temporary folder (TMPDIR), so it measures that disk.
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-$source_dir/build-bench}
guesses=${2:-1000000}
repetitions=${3:-21}

if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
fi
cmake --build "$build_dir" --target corvella_bench_history

echo "machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
echo "load average at the start: $(cut -d" " -f1-3 /proc/loadavg)"
echo "build type: $(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build_dir/CMakeCache.txt"), store in: ${TMPDIR:-/tmp} ($(df -T "${TMPDIR:-/tmp}" | awk 'NR == 2 {print $2}'))"
if [ -z "${DISPLAY:-}" ]; then
    export QT_QPA_PLATFORM=offscreen
fi
"$build_dir/bench/corvella_bench_history" "$guesses" "$repetitions"
