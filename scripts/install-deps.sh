#!/usr/bin/env bash
# Installs the Debian 12 packages Tessamo builds and tests with; does nothing
# when they are all present. Runs apt-get as root, or through sudo otherwise.
set -euo pipefail

# clang and libclang-rt-dev: the libFuzzer targets (scripts/fuzz.sh).
# libcsv-dev: reading bank statements (CSV).
# libgmp-dev and pkgconf (pkg-config): exact fractions for the calculator.
packages=(g++ make cmake ninja-build qt6-base-dev libqt6opengl6-dev qt6-charts-dev
          libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev xvfb xauth poppler-utils
          fonts-dejavu-core fonts-liberation
          help2man desktop-file-utils appstream dpkg-dev file
          clang libclang-rt-dev
          libcsv-dev pkgconf libgmp-dev)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then as_root=(sudo); fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
