#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up and idle cost of the table window, under a private Xvfb.
#
#   bench/startup.sh [build-folder]        (the build folder is build/ beside bench/ by default)
#
# Five runs of the game from its build folder, each measuring
#   start   ms from exec to the window being mapped,
#   rss     resident memory (VmRSS) 3 s after exec,
#   idle    CPU used in the 10 s after that, with the pack on the table and nothing to do;
# then one run that clicks Game > New Game, lets the deal and the computer bids go by for 9 s and
# measures the CPU used in the next 10 s, while the game waits for the player's bid.
#
# Exit status: 0 when every median meets its target, 1 when one misses, 2 when the bench itself
# cannot run (no build, no Xvfb, the game died).
#
# How the start is timed: an xev watching the root window's substructure is started first and
# given half a second to settle; then a subshell writes $EPOCHREALTIME and execs the game, and the
# script stamps $EPOCHREALTIME again the moment xev reports the MapNotify of a top-level window.
# Both stamps are bash built-ins, so no process is forked inside the timed span, and nothing polls.
#
# CPU is read twice: as utime + stime ticks from /proc/PID/stat (10 ms a tick here, which is
# coarse beside a 20 ms target) and as the nanoseconds in /proc/PID/task/*/schedstat, summed over
# the threads. Wakeups are the voluntary context switches of all threads in the same span: a
# game that truly waits has next to none.

set -u
export LC_ALL=C

Runs=5
IdleSeconds=10
RssAfterSeconds=3
DealSeconds=9
TargetStartMs=150
TargetRssMiB=60
TargetIdleCpuMs=20
TargetBidWaitCpuMs=20

Here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
Build=${1:-$Here/../build}
Game=$(cd "$Build" 2>/dev/null && pwd)/bin/tarnwick

Fail() {
    echo "startup.sh: $*" >&2
    exit 2
}

[[ -x $Game ]] || Fail "no game at ${Build}/bin/tarnwick: build it first with
  cmake -S /work/main -B /work/main/build -G Ninja && cmake --build /work/main/build"
for Tool in Xvfb xev xdpyinfo xdotool stdbuf getconf; do
    command -v "$Tool" >/dev/null || Fail "$Tool is needed and not installed"
done
[[ -r /proc/self/schedstat ]] || Fail "/proc/PID/schedstat is not available on this kernel"

Tick=$(getconf CLK_TCK)
Work=$(mktemp -d /tmp/tarnwick-bench.XXXXXX) || Fail "cannot make a temporary folder"
XvfbPid=
GamePid=
WatchPid=

# shellcheck disable=SC2317  # run by the EXIT trap
Cleanup() {
    for Pid in $GamePid $WatchPid $XvfbPid; do
        kill "$Pid" 2>/dev/null && wait "$Pid" 2>/dev/null
    done
    rm -rf "$Work"
}
trap Cleanup EXIT
trap 'exit 2' INT TERM HUP

# A private home, runtime folder and no session bus, so no setting, socket or cache of the user's
# is read or written. The records files beside the executable are only read at start-up; they
# are checked after the runs all the same.
mkdir -p "$Work/home" "$Work/runtime" && chmod 700 "$Work/runtime"
export HOME=$Work/home XDG_RUNTIME_DIR=$Work/runtime XDG_CONFIG_HOME=$Work/home/.config
export XDG_DATA_HOME=$Work/home/.local/share XDG_CACHE_HOME=$Work/home/.cache
export QT_QPA_PLATFORM=xcb
unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS

RecordsFolder=$(dirname "$Game")
RecordsBefore=$(cd "$RecordsFolder" && cat Money.dat Name.dat 2>/dev/null | md5sum)

# A display number nobody holds, high above the ones other tools pick.
# shellcheck source=bench/StartXvfb.sh
source "$Here/StartXvfb.sh"
StartXvfb 150 || Fail "cannot start Xvfb on any display from :150 to :249 (see $Work/xvfb.log)"
# The pointer rests outside the window, so no hover or tool tip wakes the game.
xdotool mousemove 1270 1010

# Microseconds of the wall clock, from the bash built-in.
Now() { echo "${EPOCHREALTIME/./}"; }

SleepUntil() {
    local Left=$(($1 - $(Now)))
    ((Left > 0)) && sleep "$(printf '%d.%06d' $((Left / 1000000)) $((Left % 1000000)))"
}

CpuTicks() {
    local Stat
    Stat=$(<"/proc/$1/stat") || return 1
    Stat=${Stat##*) }
    local -a F
    read -ra F <<<"$Stat"
    # utime and stime are the 14th and 15th fields; after the name they are the 12th and 13th.
    echo $((F[11] + F[12]))
}

CpuNs() {
    local Sum=0 Ns File
    for File in /proc/"$1"/task/*/schedstat; do
        read -r Ns _ <"$File" 2>/dev/null && Sum=$((Sum + Ns))
    done
    echo "$Sum"
}

Wakeups() {
    local Sum=0 Key Value File
    for File in /proc/"$1"/task/*/status; do
        while read -r Key Value; do
            [[ $Key == voluntary_ctxt_switches: ]] && Sum=$((Sum + Value))
        done <"$File" 2>/dev/null
    done
    echo "$Sum"
}

# One line per thread: id, name, nanoseconds; to show where the time of a missed target went.
ThreadTimes() {
    local Task Ns
    for Task in /proc/"$1"/task/*; do
        read -r Ns _ <"$Task/schedstat" 2>/dev/null || continue
        echo "${Task##*/} $Ns $(tr ' ' '_' <"$Task/comm")"
    done | sort
}

ShowThreadDelta() {
    join "$1" "$2" | awk '{ D = ($4 - $2) / 1e6; if (D > 0.05) printf "      thread %s (%s): %.2f ms\n", $1, $3, D }'
}

Alive() { kill -0 "$GamePid" 2>/dev/null; }

Died() {
    wait "$GamePid" 2>/dev/null
    local Status=$?
    GamePid=
    echo "startup.sh: the game exited early (status $Status) $1; its last words:" >&2
    tail -5 "$Work/game.log" >&2
    exit 2
}

# Starts the game and returns once its window is mapped; sets GamePid, StartedUs and StartMs.
Launch() {
    mkfifo "$Work/watch"
    stdbuf -oL xev -root -event substructure >"$Work/watch" 2>/dev/null &
    WatchPid=$!
    local Watch
    exec {Watch}<"$Work/watch"
    rm -f "$Work/watch"
    sleep 0.5
    (
        exec {Watch}<&-
        echo "$EPOCHREALTIME" >"$Work/exec-time"
        exec "$Game" >"$Work/game.log" 2>&1
    ) &
    GamePid=$!
    local Line Status Mapped='' Deadline=$(($(Now) + 10000000))
    while (($(Now) < Deadline)); do
        read -r -t 1 -u "$Watch" Line
        Status=$?
        # A time-out goes on waiting while the game lives; the end of xev's output stops.
        if ((Status > 128)); then
            Alive && continue
            break
        fi
        ((Status == 0)) || break
        if [[ $Line == MapNotify* ]]; then
            # Stamped in place: a $(Now) here would fork inside the timed span.
            Mapped=${EPOCHREALTIME/./}
            read -r -t 1 -u "$Watch" Line
            [[ $Line == *"override NO"* ]] && break
            Mapped=
        fi
    done
    kill "$WatchPid" 2>/dev/null
    wait "$WatchPid" 2>/dev/null
    WatchPid=
    exec {Watch}<&-
    Alive || Died "before its window was mapped"
    [[ -n $Mapped ]] || Fail "the window was not mapped within 10 s"
    local Exec
    Exec=$(<"$Work/exec-time")
    StartedUs=${Exec/./}
    StartMs=$(awk -v D=$((Mapped - StartedUs)) 'BEGIN { printf "%.1f", D / 1000 }')
}

Stop() {
    kill "$GamePid" 2>/dev/null
    wait "$GamePid" 2>/dev/null
    GamePid=
}

Median() { sort -g | awk '{ V[NR] = $1 } END { if (NR % 2) print V[(NR + 1) / 2]; else print (V[NR / 2] + V[NR / 2 + 1]) / 2 }'; }

Verdict() { awk -v V="$1" -v T="$2" 'BEGIN { print (V < T) ? "met" : "MISSED" }'; }

Missed=0
Judge() {
    local What=$1 Value=$2 Target=$3 Unit=$4 Result
    Result=$(Verdict "$Value" "$Target")
    [[ $Result == met ]] || Missed=1
    printf '  %-26s %10s %-10s target < %s %s: %s\n' "$What" "$Value" "$Unit" "$Target" "$Unit" "$Result"
}

echo "Tarnwick start-up bench: $Game"
echo "display $DISPLAY, CLK_TCK $Tick, $(nproc) CPUs"
echo
printf '%-4s %9s %9s %12s %12s %9s\n' run start_ms rss_MiB idle_cpu_ms idle_cpu_ms idle_wake
printf '%-4s %9s %9s %12s %12s %9s\n' "" "" "" "(ticks)" "(schedstat)" ""
for Column in start rss idle-ticks idle-ns; do : >"$Work/$Column"; done
for ((Run = 1; Run <= Runs; ++Run)); do
    Launch
    SleepUntil $((StartedUs + RssAfterSeconds * 1000000))
    Alive || Died "before the memory was read"
    RssKiB=$(awk '/^VmRSS:/ { print $2 }' "/proc/$GamePid/status")
    Ticks0=$(CpuTicks "$GamePid") Ns0=$(CpuNs "$GamePid") Wake0=$(Wakeups "$GamePid")
    ThreadTimes "$GamePid" >"$Work/threads0"
    SleepUntil $((StartedUs + (RssAfterSeconds + IdleSeconds) * 1000000))
    Alive || Died "while idle"
    Ticks1=$(CpuTicks "$GamePid") Ns1=$(CpuNs "$GamePid") Wake1=$(Wakeups "$GamePid")
    ThreadTimes "$GamePid" >"$Work/threads1"
    Stop
    Rss=$(awk -v K="$RssKiB" 'BEGIN { printf "%.1f", K / 1024 }')
    IdleTicksMs=$(((Ticks1 - Ticks0) * 1000 / Tick))
    IdleNsMs=$(awk -v D=$((Ns1 - Ns0)) 'BEGIN { printf "%.2f", D / 1e6 }')
    printf '%-4s %9s %9s %12s %12s %9s\n' "$Run" "$StartMs" "$Rss" "$IdleTicksMs" "$IdleNsMs" $((Wake1 - Wake0))
    awk -v M="$IdleNsMs" -v T=$TargetIdleCpuMs 'BEGIN { exit !(M >= T / 4) }' &&
        ShowThreadDelta "$Work/threads0" "$Work/threads1"
    echo "$StartMs" >>"$Work/start"
    echo "$Rss" >>"$Work/rss"
    echo "$IdleTicksMs" >>"$Work/idle-ticks"
    echo "$IdleNsMs" >>"$Work/idle-ns"
    sleep 0.5
done

echo
echo "New Game, then the wait for the player's bid:"
Launch
SleepUntil $((StartedUs + RssAfterSeconds * 1000000))
Alive || Died "before New Game"
# The Game menu, then its New Game item: without a window manager the F2 key never arrives. The
# window opens in the middle of the screen, so the clicks go where it lies.
eval "$(xdotool search --onlyvisible --name '^Tarnwick$' getwindowgeometry --shell | grep -E '^[XY]=')"
[[ -n ${X:-} && -n ${Y:-} ]] || Fail "cannot find the game's window"
xdotool mousemove $((X + 27)) $((Y + 9)) click 1
sleep 0.3
Clicked=$(Now)
DealTicks0=$(CpuTicks "$GamePid") DealNs0=$(CpuNs "$GamePid")
xdotool mousemove $((X + 60)) $((Y + 30)) click 1 mousemove 1270 1010
SleepUntil $((Clicked + DealSeconds * 1000000))
Alive || Died "during the deal and the bids"
Ticks0=$(CpuTicks "$GamePid") Ns0=$(CpuNs "$GamePid") Wake0=$(Wakeups "$GamePid")
ThreadTimes "$GamePid" >"$Work/threads0"
SleepUntil $((Clicked + (DealSeconds + IdleSeconds) * 1000000))
Alive || Died "while waiting for the bid"
Ticks1=$(CpuTicks "$GamePid") Ns1=$(CpuNs "$GamePid") Wake1=$(Wakeups "$GamePid")
ThreadTimes "$GamePid" >"$Work/threads1"
RssKiB=$(awk '/^VmRSS:/ { print $2 }' "/proc/$GamePid/status")
if [[ -n ${TARNWICK_BENCH_SHOT:-} ]]; then
    command -v import >/dev/null && import -window root "$TARNWICK_BENCH_SHOT" &&
        echo "  the table after the wait: $TARNWICK_BENCH_SHOT"
fi
Stop
DealCpuMs=$(((Ticks0 - DealTicks0) * 1000 / Tick))
DealNsMs=$(awk -v D=$((Ns0 - DealNs0)) 'BEGIN { printf "%.1f", D / 1e6 }')
BidTicksMs=$(((Ticks1 - Ticks0) * 1000 / Tick))
BidNsMs=$(awk -v D=$((Ns1 - Ns0)) 'BEGIN { printf "%.2f", D / 1e6 }')
echo "  start ${StartMs} ms"
echo "  deal and bids (${DealSeconds} s after the click): ${DealCpuMs} ms CPU by ticks, ${DealNsMs} ms by schedstat"
echo "  bid wait (${IdleSeconds} s): ${BidTicksMs} ms CPU by ticks, ${BidNsMs} ms by schedstat," \
    "$((Wake1 - Wake0)) wakeups, RSS $(awk -v K="$RssKiB" 'BEGIN { printf "%.1f", K / 1024 }') MiB"
awk -v M="$BidNsMs" -v T=$TargetBidWaitCpuMs 'BEGIN { exit !(M >= T / 4) }' &&
    ShowThreadDelta "$Work/threads0" "$Work/threads1"
# Dealing 52 cards and drawing every move costs the game real CPU; next to none means the click
# never reached the menu.
if awk -v M="$DealNsMs" 'BEGIN { exit !(M < 50) }'; then
    echo "startup.sh: only ${DealNsMs} ms CPU after New Game: the click seems not to have started a game" >&2
    exit 2
fi

echo
echo "Medians over $Runs runs, and the targets:"
Judge "start (exec to mapped)" "$(Median <"$Work/start")" $TargetStartMs ms
Judge "RSS after ${RssAfterSeconds} s" "$(Median <"$Work/rss")" $TargetRssMiB MiB
Judge "idle CPU per ${IdleSeconds} s (ticks)" "$(Median <"$Work/idle-ticks")" $TargetIdleCpuMs ms
Judge "idle CPU per ${IdleSeconds} s (ns)" "$(Median <"$Work/idle-ns")" $TargetIdleCpuMs ms
Judge "bid-wait CPU (ticks)" "$BidTicksMs" $TargetBidWaitCpuMs ms
Judge "bid-wait CPU (ns)" "$BidNsMs" $TargetBidWaitCpuMs ms

RecordsAfter=$(cd "$RecordsFolder" && cat Money.dat Name.dat 2>/dev/null | md5sum)
[[ $RecordsBefore == "$RecordsAfter" ]] ||
    echo "startup.sh: note: Money.dat or Name.dat in $RecordsFolder changed during the runs" >&2

exit $Missed
