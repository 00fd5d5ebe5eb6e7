#!/usr/bin/env bash
# Builds the Debian package with cpack into a temporary folder, unpacks it
# with dpkg-deb (nothing is installed into the system), checks what a user's
# desktop needs from it, and starts the unpacked program in an X server.
# Usage: check_package.sh CPACK CPACK_CONFIG
set -euo pipefail
export LC_ALL=C.UTF-8

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

step() {
    echo "-- $*"
}

app_id=example.quendrel.Corvella
icon_sizes=(16 32 48 64 128 256)

# Second stage, inside the X server: start the unpacked program and wait for
# its main window and level dialog.
if [ "${1:-}" = "--launch" ]; then
    root=$2 wm_class=$3 work=$4
    openbox --sm-disable >/dev/null 2>&1 &
    wm_pid=$!
    program_pid=
    trap '[ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null; kill "$wm_pid" 2>/dev/null; true' EXIT
    for _ in $(seq 1 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done

    # A fresh settings folder: a first run asks no update question. A
    # stand-in xdg-open keeps any web page from opening.
    mkdir -p "$work/config" "$work/runtime" "$work/bin"
    chmod 700 "$work/runtime"
    printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s/opened.txt"\n' "$work" >"$work/bin/xdg-open"
    chmod +x "$work/bin/xdg-open"
    PATH="$work/bin:$PATH" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime" \
        "$root/usr/bin/corvella" >"$work/program.log" 2>&1 </dev/null &
    program_pid=$!

    timeout 30 xdotool search --sync --onlyvisible --class corvella >/dev/null \
        || fail "no window of the unpacked program became visible within 30 s ($(cat "$work/program.log"))"
    windows=()
    for _ in $(seq 1 200); do
        mapfile -t windows < <(xdotool search --onlyvisible --class corvella 2>/dev/null)
        [ "${#windows[@]}" -ge 2 ] && break
        sleep 0.05
    done
    [ "${#windows[@]}" -ge 2 ] || fail "the level dialog did not appear over the main window"
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended on its own"
    for id in "${windows[@]}"; do
        classes=$(xprop -id "$id" WM_CLASS | sed 's/^[^=]*= //')
        echo "window: $(xdotool getwindowname "$id") $(xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: //p') WM_CLASS $classes"
        # Desktops pair a window with its desktop entry through this class.
        grep -q "\"$wm_class\"" <<<"$classes" \
            || fail "window class $classes does not match StartupWMClass=$wm_class"
    done
    [ ! -s "$work/opened.txt" ] || fail "start-up opened a web page: $(cat "$work/opened.txt")"
    kill "$program_pid"
    wait "$program_pid" 2>/dev/null || true
    program_pid=
    exit 0
fi

cpack=$1
cpack_config=$2
for tool in "$cpack" dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli file readelf \
            xvfb-run xdotool xprop openbox; do
    command -v "$tool" >/dev/null || fail "$tool is missing (tools/install-dependencies.sh installs it)"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

step "build the package"
"$cpack" -G DEB --config "$cpack_config" -B "$work/out" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; fail "cpack failed"; }
packages=("$work"/out/corvella_*.deb)
[ "${#packages[@]}" -eq 1 ] && [ -f "${packages[0]}" ] || fail "cpack made no corvella_*.deb: $(ls "$work/out")"
deb=${packages[0]}
echo "package: $(basename "$deb") ($(stat -c %s "$deb") bytes)"

step "control fields"
for field in Package Version Architecture Maintainer Section Description; do
    [ -n "$(dpkg-deb -f "$deb" "$field")" ] || fail "the package has no $field field"
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# The SQLite driver is a plugin that dpkg-shlibdeps cannot see.
for library in libqt6widgets6 libqt6gui6 libqt6core6 libqt6sql6-sqlite; do
    grep -Eq "(^|, )$library( |,|$)" <<<"$depends" || fail "Depends does not name $library"
done

step "unpack"
root="$work/root"
dpkg-deb -x "$deb" "$root"
(cd "$root" && find . -mindepth 1 ! -type d | sort)

step "program"
binary="$root/usr/bin/corvella"
[ -x "$binary" ] || fail "usr/bin/corvella is missing or not executable"
file -b "$binary" | grep -q '^ELF' || fail "usr/bin/corvella is not an ELF program: $(file -b "$binary")"
if readelf -d "$binary" | grep -Eq '\((RPATH|RUNPATH)\)'; then
    fail "usr/bin/corvella carries a run-time search path: $(readelf -d "$binary" | grep -E 'RPATH|RUNPATH')"
fi

step "desktop entry"
desktop="$root/usr/share/applications/$app_id.desktop"
[ -f "$desktop" ] || fail "usr/share/applications/$app_id.desktop is missing"
desktop-file-validate "$desktop" || fail "the desktop entry does not validate"
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Exec)" = "corvella" ] || fail "Exec=$(entry Exec) does not start the packaged usr/bin/corvella"
icon=$(entry Icon)
wm_class=$(entry StartupWMClass)
[ -n "$wm_class" ] || fail "the desktop entry has no StartupWMClass"

step "icons"
for size in "${icon_sizes[@]}"; do
    png="$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png"
    [ -f "$png" ] || fail "no ${size}x${size} icon named $icon (the desktop entry's Icon)"
    file -b "$png" | grep -q "^PNG image data, $size x $size," \
        || fail "the ${size}x${size} icon is $(file -b "$png")"
done

step "metainfo"
metainfo="$root/usr/share/metainfo/$app_id.metainfo.xml"
[ -f "$metainfo" ] || fail "usr/share/metainfo/$app_id.metainfo.xml is missing"
appstreamcli validate --no-net "$metainfo" || fail "the metainfo does not validate"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" \
    || fail "the metainfo does not launch the packaged desktop entry"
grep -q '<release version="'"$(dpkg-deb -f "$deb" Version)"'"' "$metainfo" \
    || fail "the metainfo has no release of the package's version"

step "start the unpacked program in an X server"
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    bash "$0" --launch "$root" "$wm_class" "$work/run" </dev/null

echo "1 passed, 0 failed"
