#!/usr/bin/env bash
# The main job: install what is missing, build Release, and open a document for review.
# With a display, the window opens with the document (default: the bundled sample); without one,
# the command-line tool lists the words that need «ё» in it.
# Usage: scripts/run.sh [FILE]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build-release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARV_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build-release" --target tarv tarv-cli tarv_dictionaries >/dev/null
file="${1:-$root/data/samples/sample.txt}"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$root/build-release/bin/tarv" "$file"
fi
set +e
"$root/build-release/bin/tarv-cli" check "$file"
code=$?
set -e
# 1 means "occurrences found", which is the point of the run.
[ "$code" -le 1 ] || exit "$code"
