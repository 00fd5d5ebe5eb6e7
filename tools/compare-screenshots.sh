#!/usr/bin/env bash
# Compares the end-to-end screenshots of a changed program with those of the
# program before the change, pixel for pixel.
#
# Usage: tools/compare-screenshots.sh AFTER_DIR BEFORE_DIR BEFORE_DIR [BEFORE_DIR...]
#
# Some regions differ from run to run of the same program: the drawn symbol,
# the randomly picked banner and exit-screen message, the score counts that
# follow from the draws. Two or more runs of the old program show where they
# lie: every pixel that differs between those runs, widened by a margin, is
# left out. Everything else must be identical. Prints, per screenshot, the
# pixels that differ outside those regions and the share of the picture that
# was left out; exits 1 if any screenshot differs.
set -euo pipefail

if [ $# -lt 3 ]; then
    sed -n '4,5p' "$0" >&2
    exit 2
fi
after=$1
reference=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Differing pixels of two pictures as a white-on-black mask.
difference_mask() {
    convert "$1" "$2" -compose difference -composite -colorspace gray -threshold 0 "$3"
}
white_pixels() {
    convert "$1" -format '%[fx:round(mean*w*h)]' info:
}

status=0
for picture in "$reference"/*.png; do
    name=$(basename "$picture")
    if [ ! -f "$after/$name" ]; then
        echo "$name: missing after the change"
        status=1
        continue
    fi
    convert "$picture" -threshold 100% "$work/random.png"
    for other in "$@"; do
        [ -f "$other/$name" ] || continue
        difference_mask "$picture" "$other/$name" "$work/pair.png"
        convert "$work/random.png" "$work/pair.png" -compose lighten -composite "$work/random.png"
    done
    convert "$work/random.png" -morphology Dilate Square:12 "$work/random.png"
    difference_mask "$picture" "$after/$name" "$work/changed.png"
    convert "$work/changed.png" \( "$work/random.png" -negate \) -compose multiply -composite "$work/kept.png"
    differing=$(white_pixels "$work/kept.png")
    left_out=$(convert "$work/random.png" -format '%[fx:100*mean]' info:)
    printf '%-28s %8d pixels differ (%.1f%% left out as random)\n' "$name" "$differing" "$left_out"
    [ "$differing" -eq 0 ] || status=1
done
exit $status
