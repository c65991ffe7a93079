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
# The dictionary generator's own tests (standard library only, no network).
(cd "$root" && python3 -m unittest discover -s tools -p 'test_*.py' 2>&1 | tail -3)
cd "$build"
ctest --output-on-failure -j"$(nproc)"
