#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Makes the Wine prefix the Windows tests share, once: Wine's first start
# takes a minute or two, later runs find the prefix ready and reuse it.
#   make_prefix.sh PREFIX
set -euo pipefail
prefix=$1
here=$(dirname "$0")
if [ -f "$prefix/system.reg" ] && [ -f "$prefix/.movla-ready" ]; then
  echo "Wine prefix $prefix is ready"
  exit 0
fi
rm -rf "$prefix"
mkdir -p "$(dirname "$prefix")"
"$here/wine.sh" "$prefix" wineboot --init
# wineboot returns before the registry is written out: wait for the server.
WINEPREFIX=$prefix wineserver --wait
[ -f "$prefix/system.reg" ] || { echo "make_prefix.sh: Wine made no prefix in $prefix" >&2; exit 1; }
touch "$prefix/.movla-ready"
echo "Wine prefix $prefix made"
