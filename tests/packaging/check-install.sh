#!/usr/bin/env bash
# The staged install tree: `cmake --install` of the build folder into a
# scratch root under /usr puts exactly the expected files in their places;
# the desktop file and the metainfo validate; the icons have their sizes;
# the installed programs run and find their help on disk.
# Usage: check-install.sh BUILD_DIR EXPECTED_FILE_LIST
set -euo pipefail
build=$1 expected=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

DESTDIR="$stage/root" cmake --install "$build" --prefix /usr >/dev/null
(cd "$stage/root" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort) >"$stage/found"
diff -u "$expected" "$stage/found"

share="$stage/root/usr/share"
desktop-file-validate "$share/applications/org.example.Tessamo.desktop"
appstreamcli validate --no-net "$share/metainfo/org.example.Tessamo.metainfo.xml" >/dev/null
for size in 16 24 32 48 64 128 256; do
  file "$share/icons/hicolor/${size}x${size}/apps/tessamo.png" | grep -q "PNG image data, $size x $size"
done
gzip -t "$share/man/man1/tessamo.1.gz" "$share/man/man1/tessamo-cli.1.gz"
test "$("$stage/root/usr/bin/tessamo" --version)" = "tessamo 2.1"
test "$("$stage/root/usr/bin/tessamo-cli" --version)" = "tessamo-cli 2.1"
grep -q "<title>Tessamo Help</title>" "$share/tessamo/help/index.html"
echo "install tree: $(wc -l <"$stage/found") files as expected"
