#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build/release
if [ ! -x build/release/app/mizuhane ]; then
  echo "The game window is not built yet; the rules and their tests are."
  exit 0
fi
exec build/release/app/mizuhane
