#!/usr/bin/env bash
# Takes the README's screenshots of both windows: starts Movla under Xvfb
# (no window manager), captures the calculator, opens About with Alt+A,
# captures it, and closes it again with Alt+D.
#   scripts/screenshots.sh [path/to/movla]     (default: build/default/app/movla)
# Needs xvfb, xauth, imagemagick and xdotool.
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/default/app/movla}
. scripts/deps.sh
movla_ensure_packages xvfb xauth imagemagick xdotool

if [ -z "${MOVLA_IN_XVFB:-}" ]; then
  exec env MOVLA_IN_XVFB=1 xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$0" "$program"
fi

export QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

find_window() { timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }

calculator=$(find_window '^Movla - Cents to Hz Calculator$')
sleep 1 # let the first paint finish
import -window "$calculator" docs/calculator.png

xdotool windowfocus --sync "$calculator"
xdotool key --clearmodifiers alt+a
about=$(find_window '^About Movla$')
sleep 1
import -window "$about" docs/about.png
xdotool key --clearmodifiers alt+d

echo "wrote docs/calculator.png and docs/about.png"
