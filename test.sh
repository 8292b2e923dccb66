#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup/install-deps.sh
tools/format/check_format.sh

build=build-asan
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELARION_SANITIZE=ON
cmake --build "$build" -j2
ctest --test-dir "$build" --output-on-failure -j2
