#!/usr/bin/env bash
# Runs every fuzz target in the given build folder for a few seconds each,
# starting from its seed corpus. Any crash fails the run.
# The mutations follow a fixed seed (HALVENOR_FUZZ_SEED, default 1) so that
# a run is repeatable: a red run can be replayed, and a green one does not
# turn red by luck. Longer campaigns with other seeds (0 picks one at
# random) are how new faults are found.
set -euo pipefail
build=$1
seconds=${2:-20}
seed=${HALVENOR_FUZZ_SEED:-1}
here=$(cd "$(dirname "$0")" && pwd)
shopt -s nullglob
count=0
for exe in "$build"/fuzz_*; do
  [ -x "$exe" ] || continue
  name=$(basename "$exe")
  work=$(mktemp -d)
  seeds=()
  [ -d "$here/corpus/$name" ] && seeds=("$here/corpus/$name")
  echo "== fuzzing $name for ${seconds}s"
  "$exe" -seed="$seed" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -artifact_prefix="$work.crash-" "$work" "${seeds[@]}" \
    >"$work.log" 2>&1 || { tail -n 60 "$work.log"; echo "fuzz target $name failed"; exit 1; }
  rm -rf "$work" "$work.log"
  count=$((count + 1))
done
echo "fuzzed $count targets"
