#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Runs a Windows program under Wine in the build tree's prefix, quietly, and
# passes its exit status on.
#   wine.sh PREFIX PROGRAM [ARGUMENT...]
set -euo pipefail
export WINEPREFIX=$(realpath -m "$1")
shift
# No debug channels; no Mono or Gecko download offer; no Linux menu entries
# or file associations written for what the installer adds.
export WINEDEBUG=-all WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
exec wine "$@"
