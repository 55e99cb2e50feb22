#!/usr/bin/env bash
# Builds Movla if needed and opens the calculator.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
movla_ensure_packages "${movla_build_packages[@]}" libgtest-dev libbenchmark-dev

cmake --preset default >/dev/null
cmake --build --preset default --target movla
exec build/default/app/movla
