#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds Corvella with its tests (warnings as
# errors) and runs the whole suite: unit and widget tests headless, the
# end-to-end tests in a real X server (Xvfb) that they start themselves;
# then builds and runs the same suite under the sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-dependencies.sh
build_dir=${CORVELLA_BUILD_DIR:-build-tests}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVELLA_WERROR=ON
cmake --build "$build_dir"
ctest --test-dir "$build_dir" --output-on-failure --timeout 900 -j "$(nproc)"

# The whole suite once more with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer built into every target (preset "asan", into
# build-asan/): any report fails its test, and so this script.
cmake --preset asan
cmake --build --preset asan
ctest --preset asan -j "$(nproc)"
