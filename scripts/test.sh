#!/usr/bin/env bash
# Builds Tessamo with its tests and benchmarks, warnings as errors, and runs
# every test; then the tests again on an ASan+UBSan build (build-asan/) and
# each fuzz target for a short while (build-fuzz/, a minute in all).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh -DTESSAMO_WERROR=ON
(cd build && ctest --output-on-failure --parallel "$(nproc)" --timeout 300)
bash scripts/sanitize.sh
bash scripts/fuzz.sh 12
