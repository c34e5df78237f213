#!/usr/bin/env bash
# Builds Tessamo with its tests and benchmarks, warnings as errors, and runs
# every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh -DTESSAMO_WERROR=ON
cd build
ctest --output-on-failure --parallel "$(nproc)" --timeout 300
