#!/usr/bin/env bash
# The built program in the X server with a window manager: its window, its
# drag, its screenshot and its exit.
#   window.sh <program> <build dir>
set -euo pipefail
app=$1; build=$2
log=$(mktemp); trap 'rm -f "$log"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$app" --some-option ignored >"$log" 2>&1 &
pid=$!
window=""
for _ in $(seq 200); do
    # The panel's window, not a tray icon of the same name.
    for w in $(xdotool search --onlyvisible --pid "$pid" --name '^Q5 Control Panel$' 2>/dev/null || true); do
        eval "$(xdotool getwindowgeometry --shell "$w")"
        if [ "$WIDTH" = 580 ]; then window=$w; break; fi
    done
    [ -n "$window" ] && break
    sleep 0.05
done
[ -n "$window" ] || fail "no window appeared"
sleep 0.5

[ "$(xdotool getwindowname "$window")" = "Q5 Control Panel" ] || fail "title"
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" = 580 ] && [ "$HEIGHT" = 300 ] || fail "size ${WIDTH}x${HEIGHT}"

# No frame: the window manager adds nothing around it.
extents=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //')
[ "$extents" = "0, 0, 0, 0" ] || fail "frame extents $extents"

# Centred on the 1280 by 800 screen.
[ "$X" = 350 ] && [ "$Y" = 250 ] || fail "not centred: $X,$Y"

mkdir -p "$build/screenshots"
import -window root -crop 580x300+350+250 +repage "$build/screenshots/program-window.png"
echo "screenshot: $build/screenshots/program-window.png"

drag() { # from panel point ($1,$2) by ($3,$4)
    xdotool mousemove $((X + $1)) $((Y + $2)) mousedown 1
    for step in 1 2 3 4; do
        xdotool mousemove $((X + $1 + $3 * step / 4)) $((Y + $2 + $4 * step / 4))
        sleep 0.05
    done
    xdotool mouseup 1
    sleep 0.3
    eval "$(xdotool getwindowgeometry --shell "$window")"
}

# A bare point left of the veil drags the window by the drag distance...
drag 16 150 40 -30
[ "$X" = 390 ] && [ "$Y" = 220 ] || fail "bare drag ended at $X,$Y"
# ...and a drag that starts on the knob does not.
drag 205 100 60 40
[ "$X" = 390 ] && [ "$Y" = 220 ] || fail "knob drag moved the window to $X,$Y"

# Asked to quit by the window manager (openbox closes on Alt+F4).
xdotool windowactivate --sync "$window" key --clearmodifiers alt+F4
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
kill -0 "$pid" 2>/dev/null && { kill "$pid"; fail "still running after the close request"; }
wait "$pid" && status=0 || status=$?
[ "$status" = 0 ] || fail "exit status $status"
if grep -E "JUCE Assertion failure|Leaked objects" "$log"; then fail "leak or assertion"; fi
echo "ok"
