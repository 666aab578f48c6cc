#!/usr/bin/env bash
# Measures `orvika --recheck` on a folder of one saved report against a folder of 1,000 (copies of
# the reports the tests keep), in the working directory of the bundled catalogue: the median
# wall-clock time of N runs each (default 10, in turns) and the largest resident memory of a run.
#
#   scripts/measure-recheck.sh [runs]
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"
runs=${1:-10}
build=${ORVIKA_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target orvika >/dev/null
program=$(cd "$build" && pwd)/src/orvika

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r data/Base "$work/"
mkdir "$work/one" "$work/thousand"
reports=(tests/ui/fixtures/reports/*.dat)
cp tests/ui/fixtures/reports/every_option.dat "$work/one/"
for ((n = 0; n < 1000; ++n)); do
    cp "${reports[n % ${#reports[@]}]}" "$(printf '%s/thousand/%04d.dat' "$work" "$n")"
done
cd "$work"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work}

python3 - "$program" "$runs" <<'PY'
import os, statistics, subprocess, sys, time
program, runs = sys.argv[1], int(sys.argv[2])
times = {"one": [], "thousand": []}
memory = {"one": 0, "thousand": 0}
for _ in range(runs):
    for folder in times:
        begin = time.monotonic()
        child = subprocess.Popen([program, "--recheck", folder], stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL)
        _, status, usage = os.wait4(child.pid, 0)
        times[folder].append(time.monotonic() - begin)
        memory[folder] = max(memory[folder], usage.ru_maxrss)
for folder in times:
    print(f"{folder:>9}: {statistics.median(times[folder]) * 1000:6.1f} ms (median of {runs}), "
          f"largest resident memory {memory[folder] / 1024:.1f} MiB")
ratio = statistics.median(times["thousand"]) / statistics.median(times["one"])
print(f"1,000 files against one: {ratio:.2f} (goal: at most 2)")
PY
