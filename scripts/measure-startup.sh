#!/usr/bin/env bash
# Measures the program's start-up, from process start to its main window shown, against a bare
# Qt Widgets application with one empty main window. Both run offscreen and end right after the
# first show; each is started N times (default 20), alternating, and the medians are compared.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"
runs=${1:-20}
build=${ORVIKA_BUILD_DIR:-build}

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target bare_window orvika_first_show >/dev/null
bare=$(cd "$build" && pwd)/bench/bare_window/bare_window
program=$(cd "$build" && pwd)/bench/bare_window/orvika_first_show

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
cd "$repo/data" # the program reads Base/ from its working directory

# Milliseconds one start takes, to the end of the process.
elapsed_ms() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
}

# One start of each first, so both find the libraries and fonts in the page cache.
elapsed_ms "$bare" >/dev/null
elapsed_ms "$program" >/dev/null

bare_times=()
program_times=()
for ((i = 0; i < runs; ++i)); do
    bare_times+=("$(elapsed_ms "$bare")")
    program_times+=("$(elapsed_ms "$program")")
done

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print (NR % 2 ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2)}'; }
mean() { printf '%s\n' "$@" | awk '{s+=$1} END {printf "%.0f", s/NR}'; }

bare_median=$(median "${bare_times[@]}")
program_median=$(median "${program_times[@]}")
printf 'runs: %d each, offscreen, times in microseconds\n' "$runs"
printf 'bare window:  median %8.0f  mean %8s\n' "$bare_median" "$(mean "${bare_times[@]}")"
printf 'program:      median %8.0f  mean %8s\n' "$program_median" "$(mean "${program_times[@]}")"
awk -v p="$program_median" -v b="$bare_median" 'BEGIN {printf "ratio (median): %.2f (goal: at most 1.20)\n", p / b}'
