#!/usr/bin/env bash
# Runs a command on a private X server with a window manager, then tears both
# down. With Q5_USE_DISPLAY=1 and a DISPLAY already set, uses that instead.
set -euo pipefail

if [ "${Q5_USE_DISPLAY:-0}" = 1 ] && [ -n "${DISPLAY:-}" ]; then
    exec "$@"
fi

display=""
for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
        display=":$n"
        break
    fi
done
[ -n "$display" ] || { echo "no free X display number" >&2; exit 1; }

Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
cleanup() {
    [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap cleanup EXIT

export DISPLAY="$display"
for _ in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.05
done

# JUCE windows need the atoms a window manager provides.
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.05
done

set +e
"$@"
status=$?
set -e
exit $status
