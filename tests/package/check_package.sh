#!/usr/bin/env bash
# Builds the Debian package with cpack into a temporary folder, has lintian
# check it against Debian's policy, unpacks it with dpkg-deb (nothing is
# installed into the system), checks its documents and what a user's desktop
# needs from it, and starts the unpacked program in an X server.
# Usage: check_package.sh CPACK CPACK_CONFIG LICENSE
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
    # The program's environment is set here, not inherited: a shell that runs
    # the widget tests exports QT_QPA_PLATFORM=offscreen, which would keep
    # every window off this X server.
    env -u QT_QPA_PLATFORM QT_QPA_PLATFORM=xcb DISPLAY="$DISPLAY" \
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
license=$3
for tool in "$cpack" dpkg-deb dpkg-shlibdeps dpkg-parsechangelog lintian man lexgrog \
            desktop-file-validate appstreamcli file readelf xvfb-run xdotool xprop openbox; do
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

step "lintian"
# Errors and warnings fail the check; the informational tags are only shown.
lintian --fail-on error,warning --display-info "$deb" >"$work/lintian.log" 2>&1 \
    || { cat "$work/lintian.log"; fail "lintian reports errors or warnings"; }
cat "$work/lintian.log"

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

step "copyright"
copyright="$root/usr/share/doc/corvella/copyright"
[ -f "$copyright" ] || fail "usr/share/doc/corvella/copyright is missing"
head -n 1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    || fail "the copyright file is not in Debian's machine-readable format: $(head -n 1 "$copyright")"
holder=$(sed -n 's/^Copyright (c) //p' "$license")
grep -qxF "Copyright: $holder" "$copyright" || fail "the copyright file does not name \"$holder\" as LICENSE does"
# The terms are LICENSE's, in the stand-alone License paragraph (the one that
# begins after a blank line) as indented lines with " ." for a blank line.
awk 'on { print } previous == "" && $0 == "License: Expat" { on = 1 } { previous = $0 }' "$copyright" \
    | sed 's/^ \.$//; s/^ //' >"$work/terms"
sed -n '/^Permission is hereby granted/,$p' "$license" >"$work/license-terms"
diff -u "$work/license-terms" "$work/terms" || fail "the copyright file's Expat terms differ from LICENSE"

step "changelog"
changelog="$root/usr/share/doc/corvella/changelog.gz"
[ -f "$changelog" ] || fail "usr/share/doc/corvella/changelog.gz is missing"
gzip -t "$changelog" || fail "changelog.gz is not a gzip file"
changelog_version=$(zcat "$changelog" | dpkg-parsechangelog -l - -S Version) \
    || fail "changelog.gz is not a Debian changelog"
[ "$changelog_version" = "$(dpkg-deb -f "$deb" Version)" ] \
    || fail "the changelog's newest entry is $changelog_version, the package $(dpkg-deb -f "$deb" Version)"

step "manual page"
# The program is in bin, so its page is in section 1.
page="$root/usr/share/man/man1/corvella.1.gz"
[ -f "$page" ] || fail "usr/share/man/man1/corvella.1.gz is missing"
whatis=$(lexgrog "$page") || fail "lexgrog finds no NAME line in the manual page: $whatis"
echo "$whatis"
grep -q '"corvella - .' <<<"$whatis" || fail "the manual page's NAME line does not describe corvella: $whatis"
MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" >"$work/page.out" 2>"$work/page.err" \
    || fail "man cannot format the manual page: $(cat "$work/page.err")"
[ ! -s "$work/page.err" ] || fail "groff warns about the manual page: $(cat "$work/page.err")"
MANWIDTH=80 man -l "$page" >"$work/page.txt" 2>/dev/null || fail "man cannot show the manual page"
for heading in NAME SYNOPSIS DESCRIPTION OPTIONS FILES AUTHOR "SEE ALSO"; do
    grep -qx "$heading" "$work/page.txt" || fail "the manual page has no $heading section"
done

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
    # HiDPI desktops take the icon drawn at twice the size from the @2 folder.
    png2="$root/usr/share/icons/hicolor/${size}x${size}@2/apps/$icon.png"
    [ -f "$png2" ] || fail "no ${size}x${size}@2 icon named $icon"
    file -b "$png2" | grep -q "^PNG image data, $((size * 2)) x $((size * 2))," \
        || fail "the ${size}x${size}@2 icon is $(file -b "$png2")"
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
