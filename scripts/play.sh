#!/usr/bin/env bash
# Sets up, builds, makes the demo park and starts the game in it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build"
cd "$root/build/park"
exec "$root/build/app/halvenor" "$@"
