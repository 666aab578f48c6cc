#!/usr/bin/env bash
# Builds the program in Release and starts it in the user's data folder (--user-data:
# $XDG_DATA_HOME/orvika or ~/.local/share/orvika), which holds the catalogue and the block-diagram
# library (Base/, copied there from the build when missing) and receives the reports it writes.
# Without a display the program is started on a virtual one: a screenshot of the main window is
# saved in that folder, its path printed, and the program ended.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"
./scripts/install-deps.sh

build=${ORVIKA_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target orvika orvika_xlsx orvika_svg orvika_dxf orvika_print
program=$(cd "$build" && pwd)/src/orvika

workdir=${XDG_DATA_HOME:-$HOME/.local/share}/orvika

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
    exec "$program" --user-data
fi

screenshot="$workdir/orvika-screenshot.png"
echo "No display: starting the program on a virtual one to take a screenshot."
# Runs on the virtual display: start, wait for the main window, photograph it, end the program.
photograph() {
    local program=$1 screenshot=$2
    "$program" --user-data &
    local pid=$! window=""
    for _ in $(seq 1 100); do
        window=$(xwininfo -root -tree 2>/dev/null | grep -F 'на базе оборудования ORVIKA"' | grep -oE '^ *0x[0-9a-f]+' | head -n1 | tr -d ' ' || true)
        [[ -n "$window" ]] && break
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid" || true
            echo "The program ended before its window was shown." >&2
            return 1
        fi
        sleep 0.1
    done
    if [[ -z "$window" ]]; then
        kill "$pid"
        echo "The main window did not appear." >&2
        return 1
    fi
    sleep 1 # let the first paint finish
    local status=0
    import -window "$window" "$screenshot" || status=$?
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    return "$status"
}
# xvfb-run goes through sh, which does not pass exported functions on: hand over the definition.
xvfb-run -a -s "-screen 0 1280x1024x24" \
    bash -c "$(declare -f photograph)"'; photograph "$0" "$1"' "$program" "$screenshot"
echo "Screenshot: $screenshot"
