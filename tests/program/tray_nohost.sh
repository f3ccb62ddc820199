#!/usr/bin/env bash
# A desktop with no tray host: the program puts up no stray icon window, and
# since nothing could bring a hidden panel back, "close" minimises it instead.
#   tray_nohost.sh <app binary> <build dir>
set -euo pipefail
app=$1

work=$(mktemp -d)
export XDG_CONFIG_HOME=$work/config
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

source "$(dirname "$0")/lib/x11-checks.bash"

"$app" >"$work/app.log" 2>&1 &
pid=$!

main=""
find_main() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true); do
        [ "$(attr "$w" Width)" = 580 ] && main=$w
    done
    [ -n "$main" ]
}
within 10000 find_main || fail "no panel window"
# Give a stray icon window the time it would take to appear.
sleep 1

for w in $(xdotool search --onlyvisible --pid "$pid"); do
    [ "$w" = "$main" ] || fail "a window besides the panel: $(xwininfo -id "$w" | grep -E 'Width|Height|Absolute' | tr -s ' ' | tr '\n' ' ')"
done

xdotool mousemove --window "$main" 466 62
sleep 0.1
xdotool click 1
within 3000 iconic "$main" || fail "close did not minimise the panel"
kill -0 "$pid" || fail "the program ended"

# A keyboard interrupt quits it cleanly.
kill -INT "$pid"
set +e
wait "$pid"
status=$?
set -e
pid=""
[ "$status" -eq 0 ] || fail "exit code $status"
echo "tray without host: ok"
