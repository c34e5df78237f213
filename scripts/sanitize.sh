#!/usr/bin/env bash
# Builds the tests with the address and undefined-behaviour sanitizers into
# build-asan/ and runs them: a signed overflow, a memory fault or a leak ends
# the test that met it.
#
# Left out of this build: the benchmarks (timings, not tests) and the crash
# injection, whose programs are killed with SIGKILL at random moments — a
# killed process reports nothing to the sanitizers, and every command it
# drives runs under them in the CLI tests.
#
# -O1 -g1 instead of the release flags: line numbers in the reports, close to
# a third less compile time and objects under a third the size, which keeps
# the links of the window tests short.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
  -DTESSAMO_SANITIZE=ON -DTESSAMO_BUILD_BENCH=OFF -DTESSAMO_BUILD_CRASH_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build build-asan --parallel "$(nproc)"
cd build-asan
# A report shows the call stack; the first one ends the program.
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --output-on-failure --parallel "$(nproc)" --timeout 600
