#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package as a distribution would (Qt alone, no tests, Debian's hardening flags)
# and checks it:
#   - its contents, and lintian on it: no error and no warning;
#   - on a clean Debian 12, a minimal system made with debootstrap: apt-get installs it without
#     recommended packages, so everything the game needs must be in Depends;
#   - there an ordinary user starts it from the login's PATH under Xvfb: it must map its window,
#     load its pictures from /usr/share/tarnwick, stay up, keep a changed name in the user's own
#     data folder and never beside /usr/games/tarnwick, and end on SIGTERM;
#   - its start-up screen must match, pixel for pixel, the screen of the build tree's game run here
#     with the fonts the table is drawn for (Liberation and DejaVu), so a font that is missing,
#     substituted or clipped fails the check.
# When the clean system cannot be made, the package is NOT CHECKED and the script fails.
#
# The clean system is kept under /var/tmp/tarnwick-deb-check, with the packages apt fetched, and
# each run lays a throwaway overlay on it, so a second run is quick. The screens are left there
# (installed.png, reference.png, difference.png).
#
#   tools/package/check_deb.sh [build folder]     (default: build-pkg)
# Must run as root. It installs what it needs on this machine (debootstrap, lintian, Xvfb, ...).
# TARNWICK_MIRROR overrides the Debian mirror read from apt's sources, TARNWICK_CHECK_CACHE the
# folder kept between runs.
set -euo pipefail

repo=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-build-pkg}
case "$build" in /*) ;; *) build="$repo/$build" ;; esac
cache=${TARNWICK_CHECK_CACHE:-/var/tmp/tarnwick-deb-check}
base="$cache/bookworm"
archives="$cache/archives"
run="$cache/run"
work="$run/root"
player=player

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
not_checked() {
    echo "NOT CHECKED: $*" >&2
    echo "The package was not installed on a clean system, so nothing is known about it there." >&2
    exit 1
}

host_packages=(debootstrap dpkg-dev lintian imagemagick xvfb xauth xdotool appstream desktop-file-utils
               fonts-liberation2 fonts-dejavu-core)
missing=()
for p in "${host_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "== Installing here: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

mkdir -p "$cache" "$archives"
exec 9>"$cache/lock"
flock -n 9 || fail "another check_deb.sh is running"

step "Building the package in $build with Qt alone and Debian's build flags"
# What a Debian build gets from debhelper: its flags with every hardening feature, no build type
# of our own, and no tests.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S "$repo" -B "$build" -G Ninja -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=None \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build" -j2
rm -rf "$build/packages"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$build/packages" >/dev/null
debs=("$build"/packages/tarnwick_*_*.deb)
[ -f "${debs[0]}" ] || fail "cpack made no package"
deb=${debs[0]}
echo "$deb"
dpkg-deb -f "$deb" Package Version Architecture Section Maintainer Depends Recommends

step "Checking the package's contents"
contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for wanted in ./usr/games/tarnwick ./usr/share/applications/tarnwick.desktop \
              ./usr/share/metainfo/org.tarnwick.Tarnwick.metainfo.xml \
              ./usr/share/icons/hicolor/scalable/apps/tarnwick.svg \
              ./usr/share/man/man6/tarnwick.6.gz \
              ./usr/share/doc/tarnwick/copyright ./usr/share/doc/tarnwick/changelog.gz \
              ./usr/share/tarnwick/card01.png ./usr/share/tarnwick/Riffle.wav; do
    grep -qx "$wanted" <<<"$contents" || fail "the package lacks $wanted"
done
for size in 16 32 48 64 128 256; do
    grep -qx "./usr/share/icons/hicolor/${size}x${size}/apps/tarnwick.png" <<<"$contents" ||
        fail "the package lacks the ${size}x${size} icon"
done
if grep -E '^\./usr/bin/|_tests$|_timing$|_bench$|tarnwick-sim' <<<"$contents"; then
    fail "the package holds programs outside /usr/games, or test or timing programs"
fi
dpkg-deb -f "$deb" Depends | grep -qw fonts-liberation2 || fail "the package does not depend on fonts-liberation2"
[ "$(dpkg-deb -f "$deb" Version)" = "$(sed -n 's/^tarnwick (\([^)]*\)).*/\1/p;q' "$repo/packaging/changelog")" ] ||
    fail "the package's version is not the history's newest"
desktop-file-validate "$repo/packaging/tarnwick.desktop" || fail "the desktop entry is not valid"
appstreamcli validate --no-net "$repo"/packaging/*.metainfo.xml || fail "the metainfo is not valid"

step "lintian"
lintian_log="$cache/lintian.log"
lintian_status=0
# As a packager runs it: not as root.
cp "$deb" "$cache/lintian.deb"
chmod 644 "$cache/lintian.deb"
runuser -u nobody -- env HOME=/tmp lintian --display-info --tag-display-limit 0 --fail-on error,warning \
    "$cache/lintian.deb" >"$lintian_log" 2>&1 || lintian_status=$?
if [ -s "$lintian_log" ]; then sed 's/^/   /' "$lintian_log"; else echo "   (no tags)"; fi
[ "$lintian_status" -eq 0 ] || fail "lintian reports errors or warnings (status $lintian_status)"

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

mounted=()
unmount_all() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[$i]}" 2>/dev/null || true; done
    mounted=()
}
reference_xvfb=
reference_game=
stop_reference() {
    local pid
    for pid in $reference_game $reference_xvfb; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done
    reference_game= reference_xvfb=
}
trap 'stop_reference; unmount_all' EXIT
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
        tail -n 5 "$cache/debootstrap.log" >&2
        remove_root "$base"
        not_checked "debootstrap could not make a Debian 12 from $mirror (log: $cache/debootstrap.log)"
    fi
    cat >"$base/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb $security bookworm-security main
EOF
    # What the check itself needs, not the game: a display, a keyboard and a tracer.
    enter "$base"
    in_root "$base" apt-get update -qq || not_checked "apt-get update failed inside the new system"
    in_root "$base" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        xvfb xauth xdotool strace >"$cache/tools.log" 2>&1 || {
        tail -n 5 "$cache/tools.log" >&2
        not_checked "the display and tracer could not be installed in the new system"
    }
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

step "Installing the package there with apt-get, without recommended packages"
cp "$deb" "$work/tmp/"
in_root "$work" apt-get update -qq || not_checked "apt-get update failed inside the clean system"
in_root "$work" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
    "/tmp/$(basename "$deb")" >"$cache/install.log" 2>&1 || {
    tail -n 20 "$cache/install.log" >&2
    fail "apt-get could not install the package"
}
grep -cE '^Setting up ' "$cache/install.log" | sed 's/^/packages set up: /'
in_root "$work" dpkg-query -W -f='${Package} ${Version}\n' tarnwick fonts-liberation2 libqt6gui6 libfreetype6 libfontconfig1
in_root "$work" test -x /usr/games/tarnwick || fail "no /usr/games/tarnwick after installing"
in_root "$work" useradd --create-home --shell /bin/bash "$player" || fail "could not make the user $player"

# Starts the game named by $1 under the display, waits for its window, keeps the start-up screen
# in $2 and, when $3 is "rename", changes the player's name through the menus; then ends the game
# with SIGTERM. Runs the same way in the clean system and here, so the two screens compare.
cat >"$cache/start.sh" <<'EOF'
#!/bin/bash
set -u
game=$1 screen=$2 rename=${3:-}
export LANG=C.UTF-8 QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$(mktemp -d)
unset SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS
if command -v strace >/dev/null; then
    # The tracer notes which files the game opens; it ends as the game does, with its status.
    strace -f -qq -e trace=openat -o "$HOME/opened.log" "$game" >"$HOME/tarnwick.log" 2>&1 &
else
    "$game" >"$HOME/tarnwick.log" 2>&1 &
fi
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
cp "$SCREEN_DIR/Xvfb_screen0" "$screen" 2>/dev/null
if [ -n "$window" ] && [ "$rename" = rename ]; then
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
kill -TERM "$pid"
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
    echo "still running 5 s after SIGTERM"
    kill -KILL "$pid"
fi
wait "$tracer"
echo "exit status $?"
rm -rf "$XDG_RUNTIME_DIR"
EOF
chmod 755 "$cache/start.sh"
screen_size=1280x1024x24
# Both displays run without a pointer: its picture comes from the cursor theme, not the game.

step "Starting the installed game under Xvfb as the ordinary user $player"
home="$work/home/$player"
install -m 755 "$cache/start.sh" "$work/usr/local/bin/start-tarnwick"
install -d -o "$(stat -c %u "$home")" -g "$(stat -c %g "$home")" "$home/screen"
# A display number of our own: X's abstract sockets are shared with the machine outside.
cat >"$work/usr/local/bin/check-tarnwick" <<EOF
#!/bin/bash
export SCREEN_DIR=\$HOME/screen
exec xvfb-run -a -n $((300 + RANDOM % 300)) -s "-nocursor -screen 0 $screen_size -fbdir \$SCREEN_DIR" \\
    start-tarnwick tarnwick "\$HOME/installed.xwd" rename
EOF
chmod 755 "$work/usr/local/bin/check-tarnwick"
run_log="$cache/run.log"
# A login shell: the game is found on the PATH Debian gives its users, which holds /usr/games.
in_root "$work" runuser --login "$player" -c check-tarnwick >"$run_log" 2>&1 || true
cat "$run_log"
echo "-- the game's own output:"
sed 's/^/   /' "$home/tarnwick.log" 2>/dev/null || true

step "Starting the build tree's game here with the table's own fonts"
# A copy of the build's game with its pictures beside it, so its records start fresh and the build
# stays as it was; the fonts are only those the package depends on.
reference="$cache/reference"
rm -rf "$reference"
mkdir -p "$reference/game" "$reference/home" "$reference/screen" "$reference/fontcache"
cp "$build/bin/tarnwick" "$build"/bin/*.png "$build"/bin/*.wav "$reference/game/"
font_dirs=$(dpkg -L fonts-liberation2 fonts-dejavu-core | grep -E '\.(ttf|otf)$' | xargs -n 1 dirname | sort -u |
            sed 's|.*|  <dir>&</dir>|')
cat >"$reference/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
$font_dirs
  <cachedir>$reference/fontcache</cachedir>
  <include ignore_missing="yes">/etc/fonts/conf.d</include>
</fontconfig>
EOF
display=$((600 + RANDOM % 300))
Xvfb ":$display" -nocursor -screen 0 "$screen_size" -fbdir "$reference/screen" -nolisten tcp >"$reference/xvfb.log" 2>&1 &
reference_xvfb=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
reference_log="$cache/reference.log"
env -i PATH=/usr/bin:/bin HOME="$reference/home" DISPLAY=":$display" SCREEN_DIR="$reference/screen" \
    FONTCONFIG_FILE="$reference/fonts.conf" \
    "$cache/start.sh" "$reference/game/tarnwick" "$reference/reference.xwd" >"$reference_log" 2>&1 || true
stop_reference
cat "$reference_log"

step "Checking what happened"
problems=0
check() {
    if eval "$2"; then echo "ok: $1"; else echo "NOT OK: $1"; problems=$((problems + 1)); fi
}
check "the window mapped" "grep -q '^window mapped' '$run_log'"
check "the game stayed up 3 s" "grep -qx 'alive after 3 s' '$run_log'"
check "it ended on SIGTERM" "grep -qx 'exit status 143' '$run_log'"
check "its pictures came from /usr/share/tarnwick" \
    "grep -E 'openat\\(.*\"/usr/share/tarnwick/pileback(@2x)?\\.png\"' '$home/opened.log' | grep -vq ENOENT"
check "the name went to the player's own data folder" \
    "grep -q Checker '$home/.local/share/Tarnwick/Name.dat' 2>/dev/null"
check "nothing was written beside /usr/games/tarnwick" \
    "[ -z \"\$(find '$work/usr/games' -newer '$cache/start.sh' -type f)\" ] && ! ls '$work'/usr/games/*.dat >/dev/null 2>&1"
check "the build tree's game mapped its window" "grep -q '^window mapped' '$reference_log'"
geometry() { grep -o 'Geometry: [0-9x]*' "$1"; }
check "both windows have one size" "[ \"\$(geometry '$run_log')\" = \"\$(geometry '$reference_log')\" ]"
if [ -f "$home/installed.xwd" ] && [ -f "$reference/reference.xwd" ]; then
    convert "xwd:$home/installed.xwd" "$cache/installed.png"
    convert "xwd:$reference/reference.xwd" "$cache/reference.png"
    differing=$(compare -metric AE "$cache/installed.png" "$cache/reference.png" "$cache/difference.png" 2>&1 || true)
    echo "screens: $cache/installed.png, $cache/reference.png; differing pixels: $differing (difference.png)"
    check "the installed game's start-up screen is the build tree's, pixel for pixel" "[ '$differing' = 0 ]"
else
    check "both start-up screens were taken" false
fi

unmount_all
step "Done in $((SECONDS - started)) s"
[ "$problems" -eq 0 ] || fail "$problems checks failed"
echo "PASSED"
