#!/usr/bin/env bash
# Builds an optimised Velarion and starts it.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup/install-deps.sh

build=build-release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j2
exec "$build/velnow" "$@"
