#!/usr/bin/env bash
# Measures the program's start-up, from process start to its main window shown and painted,
# against a bare Qt Widgets application with one empty main window. Both run offscreen and end
# right after the first paint of their window. After a few warm-up starts each is started N times (default 40), alternating which
# goes first, and the medians of the wall-clock times and of the CPU times (user + system) are
# compared. With --instructions, both are also counted once under callgrind (slow).
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
cmake --build "$build" -j"$(nproc)" --target bare_window orvika_first_show >/dev/null
bare=$(cd "$build" && pwd)/bench/bare_window/bare_window
program=$(cd "$build" && pwd)/bench/bare_window/orvika_first_show

# The same environment for both: platform, runtime folder, fontconfig and locale settings are
# inherited unchanged, and neither is given arguments.
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
cd "$repo/data" # the program reads Base/ from its working directory

# Starts both alternately and prints the comparison; wall-clock time from just before the start to
# the end of the process, CPU time (user + system) as the kernel accounts it to the process.
python3 - "$bare" "$program" "$runs" "$warmups" <<'PY'
import os, statistics, subprocess, sys, time

bare, program, runs, warmups = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])

def start_once(exe):
    begin = time.perf_counter_ns()
    child = subprocess.Popen([exe], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    wall = (time.perf_counter_ns() - begin) / 1000
    child.returncode = os.waitstatus_to_exitcode(status)
    if child.returncode != 0:
        sys.exit(f"{exe} ended with {child.returncode}")
    return wall, (usage.ru_utime + usage.ru_stime) * 1e6

# Warm-up: both find the libraries, plugins and fonts in the page cache and fontconfig's cache.
for _ in range(warmups):
    start_once(bare)
    start_once(program)

times = {bare: ([], []), program: ([], [])}
for i in range(runs):
    # Alternate the order so neither always runs right after the other.
    for exe in ((bare, program) if i % 2 == 0 else (program, bare)):
        wall, cpu = start_once(exe)
        times[exe][0].append(wall)
        times[exe][1].append(cpu)

def summary(values):
    q = statistics.quantiles(values, n=4)
    return statistics.median(values), f"{q[0]:.0f}..{q[2]:.0f}"

print(f"runs: {runs} each after {warmups} warm-ups, offscreen, microseconds (median, interquartile range)")
print("               wall-clock                    CPU (user + system)")
medians = {}
for name, exe in (("bare window:", bare), ("program:", program)):
    (wm, wq), (cm, cq) = summary(times[exe][0]), summary(times[exe][1])
    medians[exe] = (wm, cm)
    print(f"{name:<13}{wm:8.0f}  ({wq:<15})  {cm:8.0f}  ({cq})")
print(f"ratio (medians): wall-clock {medians[program][0] / medians[bare][0]:.2f}, "
      f"CPU {medians[program][1] / medians[bare][1]:.2f} (goal: at most 1.20)")
PY

if $instructions; then
    count() {
        valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1" 2>&1 >/dev/null |
            awk '/Collected :/ {print $NF}'
    }
    bi=$(count "$bare") pi=$(count "$program")
    awk -v p="$pi" -v b="$bi" 'BEGIN {printf "instructions: bare window %.1fM, program %.1fM, ratio %.2f\n", b / 1e6, p / 1e6, p / b}'
fi
