#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# The committed Windows icon must hold the current PNG renders: rebuilding it
# from resources/icons has to give the same bytes.
# Usage: check-ico.sh SOURCE_DIR
set -euo pipefail
. "$(dirname "$0")/common.sh"
src=$1
python3 "$src/packaging/windows/make-ico.py" "$movla_tmp/movla.ico"
cmp -s "$movla_tmp/movla.ico" "$src/packaging/windows/movla.ico" ||
  fail "packaging/windows/movla.ico is stale: run packaging/windows/make-ico.py"
echo "movla.ico matches resources/icons"
