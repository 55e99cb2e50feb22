#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Compiles the configured Windows resource script with the MinGW resource
# compiler and reads the version block back from the compiled resource; its
# version must be the one the built program answers to --version.
# Usage: check-windows-rc.sh RC_FILE PRODUCT_NAME PROGRAM
set -euo pipefail
. "$(dirname "$0")/common.sh"
rc=$1 name=$2
version=$("$3" --version | sed -n 's/^movla //p')
[ -n "$version" ] || fail "$3 --version names no version"

# Debian ships windres without the MinGW compiler it calls by default; the
# script needs nothing beyond the host's C preprocessor.
x86_64-w64-mingw32-windres --preprocessor=cpp -O res "$rc" -o "$movla_tmp/movla.res"

# In the compiled block each key is followed by its value, both UTF-16LE.
strings -el "$movla_tmp/movla.res" >"$movla_tmp/strings"
expect_value() {
  awk -v key="$1" -v value="$2" 'found { exit ($0 == value ? 0 : 1) } $0 == key { found = 1 } END { if (!found) exit 1 }' \
    "$movla_tmp/strings" || fail "$1 is not '$2' in the compiled resource"
}
expect_value FileVersion "$version"
expect_value ProductVersion "$version"
expect_value ProductName "$name"
expect_value InternalName "$name"
grep -qx 040904B0 "$movla_tmp/strings" || fail "no string table for English (United States), Unicode"
# Translation holds two words: language 0x0409, code page 1200 (0x04B0).
LC_ALL=C grep -qaP 'T\x00r\x00a\x00n\x00s\x00l\x00a\x00t\x00i\x00o\x00n\x00\x00\x00(\x00\x00)?\x09\x04\xb0\x04' \
  "$movla_tmp/movla.res" || fail "no Translation 0x0409, 1200"
# windres reads its own output back as text: the icon must be there, and
# every resource tagged English (United States).
x86_64-w64-mingw32-windres -i "$movla_tmp/movla.res" -O rc >"$movla_tmp/decompiled.rc"
grep -q "Type: group icon" "$movla_tmp/decompiled.rc" || fail "the resource holds no icon"
if grep "^LANGUAGE" "$movla_tmp/decompiled.rc" | grep -vqx "LANGUAGE 9, 1"; then
  fail "some resource is not tagged English (United States)"
fi
echo "windres: version block holds $name $version, en-US"
