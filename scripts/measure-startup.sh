#!/usr/bin/env bash
# Measures the program's start-up, from process start to its main window shown and painted,
# against a bare Qt Widgets application with one empty main window. Two more programs show what
# goes into the difference: the bare window with one label of text (what drawing any text at all
# costs) and the empty window at the program's size (what filling that area costs). All run offscreen,
# report the moment their window has been painted for the first time and end. After a few warm-up
# starts each is started N times (default 40), in turns, and the medians of the wall-clock and CPU
# times to the first paint are compared. With --instructions, each is also counted once under
# callgrind (slow).
#
#   scripts/measure-startup.sh [runs] [--instructions]
#   ORVIKA_BUILD_DIR=build-x scripts/measure-startup.sh 60
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"
runs=40
instructions=false
for arg in "$@"; do
    case $arg in
    --instructions) instructions=true ;;
    *[!0-9]* | '')
        echo "usage: $0 [runs] [--instructions]" >&2
        exit 2
        ;;
    *) runs=$arg ;;
    esac
done
build=${ORVIKA_BUILD_DIR:-build}
warmups=3

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target bare_window label_window sized_window orvika_first_show >/dev/null
bench=$(cd "$build" && pwd)/bench/bare_window
bare=$bench/bare_window label=$bench/label_window sized=$bench/sized_window program=$bench/orvika_first_show

# The same environment for all: platform, runtime folder, fontconfig and locale settings are
# inherited unchanged, and none is given arguments.
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
cd "$repo/data" # the program reads Base/ from its working directory

# Starts them in turns and prints the comparison. Start-up ends when the window has been painted
# for the first time: wall-clock time from just before the start to that moment (both on
# CLOCK_MONOTONIC), CPU time (user + system) the process had used by then. The whole run, with the
# shutdown, is shown beside it.
python3 - "$bare" "$label" "$sized" "$program" "$runs" "$warmups" <<'PY'
import os, statistics, subprocess, sys, time

bare, label, sized, program = sys.argv[1:5]
runs, warmups = int(sys.argv[5]), int(sys.argv[6])
programs = (("bare window:", bare), ("one label:", label), ("at its size:", sized), ("program:", program))

def start_once(exe):
    begin = time.monotonic_ns()
    child = subprocess.Popen([exe], stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL, text=True)
    report = child.stdout.read().split()
    _, status, _ = os.wait4(child.pid, 0)
    whole = (time.monotonic_ns() - begin) / 1000
    if os.waitstatus_to_exitcode(status) != 0 or len(report) != 3 or report[0] != "first-paint":
        sys.exit(f"{exe} did not report its first paint")
    return (int(report[1]) - begin) / 1000, int(report[2]), whole

# Warm-up: all find the libraries, plugins and fonts in the page cache and fontconfig's cache.
for _ in range(warmups):
    for _, exe in programs:
        start_once(exe)

times = {exe: ([], [], []) for _, exe in programs}
for i in range(runs):
    # Rotate the order so none always runs right after the same other.
    for k in range(len(programs)):
        exe = programs[(i + k) % len(programs)][1]
        for series, value in zip(times[exe], start_once(exe)):
            series.append(value)

def summary(values):
    q = statistics.quantiles(values, n=4)
    return statistics.median(values), q[0], q[2]

print(f"runs: {runs} each after {warmups} warm-ups, offscreen, microseconds (median, interquartile range)")
print("             to the first paint: wall-clock    CPU (user + system)       whole run: wall-clock")
wall = {}
for name, exe in programs:
    (wm, w1, w3), (cm, c1, c3), (rm, r1, r3) = (summary(series) for series in times[exe])
    wall[exe] = (wm, w1)
    print(f"{name:<13}{wm:8.0f}  ({w1:6.0f}..{w3:<6.0f})  {cm:8.0f}  ({c1:6.0f}..{c3:<6.0f})  "
          f"{rm:8.0f}  ({r1:.0f}..{r3:.0f})")

# A shared machine runs some starts slower than others; the lower quartiles compare the fast ones.
def ratio(a, b):
    return f"{wall[a][0] / wall[b][0]:.2f} (lower quartiles: {wall[a][1] / wall[b][1]:.2f})"

print(f"wall-clock to the first paint, program against the bare window: {ratio(program, bare)}; goal: at most 2.0")
print(f"one label against the bare window: {ratio(label, bare)}; program against one label: {ratio(program, label)}")
print(f"the bare window at the program's size against the bare window: {ratio(sized, bare)}")
PY

if $instructions; then
    # Instructions up to the quit that follows the first paint: callgrind dumps its counts there.
    count() {
        local dir
        dir=$(mktemp -d)
        valgrind --tool=callgrind --dump-before='QCoreApplication::quit*' \
            --callgrind-out-file="$dir/out" "$1" >/dev/null 2>&1
        awk '/^totals:/ {print $2}' "$dir/out.1"
        rm -rf "$dir"
    }
    bi=$(count "$bare") li=$(count "$label") pi=$(count "$program")
    awk -v b="$bi" -v l="$li" -v p="$pi" 'BEGIN {
        printf "instructions to the first paint: bare window %.1fM, one label %.1fM, program %.1fM, ratio %.2f\n",
            b / 1e6, l / 1e6, p / 1e6, p / b }'
fi
