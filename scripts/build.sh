#!/usr/bin/env bash
# Installs what is missing and builds everything into build/ (Ninja, release
# with debug information). Arguments go to CMake (scripts/test.sh passes
# -DTESSAMO_WERROR=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
cmake --build build --parallel "$(nproc)"
