#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Builds Movla if needed and opens the calculator. Arguments go to the
# program (./run.sh --help).
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
packages=("${movla_build_packages[@]}")
# On a Wayland desktop, Qt's Wayland plugin gives the program a native
# window, as the Debian package's recommendation does.
[ -n "${WAYLAND_DISPLAY:-}" ] && packages+=(qt6-wayland)
movla_reason="to build and run the calculator" movla_ensure_packages "${packages[@]}"

# A tree of its own, without the tests: it needs no test libraries.
export CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
cmake --preset run >/dev/null
cmake --build --preset run --target movla
exec build/run/app/qt/movla "$@"
