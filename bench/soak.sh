#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The soak: whole games without end through the window's own handlers, every step checked.
#
#   bench/soak.sh [build-folder] [games] [seed]      (build/ beside bench/, 200000 games, seed 1)
#
# It runs tarnwick-sim --check on one table for all the games, as a player who never closes the
# window would, and reports the time it took, the peak memory (which should not grow with the
# number of games) and the first violation, if any. Run by hand; about two minutes for the
# 200,000 games on one core.
#
# Exit status: 0 when every step of every game held, 1 at a violation, 2 when it cannot run.
set -uo pipefail

Here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
Build=${1:-$Here/../build}
Games=${2:-200000}
Seed=${3:-1}
Sim=$Build/bin/tarnwick-sim

if [[ ! -x $Sim ]]; then
    echo "soak.sh: no simulator at $Sim: build it first with" >&2
    echo "  cmake -S $Here/.. -B $Build -G Ninja && cmake --build $Build --target tarnwick-sim" >&2
    exit 2
fi

Report=$(mktemp /tmp/tarnwick-soak.XXXXXX)
trap 'rm -f "$Report"' EXIT

echo "Soak: $Games games, seed $Seed, every step checked ($Sim)"
Start=$EPOCHREALTIME
if [[ -x /usr/bin/time ]]; then
    /usr/bin/time -f '%M %U %S' -o "$Report" "$Sim" --games "$Games" --seed "$Seed" --check
else
    "$Sim" --games "$Games" --seed "$Seed" --check
fi
Status=$?
Seconds=$(awk -v S="$Start" -v E="$EPOCHREALTIME" 'BEGIN { printf "%.1f", E - S }')

echo
echo "soak: $Games games in $Seconds s"
if [[ -s $Report ]]; then
    # /usr/bin/time puts a line about a failing exit before its figures.
    read -r PeakKiB User System < <(tail -n 1 "$Report")
    echo "soak: peak memory $((PeakKiB / 1024)) MiB, CPU ${User} s user + ${System} s system"
fi
case $Status in
0) echo "soak: every step of every game held" ;;
1) echo "soak: VIOLATION (see above)" ;;
*) echo "soak: the simulator could not run (status $Status)" ;;
esac
exit $((Status > 1 ? 2 : Status))
