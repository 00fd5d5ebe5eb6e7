#!/usr/bin/env bash
# Draws the reference pictures in tests/ui/reference/ anew from the windows as
# they are now: for a look that has changed on purpose. Look at every picture
# that git reports as changed before committing it.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset dev
cmake --build --preset dev --target tst_reference_images
CORVELLA_UPDATE_REFERENCE=1 ctest --preset dev -R '^tst_reference_images$'
git status --short tests/ui/reference
