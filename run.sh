#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Builds Movla if needed and opens the calculator. Arguments go to the
# program (./run.sh --help). ./run.sh --web builds the web page instead and
# serves it on this machine (MOVLA_WEB_PORT, 8026 unless set).
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh

if [ "${1:-}" = --web ]; then
  movla_reason="to build the web page and serve it" \
    movla_ensure_packages "${movla_web_packages[@]}" python3
  export CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
  cmake --preset web >/dev/null
  cmake --build --preset web --target movla_site
  port=${MOVLA_WEB_PORT:-8026}
  echo "The calculator is at http://127.0.0.1:$port/ (Ctrl+C stops the server)."
  exec python3 -m http.server --bind 127.0.0.1 --directory build/web/site "$port" >/dev/null
fi
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
