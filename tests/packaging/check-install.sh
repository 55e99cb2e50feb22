#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Installs a build tree into a scratch prefix and checks what a user gets:
# exactly the expected files, a valid desktop entry and metainfo, icons of
# the size their folder promises, and a program that starts.
# Usage: check-install.sh BUILD_TREE EXPECTED_FILE_LIST APP_ID
set -euo pipefail
. "$(dirname "$0")/common.sh"
tree=$1 expected=$2 app_id=$3

prefix=$movla_tmp/prefix
cmake --install "$tree" --prefix "$prefix" >/dev/null

expect_files "$prefix" <(LC_ALL=C sort "$expected")

# desktop-file-validate exits 0 on warnings and hints, so any output fails.
report=$(desktop-file-validate "$prefix/share/applications/$app_id.desktop" 2>&1) && [ -z "$report" ] ||
  fail "desktop-file-validate: $report"
appstreamcli validate --no-net --strict --pedantic --explain "$prefix/share/metainfo/$app_id.metainfo.xml" ||
  fail "appstreamcli rejects the metainfo"
grep -qx "Icon=$app_id" "$prefix/share/applications/$app_id.desktop" ||
  fail "the desktop entry does not name the installed icon"

for dir in "$prefix"/share/icons/hicolor/*x*/; do
  size=$(basename "$dir")
  png=$dir/apps/$app_id.png
  file -b "$png" | grep -q "^PNG image data, ${size/x/ x }," ||
    fail "$png is not a $size PNG: $(file -b "$png")"
done
file -b "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg" | grep -q "SVG" ||
  fail "the scalable icon is not an SVG"

expect_starts "$prefix/bin/movla"
echo "install into a scratch prefix: files, metadata, icons and start are right"
