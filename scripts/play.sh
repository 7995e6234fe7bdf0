#!/usr/bin/env bash
# Sets up, builds, makes the demo park and starts the game on it in a window.
# HALVENOR_FRAMES=N ends it after N frames; other arguments go to the game
# (see build/app/halvenor --help).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build"
cd "$root/build/park"
frames=()
if [[ -n "${HALVENOR_FRAMES:-}" ]]; then frames=(--frames "$HALVENOR_FRAMES"); fi
exec "$root/build/app/halvenor" "${frames[@]}" "$@"
