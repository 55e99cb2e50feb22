#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# The command line is answered without a display: --help and --version on
# standard output with status 0, or, where that cannot be written, one line
# on standard error with status 1; a mistake in one line on standard error
# with status 2 (never 1, the status of a display that could not be opened,
# so no window was tried). Qt's own options reach QApplication: with
# -platform offscreen the program starts and runs until stopped, and with a
# platform that finds no screen it says so in one line with status 1.
#   command_line.sh PATH/TO/movla VERSION
set -euo pipefail
movla=$1 version=$2
failures=0
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

# The whole text of a file, trailing newlines included.
contents() { cat "$1" && echo x; }

# status | arguments | standard output | standard error | where standard
# output goes if not to a file, each output as an extended regular
# expression over its whole text, \n for a newline.
while IFS='|' read -r status args want_out want_err to; do
  [ -z "$status" ] && continue
  : >"$out"
  # shellcheck disable=SC2086 # the arguments are split on purpose
  got=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    timeout 3 "$movla" $args >"${to:-$out}" 2>"$err" </dev/null || got=$?
  printf -v want_out '^%bx$' "$want_out"
  printf -v want_err '^%bx$' "$want_err"
  if [ "$got" -ne "$status" ] ||
    ! [[ $(contents "$out") =~ $want_out ]] || ! [[ $(contents "$err") =~ $want_err ]]; then
    echo "FAIL movla $args${to:+ >$to}: status $got (expected $status)"
    sed 's/^/  stdout: /' "$out"
    sed 's/^/  stderr: /' "$err"
    failures=$((failures + 1))
  else
    echo "ok   movla $args${to:+ >$to}: status $got"
  fi
done <<EOF_CASES
0|--help|Usage: [^\n]*movla \[options\]\n[^\n]+\n\nOptions:\n.*--version.*|
0|-h|Usage: [^\n]*movla \[options\]\n.*|
0|--version|movla ${version//./\\.}\n|
0|-v|movla ${version//./\\.}\n|
0|-style fusion --version|movla ${version//./\\.}\n|
1|--help||movla: write error: [^\n]+\n|/dev/full
1|--version||movla: write error: [^\n]+\n|/dev/full
2|--frobnicate||movla: Unknown option '--frobnicate'\. Try 'movla --help'[^\n]*\n
2|-x -platform offscreen||movla: Unknown option '-x'\.[^\n]*--help[^\n]*\n
2|--version=2||movla: [^\n]*'--version'[^\n]*--help[^\n]*\n
2|-platform||movla: [^\n]*'-platform'[^\n]*--help[^\n]*\n
2|notes.txt||movla: [^\n]*'notes\.txt'[^\n]*--help[^\n]*\n
124|-platform offscreen -style fusion -reverse|.*|.*
1|-platform linuxfb:fb=/nonexistent||movla: cannot open a display: [^\n]*no screen\n
EOF_CASES

[ "$failures" -eq 0 ]
