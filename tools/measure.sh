#!/usr/bin/env bash
# Measures the built programs as whole processes under a private X server
# with a window manager, five runs each: time from exec to the mapped window,
# resident memory after 3 s idle, CPU over 10 s idle, executable size. The
# bare JUCE window is the floor; the panel's figures are also given as ratios.
#   tools/measure.sh [build dir]
set -euo pipefail
build=${1:-build}
type=${TYPE:-RelWithDebInfo}
runs=${RUNS:-5}
if [ -z "${Q5_MEASURE_INNER:-}" ]; then
    Q5_MEASURE_INNER=1 exec "$(dirname "$0")/with-display.sh" "$0" "$@"
fi

bare="$build/q5_bare_window_artefacts/$type/Bare Window"
panel="$build/q5_control_panel_artefacts/$type/Q5 Control Panel"
demo="$build/q5_demo_artefacts/$type/Q5 Control Panel Demo"
tick=$(getconf CLK_TCK)

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# One run: prints "map_ms rss_kb cpu_percent".
measure() {
    local title=$1; shift
    local start end pid window="" t0 t1
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    pid=$!
    until [ -n "$window" ]; do
        window=$(xdotool search --onlyvisible --pid "$pid" --name "^$title\$" 2>/dev/null | head -1 || true)
    done
    end=$(date +%s%N)
    sleep 3
    local rss
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    t0=$(cpu_ticks "$pid")
    sleep 10
    t1=$(cpu_ticks "$pid")
    kill "$pid"; wait "$pid" 2>/dev/null || true
    echo "$(( (end - start) / 1000000 )) $rss $(awk -v d=$((t1 - t0)) -v hz="$tick" 'BEGIN {printf "%.2f", 100 * d / hz / 10}')"
}

declare -A results
for what in bare panel demo; do
    case $what in
        bare) title="Bare Window"; cmd=("$bare") ;;
        panel) title="Q5 Control Panel"; cmd=("$panel") ;;
        demo) title="Q5 Control Panel"; cmd=("$demo") ;;
    esac
    for _ in $(seq "$runs"); do
        results[$what]+="$(measure "$title" "${cmd[@]}")"$'\n'
    done
done

python3 - "$(dirname "$0")/../img_Source" "$bare" "$panel" <<PY
import glob, os, statistics, struct, subprocess, sys, tempfile
data = {}
for name, text in (("bare", """${results[bare]}"""), ("panel", """${results[panel]}"""), ("demo", """${results[demo]}""")):
    rows = [list(map(float, l.split())) for l in text.strip().splitlines()]
    data[name] = list(zip(*rows))
def fmt(v): return "%g / %g / %g" % (min(v), statistics.median(v), max(v))
print("| program | window mapped (ms) | resident after 3 s (MB) | idle CPU over 10 s (%) |")
print("|---|---|---|---|")
labels = {"bare": "bare JUCE window", "panel": "panel, disconnected", "demo": "panel, connected (demo)"}
for name in ("bare", "panel", "demo"):
    t, r, c = data[name]
    print("| %s | %s | %s | %s |" % (labels[name], fmt(t), fmt([x / 1024 for x in r]), fmt(c)))
    if name != "bare":
        bt, br, bc = data["bare"]
        print("| ratio to bare (median) | %.2f | %.2f | %+.2f points |" % (statistics.median(t) / statistics.median(bt),
              statistics.median(r) / statistics.median(br), statistics.median(c) - statistics.median(bc)))
print()
print("min / median / max of %d runs" % len(data["bare"][0]))
for path in sys.argv[2:]:
    with tempfile.NamedTemporaryFile() as stripped:
        subprocess.run(["strip", "-o", stripped.name, path], check=True)
        print("%s: %.1f MB executable, %.1f MB stripped" % (os.path.basename(path), os.path.getsize(path) / 1e6,
              os.path.getsize(stripped.name) / 1e6))
# Every embedded PNG is decoded once into 32-bit pixels and kept for the
# program's life.
decoded = 0
for png in glob.glob(os.path.join(sys.argv[1], "*.png")):
    with open(png, "rb") as f:
        width, height = struct.unpack(">II", f.read(24)[16:24])
    decoded += width * height * 4
print("decoded artwork: %.1f MB of the panel's resident memory" % (decoded / 2**20))
PY
