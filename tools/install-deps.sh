#!/usr/bin/env bash
# Installs the Debian packages Mizuhane needs to build, run and test, skipping those present.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang pkg-config
  qt6-base-dev libgl-dev
  libsdl2-dev libsdl2-mixer-dev
  fonts-ipafont-mincho
  xvfb libx11-dev libxtst-dev
  libgtest-dev libgmock-dev libbenchmark-dev libclang-rt-14-dev
  nodejs
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# Debian's nodejs comes without npm; some machines' nodejs packages carry their own.
command -v npm >/dev/null || missing+=(npm)
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
