#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Builds the Debian package from a build tree and checks its control fields
# and contents, that lintian finds no error or warning in it or in its debug
# package, then starts the program unpacked from it. The version the package
# and its changelog must carry is the one its program answers to --version.
# Usage: check-deb.sh BUILD_TREE EXPECTED_FILE_LIST
set -euo pipefail
. "$(dirname "$0")/common.sh"
tree=$1 expected=$2

cpack -G DEB --config "$tree/CPackConfig.cmake" -B "$movla_tmp/out" >"$movla_tmp/cpack.log" 2>&1 ||
  { cat "$movla_tmp/cpack.log" >&2; fail "cpack could not build the package"; }
debs=("$movla_tmp"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made ${#debs[@]} packages: ${debs[*]}"
deb=${debs[0]}

root=$movla_tmp/root
dpkg-deb -x "$deb" "$root"
version=$("$root/usr/bin/movla" --version | sed -n 's/^movla //p')
[ -n "$version" ] || fail "the packaged program names no version"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = movla ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', expected $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is '$(field Architecture)'"
[ -n "$(field Section)" ] && [ -n "$(field Description)" ] || fail "Section or Description is empty"
[ "$(field Recommends)" = qt6-wayland ] || fail "Recommends is '$(field Recommends)', not qt6-wayland"
depends=$(field Depends)
for pkg in fonts-liberation libqt6widgets6 libqt6core6 libc6; do
  # Whole package names only: libqt6widgets6 must not match a longer name.
  grep -qE "(^|, )$pkg( |,|$)" <<<"$depends" || fail "Depends lacks $pkg: $depends"
done

expect_files "$root/usr" <(LC_ALL=C sort "$expected")
expect_starts "$root/usr/bin/movla"

# The changelog's first entry is this version: a new version needs an entry.
changelog_version=$(zcat "$root/usr/share/doc/movla/changelog.gz" | dpkg-parsechangelog -l - -S Version)
[ "$changelog_version" = "$version" ] || fail "the changelog's first entry is $changelog_version, not $version"

# The debug package holds the debug information of this very binary, where
# debuggers look for it: by its build id.
ddeb=$movla_tmp/out/movla-dbgsym_${version}_$(field Architecture).ddeb
[ -f "$ddeb" ] || fail "no debug package $(basename "$ddeb")"
build_id=$(readelf -n "$root/usr/bin/movla" | sed -n 's/^ *Build ID: //p')
grep -q "usr/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug$" <<<"$(dpkg-deb -c "$ddeb")" ||
  fail "the debug package has no file for build id $build_id"

# lintian exits 0 on warnings unless told otherwise; its root warning on
# standard error is not about the package.
lintian --fail-on error,warning "$deb" "$ddeb" 2>/dev/null ||
  fail "lintian finds errors or warnings (above)"
echo "$(basename "$deb"): Depends: $depends"
