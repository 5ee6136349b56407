#!/usr/bin/env bash
# Renders the program's SVG icon into the PNG sizes of the hicolor theme.
# Needs rsvg-convert (Debian package librsvg2-bin). The PNGs are committed.
set -euo pipefail
cd "$(dirname "$0")"
mkdir -p png
for size in 16 24 32 48 64 128 256 512; do
  rsvg-convert -w "$size" -h "$size" tumblewick.svg -o "png/${size}.png"
done
