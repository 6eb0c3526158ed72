#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command beside a sound server of its own: a PulseAudio daemon on a private socket with
# one null sink, "tarnwick", whose monitor "tarnwick.monitor" records whatever is played. Nothing
# of the machine's own sound set-up is read or written: the daemon loads no default script, reads
# an empty configuration and keeps its state, cookie and runtime files in a temporary folder,
# removed with the daemon when the command ends. Works as root too (as CI runs).
#
#   tools/with_sound_server.sh COMMAND [ARGS...]
#
# The command sees PULSE_SERVER, PULSE_COOKIE and PULSE_CLIENTCONFIG pointing at that daemon, with
# autospawn off, so no client of it can start or reach another. Exit status: the command's, or 2
# when the sound server cannot be started.
set -euo pipefail

if [ $# -eq 0 ]; then
    echo "usage: $0 COMMAND [ARGS...]" >&2
    exit 2
fi
for tool in pulseaudio pactl; do
    command -v "$tool" >/dev/null || { echo "$0: $tool is not installed" >&2; exit 2; }
done

folder=$(mktemp -d "${TMPDIR:-/tmp}/tarnwick-sound.XXXXXX")
daemon=
stop() {
    if [ -n "$daemon" ]; then
        kill "$daemon" 2>/dev/null || true
        wait "$daemon" 2>/dev/null || true
    fi
    rm -rf "$folder"
}
trap stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

mkdir -p "$folder/runtime" "$folder/state" "$folder/config"
chmod 700 "$folder/runtime"
: >"$folder/daemon.conf"
printf 'autospawn = no\n' >"$folder/client.conf"

# 48 kHz and the real-time priority desktops run their sound server with (where the user may have
# it; elsewhere the daemon runs as any program); a null sink keeps time by the system clock, like a sound card. It
# never rewinds, so its monitor records every sample once, in the order and at the time it played.
HOME=$folder XDG_CONFIG_HOME=$folder/config XDG_RUNTIME_DIR=$folder/runtime \
PULSE_RUNTIME_PATH=$folder/runtime PULSE_STATE_PATH=$folder/state PULSE_CONFIG=$folder/daemon.conf \
PULSE_COOKIE=$folder/cookie DBUS_SESSION_BUS_ADDRESS=disabled: \
    pulseaudio -n --daemonize=no --system=false --use-pid-file=no --exit-idle-time=-1 \
        --high-priority=yes --realtime=yes --disallow-exit --log-target=stderr --log-level=error \
        --load="module-native-protocol-unix socket=$folder/native auth-anonymous=1" \
        --load="module-null-sink sink_name=tarnwick rate=48000 channels=2 norewinds=1 sink_properties=device.description=Tarnwick" \
        2>"$folder/daemon.log" &
daemon=$!

export PULSE_SERVER=unix:$folder/native PULSE_COOKIE=$folder/cookie PULSE_CLIENTCONFIG=$folder/client.conf
for _ in $(seq 100); do
    pactl info >/dev/null 2>&1 && break
    if ! kill -0 "$daemon" 2>/dev/null; then
        echo "$0: the sound server did not start:" >&2
        cat "$folder/daemon.log" >&2
        exit 2
    fi
    sleep 0.1
done
if ! pactl info >/dev/null 2>&1; then
    echo "$0: the sound server did not answer within 10 s" >&2
    exit 2
fi
pactl set-default-sink tarnwick

status=0
"$@" || status=$?
exit "$status"
