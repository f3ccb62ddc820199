#!/usr/bin/env bash
# Takes the README's pictures of the running panel on a private X server:
#   docs/panel-disconnected.png  the program itself, no device: veil up
#   docs/panel-connected.png     the demo, its virtual Q5 plugged in: veil gone
# A compositor runs so the window keeps its see-through outline, and each
# picture is read from the window itself, alpha included.
#   tools/screenshot-readme.sh [build dir]    (default: build; TYPE as in the Makefile)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)

if [ "${1:-}" != "--on-display" ]; then
    build=$(cd "${1:-$root/build}" && pwd)
    for tool in xcompmgr xwd xdotool python3; do
        command -v "$tool" >/dev/null || { echo "needs $tool (Debian: xcompmgr, x11-apps, xdotool, python3)" >&2; exit 1; }
    done
    exec "$root/tools/with-display.sh" "$0" --on-display "$build"
fi

build=$2
type=${TYPE:-RelWithDebInfo}
app="$build/q5_control_panel_artefacts/$type/Q5 Control Panel"
demo="$build/q5_demo_artefacts/$type/Q5 Control Panel Demo"
[ -x "$app" ] || { echo "no program at $app: build it first" >&2; exit 1; }

xcompmgr >/dev/null 2>&1 &
compositor=$!
pid=""
trap 'kill $pid $compositor 2>/dev/null || true; wait 2>/dev/null || true' EXIT
# JUCE keeps a window see-through only if a compositor runs when it opens.
sleep 0.5

# Writes the window's own pixels (premultiplied ARGB) as a PNG with alpha.
xwd_to_png() {
    python3 - "$1" "$2" <<'EOF'
import struct, sys, zlib

data = open(sys.argv[1], "rb").read()
fields = struct.unpack(">25I", data[:100])
header_size, version, width, height = fields[0], fields[1], fields[4], fields[5]
byte_order, bits_per_pixel, bytes_per_line, ncolors = fields[7], fields[11], fields[12], fields[19]
if version != 7 or bits_per_pixel != 32:
    sys.exit("not a 32-bit window dump")
pixels = data[header_size + ncolors * 12:]
order = "<" if byte_order == 0 else ">"

rows = []
for y in range(height):
    line = struct.unpack_from(f"{order}{width}I", pixels, y * bytes_per_line)
    row = bytearray(b"\0")
    for p in line:
        a = p >> 24
        rgb = ((p >> 16) & 255, (p >> 8) & 255, p & 255)
        row += bytes(min(255, (c * 255 + a // 2) // a) for c in rgb) if a else b"\0\0\0"
        row.append(a)
    rows.append(bytes(row))

def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)

with open(sys.argv[2], "wb") as out:
    out.write(b"\x89PNG\r\n\x1a\n")
    out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)))
    out.write(chunk(b"IDAT", zlib.compress(b"".join(rows), 9)))
    out.write(chunk(b"IEND", b""))
EOF
}

# capture <output.png> <seconds to wait> <program>
capture() {
    local out=$1 wait_s=$2 program=$3 window=""
    "$program" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 200); do
        window=$(xdotool search --all --onlyvisible --pid "$pid" --name '^Q5 Control Panel$' 2>/dev/null | head -1 || true)
        [ -n "$window" ] && break
        sleep 0.05
    done
    [ -n "$window" ] || { echo "no panel window from $program" >&2; exit 1; }
    sleep "$wait_s"
    local dump
    dump=$(mktemp)
    xwd -silent -id "$window" >"$dump"
    mkdir -p "$(dirname "$out")"
    xwd_to_png "$dump" "$out"
    rm -f "$dump"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=""
    echo "screenshot: $out"
}

capture "$root/docs/panel-disconnected.png" 2 "$app"

# The demo plugs its device in a second after start; the veil then fades.
if [ -x "$demo" ]; then
    capture "$root/docs/panel-connected.png" 3 "$demo"
else
    echo "no demo at $demo: connected picture skipped" >&2
fi
