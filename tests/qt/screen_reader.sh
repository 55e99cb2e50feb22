#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# The calculator as a blind user hears it: Orca, the screen reader, must
# speak every box's value whole when Tab reaches the box, and the new value
# of a result that a pass changed. Everything runs private to this test: an
# X server, a session bus, the accessibility bus, a window manager and Orca,
# which logs what it would say (no speech synthesizer is used).
#   screen_reader.sh PATH/TO/movla
# No -e: a check that fails prints its own FAIL line and exits, and the
# cleanup must run its kills to the end whatever each one returns.
set -uo pipefail
movla=$1
# The accessibility bus's launcher, where the D-Bus service that starts it
# on demand says it is (/usr/libexec on Debian, elsewhere on others).
a11y_launcher=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' /usr/share/dbus-1/services/org.a11y.Bus.service 2>/dev/null)
for tool in Xvfb xprop dbus-launch "${a11y_launcher:-at-spi-bus-launcher}" openbox orca xdotool script; do
  command -v "$tool" >/dev/null || { echo "missing $tool: install the test packages of scripts/deps.sh"; exit 1; }
done

run=$(mktemp -d)
log=$run/orca.log
# Marks the environment of every process this test starts, including the
# ones the buses start on demand, so that all of them can be ended by id.
export MOVLA_SCREEN_READER_RUN=$run
started() {
  local pid
  for pid in $(grep -lsxz "MOVLA_SCREEN_READER_RUN=$run" /proc/[0-9]*/environ | cut -d/ -f3); do
    [ "$pid" != $$ ] && [ "$pid" != "$BASHPID" ] && [ -e "/proc/$pid" ] && echo "$pid"
  done
}
cleanup() {
  local signal pid
  for signal in TERM KILL; do
    for pid in $(started); do kill -s $signal "$pid" 2>/dev/null; done
    for _ in {1..20}; do
      [ -n "$(started)" ] || break
      sleep 0.1
    done
  done
  rm -rf "$run"
}
trap cleanup EXIT

# Waits up to 20 s for the command to succeed.
await() {
  local deadline=$((SECONDS + 20))
  until "$@"; do
    [ $SECONDS -lt $deadline ] || { echo "FAIL: timed out waiting for: $*"; exit 1; }
    sleep 0.1
  done
}

export LC_ALL=C.UTF-8 HOME=$run/home XDG_RUNTIME_DIR=$run/runtime
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
mkdir -p "$HOME" "$run/orca" && mkdir -m 700 "$XDG_RUNTIME_DIR"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$run/display" 2>/dev/null &
await test -s "$run/display"
DISPLAY=:$(cat "$run/display")
export DISPLAY
await xprop -root -len 0 >/dev/null
eval "$(dbus-launch --sh-syntax)"
"$a11y_launcher" --launch-immediately >/dev/null 2>&1 &
# New windows are not focused: the click below activates the calculator once
# Orca can hear it, rather than while its accessibility bridge connects.
sed 's|<focusNew>yes</focusNew>|<focusNew>no</focusNew>|' /etc/xdg/openbox/rc.xml >"$run/openbox.xml"
openbox --config-file "$run/openbox.xml" >/dev/null 2>&1 &
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
await wm_running

# No speech server: Orca still logs every utterance as SPEECH OUTPUT. No
# braille either, whose BrlAPI connection can hang without a braille daemon.
settings='"speechServerFactory": "", "enableBraille": false'
echo "{\"general\": {$settings}, \"pronunciations\": {}, \"keybindings\": {},
  \"profiles\": {\"default\": {\"profile\": [\"Default\", \"default\"], $settings}}}" \
  >"$run/orca/user-settings.conf"
# Orca will not start beside another Orca of the same user (a developer's
# own, or another run of this test); the pgrep it looks for them with sees
# only this run's processes.
mkdir "$run/bin"
cat >"$run/bin/pgrep" <<EOF
#!/bin/sh
for pid in \$(/usr/bin/pgrep "\$@"); do
  grep -qsxz "MOVLA_SCREEN_READER_RUN=$run" /proc/\$pid/environ && echo \$pid
done
exit 0
EOF
chmod +x "$run/bin/pgrep"
# Orca writes its log through a buffer that only a terminal flushes at
# every line: `script` gives it one, so the log is current to the line.
PATH=$run/bin:$PATH script -qfec \
  "stty -onlcr; exec orca -u '$run/orca' --debug-file /dev/stdout" /dev/null >"$log" 2>&1 </dev/null &
await grep -q 'ORCA: Starting ATSPI registry' "$log"

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$movla" 2>/dev/null &
await grep -q '\[application | Movla\]' "$log"
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Movla - Cents to Hz Calculator$' | head -1)

failures=0
# Where in its log, after line `from`, Orca presented the control `name`,
# and what it said of a text box's value: "LINE VALUE", or nothing yet.
said_after() {
  awk -v from="$from" -v name="$1" '
    NR <= from || !/SPEECH OUTPUT: / { next }
    found { sub(/.*SPEECH OUTPUT: \047/, ""); sub(/\047 ?\{.*$/, ""); print NR " " $0; exit }
    index($0, "OUTPUT: \047" name " push button.\047") { print NR; exit }
    index($0, "OUTPUT: \047" name " text.\047") || index($0, "OUTPUT: \047" name " read only text.\047") {
      found = 1 }' "$log"
}
said_something() { [ -n "$(said_after "$1")" ]; }
# Waits until Orca presents the control `name`, and checks it spoke `value` whole.
hear() {
  local name=$1 value=${2:-} line said
  await said_something "$name"
  read -r line said <<<"$(said_after "$name")"
  from=$line
  [ -z "$value" ] && return
  said=${said% selected.}
  said=${said%.}
  if [ "$said" = "$value" ]; then
    echo "ok   $name: Orca said '$said'"
  else
    echo "FAIL $name: holds $value, Orca said '$said'"
    failures=$((failures + 1))
  fi
}
tab() { xdotool key Tab && hear "$@"; }
backtab() { xdotool key shift+Tab && hear "$@"; }
# Clicks the window at x, y, into the box `name`. Orca does not present a
# focus that the pointer moved, so there is no value to hear.
has_focus() { tail -n "+$((from + 1))" "$log" | grep -qF "locusOfFocus: [text | $1]"; }
clicks=""
click() {
  from=$(wc -l <"$log")
  clicks="$clicks $from"
  xdotool mousemove --window "$window" "$1" "$2" click 1 && await has_focus "$3"
}

# What Orca said after line `from` of its log, as the focus moved: from each
# key it echoed (or click) to the next, at most the name, the value and the
# description, the name first (the line naming the control ends in its
# role), and never "unselected". A typed character is not such a move.
economical() {
  local said
  said=$(awk -v from="$1" -v clicks="$clicks" '
    BEGIN { n = split(clicks, list, " "); for (i = 1; i <= n; i++) click[list[i]] = 1 }
    function done() {
      if (move != "" && (count > 3 || unselected || (count > 0 && first !~ / (text|push button)\.$/)))
        print move ":" heard
      move = ""; count = 0; heard = ""; unselected = 0
    }
    NR <= from { next }
    (NR - 1) in click { done(); move = "click" }
    !/SPEECH OUTPUT: / { next }
    {
      key = index($0, "\047 {") > 0
      text = $0; sub(/.*SPEECH OUTPUT: \047/, "", text); sub(/\047 ?\{.*$/, "", text)
      if (key) { done(); if (length(text) > 2) move = text; next }
      if (move == "") next
      if (++count == 1) first = text
      heard = heard " \047" text "\047"
      if (text ~ /unselected/) unselected = 1
    }
    END { done() }' "$log")
  if [ -n "$said" ]; then
    echo "FAIL more than the name, the value and the description, or not in that order:"
    echo "$said" | sed 's/^/  /'
    failures=$((failures + 1))
  else
    echo "ok   every move of the focus: the name, the value, the description"
  fi
}

xdotool mousemove --window "$window" 160 90 click 1 # into Cents Change
await grep -q 'locusOfFocus: \[text | Cents Change\]' "$log"
from=$(wc -l <"$log")
moves=$from
# Once round the window.
tab "Reference Frequency, Cents Change section" 440
tab "Frequency below reference" 415.30
tab "Frequency, Hz Change section" 415
tab "Reference Frequency, Hz Change section" 440
tab "Change in cents" -101.27
tab Exit
tab "Change in semitones" -1.01
tab "Change in octaves" -0.08
tab About
tab "Frequency above reference" 466.16
tab "Cents Change" 100
# Back, and into boxes by the mouse.
backtab "Frequency above reference" 466.16
click 420 258 "Reference Frequency, Hz Change section"
click 160 90 "Cents Change"

# 200 cents: the pass rewrites the results, and Orca reads the new ones.
xdotool type 200
tab "Reference Frequency, Cents Change section" 440
tab "Frequency below reference" 392.00
for name in "Frequency, Hz Change section" "Reference Frequency, Hz Change section" \
  "Change in cents" Exit "Change in semitones" "Change in octaves" About; do
  tab "$name"
done
tab "Frequency above reference" 493.88
economical "$moves"
if ! grep -F 'object:text-changed:insert for [text | Frequency above reference]' "$log" |
  grep -q '493\.88'; then
  echo "FAIL Frequency above reference: no text-changed event reached Orca"
  failures=$((failures + 1))
fi

# End, then Ctrl+Left, in a box: Orca asks the box for the word at the
# caret, first at the end of the number, where Qt's own code never answers
# and the program hung for good. Orca must speak the word, and the program
# must still answer: the next Tab reaches Orca.
tab "Cents Change" 200
# Orca now and then takes the caret move for a move by character when its
# events arrive close together under load: the keys are tried up to three
# times, each once Orca has fallen quiet.
quiet() {
  local lines
  lines=$(wc -l <"$log")
  sleep 0.3
  [ "$(wc -l <"$log")" -eq "$lines" ]
}
spoke_word() {
  tail -n +$((from + 1)) "$log" | grep -q "SPEECH OUTPUT: '200'"
}
for _ in 1 2 3; do
  from=$(wc -l <"$log")
  xdotool key End
  deadline=$((SECONDS + 5))
  until quiet || [ $SECONDS -ge $deadline ]; do :; done
  xdotool key ctrl+Left
  deadline=$((SECONDS + 5))
  until spoke_word || [ $SECONDS -ge $deadline ]; do sleep 0.1; done
  spoke_word && break
done
if spoke_word; then
  echo "ok   Cents Change: End, Ctrl+Left, Orca said '200'"
else
  echo "FAIL Cents Change: End, Ctrl+Left, Orca did not say '200'"
  failures=$((failures + 1))
fi
tab "Reference Frequency, Cents Change section" 440

if [ $failures -ne 0 ]; then
  echo "What Orca said:"
  grep -o "SPEECH OUTPUT: .*" "$log" | sed 's/^/  /'
fi
[ $failures -eq 0 ]
