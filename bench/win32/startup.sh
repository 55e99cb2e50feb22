#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# The Windows build's figures: the size of movla.exe and of its downloads,
# and its start-up under Wine on Xvfb beside two yardsticks built the same
# way: the floor, the calculator as a plain Win32 program
# (bench/win32/plain_window.cpp), and an empty window (bare_window.cpp).
#
#   bench/win32/startup.sh [WINDOWS_TREE]      (default: build/windows)
#
# Each run is timed from process start to the MapNotify of its first
# top-level window, and to the first paint that shows the window finished,
# results and all (bench/ui/map_watch, MAP_WATCH_PAINT), with Wine's server
# already running, as it is once any Windows program has started; one
# warm-up round, then MOVLA_BENCH_RUNS rounds (default 21), the programs
# taking turns. Prints medians, minima and maxima, and movla.exe's ratios to
# the floor.
set -euo pipefail
cd "$(dirname "$0")/../.."
. scripts/deps.sh
movla_ensure_packages "${movla_windows_packages[@]}" cmake g++ libx11-dev xvfb

tree=${1:-build/windows}
runs=${MOVLA_BENCH_RUNS:-21}
cmake --preset windows -B "$tree" -DMOVLA_BUILD_BENCH=ON >/dev/null
cmake --build "$tree" --target movla bare_window_win32 plain_window_win32
tests/win32/make_prefix.sh "$tree/wine-prefix" >/dev/null
prefix=$(realpath "$tree/wine-prefix")

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
g++ -O2 -std=c++20 bench/ui/map_watch.cpp -lX11 -o "$work/map_watch"

mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
read -r display_number <"$work/display"
export DISPLAY=:$display_number
WINEPREFIX=$prefix wineserver -p

names=(movla.exe floor empty)
programs=("$tree/movla.exe" "$tree/bench/win32/plain_window_win32.exe"
  "$tree/bench/win32/bare_window_win32.exe")
for ((round = 0; round <= runs; round++)); do
  for k in 0 1 2; do
    i=$(((k + round) % 3))
    result=$(MAP_WATCH_PAINT=1 "$work/map_watch" tests/win32/wine.sh "$prefix" "${programs[$i]}")
    [ "$round" -eq 0 ] || echo "${names[$i]} $result" >>"$work/samples"
  done
done

size() { stat -c %s "$1" | awk '{ printf "%.0f KiB", $1 / 1024 }'; }
echo "movla.exe: $(size "$tree/movla.exe") (static, stripped; DLLs: $(x86_64-w64-mingw32-objdump -p "$tree/movla.exe" | awk '/DLL Name/ { printf "%s%s", sep, $3; sep = ", " }'))"
# The downloads, where the tests' cpack run leaves them.
for package in "$tree"/packages/movla-*-windows-x64.{zip,exe}; do
  [ ! -f "$package" ] || echo "$(basename "$package"): $(size "$package")"
done
echo
awk -v runs="$runs" '
  function sort(a, n,   i, j, t) {
    for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j - 1] > a[j]; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
  }
  { k = ++count[$1]; map[$1, k] = $2; kib[$1, k] = $3; paint[$1, k] = $4; cpu[$1, k] = $5 }
  END {
    printf "Under Wine, median of %d runs (min-max):\n", runs
    printf "  %-10s %-24s %-24s %-12s %s\n", "", "start -> mapped", "start -> painted", "CPU by then", "resident"
    split("movla.exe floor empty", order, " ")
    for (o = 1; o <= 3; o++) {
      name = order[o]; n = count[name]; mid = int((n + 1) / 2)
      for (k = 1; k <= n; k++) { a[k] = map[name, k]; b[k] = paint[name, k]; c[k] = cpu[name, k]; m[k] = kib[name, k] / 1024 }
      sort(a, n); sort(b, n); sort(c, n); sort(m, n)
      mapped[name] = a[mid]; painted[name] = b[mid]; used[name] = c[mid]; mem[name] = m[mid]
      printf "  %-10s %6.1f ms (%5.1f-%5.1f)   %6.1f ms (%5.1f-%5.1f)   %6.1f ms     %.1f MiB\n", name, a[mid], a[1], a[n], b[mid], b[1], b[n], c[mid], m[mid]
    }
    printf "  movla.exe / floor: %.2fx to mapped, %.2fx to painted, %.2fx CPU, %.2fx memory\n", mapped["movla.exe"] / mapped["floor"], painted["movla.exe"] / painted["floor"], used["movla.exe"] / used["floor"], mem["movla.exe"] / mem["floor"]
    printf "  movla.exe / empty window: %.2fx to mapped, %.2fx to painted\n", mapped["movla.exe"] / mapped["empty"], painted["movla.exe"] / painted["empty"]
  }' "$work/samples"
