#!/usr/bin/env bash
# Renders the toolbar icons from their SVGs at 24 and 48 pixels (needs
# rsvg-convert, Debian package librsvg2-bin). Run after changing an SVG; the
# PNGs are kept in the repository so that a build needs no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")"
for svg in *.svg; do
  name=${svg%.svg}
  rsvg-convert -w 24 -h 24 "$svg" -o "$name-24.png"
  rsvg-convert -w 48 -h 48 "$svg" -o "$name-48.png"
done
