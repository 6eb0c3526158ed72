#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The monkey at the card table, under a private Xvfb.
#
#   bench/monkey/monkey.sh [build-folder] [seconds] [seed]     (build/, 60 s, seed 1)
#
# It copies the game and its pictures and sounds from <build-folder>/bin into a folder of its own
# (so the records it plays with are its own too), starts Xvfb on a free display from :160 up and
# runs <build-folder>/bin/tarnwick-monkey against the game for the given time: random clicks,
# keys, menu choices, answers and window closes, with the game started again whenever it ends.
# It stops at the first crash, hang or question that cannot be reached, and prints the steps that
# led there, the end of the game's output (a sanitizer's report among it) and a screenshot's path.
#
# A sanitizer build of the window works the same: build it with
#   cmake -S . -B build-gui-asan -G Ninja -DTARNWICK_SANITIZE=ON && cmake --build build-gui-asan
# and give build-gui-asan as the folder. Leak reports of the libraries beneath Qt are suppressed
# (bench/monkey/lsan.supp); the game's own leaks are not.
#
# Exit status: 0 when the time ran out without a fault, 1 at a fault, 2 when it cannot run.
set -u
export LC_ALL=C

Here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
Build=$(cd "${1:-$Here/../../build}" 2>/dev/null && pwd) || { echo "monkey.sh: no build folder ${1:-build}" >&2; exit 2; }
Seconds=${2:-60}
Seed=${3:-1}
Game=$Build/bin/tarnwick
Monkey=$Build/bin/tarnwick-monkey
Out=${TARNWICK_MONKEY_OUT:-$Build/monkey}

Fail() {
    echo "monkey.sh: $*" >&2
    exit 2
}
[[ -x $Game && -x $Monkey ]] || Fail "no game or monkey in $Build/bin: build them first with
  cmake --build $Build --target tarnwick tarnwick-monkey"
for Tool in Xvfb xdpyinfo; do
    command -v "$Tool" >/dev/null || Fail "$Tool is needed and not installed"
done

Work=$(mktemp -d /tmp/tarnwick-monkey.XXXXXX) || Fail "cannot make a temporary folder"
XvfbPid=
# shellcheck disable=SC2317  # run by the EXIT trap
Cleanup() {
    [[ -n $XvfbPid ]] && kill "$XvfbPid" 2>/dev/null && wait "$XvfbPid" 2>/dev/null
    rm -rf "$Work"
}
trap Cleanup EXIT
trap 'exit 2' INT TERM HUP

mkdir -p "$Work/game" "$Work/home" "$Work/runtime" "$Out" && chmod 700 "$Work/runtime"
cp "$Game" "$Build"/bin/*.png "$Build"/bin/*.wav "$Work/game/" 2>/dev/null || Fail "cannot copy the game"
export HOME=$Work/home XDG_RUNTIME_DIR=$Work/runtime XDG_CONFIG_HOME=$Work/home/.config
export XDG_DATA_HOME=$Work/home/.local/share XDG_CACHE_HOME=$Work/home/.cache
export QT_QPA_PLATFORM=xcb
unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$Here/lsan.supp:print_suppressions=0

# shellcheck source=bench/StartXvfb.sh
source "$Here/../StartXvfb.sh"
StartXvfb 160 || Fail "cannot start Xvfb on any display from :160 to :259"

Shot=$Out/fault-seed$Seed.ppm
rm -f "$Shot"
"$Monkey" --game "$Work/game/tarnwick" --seconds "$Seconds" --seed "$Seed" --log "$Work/game.log" --shot "$Shot"
Status=$?
if ((Status != 0)); then
    cp "$Work/game.log" "$Out/game-seed$Seed.log" 2>/dev/null
    echo "monkey.sh: the end of the game's output (all of it in $Out/game-seed$Seed.log):"
    grep -v -e 'PulseAudio' -e 'No audio device' "$Work/game.log" | tail -n 40
    if [[ -f $Shot ]] && command -v convert >/dev/null; then
        convert "$Shot" "${Shot%.ppm}.png" && rm -f "$Shot" && echo "monkey.sh: screenshot ${Shot%.ppm}.png"
    fi
fi
exit $((Status > 2 ? 2 : Status))
