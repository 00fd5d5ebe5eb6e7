#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds Corvella with its tests (warnings as
# errors) and runs the whole suite: unit and widget tests headless, the
# end-to-end tests in a real X server (Xvfb) that they start themselves.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-dependencies.sh
build_dir=${CORVELLA_BUILD_DIR:-build-tests}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVELLA_WERROR=ON
cmake --build "$build_dir"
cd "$build_dir"
ctest --output-on-failure --timeout 900 -j "$(nproc)"
