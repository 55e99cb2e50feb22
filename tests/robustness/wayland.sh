#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# The program runs natively on Wayland. Under a headless weston, with
# QT_QPA_PLATFORM=wayland, its window must reach the compositor with its
# title and app id and be drawn, nothing but the protocol log may appear on
# standard error, and it must keep running until it is told to stop.
# The protocol comes from WAYLAND_DEBUG=1.
#   wayland.sh PATH/TO/movla APP_ID
set -euo pipefail
movla=$1 app_id=$2
title="Movla - Cents to Hz Calculator"
runtime=$(mktemp -d "${TMPDIR:-/tmp}/movla-wayland.XXXXXX")
chmod 700 "$runtime"
socket=movla-test-$$
log=$runtime/movla.log
weston_pid='' movla_pid=''

cleanup() {
  [ -z "$movla_pid" ] || kill "$movla_pid" 2>/dev/null || true
  [ -z "$weston_pid" ] || kill "$weston_pid" 2>/dev/null || true
  wait || true
  rm -rf "$runtime"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  [ ! -f "$log" ] || grep -v '^\[' "$log" | sed 's/^/  movla: /' || true
  exit 1
}

# Waits (30 s at most, for a loaded machine) until the command succeeds,
# failing early if the process named by the pid has ended.
wait_for() {
  local what=$1 pid=$2
  shift 2
  for _ in $(seq 300); do
    "$@" && return 0
    kill -0 "$pid" 2>/dev/null || fail "$what: the process ended first"
    sleep 0.1
  done
  fail "$what: not within 30 s"
}

XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" \
  --no-config --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston_pid=$!
wait_for "weston's socket" "$weston_pid" test -S "$runtime/$socket"

env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
  WAYLAND_DEBUG=1 "$movla" >/dev/null 2>"$log" </dev/null &
movla_pid=$!

# Whether the compositor has shown a frame of the window: a callback asked
# for with wl_surface.frame has come back "done" (those of wl_display.sync
# come back too, and ids are reused).
frame_shown() {
  awk '
    function id_of(text) { sub(/.*wl_callback@/, "", text); sub(/[^0-9].*/, "", text); return text }
    / -> wl_surface@[0-9]+\.frame\(new id wl_callback@/ { frame[id_of($0)] = 1; next }
    / -> .*new id wl_callback@/ { delete frame[id_of($0)]; next }
    /\] wl_callback@[0-9]+\.done/ { if (id_of($0) in frame) shown = 1 }
    END { exit !shown }' "$log"
}

# Requests the client sends start with " -> ".
wait_for "the title \"$title\"" "$movla_pid" \
  grep -qE -- "-> xdg_toplevel@[0-9]+\.set_title\(\"$title\"\)" "$log"
wait_for "the app id $app_id" "$movla_pid" \
  grep -qE -- "-> xdg_toplevel@[0-9]+\.set_app_id\(\"$app_id\"\)" "$log"
wait_for "a buffer attached to the window" "$movla_pid" \
  grep -qE -- "-> wl_surface@[0-9]+\.attach\(wl_buffer@" "$log"
wait_for "the compositor showing the window" "$movla_pid" frame_shown

kill -0 "$movla_pid" 2>/dev/null || fail "the program ended by itself"
kill -TERM "$movla_pid"
status=0
wait "$movla_pid" || status=$?
movla_pid=''
[ "$status" -eq 143 ] || fail "stopped with SIGTERM, it ended with status $status"

others=$(grep -v '^\[' "$log" || true)
[ -z "$others" ] || fail "the program wrote more than the protocol log"
echo "ok   on Wayland: window \"$title\" ($app_id) shown; ran until stopped"
