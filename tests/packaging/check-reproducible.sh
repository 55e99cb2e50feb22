#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Builds the release package a second time, from a copy of the sources
# (without .git, as from a tarball) in another folder, and requires both
# packages, and both debug packages, to be byte for byte those of the first
# release tree: Debian's reproducible-builds standard.
# Usage: check-reproducible.sh SOURCE_DIR RELEASE_TREE
. "$(dirname "$0")/common.sh"
src=$1 tree=$2

# The copy gets fresh file times and another path; its build folder lies in
# it as the first one lies in the sources, made by the same preset.
copy=$movla_tmp/movla-source
mkdir "$copy"
tar -C "$src" --exclude=./build --exclude=./.git -cf - . | tar -C "$copy" -xf -
run() {
  local what=$1
  shift
  "$@" >"$movla_tmp/log" 2>&1 || { cat "$movla_tmp/log" >&2; fail "$what"; }
}
(cd "$copy" && run "the copy does not configure" cmake --preset release)
(cd "$copy" && run "the copy does not build" cmake --build --preset release --target movla)

run "cpack fails in $tree" cpack -G DEB --config "$tree/CPackConfig.cmake" -B "$movla_tmp/first"
run "cpack fails in the copy" cpack -G DEB --config "$copy/build/release/CPackConfig.cmake" \
  -B "$movla_tmp/second"

# Names the archive members and the files in them that differ, so that a
# failure says where to look.
explain() {
  local name=$1 side
  for side in first second; do
    mkdir -p "$movla_tmp/x/$side"
    (cd "$movla_tmp/x/$side" && ar x "$movla_tmp/$side/$name" &&
      for t in *.tar*; do tar -tvf "$t" >"$t.list" && mkdir "${t%%.*}" && tar -C "${t%%.*}" -xf "$t"; done)
  done
  diff -r "$movla_tmp/x/first" "$movla_tmp/x/second" >&2 || true
}

compared=0
for package in "$movla_tmp"/first/*.deb "$movla_tmp"/first/*.ddeb; do
  name=$(basename "$package")
  [ -f "$movla_tmp/second/$name" ] || fail "the second build made no $name"
  cmp -s "$package" "$movla_tmp/second/$name" || { explain "$name"; fail "$name differs between the builds"; }
  compared=$((compared + 1))
done
[ "$compared" -eq 2 ] || fail "expected a package and a debug package, compared $compared"
echo "reproducible: $(cd "$movla_tmp/first" && ls -- *.deb *.ddeb | tr '\n' ' ')"
