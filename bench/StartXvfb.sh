# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that look at the game on a display of their own.
#
# StartXvfb FIRST: starts Xvfb (1280x1024) on the first display from FIRST to FIRST+99 that
# nobody holds and exports DISPLAY; its process is left in XvfbPid and its log in $Work/xvfb.log.
StartXvfb() {
    local N Try
    for ((N = $1; N < $1 + 100; ++N)); do
        [[ -e /tmp/.X$N-lock || -e /tmp/.X11-unix/X$N ]] && continue
        Xvfb ":$N" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$Work/xvfb.log" 2>&1 &
        XvfbPid=$!
        for ((Try = 0; Try < 100; ++Try)); do
            if xdpyinfo -display ":$N" >/dev/null 2>&1; then
                export DISPLAY=:$N
                return 0
            fi
            kill -0 "$XvfbPid" 2>/dev/null || break
            sleep 0.05
        done
        kill "$XvfbPid" 2>/dev/null
        wait "$XvfbPid" 2>/dev/null
        XvfbPid=
    done
    return 1
}
