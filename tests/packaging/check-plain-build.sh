#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Builds Movla as a distribution would: from a copy of the sources without
# .git (as from a release tarball), with the plain configure of the README
# and nothing found but Qt and the compiler (CMake is told that GoogleTest,
# Google Benchmark and X11 are not there). The built tree is left in COPY for
# check-reproducible.sh, laid out as the release tree is (build/release in
# the sources), so that the two compare.
# Usage: check-plain-build.sh SOURCE_DIR COPY
set -euo pipefail
. "$(dirname "$0")/common.sh"
src=$1 copy=$2

rm -rf "$copy"
mkdir -p "$copy"
tar -C "$src" --exclude=./build --exclude=./.git -cf - . | tar -C "$copy" -xf -
run() {
  local what=$1
  shift
  "$@" >"$movla_tmp/log" 2>&1 || { cat "$movla_tmp/log" >&2; fail "$what"; }
}
run "the plain configure fails" cmake -S "$copy" -B "$copy/build/release" \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_X11=ON
run "the plain build fails" cmake --build "$copy/build/release"
"$copy/build/release/app/qt/movla" --version
