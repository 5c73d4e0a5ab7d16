#!/usr/bin/env bash
# Installs what is missing, builds everything from scratch and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
rm -rf build/test
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/test
ctest --test-dir build/test --output-on-failure
