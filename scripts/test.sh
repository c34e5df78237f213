#!/usr/bin/env bash
# Builds Tessamo with its tests and benchmarks and runs every test; then runs
# the tests again on a build with the address and undefined-behaviour
# sanitizers (build-asan/, without benchmarks and crash injection), and each
# fuzz target for a few seconds (scripts/fuzz.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
(cd build && ctest --output-on-failure --parallel "$(nproc)" --timeout 300)

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSAMO_SANITIZE=ON \
  -DTESSAMO_BUILD_BENCH=OFF -DTESSAMO_BUILD_CRASH_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build build-asan --parallel "$(nproc)"
(cd build-asan && ctest --output-on-failure --parallel "$(nproc)" --timeout 600)

bash scripts/fuzz.sh "${TESSAMO_FUZZ_SECONDS:-10}"
