#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Start-up time and resident memory of Movla beside a bare Qt window of the
# same size and the other calculators that are installed, under Xvfb.
#
#   bench/startup.sh [RELEASE_TREE]      (default: build/release)
#
# MOVLA_BENCH_BASELINE=PATH/TO/movla adds an older build of the program to
# the same interleaved run, to measure a change before and after.
#
# Each run is timed from process start to the MapNotify of its first
# top-level window (bench/ui/map_watch), and VmRSS is read at that moment.
# One warm-up round, then MOVLA_BENCH_RUNS rounds (default 7); within a round
# every program runs once, in an order that rotates from round to round, so
# that a burst of load on the machine hits them all alike.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
movla_ensure_packages "${movla_build_packages[@]}" libbenchmark-dev libx11-dev \
  xvfb x11-apps galculator speedcrunch

tree=${1:-build/release}
runs=${MOVLA_BENCH_RUNS:-7}
if [ "${MOVLA_BENCH_NO_BUILD:-0}" != 1 ]; then
  export CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
  cmake --preset release -B "$tree" -DMOVLA_BUILD_BENCH=ON >/dev/null
  cmake --build "$tree" --target movla bare_window map_watch
fi
watch=$tree/bench/ui/map_watch

names=(Movla "bare Qt 6 window" xcalc galculator speedcrunch)
commands=("$tree/app/qt/movla" "$tree/bench/ui/bare_window" xcalc galculator speedcrunch)
notes=("Qt 6, Release" "Qt 6, Release, 33 plain widgets" "Xt/Athena" "GTK 3" "Qt 5")
if [ -n "${MOVLA_BENCH_BASELINE:-}" ]; then
  names+=("Movla baseline")
  commands+=("$MOVLA_BENCH_BASELINE")
  notes+=("the build given")
fi
present=()
for i in "${!names[@]}"; do
  if command -v "${commands[$i]}" >/dev/null; then present+=("$i"); fi
done

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# -displayfd hands back the display number once the server accepts
# connections; reading it through a fifo waits for exactly that.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
read -r display_number <"$work/display"

# The same small, clean environment for every program: fresh home and
# config (the warm-up round writes any first-run files), no session bus.
mkdir -p "$work/home" "$work/run"
chmod 700 "$work/run"
run_env=(env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
  DISPLAY=":$display_number" LANG=C.UTF-8)

for ((round = 0; round <= runs; round++)); do
  n=${#present[@]}
  for ((k = 0; k < n; k++)); do
    i=${present[$(((k + round) % n))]}
    if ! result=$("${run_env[@]}" "$watch" "${commands[$i]}" 2>>"$work/errors"); then
      echo "startup.sh: ${names[$i]} failed:" >&2
      cat "$work/errors" >&2
      exit 1
    fi
    [ "$round" -eq 0 ] || echo "${names[$i]}|${result// /|}" >>"$work/samples"
  done
done

# Per program, by name: median, min and max of time and memory, then each
# against Movla.
present_names=()
for i in "${present[@]}"; do present_names+=("${names[$i]}"); done
awk -F'|' -v names="$(IFS='|'; echo "${names[*]}")" -v notes="$(IFS='|'; echo "${notes[*]}")" \
    -v order="$(IFS='|'; echo "${present_names[*]}")" -v runs="$runs" \
    -v load="$(cut -d' ' -f1-3 /proc/loadavg)" '
  function sort(a, n,   i, j, t) {
    for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j - 1] > a[j]; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
  }
  { k = ++count[$1]; ms[$1, k] = $2; kib[$1, k] = $3 }
  END {
    n = split(names, name, "|"); split(notes, note_of, "|")
    for (i = 1; i <= n; i++) note[name[i]] = note_of[i]
    shown = split(order, row, "|")
    for (p = 1; p <= shown; p++) {
      r = row[p]
      for (k = 1; k <= count[r]; k++) { t[k] = ms[r, k]; m[k] = kib[r, k] / 1024 }
      sort(t, count[r]); sort(m, count[r])
      mid = int((count[r] + 1) / 2)
      tmed[r] = t[mid]; tmin[r] = t[1]; tmax[r] = t[count[r]]
      mmed[r] = m[mid]; mmin[r] = m[1]; mmax[r] = m[count[r]]
    }
    movla = "Movla"
    printf "Median of %d runs after a warm-up, interleaved; load average at the end: %s\n\n", runs, load
    print "| program | start -> window mapped (min-max) | resident memory (min-max) | Movla / it: time | Movla / it: memory |"
    print "|---|---|---|---|---|"
    for (p = 1; p <= shown; p++) {
      r = row[p]
      printf "| %s (%s) | %.1f ms (%.1f-%.1f) | %.1f MiB (%.1f-%.1f) | %.2f | %.2f |\n", \
        r, note[r], tmed[r], tmin[r], tmax[r], mmed[r], mmin[r], mmax[r], \
        tmed[movla] / tmed[r], mmed[movla] / mmed[r]
    }
    print ""
    if ("bare Qt 6 window" in tmed) {
      r = "bare Qt 6 window"
      printf "Movla vs bare Qt window: time %.2fx (target <= 1.20), memory %.2fx (target <= 1.10)\n", tmed[movla] / tmed[r], mmed[movla] / mmed[r]
    }
    if ("xcalc" in tmed) printf "Movla vs xcalc: time %.2fx (target < 1)\n", tmed[movla] / tmed["xcalc"]
    if ("galculator" in tmed) printf "Movla vs galculator: time %.2fx (target < 0.5)\n", tmed[movla] / tmed["galculator"]
    if ("Movla baseline" in tmed) {
      r = "Movla baseline"
      printf "Movla vs the baseline: time %.2fx, memory %.2fx\n", tmed[movla] / tmed[r], mmed[movla] / mmed[r]
    }
  }' "$work/samples"
