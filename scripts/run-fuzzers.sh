#!/usr/bin/env bash
# Runs every libFuzzer target of a sanitizer build for a bounded time, starting from the seeds under
# fuzz/corpus/<target>/. Exits non-zero when a target crashes, leaks memory per input or times out.
#   scripts/run-fuzzers.sh <build-dir> [seconds per target, default 12]
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:?usage: run-fuzzers.sh <build-dir> [seconds]}
seconds=${2:-12}
targets=(report_parser_fuzz catalogue_reader_fuzz project_card_fuzz loudspeaker_library_fuzz price_list_fuzz)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
for target in "${targets[@]}"; do
    binary="$build/fuzz/$target"
    if [[ ! -x "$binary" ]]; then
        echo "run-fuzzers: $binary is missing (configure with -DORVIKA_FUZZ=ON and build it)" >&2
        status=1
        continue
    fi
    # New inputs go to a scratch corpus; the committed seeds stay as they are.
    mkdir -p "$work/$target" "$build/fuzz/artifacts"
    echo "== $target: ${seconds}s"
    if ! ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
        -print_final_stats=1 -artifact_prefix="$build/fuzz/artifacts/$target-" \
        "$work/$target" "fuzz/corpus/$target" >"$work/$target.log" 2>&1; then
        tail -n 60 "$work/$target.log"
        echo "run-fuzzers: $target failed; the input is under $build/fuzz/artifacts/" >&2
        status=1
    else
        grep -E '^(Done|stat::number_of_executed_units|#[0-9]+ +DONE)' "$work/$target.log" || true
    fi
done
exit $status
