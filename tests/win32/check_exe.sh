#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# movla.exe as a Windows user gets it, read without running it: a 64-bit
# GUI program that imports no DLL beyond Windows' own (libstdc++, libgcc and
# winpthread linked in), with its version block and its manifest.
#   check_exe.sh MOVLA_EXE PRODUCT_NAME VERSION
set -euo pipefail
exe=$1 name=$2 version=$3
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
headers=$(x86_64-w64-mingw32-objdump -p "$exe")
grep -qP '^Magic\t+020b\t\(PE32\+\)' <<<"$headers" || fail "not a 64-bit program"
grep -qP '^Subsystem\t+00000002\t\(Windows GUI\)' <<<"$headers" || fail "not a GUI program"
windows_own='^(kernel32|user32|gdi32|comctl32|ole32|msvcrt|advapi32|shell32|oleaut32)\.dll$'
dlls=$(awk '/DLL Name:/ { print tolower($3) }' <<<"$headers")
others=$(grep -vE "$windows_own" <<<"$dlls" || true)
[ -z "$others" ] || fail "needs DLLs Windows does not ship: $others"
# COM is for screen readers, loaded when the first one asks: not at every start.
! grep -qxE 'ole32\.dll|oleaut32\.dll|oleacc\.dll' <<<"$dlls" || fail "loads COM at start"

# Version strings are UTF-16 in the resource, each key followed by its value.
strings -el "$exe" >"${TMPDIR:-/tmp}/movla-exe-strings.$$"
trap 'rm -f "${TMPDIR:-/tmp}/movla-exe-strings.$$"' EXIT
for pair in "FileVersion=$version" "ProductVersion=$version" "ProductName=$name" "InternalName=$name"; do
  grep -A1 -xF "${pair%%=*}" "${TMPDIR:-/tmp}/movla-exe-strings.$$" | tail -1 | grep -qxF "${pair#*=}" ||
    fail "${pair%%=*} is not ${pair#*=}"
done
# The manifest is UTF-8 text in the file.
for needle in Microsoft.Windows.Common-Controls PerMonitorV2; do
  grep -qaF "$needle" "$exe" || fail "the manifest does not ask for $needle"
done
echo "movla.exe: 64-bit GUI, Windows' own DLLs only ($(tr '\n' ' ' <<<"$dlls")), $name $version, manifest"
