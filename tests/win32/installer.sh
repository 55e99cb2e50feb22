#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# The Windows downloads: the ZIP holds the program, its licence and README;
# the installer, run silently under Wine, installs movla.exe with a
# Start-menu entry and an entry in the list of installed programs (name,
# version, publisher); the installed program opens its window; the
# uninstaller takes all of it away again. Run through with_xvfb.sh, with
# MOVLA_WINE and MOVLA_WINE_PREFIX set.
#   installer.sh PACKAGE_DIR PROBE_EXE VERSION
set -euo pipefail
packages=$1 probe=$2 version=$3
wine() { "$MOVLA_WINE" "$MOVLA_WINE_PREFIX" "$@"; }
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
prefix=$(realpath -m "$MOVLA_WINE_PREFIX")
movla_pid=
cleanup() {
  [ -z "$movla_pid" ] || kill "$movla_pid" 2>/dev/null || true
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
}
trap cleanup EXIT

zip=$packages/movla-$version-windows-x64.zip
installer=$packages/movla-$version-windows-x64.exe
[ -f "$zip" ] || fail "no $zip"
[ -f "$installer" ] || fail "no $installer"
contents=$(unzip -Z1 "$zip" | sed 's|^[^/]*/||' | sort | tr '\n' ' ')
[ "$contents" = "LICENSE.txt README.txt movla.exe " ] || fail "the ZIP holds: $contents"

folder='C:\Program Files\Movla'
unix_folder=$prefix/drive_c/Program\ Files/Movla
shortcut=$prefix/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Movla/Movla.lnk
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Movla'

# reg_value NAME: the value of NAME in the uninstall entry, or nothing.
reg_value() {
  wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | awk -v name="$1" '$1 == name { sub(/^[\t ]*[^\t ]+[\t ]+REG_SZ[\t ]+/, ""); print }'
}

wine "$installer" /S || fail "the installer failed"
[ -f "$unix_folder/movla.exe" ] || fail "no movla.exe in $folder"
[ -f "$shortcut" ] || fail "no Start-menu entry"
for pair in "DisplayName=Movla" "DisplayVersion=$version" "Publisher=The Movla developers"; do
  [ "$(reg_value "${pair%%=*}")" = "${pair#*=}" ] || fail "${pair%%=*} is '$(reg_value "${pair%%=*}")', not '${pair#*=}'"
done

wine "$folder\\movla.exe" &
movla_pid=$!
wine "$probe" wait "Movla - Cents to Hz Calculator" || fail "the installed program opened no window"
wine "$probe" list "Movla - Cents to Hz Calculator" | grep -qP '^Edit\t466.16\t' || fail "the installed program computed nothing"
wine "$probe" close "Movla - Cents to Hz Calculator" || fail "the installed program did not close"
wait "$movla_pid" || fail "the installed program failed"
movla_pid=

# The uninstaller copies itself away and returns at once, to delete the
# folder it ran from: wait for it, with a deadline. (Its in-place mode, _?=,
# cannot take a folder with a blank through wine's command line.)
wine "$unix_folder/Uninstall.exe" /S || fail "the uninstaller failed"
for _ in $(seq 150); do
  [ -e "$unix_folder" ] || break
  sleep 0.2
done
[ ! -e "$unix_folder/movla.exe" ] || fail "movla.exe is still installed"
[ ! -e "$unix_folder" ] || fail "$folder is still there"
[ ! -e "$shortcut" ] || fail "the Start-menu entry is still there"
[ -z "$(reg_value DisplayName)" ] || fail "the uninstall entry is still there"
echo "installer: installed, started and uninstalled Movla $version"
