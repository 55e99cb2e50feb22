#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# The manual page passes groff's warnings and man's, and documents every
# option the program's --help lists.
# Usage: check-man.sh PAGE PROGRAM
set -euo pipefail
. "$(dirname "$0")/common.sh"
page=$1 program=$2

report=$(groff -ww -man -z "$page" 2>&1) && [ -z "$report" ] || fail "groff -ww: $report"
rendered=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>"$movla_tmp/man.err") ||
  fail "man -l cannot render $page"
[ ! -s "$movla_tmp/man.err" ] || fail "man --warnings: $(cat "$movla_tmp/man.err")"

options=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u)
[ -n "$options" ] || fail "$program --help lists no options"
for option in $options; do
  grep -q -- "$option" <<<"$rendered" || fail "the page does not document $option"
done
echo "manual page: clean under groff -ww and man --warnings; documents" $options
