#!/usr/bin/env bash
# The tray icon on a desktop with a tray host (trayer): the icon is embedded
# at its full size; a plain left click drops "Show" and "Exit", a right click
# or a shift-click drops nothing; "Show" brings back the panel that "close"
# hid, at the same place, and the one that "min" minimised, even while
# another program has the focus; "Exit" ends the program with code 0 and
# nothing reported on the way out.
#   tray_menu.sh <app binary> <build dir>
set -euo pipefail
app=$1

work=$(mktemp -d)
export XDG_CONFIG_HOME=$work/config
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

source "$(dirname "$0")/lib/x11-checks.bash"

# The program's windows of the given width, mapped or not.
windows_of_width() {
    local w
    for w in $(xdotool search --pid "$pid" 2>/dev/null || true); do
        [ "$(attr "$w" Width)" = "$1" ] && echo "$w"
    done
}

# The program's mapped windows other than the panel and the icon: its menus.
menus() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true); do
        [ "$w" != "$main" ] && [ "$w" != "$icon" ] && echo "$w"
    done
    return 0
}
menu_shown() { [ -n "$(menus)" ]; }
no_menu() { [ -z "$(menus)" ]; }

click_icon() {
    local x y
    x=$(( $(attr "$icon" "Absolute upper-left X") + 11 ))
    y=$(( $(attr "$icon" "Absolute upper-left Y") + 11 ))
    # Not synced: xdotool then waits many seconds if the pointer is there.
    xdotool mousemove "$x" "$y"
    sleep 0.15
    xdotool "$@"
}

# Chooses an item of the shown menu: 1 is the upper half, 2 the lower.
choose() {
    local menu x y h
    menu=$(menus | head -1)
    x=$(( $(attr "$menu" "Absolute upper-left X") + $(attr "$menu" Width) / 2 ))
    h=$(attr "$menu" Height)
    y=$(( $(attr "$menu" "Absolute upper-left Y") + (2 * $1 - 1) * h / 4 ))
    xdotool mousemove "$x" "$y"
    # The menu ignores a release within its first quarter second.
    sleep 0.4
    xdotool mousedown 1
    sleep 0.1
    xdotool mouseup 1
}

show_menu() {
    click_icon click 1
    within 3000 menu_shown || fail "a plain left click showed no menu"
}

click_panel() {
    xdotool mousemove --window "$main" "$1" "$2"
    sleep 0.1
    xdotool click 1
}

# The user turns to the other program, which takes the focus.
work_elsewhere() {
    xdotool mousemove 120 650
    sleep 0.15
    xdotool click 1
    sleep 0.2
}

# --- a tray host, another program's window to work in, then the program
panel=""
find_panel() { panel=$(xdotool search --onlyvisible --class trayer 2>/dev/null | head -1); [ -n "$panel" ]; }
# Now and then, just after the window manager has started, trayer's panel is
# never mapped; a second start has always done.
for attempt in 1 2 3; do
    trayer --edge top --align right --widthtype request --height 24 >"$work/trayer.log" 2>&1 &
    tray=$!
    pids+=($tray)
    within 5000 find_panel && break
    kill "$tray" 2>/dev/null || true
done
[ -n "$panel" ] || fail "trayer did not start"
# The panel is mapped once trayer owns the tray selection.
sleep 0.3
xev -geometry 200x100+20+600 >/dev/null 2>&1 &
pids+=($!)

"$app" >"$work/app.log" 2>&1 &
pid=$!
pids+=($pid)

main="" icon=""
find_main() { main=$(windows_of_width 580 | head -1); [ -n "$main" ] && viewable "$main"; }
within 10000 find_main || fail "no panel window"
find_icon() { icon=$(windows_of_width 22 | head -1); [ -n "$icon" ]; }
within 5000 find_icon || fail "no tray icon window"

# --- the icon stands in the tray, at its full size
docked() {
    xwininfo -tree -id "$panel" | grep -q "$(printf '0x%x' "$icon")" && viewable "$icon" || return 1
    local host
    host=$(xwininfo -children -id "$icon" | sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p')
    [ "$(attr "$host" Width)" -ge 22 ]
}
within 5000 docked || fail "the icon is not embedded in the tray at its full size"

# --- "min" minimises, "Show" restores
for round in 1 2; do
    click_panel 444 67
    within 3000 iconic "$main" || fail "min did not minimise the panel (round $round)"
    work_elsewhere
    show_menu
    choose 1
    # Promptly: a window manager that holds a plain map back for focus theft
    # does restore it, but only seconds later.
    within 1200 normal "$main" ||
        fail "Show did not restore the minimised panel at once (round $round: state $(wm_state "$main"), $(menus | wc -l) menu(s) up)"
    within 3000 viewable "$main" || fail "the restored panel is not on screen"
done

# --- "close" hides, "Show" brings the panel back where it was; twice, since
# a window manager's answer can depend on what came before
before=$(position "$main")
for round in 1 2; do
    click_panel 466 62
    within 3000 unmapped "$main" || fail "close did not hide the panel (round $round)"
    viewable "$icon" || fail "the icon went with the panel"
    work_elsewhere
    show_menu
    [ "$(menus | wc -l)" -eq 1 ] || fail "more than one menu"
    choose 1
    within 1200 viewable "$main" || fail "Show did not bring back the hidden panel at once (round $round)"
    within 3000 no_menu || fail "the menu stayed"
    after=$(position "$main")
    [ "$after" = "$before" ] || fail "the panel came back at $after, not $before"
done

# --- other clicks show nothing
click_icon click 3
sleep 0.6
no_menu || fail "a right click showed a menu"
click_icon keydown shift click 1 keyup shift
sleep 0.6
no_menu || fail "a shift-click showed a menu"

docked || fail "the icon lost its place in the tray"

# --- "Exit" quits like every other way of quitting
show_menu
choose 2
ended() { ! kill -0 "$pid" 2>/dev/null; }
within 5000 ended || fail "Exit did not end the program"
set +e
wait "$pid"
status=$?
set -e
[ "$status" -eq 0 ] || fail "exit code $status"
if grep -q "JUCE Assertion failure\|Leaked objects" "$work/app.log"; then
    fail "the framework reported a fault"
fi
echo "tray menu: ok"
