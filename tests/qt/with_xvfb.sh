#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Runs a command on a private Xvfb display at 96 dots per inch. Xvfb picks a
# free display number itself (-displayfd), so that tests running at the same
# time in several build trees never race for one, as xvfb-run -a can.
#   with_xvfb.sh COMMAND [ARGUMENT...]
set -euo pipefail
dir=$(mktemp -d "${TMPDIR:-/tmp}/movla-xvfb.XXXXXX")
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$dir"' EXIT
for _ in $(seq 100); do
  [ -s "$dir/display" ] && break
  sleep 0.1
done
[ -s "$dir/display" ] || { cat "$dir/xvfb.log" >&2; echo "with_xvfb.sh: Xvfb did not start" >&2; exit 1; }
DISPLAY=:$(cat "$dir/display") "$@"
