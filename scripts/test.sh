#!/usr/bin/env bash
# Builds and runs every test headless under ru_RU.UTF-8: a Release build (the tests of the files the program
# writes also under C.UTF-8), then an ASan+UBSan build with clang that also runs the fuzz targets for a
# bounded time. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
# The suite runs where our users are, on a Russian desktop: Qt hands its locale to the C library, whose
# printf and strtod then write and read a decimal comma.
export LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
# What writes files runs once more under C, whose notation differs: the documents, the pictures, the
# drawings and the command line.
printf 'build/tests/%s_tests --gtest_brief=1\n' documents pictures project_documents cad calculations cli |
    xargs -P "$jobs" -L 1 env LANG=C.UTF-8 LC_ALL=C.UTF-8

# Light optimisation and line tables only: the reports stay readable and the build stays quick.
CC=clang CXX=clang++ cmake -S . -B build-asan -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS="-O1 -gline-tables-only" \
    -DORVIKA_SANITIZE=ON -DORVIKA_FUZZ=ON -DORVIKA_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j"$jobs"

if [[ -x scripts/run-fuzzers.sh ]]; then
    ./scripts/run-fuzzers.sh build-asan
fi
echo "All tests passed."
