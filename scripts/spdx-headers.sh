#!/usr/bin/env bash
# Gives every file that reuse lint finds without copyright and licence the
# project's two SPDX lines, in the comment style of its kind. Files that
# cannot hold a comment are listed in .reuse/dep5 instead. Changes only the
# files that lack the lines, then lints the tree.
set -euo pipefail
cd "$(dirname "$0")/.."

# One block, read whole before it runs: this script may be among the files
# it annotates.
{
  mapfile -t missing < <(reuse lint | sed -n '/^# MISSING COPYRIGHT AND LICENSING INFORMATION/,/^# /s/^\* //p')
  for file in "${missing[@]}"; do
    licence=MIT style=()
    case $file in
      # AppStream asks for metadata under a permissive licence such as CC0.
      *.metainfo.xml.in) licence=CC0-1.0 style=(--style html) ;;
      *.desktop.in | *.dict | .clang-format) style=(--style python) ;;
      *.h.in | *.rc.in) style=(--style c) ;;
    esac
    # Scripts without an extension, such as .ci/run.
    [ ${#style[@]} -eq 0 ] && [ "$(head -c 2 "$file")" = '#!' ] && style=(--style python)
    reuse annotate --template movla --copyright "The Movla developers" --exclude-year \
      --copyright-style spdx --license "$licence" "${style[@]}" "$file" >/dev/null
  done
  reuse lint --quiet || reuse lint
  exit
}
