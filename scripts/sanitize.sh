#!/usr/bin/env bash
# Builds the tests with the address and undefined-behaviour sanitizers into
# build-asan/ (no benchmarks, no crash injection) and runs them: a signed
# overflow or a memory fault ends the test that met it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSAMO_SANITIZE=ON \
  -DTESSAMO_BUILD_BENCH=OFF -DTESSAMO_BUILD_CRASH_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build build-asan --parallel "$(nproc)"
cd build-asan
ctest --output-on-failure --parallel "$(nproc)" --timeout 600
