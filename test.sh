#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything and runs every test headless: the core tests
# once plainly and once under AddressSanitizer and UndefinedBehaviorSanitizer, then the window tests.
set -euo pipefail
cd "$(dirname "$0")"
./tools/ensure_packages.sh

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARNWICK_GUI=OFF -DTARNWICK_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs"

export QT_QPA_PLATFORM=offscreen
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

echo "== Core tests under AddressSanitizer and UndefinedBehaviorSanitizer"
ctest --test-dir build-asan --output-on-failure -j "$jobs"
echo "== Records reader under libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer"
mkdir -p build-fuzz
if ! ./fuzz/run.sh 200000 >build-fuzz/run.log 2>&1; then
    tail -n 60 build-fuzz/run.log
    exit 1
fi
grep -E '^Done [0-9]+ runs' build-fuzz/run.log
echo "== All tests"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== The monkey at the table: a minute of random clicks, keys, menus and closes under Xvfb, seed 1"
if ! bench/monkey/monkey.sh build 60 1 >build/monkey.log 2>&1; then
    tail -n 80 build/monkey.log
    exit 1
fi
grep '^monkey: no fault' build/monkey.log
