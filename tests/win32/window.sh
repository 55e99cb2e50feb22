#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Drives movla.exe under Wine with real keys and clicks (xdotool) on a
# private Xvfb at 96 dpi with openbox, and reads its windows back from
# outside with probe.exe. One case per run, named by its first argument; run
# it through with_xvfb.sh, with MOVLA_WINE and MOVLA_WINE_PREFIX set.
#   window.sh CASE MOVLA_EXE PROBE_EXE
set -euo pipefail
case_name=$1 movla=$2 probe=$3
wine() { "$MOVLA_WINE" "$MOVLA_WINE_PREFIX" "$@"; }

calculator="Movla - Cents to Hz Calculator"
fail() {
  echo "FAIL ($case_name): $*" >&2
  [ -n "${listing:-}" ] && printf 'last listing:\n%s\n' "$listing" >&2
  exit 1
}

# No window manager for too_large: openbox would fit the window to the
# screen itself, wherever the program puts it.
openbox_pid=
if [ "$case_name" != too_large ]; then
  openbox >/dev/null 2>&1 &
  openbox_pid=$!
fi
movla_pid=
cleanup() {
  [ -z "$movla_pid" ] || kill "$movla_pid" 2>/dev/null || true
  WINEPREFIX=$(realpath -m "$MOVLA_WINE_PREFIX") wineserver -k 2>/dev/null || true
  [ -z "$openbox_pid" ] || kill "$openbox_pid" 2>/dev/null || true
  rm -f "$shot"
  [ "$case_name" != dark_palette ] || system_colours "255 255 255" "0 0 0"
  [ "$dpi" -eq 96 ] || wine reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1 || true
  [ "$case_name" != comma_decimal ] || decimal_symbol .
}
trap cleanup EXIT

start() {
  wine "$movla" &
  movla_pid=$!
  wine "$probe" wait "$calculator" || fail "the calculator window did not open"
  # The window manager gives the new window the focus: wait for it.
  for _ in $(seq 50); do
    [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" = "$calculator" ] && break
    sleep 0.1
  done
}

# keys KEY...: real key presses, then a moment for the program to answer.
keys() {
  xdotool key --delay 60 "$@"
  sleep 0.5
}
type_text() {
  xdotool type --delay 60 "$1"
  sleep 0.5
}

# list [CAPTION]: reads the window's controls into $listing.
list() {
  listing=$(wine "$probe" list "${1:-$calculator}") || fail "no window '${1:-$calculator}'"
}

# The calculator's boxes by name, at their place in twips at 96 dpi.
declare -A box_at=(
  [Cents_Change]="1875 1170" [Ref_Freq1]="5775 1170" [Freq_More]="8700 765"
  [Freq_Less]="8700 1620" [New_Frequency]="1875 3705" [Ref_Freq2]="5775 3705"
  [Cents_New]="8700 3705" [Semitones_New]="8700 4215" [Octaves_New]="8700 4695"
)
# Wine's dots per inch: 96 unless the case sets another.
dpi=96
[ "$case_name" != layout_144dpi ] || dpi=144
[ "$case_name" != too_large ] || dpi=192
pixels() { echo $((($1 * dpi + 720) / 1440)); }

# row NAME: the listing's line of the box NAME.
row() {
  local twips=(${box_at[$1]})
  awk -F'\t' -v l="$(pixels "${twips[0]}")" -v t="$(pixels "${twips[1]}")" \
    '$1 == "Edit" && $3 == l && $4 == t' <<<"$listing"
}

# within_5s CHECK...: runs the check on fresh listings until it holds, for
# 5 s at most, so that a loaded machine's slower answer is still seen; then
# fails with the check's last complaint.
within_5s() {
  local complaint
  for _ in $(seq 25); do
    list
    complaint=$("$@") && return 0
    sleep 0.2
  done
  fail "$complaint"
}

# expect NAME=TEXT...: the boxes hold these texts, all at once.
holds_texts() {
  local pair name text
  for pair in "$@"; do
    name=${pair%%=*} text=${pair#*=}
    [ "$(row "$name" | cut -f2)" = "$text" ] || {
      echo "$name reads '$(row "$name" | cut -f2)', not '$text'"
      return 1
    }
  done
}
expect() { within_5s holds_texts "$@"; }

# expect_focus NAME [SELECTION]: NAME holds the focus (and that selection).
holds_focus() {
  local flags
  flags=$(row "$1" | cut -f7)
  [[ " $flags " == *" focus "* ]] || {
    echo "$1 does not hold the focus ($flags)"
    return 1
  }
  [ -z "${2:-}" ] || [[ " $flags " == *" sel=$2 "* ]] || {
    echo "$1's selection is not $2 ($flags)"
    return 1
  }
}
expect_focus() { within_5s holds_focus "$@"; }

# point NAME: the mouse pointer over the box NAME; click NAME: a click there.
point() {
  local twips=(${box_at[$1]}) window
  window=$(xdotool search --name "^$calculator\$" | head -1)
  xdotool mousemove --window "$window" $(($(pixels "${twips[0]}") + 20)) $(($(pixels "${twips[1]}") + 11))
  sleep 0.5
}
click() {
  point "$1"
  xdotool click 1
  sleep 0.5
}

# colour CAPTION X Y: the red,green,blue of the pixel at X, Y (pixels) in
# the client area of the window CAPTION, from a screenshot; colour file
# PICTURE X Y: the same of a picture file.
colour() {
  [ "$1" != file ] || {
    convert "$2" -format "%[fx:int(255*p{$3,$4}.r)],%[fx:int(255*p{$3,$4}.g)],%[fx:int(255*p{$3,$4}.b)]" info:
    return
  }
  local id x y
  id=$(xdotool search --name "^$1\$" | head -1)
  # xwininfo, not xdotool, for the place: xdotool adds the frame's offset.
  x=$(xwininfo -id "$id" | awk '/Absolute upper-left X/ { print $NF }')
  y=$(xwininfo -id "$id" | awk '/Absolute upper-left Y/ { print $NF }')
  import -window root "$shot"
  convert "$shot" -format "%[fx:int(255*p{$((x + $2)),$((y + $3))}.r)],%[fx:int(255*p{$((x + $2)),$((y + $3))}.g)],%[fx:int(255*p{$((x + $2)),$((y + $3))}.b)]" info:
}
shot=$(mktemp --suffix=.png)

ended() {
  for _ in $(seq 50); do
    kill -0 "$movla_pid" 2>/dev/null || return 0
    sleep 0.1
  done
  return 1
}

defaults=(Cents_Change=100 Ref_Freq1=440 New_Frequency=415 Ref_Freq2=440 Freq_More=466.16
  Freq_Less=415.30 Cents_New=-101.27 Semitones_New=-1.01 Octaves_New=-0.08)

# system_colours WINDOW TEXT: the desktop's window background and text
# colours (as "R G B"), for the programs started from now on.
system_colours() {
  local name value
  for name in Window:"$1" WindowText:"$2" ButtonText:"$2"; do
    wine reg add 'HKCU\Control Panel\Colors' /v "${name%%:*}" /d "${name#*:}" /f >/dev/null
  done
}
# A dark desktop, as a high-contrast theme makes it.
[ "$case_name" != dark_palette ] || system_colours "0 0 0" "255 255 255"
# decimal_symbol TEXT: the decimal symbol of the user's regional settings.
decimal_symbol() {
  wine reg add 'HKCU\Control Panel\International' /v sDecimal /d "$1" /f >/dev/null
}
[ "$case_name" != comma_decimal ] || decimal_symbol ,
# A display at 150 % (or 200 %), as Windows' scale setting makes it.
[ "$dpi" -eq 96 ] || wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null

start
case $case_name in
first_pass)
  # State: just opened. Expected: the defaults, their results, the first
  # box focused with its whole text selected, the results read-only.
  expect "${defaults[@]}"
  expect_focus Cents_Change 0-3
  for name in Freq_More Freq_Less Cents_New Semitones_New Octaves_New; do
    [[ " $(row $name | cut -f7) " == *" readonly "* ]] || fail "$name is not read-only"
  done
  # A screen reader's first question makes the boxes' names, COM and all:
  # every control answers it, and the window goes on as before.
  wine "$probe" object "$calculator" || fail "a control did not give its accessible object"
  keys Tab
  expect Cents_Change=100 Freq_More=466.16
  ;;
leave_box)
  # Typing runs no pass, nor does Enter or Escape press a button; leaving
  # the box runs one, and the next box gets its whole text selected.
  type_text 50
  keys Return Escape
  expect Cents_Change=50 Freq_More=466.16 Freq_Less=415.30
  wine "$probe" gone Quit || fail "Enter or Escape pressed Exit"
  wine "$probe" gone "About Movla" || fail "Enter or Escape pressed About"
  keys Tab
  expect Freq_More=452.89 Freq_Less=427.47 Cents_New=-101.27
  expect_focus Ref_Freq1 0-3
  # Tab also reaches the read-only results, selected whole, to copy them.
  keys Tab
  expect_focus Freq_Less 0-6
  keys ctrl+c
  [ "$(wine "$probe" clipboard)" = 427.47 ] || fail "the result was not copied"
  # A click into a box selects its whole text too.
  click New_Frequency
  expect_focus New_Frequency 0-3
  # A click into a result only puts the caret there, as on Linux.
  click Freq_More
  expect_focus Freq_More
  selection=$(row Freq_More | grep -oP ' sel=\K[0-9-]+')
  [ "${selection%-*}" = "${selection#*-}" ] || fail "a click into a result selected $selection"
  ;;
reset)
  # A bad input is reset on leaving; its section reads Error, the other
  # section is untouched, and Ctrl+Z brings the typed text back.
  type_text abc
  keys Tab
  expect Cents_Change=100 Freq_More=Error Freq_Less=Error Cents_New=-101.27
  keys shift+Tab
  expect Cents_Change=100 Freq_More=466.16
  keys ctrl+z
  expect Cents_Change=abc
  ;;
comma_decimal)
  # With a decimal comma in the regional settings the results are written
  # with it and the inputs read with it.
  expect Freq_More=466,16 Freq_Less=415,30 Cents_New=-101,27 Semitones_New=-1,01
  keys Tab
  type_text 440,5
  keys Tab
  expect Ref_Freq1=440,5 Freq_More=466,69 Freq_Less=415,78
  ;;
paste)
  # Of a pasted text only the first line that is not blank goes in.
  wine "$probe" clip '\n  \n432\n5' || fail "could not fill the clipboard"
  keys ctrl+v
  expect Cents_Change=432
  # Blank is Unicode's White_Space: an ideographic space and a no-break
  # space make a blank line too.
  wine "$probe" clip '\u3000\u00a0\n433' || fail "could not fill the clipboard"
  keys shift+Home ctrl+v
  expect Cents_Change=433
  ;;
long_result)
  # A result too long for its box keeps its whole value, to copy, and shows
  # it on hover; a result that fits has no tooltip.
  keys Tab
  type_text 1e30
  keys Tab
  whole=1059463094359295370255109455872.00
  expect Freq_More=$whole
  point Freq_More
  sleep 1
  [ "$(wine "$probe" tip)" = "$whole" ] || fail "hovering the long result shows '$(wine "$probe" tip || true)'"
  point Cents_New
  sleep 1
  ! wine "$probe" tip >/dev/null || fail "a result that fits has a tooltip"
  # An input's tooltip says what to enter.
  point Cents_Change
  sleep 1
  [ -n "$(wine "$probe" tip || true)" ] || fail "hovering an input shows no tooltip"
  ;;
app_switch)
  # Switching to another program (Wine's Notepad) and back runs no pass.
  type_text 50
  wine notepad &
  other_pid=$!
  sleep 2
  [ "$(xdotool getactivewindow getwindowname)" != "$calculator" ] || fail "the other program did not take the focus"
  xdotool search --name "^$calculator\$" windowactivate --sync
  sleep 0.5
  expect Cents_Change=50 Freq_More=466.16
  # The focus is back where it was, the typed text not selected again.
  expect_focus Cents_Change 2-2
  kill "$other_pid" 2>/dev/null || true
  ;;
about_exit)
  # Pressing About from a box first leaves it, which runs a pass. About is
  # modal, reads the same at each opening, ignores Escape and closes with
  # Done, the calculator as it was and its focus on About again.
  type_text 50
  for opening in 1 2; do
    keys alt+a
    wine "$probe" wait "About Movla" || fail "About did not open ($opening)"
    expect Freq_More=452.89
    [[ $(cut -f7 <<<"$listing" | sort -u) == *disabled* ]] || fail "the calculator takes input under About"
    list "About Movla"
    grep -qP '^Static\tVersion 1 Build 1.02.2003\t' <<<"$listing" || fail "no version line"
    grep -qP "^Static\tThis software is supplied 'as is'. Neither Dorvanek nor Hallumbre give or imply any guarantee of the suitability or applicability of the software for any task.\t" <<<"$listing" ||
      fail "the disclaimer is not the two sentences once ($opening)"
    keys Escape
    wine "$probe" wait "About Movla" || fail "Escape closed About"
    keys alt+d
    wine "$probe" gone "About Movla" || fail "Done did not close About"
    list
    grep -qP '^Button\t&About\t.*\tfocus$' <<<"$listing" || fail "the focus is not back on About"
  done
  changed=(Cents_Change=50 Freq_More=452.89 Freq_Less=427.47 Cents_New=-101.27)
  expect "${changed[@]}"
  # Exit asks; Cancel (Escape) changes nothing, OK (Enter) ends the program.
  keys alt+x
  wine "$probe" wait Quit || fail "Exit did not ask"
  list Quit
  grep -qP '^Static\tLeave System\?\t' <<<"$listing" || fail "the question is not 'Leave System?'"
  grep -qP '^Button\tOK\t.*\tfocus default$' <<<"$listing" || fail "OK is not the default"
  grep -qP '^Button\tCancel\t' <<<"$listing" || fail "no Cancel"
  grep -qP '\ticon$' <<<"$listing" || fail "no icon"
  keys Escape
  wine "$probe" gone Quit || fail "Escape did not cancel"
  expect "${changed[@]}"
  keys alt+x
  wine "$probe" wait Quit || fail "Exit did not ask again"
  keys Return
  ended || fail "OK did not end the program"
  ;;
about_active)
  # About is the window the desktop has active while it is open, so that the
  # window manager's keys reach it: its Alt+F4 closes About, not the
  # calculator beneath, which is active again afterwards.
  active() { [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" = "$1" ] || { echo "'$1' is not active"; return 1; }; }
  keys alt+a
  wine "$probe" wait "About Movla" || fail "About did not open"
  within_5s active "About Movla"
  keys alt+F4
  wine "$probe" gone "About Movla" || fail "the window manager's Alt+F4 did not close About"
  within_5s active "$calculator"
  expect "${defaults[@]}"
  ;;
close)
  # Closing from the title bar ends the program without asking.
  keys alt+F4
  ended || fail "closing the window did not end the program"
  ;;
dark_palette)
  # On a dark desktop the window keeps navy text readable: the system
  # colour it meets (the window background of the inputs and bands) takes
  # its light value. A pair of two system colours (About's title on its
  # band) is the theme's and turns dark.
  for spot in "Cents_Change box:$(pixels 2900) $(pixels 1250)" "band:$(pixels 9000) $(pixels 300)"; do
    [ "$(colour "$calculator" ${spot#*:})" = 255,255,255 ] ||
      fail "the ${spot%%:*} is $(colour "$calculator" ${spot#*:}) on a dark desktop, not white"
  done
  keys alt+a
  wine "$probe" wait "About Movla" || fail "About did not open"
  [ "$(colour "About Movla" $(pixels 150) $(pixels 150))" = 0,0,0 ] || fail "About's band is $(colour "About Movla" $(pixels 150) $(pixels 150)), not black like the dark desktop"
  ;;
layout | layout_144dpi)
  # Every control where its table puts it, in pixels at the display's dots
  # per inch (1440 twips to the inch): class, text, left, top, width, height
  # in twips.
  # check_layout CAPTION CONTROLS WIDTH HEIGHT <ROWS: the window's client
  # area (twips) and its controls.
  check_layout() {
    local caption=$1 want
    want="$(pixels "$3") $(pixels "$4")"
    [ "$(wine "$probe" size "$caption")" = "$want" ] ||
      fail "$caption's client area is $(wine "$probe" size "$caption"), not $want"
    list "$caption"
    while IFS='|' read -r class text left top width height; do
      want=$(printf '%s\t%s\t%s\t%s\t%s\t%s' "$class" "$text" "$(pixels "$left")" "$(pixels "$top")" \
        "$(pixels "$width")" "$(pixels "$height")")
      cut -f1-6 <<<"$listing" | grep -qxF "$want" || fail "$caption: no $class '$text' at $left,$top $width x $height"
    done
    [ "$(wc -l <<<"$listing")" -eq "$2" ] || fail "$caption has $(wc -l <<<"$listing") controls, not $2"
  }
  check_layout "$calculator" 24 10140 6135 <<'ROWS'
Static|Cents Change|135|75|5640|345
Static|Cents Change|135|1170|1770|345
Edit|100|1875|1170|1080|350
Static|Reference Frequency|3270|1170|2505|345
Edit|440|5775|1170|1080|350
Static|Frequency (Hz)|7305|1170|1770|345
Static|+|8310|765|300|345
Edit|466.16|8700|765|1400|350
Static|-|8355|1620|195|345
Edit|415.30|8700|1620|1400|350
Static|Hz Change|135|2550|5640|345
Static|Change|8850|3165|1065|345
Static|Frequency|135|3660|1380|345
Edit|415|1875|3705|1080|350
Static|Reference Frequency|3255|3675|2505|345
Edit|440|5775|3705|1080|350
Static|Cents|7305|3735|1380|345
Edit|-101.27|8700|3705|1400|350
Static|Semitones|7305|4215|1380|345
Edit|-1.01|8700|4215|1400|350
Static|Octaves|7305|4695|1380|345
Edit|-0.08|8700|4695|1400|350
Button|E&xit|150|5640|1500|350
Button|&About|8445|5640|1500|350
ROWS
  keys alt+a
  wine "$probe" wait "About Movla" || fail "About did not open"
  check_layout "About Movla" 16 6165 5700 <<'ROWS'
Static|Movla|825|0|1170|450
Static|Cents to Hz Conversion Utility|3345|135|2175|255
Static||0|465|540|4200
Static||5715|465|405|4200
Static|Version 1 Build 1.02.2003|540|465|5205|270
Static|In colaboration with|540|2235|5205|390
Static|Disclaimer|540|4410|5205|255
Button|&Done|0|5385|6150|300
ROWS
  # The pictures show, 1:1 at 96 dpi, from their top-left corners.
  if [ "$dpi" -eq 96 ]; then
    resources=$(dirname "$0")/../../resources
    for picture in "about-left.jpg 0" "about-right.jpg 5715"; do
      set -- $picture
      for spot in "3 10" "20 150" "10 270"; do
        set -- "$1" "$2" $spot
        [ "$(colour "About Movla" $(($(pixels "$2") + $3)) $(($(pixels 465) + $4)))" = "$(colour file "$resources/$1" "$3" "$4")" ] ||
          fail "$1 does not show at $3,$4"
      done
    done
  fi
  ;;
tab_changed)
  # A Tab onto a result that the pass has just changed selects it whole,
  # so that Ctrl+C copies it.
  keys Tab
  type_text 441
  keys Tab
  expect Freq_Less=416.25
  expect_focus Freq_Less 0-6
  keys ctrl+c
  [ "$(wine "$probe" clipboard)" = 416.25 ] || fail "the changed result was not copied"
  ;;
enter_button)
  # Enter presses the focused button, however the focus came to it: About
  # has it again once Alt+D has closed the About window; Done in there.
  keys alt+a
  wine "$probe" wait "About Movla" || fail "About did not open"
  keys alt+d
  wine "$probe" gone "About Movla" || fail "Done did not close About"
  list
  grep -qP '^Button\t&About\t.*\tfocus$' <<<"$listing" || fail "the focus is not back on About"
  keys Return
  wine "$probe" wait "About Movla" || fail "Enter on the focused About did not press it"
  keys Return
  wine "$probe" gone "About Movla" || fail "Enter on the focused Done did not press it"
  ;;
limit)
  # A box holds 32 767 characters: a paste of 40 000 is cut there.
  wine "$probe" clip 7 40000 || fail "could not fill the clipboard"
  keys ctrl+v
  holds_length() {
    [ "$(row "$1" | cut -f2 | tr -d '\n' | wc -c)" -eq "$2" ] ||
      { echo "$1 holds $(row "$1" | cut -f2 | tr -d '\n' | wc -c) characters, not $2"; return 1; }
  }
  within_5s holds_length Cents_Change 32767
  ;;
long_hover)
  # Hovering a result of 300 digits shows its whole value in lines that
  # fit the screen, not one line running off it.
  keys Tab
  type_text 1e300
  keys Tab
  list
  whole=$(row Freq_More | cut -f2)
  [ "${#whole}" -gt 300 ] || fail "Freq_More reads '$whole', not 300 digits"
  point Freq_More
  sleep 1
  tip=$(wine "$probe" tip) || fail "hovering the long result shows nothing"
  [ "$(tr -d '\n' <<<"$tip")" = "$whole" ] || fail "hovering shows '$tip', not the whole value"
  [ "$(wc -l <<<"$tip")" -gt 1 ] || fail "the hover text is one line"
  read -r left _ right _ <<<"$(wine "$probe" tiprect)"
  [ "$left" -ge 0 ] && [ "$right" -le 1024 ] || fail "the hover text runs off the screen ($left to $right)"
  ;;
cut_mark)
  # A result too long for its box shows its start and "…": the same
  # pixels as a box showing that character, not three full stops.
  keys Tab
  type_text 1e30
  keys Tab
  expect Freq_More=1059463094359295370255109455872.00
  click Cents_Change
  wine "$probe" clip '\u2026' || fail "could not fill the clipboard"
  keys ctrl+v
  expect Cents_Change=…
  import -window "$(xdotool search --name "^$calculator\$" | head -1)" "$shot"
  # ink NAME: the box's text pixels (navy) trimmed to their bounds.
  ink() {
    local place=($(row "$1" | cut -f3-6))
    convert "$shot" -crop "${place[2]}x${place[3]}+${place[0]}+${place[1]}" +repage \
      -fill white +opaque 'rgb(0,0,128)' -trim "${@:2}"
  }
  mark=$(mktemp --suffix=.png) tail=$(mktemp --suffix=.png)
  ink Cents_Change +repage "$mark"
  ink Freq_More +repage -gravity east -crop "$(identify -format %w "$mark")x+0+0" +repage -trim +repage "$tail"
  [ "$(compare -metric AE "$mark" "$tail" null: 2>&1)" = 0 ] ||
    fail "the cut result does not end in '…' ($(identify -format %wx%h "$mark") against $(identify -format %wx%h "$tail"))"
  rm -f "$mark" "$tail"
  ;;
too_large)
  # At 192 dpi the calculator's frame is larger than the 1024x768 screen:
  # it opens at the work area's top-left, its caption and window menu on
  # the screen for Alt+Space and Alt+F4.
  read -r left top right bottom <<<"$(wine "$probe" rect "$calculator")"
  [ "$((right - left))" -gt 1024 ] || fail "the frame is $((right - left)) wide: it fits"
  [ "$((bottom - top))" -gt 768 ] || fail "the frame is $((bottom - top)) high: it fits"
  [ "$left $top" = "0 0" ] || fail "the frame opens at $left,$top, not at the top-left"
  ;;
*)
  fail "no such case"
  ;;
esac
echo "$case_name: passed"
