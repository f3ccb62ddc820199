# Shared by the program-level scripts: failing with the program's output,
# retrying a check, and reading a window's state. Expects $work/app.log.

fail() {
    echo "FAIL: $*" >&2
    echo "--- program output:" >&2
    cat "$work/app.log" >&2 || true
    exit 1
}

# Retries a check every 50 ms until it holds or the milliseconds are up.
within() {
    local end=$(( $(date +%s%3N) + $1 ))
    shift
    while ! "$@"; do
        [ "$(date +%s%3N)" -lt $end ] || return 1
        sleep 0.05
    done
}

attr() { xwininfo -id "$1" | sed -n "s/^ *$2: *//p"; }
viewable() { [ "$(attr "$1" "Map State")" = IsViewable ]; }
unmapped() { [ "$(attr "$1" "Map State")" = IsUnMapped ]; }
iconic() { xprop -id "$1" WM_STATE 2>/dev/null | grep -q "window state: Iconic"; }
normal() { xprop -id "$1" WM_STATE 2>/dev/null | grep -q "window state: Normal"; }
position() { echo "$(attr "$1" "Absolute upper-left X"),$(attr "$1" "Absolute upper-left Y")"; }
wm_state() { xprop -id "$1" WM_STATE 2>/dev/null | sed -n 's/.*window state: //p'; }
