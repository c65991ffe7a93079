#!/usr/bin/env bash
# The tests: install what is missing, build with AddressSanitizer and UndefinedBehaviorSanitizer
# (warnings are errors), and run every test with ctest.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
build="$root/build-asan"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARV_SANITIZE=ON -DTARV_WERROR=ON \
      -DTARV_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
cd "$build"
ctest --output-on-failure -j"$(nproc)"
