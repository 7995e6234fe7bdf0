#!/usr/bin/env bash
# Sets up, builds, makes the demo park and starts it in a window. Until the
# game's shell stands, this is the engine's scene of the demo park.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build"
cd "$root/build/park"
exec "$root/build/tools/enginescene/engine_scene" --frames "${HALVENOR_FRAMES:-3000}" "$@"
