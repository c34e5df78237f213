#!/usr/bin/env bash
# Renders the PNG sizes of the icon from tessamo.svg (needs rsvg-convert,
# Debian package librsvg2-bin). Run after changing the SVG; the PNGs are kept
# in the repository so that a build needs no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" tessamo.svg -o "tessamo-$size.png"
done
