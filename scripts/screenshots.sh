#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Takes the README's screenshots: starts Movla under Xvfb (no window
# manager), captures the calculator, opens About with Alt+A, captures it, and
# closes it again with Alt+D; then starts Movla on a dark desktop theme, GNOME's
# Adwaita dark through Qt's GTK 3 platform theme, and captures the calculator;
# and, where build/windows holds it, the Windows program under Wine.
#   scripts/screenshots.sh [path/to/movla]     (default: build/default/app/qt/movla)
# Needs xvfb, imagemagick, xdotool and the GTK 3 platform theme.
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/default/app/qt/movla}
. scripts/deps.sh
movla_ensure_packages xvfb imagemagick xdotool qt6-gtk-platformtheme gnome-themes-extra

# Again on a private X server at 96 dots per inch, started as the window
# tests start theirs (it picks a free display itself).
if [ -z "${MOVLA_IN_XVFB:-}" ]; then
  exec env MOVLA_IN_XVFB=1 tests/qt/with_xvfb.sh "$PWD/scripts/screenshots.sh" "$program"
fi

export QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_QPA_PLATFORMTHEME GTK_THEME
pid=
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true' EXIT

find_window() { timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }

# Writes the window to the PNG once it has finished painting: once two
# captures a tenth of a second apart are the same and not of one colour.
# Gives up after 10 seconds.
capture() {
  local window=$1 png=$2 before='' now
  for _ in $(seq 100); do
    now=$(import -window "$window" ppm:- | tee "$png.ppm" | md5sum)
    if [ "$now" = "$before" ] && [ "$(convert "$png.ppm" -format %k info:)" -gt 1 ]; then
      convert "$png.ppm" "$png"
      rm -f "$png.ppm"
      return
    fi
    before=$now
    sleep 0.1
  done
  rm -f "$png.ppm"
  echo "screenshots.sh: window $window did not settle within 10 s" >&2
  exit 1
}

# start [VARIABLE=value...]: runs Movla in that environment until stop.
start() {
  env "$@" "$program" &
  pid=$!
  calculator=$(find_window '^Movla - Cents to Hz Calculator$')
}
stop() {
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=
}

start
capture "$calculator" docs/calculator.png
xdotool windowfocus --sync "$calculator"
xdotool key --clearmodifiers alt+a
about=$(find_window '^About Movla$')
capture "$about" docs/about.png
xdotool key --clearmodifiers alt+d
stop

start QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
capture "$calculator" docs/calculator-dark.png
stop

# The Windows program under Wine, when the windows preset has built it, in
# that build's Wine prefix.
exe=build/windows/movla.exe
if [ -x "$exe" ] && [ -d build/windows/wine-prefix ]; then
  WINEPREFIX=$PWD/build/windows/wine-prefix WINEDEBUG=-all wine "$exe" &
  pid=$!
  calculator=$(find_window '^Movla - Cents to Hz Calculator$')
  capture "$calculator" docs/calculator-windows.png
  WINEPREFIX=$PWD/build/windows/wine-prefix wineserver -k
  wait "$pid" 2>/dev/null || true
  pid=
  echo "wrote docs/calculator-windows.png"
fi

echo "wrote docs/calculator.png, docs/about.png and docs/calculator-dark.png"
