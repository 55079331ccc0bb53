#!/usr/bin/env bash
# Renders the committed PNG icons from the SVG (needs rsvg-convert, Debian librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for size in 48 256; do
  rsvg-convert -w "$size" -h "$size" io.github.zelk.dci.svg -o "io.github.zelk.dci-$size.png"
done
