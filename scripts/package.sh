#!/usr/bin/env bash
# Builds the Debian package build-package/tessamo_2.1_<arch>.deb: a release
# build installed under /usr, binaries stripped, library dependencies found
# by dpkg-shlibdeps. Install it with: sudo apt install ./build-package/tessamo_2.1_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DTESSAMO_BUILD_TESTS=OFF -DTESSAMO_BUILD_BENCH=OFF >/dev/null
cmake --build build-package --parallel "$(nproc)"
(cd build-package && cpack -G DEB)
ls -l build-package/tessamo_*.deb
