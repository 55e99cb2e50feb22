#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Gives every file that reuse lint finds without copyright and licence the
# project's two SPDX lines, in the comment style of its kind. Files that
# cannot hold a comment are listed in .reuse/dep5 instead. Changes only the
# files that lack the lines, then lints the tree.
set -euo pipefail
cd "$(dirname "$0")/.."

# One block, read whole before it runs: this script may be among the files
# it annotates.
{
  # Spelled in two pieces, so that reuse does not read them as this file's.
  spdx=SPDX
  copyright="$spdx-FileCopyrightText: The Movla developers"
  licence="$spdx-License-Identifier: MIT"
  mapfile -t missing < <(reuse lint | sed -n '/^# MISSING COPYRIGHT AND LICENSING INFORMATION/,/^# /s/^\* //p')
  for file in "${missing[@]}"; do
    # Kinds this reuse (1.1) cannot annotate in place: roff has no comment
    # style in it, and it would give an SVG a separate .license file.
    case $file in
      *.[1-9] | *.[1-9].in)
        sed -i "1i .\\\\\" $copyright\\n.\\\\\" $licence" "$file"
        continue
        ;;
      *.svg)
        # After the XML declaration, which must come first.
        where=1i
        head -n 1 "$file" | grep -q '^<?xml' && where=1a
        sed -i "$where <!-- $copyright -->\\n<!-- $licence -->" "$file"
        continue
        ;;
    esac
    id=MIT style=()
    case $file in
      # AppStream asks for metadata under a permissive licence such as CC0.
      *.metainfo.xml.in) id=CC0-1.0 style=(--style html) ;;
      *.desktop.in | *.dict | *.txt | .clang-format) style=(--style python) ;;
      *.h.in | *.rc.in) style=(--style c) ;;
    esac
    # Scripts without an extension, such as .ci/run.
    [ ${#style[@]} -eq 0 ] && [ "$(head -c 2 "$file")" = '#!' ] && style=(--style python)
    reuse annotate --template movla --copyright "The Movla developers" --exclude-year \
      --copyright-style spdx --license "$id" "${style[@]}" "$file" >/dev/null
  done
  reuse lint --quiet || reuse lint
  exit
}
