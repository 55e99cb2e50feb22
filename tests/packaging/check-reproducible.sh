#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Packs two build trees of the same sources in different folders, the release
# tree and the plain build of check-plain-build.sh, and requires the packages,
# and the debug packages, to be byte for byte the same: Debian's
# reproducible-builds standard. On a difference it names the archive members
# and files that differ.
# Usage: check-reproducible.sh FIRST_TREE SECOND_TREE
set -euo pipefail
. "$(dirname "$0")/common.sh"

side=0
for tree in "$@"; do
  side=$((side + 1))
  cpack -G DEB --config "$tree/CPackConfig.cmake" -B "$movla_tmp/$side" >"$movla_tmp/cpack.log" 2>&1 ||
    { cat "$movla_tmp/cpack.log" >&2; fail "cpack fails in $tree"; }
done

explain() {
  local name=$1 side
  for side in 1 2; do
    mkdir -p "$movla_tmp/x/$side"
    (cd "$movla_tmp/x/$side" && ar x "$movla_tmp/$side/$name" && for t in *.tar*; do
      tar -tvf "$t" >"$t.list" && mkdir "${t%%.*}" && tar -C "${t%%.*}" -xf "$t"
    done)
  done
  diff -r "$movla_tmp/x/1" "$movla_tmp/x/2" >&2 || true
}

compared=()
for package in "$movla_tmp"/1/*.deb "$movla_tmp"/1/*.ddeb; do
  name=$(basename "$package")
  [ -f "$movla_tmp/2/$name" ] || fail "the second tree made no $name"
  cmp -s "$package" "$movla_tmp/2/$name" || { explain "$name"; fail "$name differs between $1 and $2"; }
  compared+=("$name")
done
[ ${#compared[@]} -eq 2 ] || fail "expected a package and a debug package, compared: ${compared[*]}"
echo "the same in both trees: ${compared[*]}"
