#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# The Windows build's figures: the size of movla.exe and of its downloads,
# and its start-up under Wine beside a bare Win32 window's
# (bench/win32/bare_window.cpp, built the same way), on Xvfb.
#
#   bench/win32/startup.sh [WINDOWS_TREE]      (default: build/windows)
#
# Each run is timed from process start to the MapNotify of its first
# top-level window (bench/ui/map_watch), with Wine's server already running,
# as it is once any Windows program has started; one warm-up round, then
# MOVLA_BENCH_RUNS rounds (default 21), the two programs taking turns.
# Prints medians, minima and maxima.
set -euo pipefail
cd "$(dirname "$0")/../.."
. scripts/deps.sh
movla_ensure_packages "${movla_windows_packages[@]}" cmake g++ libx11-dev xvfb

tree=${1:-build/windows}
runs=${MOVLA_BENCH_RUNS:-21}
cmake --preset windows -B "$tree" >/dev/null
cmake --build "$tree" --target movla bare_window_win32
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

names=(movla.exe "bare Win32 window")
programs=("$tree/movla.exe" "$tree/bench/win32/bare_window_win32.exe")
for ((round = 0; round <= runs; round++)); do
  for k in 0 1; do
    i=$(((k + round) % 2))
    result=$("$work/map_watch" tests/win32/wine.sh "$prefix" "${programs[$i]}")
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
  { name = $1 == "movla.exe" ? $1 : "bare Win32 window"; k = ++count[name]; ms[name, k] = $(NF - 1); kib[name, k] = $NF }
  END {
    printf "Start -> window mapped under Wine, median of %d runs (min-max):\n", runs
    for (name in count) {
      for (k = 1; k <= count[name]; k++) { t[k] = ms[name, k]; m[k] = kib[name, k] / 1024 }
      sort(t, count[name]); sort(m, count[name]); mid = int((count[name] + 1) / 2)
      med[name] = t[mid]
      printf "  %-18s %7.1f ms (%.1f-%.1f), resident %.1f MiB\n", name, t[mid], t[1], t[count[name]], m[mid]
    }
    printf "  movla.exe / bare window: %.2fx\n", med["movla.exe"] / med["bare Win32 window"]
  }' "$work/samples"
