# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Helpers shared by the packaging checks. Sourced; sets -euo pipefail.
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }

# A scratch folder removed when the script ends, however it ends.
movla_tmp=$(mktemp -d "${TMPDIR:-/tmp}/movla-pkg.XXXXXX")
trap 'rm -rf "$movla_tmp"' EXIT

# Started without options, the program opens its window and runs until the
# user closes it, so a start that works is one still running when the timeout
# stops it (exit 124); a crash or a missing library ends it early with
# another status.
expect_starts() {
  local status=0
  QT_QPA_PLATFORM=offscreen timeout 3 "$@" >"$movla_tmp/start.log" 2>&1 || status=$?
  if [ "$status" -ne 124 ]; then
    cat "$movla_tmp/start.log" >&2
    fail "$* ended with status $status instead of running until the timeout"
  fi
}

# Compares the files under a folder with a sorted list, relative paths.
expect_files() {
  local root=$1 expected=$2
  if ! diff -u "$expected" <(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort); then
    fail "the files under $root differ from $expected (- expected, + found)"
  fi
}
