#!/usr/bin/env bash
# Installs the Debian packages the project builds and tests with; quiet and quick when all are there.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config qt6-base-dev libpcre2-dev libsimpleini-dev libgtest-dev
          libbenchmark-dev xvfb xauth python3)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
