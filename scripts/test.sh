#!/usr/bin/env bash
# Sets up, builds and runs every test: the plain build (warnings as errors),
# the AddressSanitizer/UndefinedBehaviorSanitizer build, the threaded tests
# under ThreadSanitizer, and a short run of every libFuzzer target.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
fuzz_seconds=${HALVENOR_FUZZ_SECONDS:-20}
"$root/scripts/setup.sh"

# Windowed tests need a display; start a virtual one when there is none.
if [ -z "${DISPLAY:-}" ]; then
  display=97
  Xvfb :$display -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
  export DISPLAY=:$display
  # The windowed tests skip when no window opens; a display that never came
  # up must fail the run instead of turning those tests into silent skips.
  for _ in $(seq 50); do
    [ -S /tmp/.X11-unix/X$display ] && break
    kill -0 $xvfb_pid 2>/dev/null || break
    sleep 0.2
  done
  [ -S /tmp/.X11-unix/X$display ] || { echo "the virtual display did not start"; exit 1; }
fi

run_suite() {  # name, build dir, extra cmake args...
  local name=$1 dir=$2
  shift 2
  echo "== $name build"
  cmake -S "$root" -B "$dir" -G Ninja -DHALVENOR_WERROR=ON "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  echo "== $name tests"
  (cd "$dir" && ctest --output-on-failure -j "$jobs" --timeout 600)
}

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_suite "sanitizer" "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DHALVENOR_SANITIZE=ON

# The threaded tests under ThreadSanitizer: only the suites that have them,
# and in them only the tests whose names say they run threads.
threaded_suites="platform engine gui app"
threaded_tests='*Thread*:*Concurrent*:*WhileFramesRun*:*WhileALoader*'
echo "== thread sanitizer build"
cmake -S "$root" -B "$root/build-tsan" -G Ninja -DHALVENOR_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DHALVENOR_TSAN=ON >/dev/null
cmake --build "$root/build-tsan" -j "$jobs" --target $(for s in $threaded_suites; do printf '%s_tests ' "$s"; done)
echo "== thread sanitizer tests"
for suite in $threaded_suites; do
  (cd "$root/build-tsan/tests/$suite" && HALVENOR_HEADLESS=1 TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
    "./${suite}_tests" --gtest_filter="$threaded_tests" --gtest_brief=1)
done
run_suite "plain" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo

echo "== fuzz build"
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-fuzz" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHALVENOR_FUZZ=ON >/dev/null
cmake --build "$root/build-fuzz" -j "$jobs" --target fuzzers
"$root/fuzz/run.sh" "$root/build-fuzz/fuzz/bin" "$fuzz_seconds"
