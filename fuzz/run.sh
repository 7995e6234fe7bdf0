#!/usr/bin/env bash
# Runs every fuzz target in the given build folder for a few seconds each,
# starting from its seed corpus. Any crash fails the run.
# The mutations follow a fixed seed (HALVENOR_FUZZ_SEED, default 1) so that
# a run is repeatable: a red run can be replayed, and a green one does not
# turn red by luck. Longer campaigns with other seeds (0 picks one at
# random) are how new faults are found.
# The targets run side by side, one per core (HALVENOR_FUZZ_JOBS overrides),
# since each is a single process bound by its own time.
set -euo pipefail
build=$1
seconds=${2:-20}
seed=${HALVENOR_FUZZ_SEED:-1}
jobs=${HALVENOR_FUZZ_JOBS:-$(nproc)}
here=$(cd "$(dirname "$0")" && pwd)

fuzz_one() {  # executable
  local exe=$1 name work
  name=$(basename "$exe")
  work=$(mktemp -d)
  local seeds=()
  [ -d "$here/corpus/$name" ] && seeds=("$here/corpus/$name")
  if "$exe" -seed="$seed" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
      -artifact_prefix="$work.crash-" "$work" "${seeds[@]}" >"$work.log" 2>&1; then
    echo "== fuzzed $name for ${seconds}s"
    rm -rf "$work" "$work.log"
  else
    echo "== fuzz target $name failed; its artefacts are under $work.crash-*"
    tail -n 60 "$work.log"
    return 1
  fi
}
export -f fuzz_one
export here seconds seed

targets=()
for exe in "$build"/fuzz_*; do
  [ -x "$exe" ] && targets+=("$exe")
done
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz targets in $build"; exit 1; }
printf '%s\0' "${targets[@]}" | xargs -0 -P "$jobs" -n 1 bash -c 'fuzz_one "$1"' _ ||
  { echo "fuzzing failed"; exit 1; }
echo "fuzzed ${#targets[@]} targets"
