#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# The program started where no display can be opened must say so in one line
# and exit with status 1, not abort with a core dump (Qt's default), nor let
# the libraries under Qt add lines of their own.
#   no_display.sh PATH/TO/movla
set -euo pipefail
movla=$1
failures=0

expect_clean_exit() {
  local what=$1
  shift
  local err status=0
  err=$(mktemp)
  "$@" "$movla" 2>"$err" >/dev/null </dev/null || status=$?
  local lines
  lines=$(wc -l <"$err")
  if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ] || ! grep -q '^movla: cannot open a display' "$err"; then
    echo "FAIL $what: status $status, $lines line(s) on stderr:"
    sed 's/^/  /' "$err"
    failures=$((failures + 1))
  else
    echo "ok   $what: $(cat "$err")"
  fi
  rm -f "$err"
}

expect_clean_exit "no display variable" env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM

# A display number with no server behind it.
n=99
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
expect_clean_exit "DISPLAY=:$n with no server" env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=":$n"

# libwayland prints a line of its own when it has no XDG_RUNTIME_DIR to look
# for the socket in; the program's line must still be the only one.
expect_clean_exit "WAYLAND_DISPLAY with no XDG_RUNTIME_DIR" \
  env -u DISPLAY -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR WAYLAND_DISPLAY=movla-test-none
runtime=$(mktemp -d)
chmod 700 "$runtime"
expect_clean_exit "WAYLAND_DISPLAY with no compositor" \
  env -u DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=movla-test-none
rmdir "$runtime"

# A platform that starts but finds no screen; the framebuffer is one that
# does not exist, so that a machine with a real one is not painted on.
expect_clean_exit "linuxfb with no framebuffer" \
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=linuxfb:fb=/nonexistent

# When a later platform opens after a failed one, what was held back while
# trying goes out: the program hides nothing once it runs.
err=$(mktemp)
status=0
env -u DISPLAY -u XDG_RUNTIME_DIR WAYLAND_DISPLAY=movla-test-none QT_QPA_PLATFORM="wayland;offscreen" \
  timeout 3 "$movla" 2>"$err" >/dev/null </dev/null || status=$?
if [ "$status" -ne 124 ] || ! grep -q XDG_RUNTIME_DIR "$err"; then
  echo "FAIL falling back to offscreen: status $status, stderr:"
  sed 's/^/  /' "$err"
  failures=$((failures + 1))
else
  echo "ok   falling back to offscreen: started, the held lines passed on"
fi
rm -f "$err"

[ "$failures" -eq 0 ]
