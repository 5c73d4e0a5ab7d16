#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it in its working folder run/, which
# holds the four sounds and the settings file Mizuhane.ini (written on first start).
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DMIZUHANE_WITH_BENCH=OFF
cmake --build build/release --target mizuhane
mkdir -p run
for wav in assets/*.wav; do
  cp -u "$wav" run/
done
cd run
exec ../build/release/app/mizuhane
