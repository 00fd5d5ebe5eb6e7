#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build and the tests need and
# this machine lacks. Safe to run again: it installs nothing when all is there.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    # lupdate and lrelease, and the LinguistTools CMake package for
    # qt_add_translations; Qt's own German for the German translation
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    # Qt's SQLite driver, loaded at run time by the guess history
    libqt6sql6-sqlite
    fonts-dejavu-core
    # for the tests in a real X server and the screenshots they take
    xvfb xauth xfonts-base xdotool openbox imagemagick x11-utils
    # a dark desktop colour scheme for the end-to-end run under one
    qt6ct
    # the keyboard user's run: the clipboard from another program (xclip),
    # and native Wayland in a headless sway, keys by its virtual keyboard
    # (wtype), its window tree read with jq, screenshots by grim
    xclip sway wtype grim jq qt6-wayland
    # for checking the installed desktop entry, metainfo and package, and the
    # manual page in it
    desktop-file-utils appstream dpkg-dev file lintian man-db groff-base
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
