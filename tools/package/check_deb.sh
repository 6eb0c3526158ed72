#!/usr/bin/env bash
# Builds the Debian package and checks it on a clean Debian 12: a minimal system made with
# debootstrap, the package installed there by apt-get (so its dependencies must resolve), then the
# game started under Xvfb as root. It must map its window, load its pictures from
# /usr/share/tarnwick, stay up, keep a changed name in root's own data folder and never beside
# /usr/bin/tarnwick, and end on SIGTERM.
#
# The clean system is kept under /var/tmp/tarnwick-deb-check, with the packages apt fetched, and
# each run lays a throwaway overlay on it, so a second run is quick. Where no Debian mirror answers,
# it falls back to checking the package's contents and a simulated install on this machine, and
# says so.
#
#   tools/package/check_deb.sh [build folder]     (default: build-pkg)
# Must run as root. TARNWICK_MIRROR overrides the Debian mirror read from apt's sources,
# TARNWICK_CHECK_CACHE the folder kept between runs.
set -euo pipefail

repo=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-build-pkg}
case "$build" in /*) ;; *) build="$repo/$build" ;; esac
cache=${TARNWICK_CHECK_CACHE:-/var/tmp/tarnwick-deb-check}
base="$cache/bookworm"
archives="$cache/archives"
run="$cache/run"
work="$run/root"

[ "$(id -u)" -eq 0 ] || { echo "check_deb.sh: run as root (debootstrap and chroot need it)" >&2; exit 1; }

started=$SECONDS
lap=
step() {
    [ -z "$lap" ] || echo "   ($((SECONDS - lap)) s)"
    echo "== $1"
    lap=$SECONDS
}
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

host_tools=()
command -v debootstrap >/dev/null || host_tools+=(debootstrap)
command -v dpkg-shlibdeps >/dev/null || host_tools+=(dpkg-dev)
command -v convert >/dev/null || host_tools+=(imagemagick)
if [ ${#host_tools[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${host_tools[@]}" >/dev/null
fi

mkdir -p "$cache" "$archives"
exec 9>"$cache/lock"
flock -n 9 || fail "another check_deb.sh is running"

step "Building the package in $build"
cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target tarnwick
rm -rf "$build/packages"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$build/packages" >/dev/null
debs=("$build"/packages/tarnwick_*_*.deb)
[ -f "${debs[0]}" ] || fail "cpack made no package"
deb=${debs[0]}
echo "$deb"
dpkg-deb -f "$deb" Package Version Architecture Section Maintainer Depends Recommends

step "Checking the package's contents"
contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for wanted in ./usr/bin/tarnwick ./usr/share/applications/tarnwick.desktop \
              ./usr/share/icons/hicolor/scalable/apps/tarnwick.svg \
              ./usr/share/tarnwick/card01.png ./usr/share/tarnwick/Riffle.wav; do
    grep -qx "$wanted" <<<"$contents" || fail "the package lacks $wanted"
done
for size in 16 32 48 64 128 256; do
    grep -qx "./usr/share/icons/hicolor/${size}x${size}/apps/tarnwick.png" <<<"$contents" ||
        fail "the package lacks the ${size}x${size} icon"
done
if grep -E '_tests$|tarnwick_deal_timing' <<<"$contents"; then fail "the package holds test or timing programs"; fi
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$repo/packaging/tarnwick.desktop" || fail "the desktop entry is not valid"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$repo"/packaging/*.metainfo.xml || fail "the metainfo is not valid"
fi

# The Debian mirror and the security mirror this machine's apt uses.
sources_uris() {
    local suite=$1
    {
        cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
            awk -v s="$suite" '$1 == "deb" && $0 !~ /\[/ && $3 == s { print $2 }'
        cat /etc/apt/sources.list.d/*.sources 2>/dev/null |
            awk -v s="$suite" '
                /^[[:space:]]*$/ { if (u != "" && ok) print u; u = ""; ok = 0; next }
                $1 == "URIs:" { u = $2 }
                $1 == "Suites:" { for (i = 2; i <= NF; i++) if ($i == s) ok = 1 }
                END { if (u != "" && ok) print u }'
    } | head -n 1
}
mirror=${TARNWICK_MIRROR:-$(sources_uris bookworm)}
security=$(sources_uris bookworm-security)
mirror=${mirror:-http://deb.debian.org/debian}
security=${security:-http://deb.debian.org/debian-security}

fallback() {
    echo "!! $1"
    echo "!! Falling back to this machine: a simulated install of the package's dependencies."
    apt-get install --simulate "$deb" >"$cache/simulate.log" 2>&1 || {
        cat "$cache/simulate.log" >&2
        fail "apt-get cannot resolve the package's dependencies"
    }
    grep -E '^(Inst|Conf) ' "$cache/simulate.log" | tail -n 5
    echo "PASSED (fallback only: the package was not installed on a clean system)"
    exit 0
}

mounted=()
unmount_all() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[$i]}" 2>/dev/null || true; done
    mounted=()
}
trap unmount_all EXIT
bind() {
    mkdir -p "$2"
    mount --bind "$1" "$2"
    mounted+=("$2")
}
in_root() { chroot "$1" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "${@:2}"; }
# Proc, devices and the shared package cache, for the time of one step.
enter() {
    mkdir -p "$1/proc"
    mount -t proc proc "$1/proc"
    mounted+=("$1/proc")
    bind /dev "$1/dev"
    bind /dev/pts "$1/dev/pts"
    bind "$archives" "$1/var/cache/apt/archives"
    cp /etc/resolv.conf "$1/etc/resolv.conf" 2>/dev/null || true
}
# Removes a root only when nothing is mounted inside it any more.
remove_root() {
    [ -e "$1" ] || return 0
    if findmnt -rn -o TARGET | grep -q "^$1/"; then fail "$1 still has mounts; not removing it"; fi
    rm -rf --one-file-system "$1"
}

if [ ! -f "$base/.complete" ]; then
    step "Making a minimal Debian 12 from $mirror (once; kept in $base)"
    remove_root "$base"
    if ! debootstrap --variant=minbase --cache-dir="$archives" bookworm "$base" "$mirror" >"$cache/debootstrap.log" 2>&1; then
        tail -n 5 "$cache/debootstrap.log"
        remove_root "$base"
        fallback "debootstrap could not reach $mirror"
    fi
    cat >"$base/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb $security bookworm-security main
EOF
    # What the check itself needs, not the game: a display, a keyboard and a tracer.
    enter "$base"
    in_root "$base" apt-get update -qq || { unmount_all; fallback "apt-get update failed inside the new system"; }
    in_root "$base" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        xvfb xauth xdotool strace >/dev/null
    unmount_all
    touch "$base/.complete"
else
    step "Reusing the minimal Debian 12 in $base"
fi

step "Laying a fresh system over it"
remove_root "$run"
mkdir -p "$run/changes" "$run/scratch" "$work"
# An overlay keeps the clean system as it is; a copy does where overlays cannot be mounted.
if mount -t overlay overlay -o "lowerdir=$base,upperdir=$run/changes,workdir=$run/scratch" "$work" 2>/dev/null; then
    mounted+=("$work")
else
    cp -a "$base/." "$work/"
fi
enter "$work"

step "Installing the package there with apt-get"
cp "$deb" "$work/tmp/"
in_root "$work" apt-get update -qq
in_root "$work" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
    "/tmp/$(basename "$deb")" >"$cache/install.log" 2>&1 || {
    tail -n 20 "$cache/install.log" >&2
    fail "apt-get could not install the package"
}
grep -cE '^Setting up ' "$cache/install.log" | sed 's/^/packages set up: /'
in_root "$work" apt-get install --simulate fonts-liberation2 >/dev/null || fail "the recommended fonts cannot be installed"
in_root "$work" test -x /usr/bin/tarnwick || fail "no /usr/bin/tarnwick after installing"

step "Starting the game under Xvfb as root"
cat >"$work/tmp/start.sh" <<'EOF'
#!/bin/bash
# Runs inside the display: starts the game, changes the player's name, and ends it with SIGTERM.
set -u
export XDG_RUNTIME_DIR=/tmp/runtime
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
# The tracer notes which files the game opens; it ends as the game does, with the game's status.
strace -f -qq -e trace=openat -o /tmp/opened.log tarnwick >/tmp/tarnwick.log 2>&1 &
tracer=$!
window=
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^Tarnwick$' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] && echo "window mapped: $(xdotool getwindowgeometry "$window" | tr '\n' ' ')" || echo "no window"
pid=$( [ -n "$window" ] && xdotool getwindowpid "$window" 2>/dev/null || true)
if [ -z "$pid" ]; then
    echo "no process for the window"
    pid=$tracer
fi
sleep 3
kill -0 "$pid" 2>/dev/null && echo "alive after 3 s" || echo "gone before 3 s"
if [ -n "$window" ]; then
    # Options, Change your Name, a new name, OK: the game keeps it in Name.dat.
    xdotool windowfocus --sync "$window"
    xdotool key --clearmodifiers alt+o
    sleep 0.5
    xdotool key Return
    sleep 1
    xdotool type --delay 30 Checker
    xdotool key Return
    sleep 1
fi
cp /tmp/screen/Xvfb_screen0 /tmp/screen.xwd 2>/dev/null
kill -TERM "$pid"
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
    echo "still running 5 s after SIGTERM"
    kill -KILL "$pid"
fi
wait "$tracer"
echo "exit status $?"
EOF
chmod +x "$work/tmp/start.sh"
mkdir -p "$work/tmp/screen"
run_log="$cache/run.log"
# A display number of our own: X's abstract sockets are shared with the machine outside.
in_root "$work" xvfb-run -a -n $((300 + RANDOM % 600)) -s "-screen 0 1280x1024x24 -fbdir /tmp/screen" /tmp/start.sh >"$run_log" 2>&1 || true
cat "$run_log"
echo "-- the game's own output:"
sed 's/^/   /' "$work/tmp/tarnwick.log"

step "Checking what happened"
problems=0
check() {
    if eval "$2"; then echo "ok: $1"; else echo "NOT OK: $1"; problems=$((problems + 1)); fi
}
check "the window mapped" "grep -q '^window mapped' '$run_log'"
check "the game stayed up 3 s" "grep -qx 'alive after 3 s' '$run_log'"
check "it ended on SIGTERM" "grep -qx 'exit status 143' '$run_log'"
check "its pictures came from /usr/share/tarnwick" \
    "grep -E 'openat\\(.*\"/usr/share/tarnwick/pileback(@2x)?\\.png\"' '$work/tmp/opened.log' | grep -vq ENOENT"
check "the name went to root's own data folder" \
    "grep -q Checker '$work/root/.local/share/Tarnwick/Name.dat' 2>/dev/null"
check "nothing was written beside /usr/bin/tarnwick" \
    "[ -z \"\$(find '$work/usr/bin' -newer '$work/tmp/start.sh' -type f)\" ] && ! ls '$work'/usr/bin/*.dat >/dev/null 2>&1"
if [ -f "$work/tmp/screen.xwd" ]; then
    convert "xwd:$work/tmp/screen.xwd" "$cache/screen.png" && echo "screen: $cache/screen.png"
fi

unmount_all
step "Done in $((SECONDS - started)) s"
[ "$problems" -eq 0 ] || fail "$problems checks failed"
echo "PASSED"
