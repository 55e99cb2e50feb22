#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Every file of ui/ and app/ is named on the map at the top of ui/form.h and
# in the source tree of docs/DEVELOPING.md, so that both stay a true map.
#   check_map.sh SOURCE_DIR
set -euo pipefail
cd "$1"
map=$(sed -n '/^\/\/ The files/,/^$/p' ui/form.h)
tree=$(sed -n '/^## Source tree/,/^## [^S]/p' docs/DEVELOPING.md)
status=0
while IFS= read -r file; do
  name=${file##*/}
  case $name in
  CMakeLists.txt) continue ;;
  *.cpp | *.h) word=${name%.*} ;;
  *) word=$name ;;
  esac
  grep -qwF -- "$word" <<<"$map" || { echo "ui/form.h's map does not name $file"; status=1; }
  grep -qE -- "[\`/]${word//./\\.}[\`.]" <<<"$tree" ||
    { echo "docs/DEVELOPING.md's source tree does not name $file"; status=1; }
done < <(find ui app -type f | sort)
exit $status
