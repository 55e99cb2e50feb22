#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Renders the program icon from resources/movla.svg into the PNGs that are
# committed, one for each size in resources/icons/sizes.txt. Run after
# editing the SVG.
set -euo pipefail
cd "$(dirname "$0")/.."
mkdir -p resources/icons
sizes=$(grep -Ex '[0-9]+' resources/icons/sizes.txt)
for size in $sizes; do
  rsvg-convert --width "$size" --height "$size" resources/movla.svg \
    --output "resources/icons/movla-$size.png"
done

# The two decorative strips that frame the About window's credits: a gradient
# from the calculator's navy to the About window's lavender, crossed by faint
# staves, and a narrower, paler one for the right-hand edge.
staves() {
  local width=$1 colour=$2 top
  printf -- '-stroke\n%s\n' "$colour"
  for top in 30 100 170 240; do
    for line in 0 1 2 3 4; do
      printf -- '-draw\nline 0,%d %d,%d\n' $((top + line * 6)) "$width" $((top + line * 6))
    done
  done
}
mapfile -t left < <(staves 35 '#a0a0e0')
convert -size 36x280 gradient:'#000080'-'#c0c0ff' "${left[@]}" \
  -fill '#ffffffa0' -stroke none -draw 'ellipse 24,60 4,3 0,360' -draw 'line 27,60 27,36' \
  -quality 92 resources/about-left.jpg
mapfile -t right < <(staves 26 '#9090d0')
convert -size 27x280 gradient:'#c0c0ff'-'#ffffff' -strokewidth 1 "${right[@]}" \
  -quality 92 resources/about-right.jpg

# The Windows icon is packed from the same PNGs.
python3 packaging/windows/make-ico.py
