#!/usr/bin/env bash
# Builds the program in Release and makes its Debian package, build/orvika_<version>_amd64.deb,
# which `sudo apt install ./build/orvika_<version>_amd64.deb` installs.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh

build=${ORVIKA_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target orvika orvika_xlsx orvika_svg orvika_dxf orvika_print \
    orvika_package_documents
(cd "$build" && cpack -G DEB)
ls "$build"/orvika_*_amd64.deb
