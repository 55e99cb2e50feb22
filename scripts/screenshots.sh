#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Takes the README's screenshots: starts Movla under Xvfb (no window
# manager), captures the calculator, opens About with Alt+A, captures it, and
# closes it again with Alt+D; then starts Movla on a dark desktop theme, GNOME's
# Adwaita dark through Qt's GTK 3 platform theme, and captures the calculator.
#   scripts/screenshots.sh [path/to/movla]     (default: build/default/app/movla)
# Needs xvfb, xauth, imagemagick, xdotool and the GTK 3 platform theme.
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/default/app/movla}
. scripts/deps.sh
movla_ensure_packages xvfb xauth imagemagick xdotool qt6-gtk-platformtheme gnome-themes-extra

if [ -z "${MOVLA_IN_XVFB:-}" ]; then
  exec env MOVLA_IN_XVFB=1 xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$0" "$program"
fi

export QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_QPA_PLATFORMTHEME GTK_THEME
pid=
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true' EXIT

find_window() { timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }

# start [VARIABLE=value...]: runs Movla in that environment until stop.
start() {
  env "$@" "$program" &
  pid=$!
  calculator=$(find_window '^Movla - Cents to Hz Calculator$')
  sleep 1 # let the first paint finish
}
stop() {
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=
}

start
import -window "$calculator" docs/calculator.png
xdotool windowfocus --sync "$calculator"
xdotool key --clearmodifiers alt+a
about=$(find_window '^About Movla$')
sleep 1
import -window "$about" docs/about.png
xdotool key --clearmodifiers alt+d
stop

start QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
import -window "$calculator" docs/calculator-dark.png
stop

echo "wrote docs/calculator.png, docs/about.png and docs/calculator-dark.png"
