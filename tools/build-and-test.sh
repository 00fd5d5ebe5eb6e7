#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds Corvella with its tests (warnings as
# errors) and runs the whole suite: unit and widget tests headless, the
# end-to-end tests in a real X server (Xvfb) that they start themselves;
# then builds and runs the same suite under the sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-dependencies.sh
# Preset "ci", into build-tests/: every test, whatever its label.
cmake --preset ci
cmake --build --preset ci
ctest --preset ci -j "$(nproc)"

# The whole suite once more with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer built into every target (preset "asan", into
# build-asan/): any report fails its test, and so this script.
cmake --preset asan
cmake --build --preset asan
ctest --preset asan -j "$(nproc)"
