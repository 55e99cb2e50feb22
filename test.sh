#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Builds every tree (default, asan, fuzz, windows, web) and runs the whole
# suite. The asan, fuzz and windows suites and the web page's run as tests of
# the default tree, so the closing ctest summary covers all of them.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
movla_reason="to build Movla for Linux and Windows and run its tests, sanitizers and fuzzers" \
  movla_ensure_packages "${movla_build_packages[@]}" "${movla_test_packages[@]}" \
  "${movla_windows_packages[@]}" "${movla_web_packages[@]}" "${movla_web_test_packages[@]}"

# Every build, including the ones the tests start, uses all the cores.
export CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
for preset in asan fuzz release windows web; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
movla_ensure_node_modules build/web/node
cmake --preset default -DMOVLA_ASAN_DIR="$PWD/build/asan" -DMOVLA_FUZZ_DIR="$PWD/build/fuzz" \
  -DMOVLA_RELEASE_DIR="$PWD/build/release" -DMOVLA_WINDOWS_DIR="$PWD/build/windows" \
  -DMOVLA_WEB_DIR="$PWD/build/web" >/dev/null
cmake --build --preset default

ctest --preset default -j "$(nproc)" --timeout 600
