#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds Corvella and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-dependencies.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build --target corvella
exec build/app/corvella
