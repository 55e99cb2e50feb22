#!/usr/bin/env bash
# Builds the Debian package from a build tree and checks its control fields
# and contents, then starts the program unpacked from it.
# Usage: check-deb.sh BUILD_TREE EXPECTED_FILE_LIST VERSION
. "$(dirname "$0")/common.sh"
tree=$1 expected=$2 version=$3

cpack -G DEB --config "$tree/CPackConfig.cmake" -B "$movla_tmp/out" >"$movla_tmp/cpack.log" 2>&1 ||
  { cat "$movla_tmp/cpack.log" >&2; fail "cpack could not build the package"; }
debs=("$movla_tmp"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made ${#debs[@]} packages: ${debs[*]}"
deb=${debs[0]}

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = movla ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', expected $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is '$(field Architecture)'"
[ -n "$(field Section)" ] && [ -n "$(field Description)" ] || fail "Section or Description is empty"
depends=$(field Depends)
for pkg in fonts-liberation libqt6widgets6 libqt6core6 libc6; do
  # Whole package names only: libqt6widgets6 must not match a longer name.
  grep -qE "(^|, )$pkg( |,|$)" <<<"$depends" || fail "Depends lacks $pkg: $depends"
done

root=$movla_tmp/root
dpkg-deb -x "$deb" "$root"
expect_files "$root/usr" <(LC_ALL=C sort "$expected")
expect_starts "$root/usr/bin/movla"
echo "$(basename "$deb"): Depends: $depends"
