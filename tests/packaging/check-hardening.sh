#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Checks from the ELF headers and symbols that the installed release binary
# is hardened: PIE, full RELRO with immediate binding, stack protector and
# _FORTIFY_SOURCE=2.
# Usage: check-hardening.sh RELEASE_BUILD_TREE
set -euo pipefail
. "$(dirname "$0")/common.sh"
tree=$1

cmake --install "$tree" --prefix "$movla_tmp/prefix" >/dev/null
bin=$movla_tmp/prefix/bin/movla
export LC_ALL=C

readelf -h "$bin" | grep -Eq 'Type:[[:space:]]+DYN' || fail "not position-independent (ELF type is not DYN)"
dynamic=$(readelf -d "$bin")
grep -Eq '\(FLAGS_1\).*\bPIE\b' <<<"$dynamic" || fail "FLAGS_1 lacks PIE"
readelf -l "$bin" | grep -q GNU_RELRO || fail "no GNU_RELRO segment"
grep -Eq '\(FLAGS\).*\bBIND_NOW\b|\(FLAGS_1\).*\bNOW\b' <<<"$dynamic" || fail "no immediate binding (BIND_NOW)"

symbols=$(readelf --dyn-syms -W "$bin")
grep -q '__stack_chk_fail' <<<"$symbols" || fail "no stack protector (__stack_chk_fail is not used)"

# -frecord-gcc-switches leaves one line of options per distinct compile
# command in the binary; every one of them must carry the protector and an
# optimisation level (_FORTIFY_SOURCE does nothing without one).
switches=$(readelf -p .GCC.command.line "$bin" 2>/dev/null | sed -n 's/^ *\[ *[0-9a-f]*\] *//p')
[ -n "$switches" ] || fail "no .GCC.command.line section: the release flags are not recorded"
unprotected=$(grep -v -e '-fstack-protector-strong' <<<"$switches" || true)
[ -z "$unprotected" ] || fail "objects compiled without -fstack-protector-strong: $unprotected"
unoptimised=$(grep -vE -e '-O[123s]( |$)' <<<"$switches" || true)
[ -z "$unoptimised" ] || fail "objects compiled without optimisation: $unoptimised"

# GCC does not record -D options, and whether a fortified call (__memcpy_chk…)
# is linked depends on the code, so the macro is checked in the tree's
# compile commands, and the fortified calls are reported.
commands=$tree/compile_commands.json
[ -f "$commands" ] || fail "$commands is missing"
total=$(grep -c '"command":' "$commands")
fortify=$(grep '"command":' "$commands" | grep -c -e '-D_FORTIFY_SOURCE=2 ' || true)
[ "$total" -gt 0 ] && [ "$fortify" -eq "$total" ] ||
  fail "only $fortify of $total compile commands define _FORTIFY_SOURCE=2"
fortified=$(grep -oE '__[a-z0-9_]+_chk\b' <<<"$symbols" | grep -vx __stack_chk_fail | sort -u | tr '\n' ' ' || true)
echo "hardened: PIE, RELRO, BIND_NOW, stack protector; fortified calls linked: ${fortified:-none}"
