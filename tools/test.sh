#!/usr/bin/env bash
# Installs what is missing, builds everything from scratch and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
# Independently written shogi libraries from the npm registry, which read back what the game
# writes and judge what its engine plays.
npm ci --prefix tests/npm --no-audit --no-fund --silent
rm -rf build/test
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/test
# The record file reader under libFuzzer with the address and undefined-behaviour sanitizers, for
# about a minute from the seed records; a crash or a sanitizer report fails the run. It has a
# build folder of its own, since the core is compiled there by clang with instrumentation.
rm -rf build/fuzz
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMIZUHANE_FUZZ=ON -DMIZUHANE_WITH_APP=OFF -DMIZUHANE_WITH_BENCH=OFF
cmake --build build/fuzz --target fuzz_record
mkdir -p build/fuzz/corpus
cp tests/fuzz/corpus/* build/fuzz/corpus/
if ! build/fuzz/tests/fuzz/fuzz_record -max_total_time=60 -max_len=8192 \
  -dict=tests/fuzz/record.dict -artifact_prefix=build/fuzz/ build/fuzz/corpus \
  >build/fuzz/fuzz.log 2>&1; then
  tail -n 60 build/fuzz/fuzz.log
  echo "The record reader's fuzzer failed; the input that did it is in build/fuzz/ (crash-*)."
  exit 1
fi
echo "Record reader fuzzed: $(grep -E '^Done [0-9]+ runs' build/fuzz/fuzz.log)"

# Every test suite built by clang with the address and undefined-behaviour sanitizers, in a
# build folder of its own; the first report of either fails its suite. Leaks inside system
# libraries that the game cannot free are listed, with the reason, in tools/sanitizers/.
rm -rf build/asan
CC=clang CXX=clang++ cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMIZUHANE_SANITIZE=ON -DMIZUHANE_WITH_BENCH=OFF
cmake --build build/asan
ASAN_OPTIONS=detect_stack_use_after_return=1:strict_init_order=1 \
  UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS="suppressions=$PWD/tools/sanitizers/lsan.supp:print_suppressions=0" \
  ctest --test-dir build/asan --output-on-failure

# Every test suite; its summary closes the output.
ctest --test-dir build/test --output-on-failure
