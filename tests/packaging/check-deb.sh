#!/usr/bin/env bash
# The Debian package made by cpack from the build folder: its files are the
# install tree's under /usr, its binaries stripped, and its control fields
# name the package, version, architecture and the Qt and C++ libraries found
# by dpkg-shlibdeps.
# Usage: check-deb.sh BUILD_DIR EXPECTED_FILE_LIST
set -euo pipefail
build=$1 expected=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/tessamo_2.1_*.deb)
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | LC_ALL=C sort >"$out/files"
diff -u "$expected" "$out/files"

field() { dpkg-deb -f "$deb" "$1"; }
test "$(field Package)" = tessamo
test "$(field Version)" = 2.1
test "$(field Architecture)" = "$(dpkg --print-architecture)"
test "$(field Section)" = misc
# grep -q reads from a here-string, not a pipe: it stops at the first match,
# and a writer still writing would die of SIGPIPE and fail the pipeline.
grep -q "Tessamo developers" <<<"$(field Maintainer)"
grep -q "household cash-book" <<<"$(field Description)"
depends=$(field Depends | tr ',' '\n' | awk '{print $1}')
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6; do
  grep -qxF "$library" <<<"$depends" ||
    { echo "Depends lacks $library: $(field Depends)"; exit 1; }
done

dpkg-deb -x "$deb" "$out/root"
for program in tessamo tessamo-cli; do
  file "$out/root/usr/bin/$program" | grep -q ", stripped"
done
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes; Depends: $(field Depends)"
