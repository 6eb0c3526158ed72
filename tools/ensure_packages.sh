#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test, when any is missing.
# As root it runs apt-get itself; otherwise it prints the one command to run and stops.
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config dpkg-dev libgtest-dev libbenchmark-dev clang-14 libclang-rt-14-dev
          qt6-base-dev qt6-multimedia-dev libgl-dev libx11-dev libxtst-dev
          xvfb xauth xdotool x11-utils imagemagick fonts-dejavu-core fonts-liberation2)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

line="apt-get install -y --no-install-recommends ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
    echo "Some packages are missing. Please run, as root:" >&2
    echo "  apt-get update && $line" >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
