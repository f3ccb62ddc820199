#!/usr/bin/env bash
# Starts a program, waits for its window, saves a picture of it and stops it.
#   screenshot.sh <output.png> <seconds to wait> <program> [args...]
# SHOT_WINDOW picks the window by its exact title (default: the panel's).
set -euo pipefail
out=$1; wait_s=$2; shift 2

"$@" >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true' EXIT

window=""
for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --pid "$pid" --name "^${SHOT_WINDOW:-Q5 Control Panel}\$" 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.05
done
[ -n "$window" ] || { echo "no window appeared" >&2; exit 1; }

sleep "$wait_s"
eval "$(xdotool getwindowgeometry --shell "$window")"
mkdir -p "$(dirname "$out")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out"
echo "screenshot: $out"
