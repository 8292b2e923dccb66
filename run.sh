#!/usr/bin/env bash
# Builds an optimised Velarion and runs it: prints where the Sun, the Moon and the planets
# are now, then opens the window on the sky of now, or, with no display, renders the
# current sky of the configured place to sky.png. Options are passed to the program, e.g.
#   ./run.sh --export north.png --location 78.2,15.6,1
set -euo pipefail
cd "$(dirname "$0")"
tools/setup/install-deps.sh

build=build-release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j2
"$build/velnow"
if [ "$#" -gt 0 ]; then
  exec "$build/velarion" "$@"
fi
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/velarion"
fi
"$build/velarion" --export sky.png
echo "No display: the sky of now is in sky.png"
