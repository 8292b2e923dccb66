#!/usr/bin/env bash
# Builds an optimised Velarion and runs it: prints where the Sun, the Moon and the planets
# are now, then renders the current sky of the configured place to sky.png (or does what
# the given options say, e.g. ./run.sh --export north.png --location 78.2,15.6,1).
set -euo pipefail
cd "$(dirname "$0")"
tools/setup/install-deps.sh

build=build-release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j2
"$build/velnow"
if [ "$#" -eq 0 ]; then
  set -- --export sky.png
fi
"$build/velarion" "$@"
echo "Velarion: picture written as requested (${*})"
