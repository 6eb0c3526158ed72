#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the game needs to build, run and test, when any is missing.
# As root it runs apt-get itself; otherwise it prints the one command line to paste and stops.
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config dpkg-dev libgtest-dev libbenchmark-dev clang-14 libclang-rt-14-dev
          qt6-base-dev libgl-dev libx11-dev libxtst-dev
          libsdl2-mixer-dev libcanberra-dev libcanberra-pulse libasound2-dev sound-theme-freedesktop
          pulseaudio pulseaudio-utils libpulse-dev libvorbis-dev
          xvfb xauth xdotool openbox x11-utils imagemagick fonts-dejavu-core fonts-liberation2
          at-spi2-core dbus-daemon python3-pyatspi gir1.2-atspi-2.0)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    # One line that works when pasted: every apt-get in it runs as root, not just the first.
    echo "Some packages are missing. Please run:" >&2
    echo "sudo apt-get update && sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
