#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Random use of movla.exe under Wine: keys, typing, clicks, pastes, About and
# Exit, a few hundred of them, with openbox on Xvfb. After every step the
# calculator (or the window open over it) must answer, and every result box
# must hold a number with two decimals or "Error". One probe.exe serves every
# look at the windows, as each Wine start costs a second or more. A failure
# prints the seed: MOVLA_SEED=N repeats the run. The run stops after
# MOVLA_STEPS steps (300) or MOVLA_BUDGET seconds (75), whichever comes first.
# Run it through with_xvfb.sh, with MOVLA_WINE and MOVLA_WINE_PREFIX set.
#   random_use.sh MOVLA_EXE PROBE_EXE
set -euo pipefail
movla=$1 probe=$2
seed=${MOVLA_SEED:-$((($(date +%s%N) / 1000) % 1000000))}
steps=${MOVLA_STEPS:-300} budget=${MOVLA_BUDGET:-75}
RANDOM=$seed
wine() { "$MOVLA_WINE" "$MOVLA_WINE_PREFIX" "$@"; }
calculator="Movla - Cents to Hz Calculator"
step=0 last=start history=

openbox >/dev/null 2>&1 &
openbox_pid=$!
movla_pid= probe_pid=
cleanup() {
  [ -z "$movla_pid" ] || kill "$movla_pid" 2>/dev/null || true
  [ -z "$probe_pid" ] || kill "$probe_pid" 2>/dev/null || true
  WINEPREFIX=$(realpath -m "$MOVLA_WINE_PREFIX") wineserver -k 2>/dev/null || true
  kill "$openbox_pid" 2>/dev/null || true
}
trap cleanup EXIT
fail() {
  echo "FAIL at step $step ($last), seed $seed: $*" >&2
  printf 'steps before it:%s\n' "$history" >&2
  [ -z "${MOVLA_FAIL_SHOT:-}" ] || import -window root "$MOVLA_FAIL_SHOT"
  echo "repeat with: MOVLA_SEED=$seed" >&2
  exit 1
}

coproc PROBE { wine "$probe" serve 2>/dev/null; }
probe_pid=$PROBE_PID
# ask COMMAND...: one probe command; its output in $answer, its status $?.
ask() {
  local line status
  answer=
  printf '%s\n' "$*" >&"${PROBE[1]}"
  while IFS= read -r -t 20 line <&"${PROBE[0]}"; do
    if [[ $line == "= "* ]]; then
      status=${line#= }
      return "$status"
    fi
    answer+=$line$'\n'
  done
  fail "the probe did not answer '$*'"
}

start() {
  wine "$movla" &
  movla_pid=$!
  ask wait "$calculator" || fail "the calculator window did not open"
  window=$(xdotool search --name "^$calculator\$" | head -1)
  for _ in $(seq 50); do
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ] && break
    sleep 0.1
  done
}

# The boxes and buttons in pixels at 96 dpi, and the result boxes' names.
# The four inputs, the five results, a band, the window, a label; and the
# two buttons, Exit and About.
targets=("145 89" "405 89" "145 258" "405 258" "600 62" "600 119" "600 258" "600 292" "600 324"
  "100 20" "300 170" "450 290")
exit_at="50 386" about_at="603 386"
texts=(50 441 -12 0 1e300 abc 4,5 4.5 " 7 " 99999999999 -0 "١٢" 1200 x)

pick() { local -n list=$1; echo "${list[RANDOM % ${#list[@]}]}"; }

# answers CAPTION: the window answers a message, within 5 s, twice over on a
# loaded machine; the caption names no window: none is shown.
answers() { ask answers "$1" || ask answers "$1"; }

check() {
  answers "$calculator" || {
    ask list "$calculator" && fail "the calculator does not answer"
    # Keys alone can end it too (Space on Exit, then on OK): with status 0.
    local status=0
    wait "$movla_pid" || status=$?
    [ "$status" -eq 0 ] || fail "the calculator is gone, with status $status"
    last+=" (ended by keys)"
    start
  }
  # A key can open About or Exit's question too: Enter on a focused button,
  # or a letter with the focus on a button (x for Exit, as in any Windows
  # dialog). Each must answer, and closes as it should.
  if answers "About Movla"; then
    last+=" (About opened)"
    xdotool key alt+d
    ask gone "About Movla" || fail "Done did not close About"
  fi
  if answers Quit; then
    last+=" (Exit asked)"
    xdotool key Escape
    ask gone Quit || fail "Escape did not cancel Exit"
  fi
  ask list "$calculator" || fail "the calculator is gone"
  # Result boxes are the read-only edits.
  while IFS=$'\t' read -r class text _ _ _ _ flags; do
    [ "$class" = Edit ] && [[ " $flags " == *" readonly "* ]] || continue
    [[ $text =~ ^-?[0-9]+[.,][0-9]{2}$ || $text == Error ]] || fail "a result reads '$text'"
  done <<<"$answer"
}

act() {
  case $((RANDOM % 10)) in
  0 | 1)
    last="type $(pick texts)"
    xdotool type --delay 20 -- "${last#type }"
    ;;
  2 | 3)
    last="key $(pick keys)"
    xdotool key --delay 20 "${last#key }"
    ;;
  4 | 5)
    local at
    at=$(pick targets)
    last="click $at"
    xdotool mousemove --window "$window" $at click 1
    ;;
  6)
    local pasted
    pasted=$(pick texts)
    ((RANDOM % 2)) && pasted="\\n$pasted\\n8"
    last="paste '$pasted'"
    ask clip "$pasted" || fail "the clipboard cannot be set"
    xdotool key ctrl+v
    ;;
  7)
    if ((RANDOM % 2)); then
      last="about, by Alt+A"
      xdotool key alt+a
    else
      last="about, clicked"
      xdotool mousemove --window "$window" $about_at click 1
    fi
    ask wait "About Movla" || fail "About did not open"
    ((RANDOM % 2)) && xdotool key Escape Tab
    ask answers "About Movla" || fail "About does not answer"
    xdotool key alt+d
    ask gone "About Movla" || fail "Done did not close About"
    ;;
  8)
    if ((RANDOM % 2)); then
      last="exit, by Alt+X"
      xdotool key alt+x
    else
      last="exit, clicked"
      xdotool mousemove --window "$window" $exit_at click 1
    fi
    ask wait Quit || fail "Exit did not ask"
    if ((RANDOM % 4)); then
      xdotool key Escape
      ask gone Quit || fail "Escape did not cancel"
    else
      last="$last, OK"
      xdotool key Return
      for _ in $(seq 50); do
        kill -0 "$movla_pid" 2>/dev/null || break
        sleep 0.1
      done
      ! kill -0 "$movla_pid" 2>/dev/null || fail "OK did not end the program"
      start
    fi
    ;;
  9)
    last="keys Tab round"
    xdotool key --delay 20 Tab Tab shift+Tab
    ;;
  esac
  sleep 0.05
}
keys=(Tab shift+Tab Return Escape BackSpace Delete ctrl+z ctrl+a ctrl+c Home End Left 5 minus comma)

start
check
began=$SECONDS
while ((step < steps && SECONDS - began < budget)); do
  ((++step))
  act
  history=$(tail -n 9 <<<"$history")$'\n'"  $step $last"
  check
done
echo "random use: $step steps in $((SECONDS - began)) s, seed $seed"
