#!/usr/bin/env bash
# Measures the command line against a bare QCoreApplication that starts and ends, in one run, in the
# working directory of the bundled catalogue: the export of one report as CSV and as PDF, the
# re-check of a folder of one report and of a folder of 1,000 (copies of the reports the tests
# keep). Median wall-clock time of N runs each (default 10, taken in turns) and the largest
# resident memory of a run.
#
#   scripts/measure-headless.sh [runs]
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"
runs=${1:-10}
build=${ORVIKA_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target orvika orvika_xlsx orvika_svg orvika_dxf orvika_print bare_core >/dev/null
program=$(cd "$build" && pwd)/src/orvika
bare=$(cd "$build" && pwd)/bench/bare_core/bare_core

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
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work}

/usr/bin/python3 - "$program" "$bare" "$runs" <<'PY'
import os, statistics, subprocess, sys, time
program, bare, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
commands = {
    "bare QCoreApplication": [bare],
    "--export csv, one report": [program, "--export", "csv", "--output", "out.csv", "one/every_option.dat"],
    "--export xlsx, one report": [program, "--export", "xlsx", "--output", "out.xlsx", "one/every_option.dat"],
    "--export pdf, one report": [program, "--export", "pdf", "--output", "out.pdf", "one/every_option.dat"],
    "--recheck, one report": [program, "--recheck", "one"],
    "--recheck, 1,000 reports": [program, "--recheck", "thousand"],
}
times = {name: [] for name in commands}
memory = {name: 0 for name in commands}
for _ in range(runs):
    for name, command in commands.items():
        begin = time.monotonic()
        child = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        _, status, usage = os.wait4(child.pid, 0)
        times[name].append(time.monotonic() - begin)
        memory[name] = max(memory[name], usage.ru_maxrss)
        if os.waitstatus_to_exitcode(status) not in (0, 1):
            sys.exit(f"{name}: exit status {os.waitstatus_to_exitcode(status)}")
base = statistics.median(times["bare QCoreApplication"])
for name in commands:
    median = statistics.median(times[name])
    print(f"{name:>26}: {median * 1000:7.1f} ms ({median / base:5.2f}x the bare application; "
          f"median of {runs}), largest resident memory {memory[name] / 1024:.1f} MiB")
ratio = statistics.median(times["--recheck, 1,000 reports"]) / statistics.median(times["--recheck, one report"])
print(f"1,000 reports against one: {ratio:.2f}")
PY
