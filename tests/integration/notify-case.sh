#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One case of the viewer notification against a running X server (see with-xvfb.sh):
#   notify-case.sh VIEWER DRIVER CASE
set -euo pipefail
viewer=$1 driver=$2 case=$3

source "$(dirname "${BASH_SOURCE[0]}")/script-support.sh"

# Starts a test viewer named NAME with the given options and waits until its window is
# mapped. Later viewers lie above earlier ones in the stacking order.
start_viewer() {
  local name=$1; shift
  "$viewer" --seconds 20 "$@" >"$workdir/$name.out" &
  pids+=($!)
  for _ in $(seq 100); do
    grep -qx ready "$workdir/$name.out" 2>/dev/null && return 0
    sleep 0.05
  done
  fail "viewer $name did not map its window"
}
window_of() { sed -n 's/^window //p' "$workdir/$1.out"; }

# Runs the driver; a notification must return well inside its two-second bound.
notify() {
  local started=$SECONDS
  timeout 3 "$driver" "$@" >"$workdir/driver.out" || fail "the notification did not return (status $?)"
  grep -qx done "$workdir/driver.out" || fail "the driver did not finish"
  [ $((SECONDS - started)) -le 2 ] || fail "the notification took $((SECONDS - started)) s"
  sleep 0.3   # let the viewers read what the server delivered
}

# Checks that viewer NAME received exactly COUNT notifications, each 1024 16912533 0.
expect_notifications() {
  local name=$1 count=$2
  local got
  got=$(grep -c '^notify' "$workdir/$name.out" || true)
  [ "$got" -eq "$count" ] \
    || fail "viewer $name got $got notifications, expected $count: $(cat "$workdir/$name.out")"
  if [ "$count" -gt 0 ]; then
    [ "$(grep '^notify' "$workdir/$name.out" | sort -u)" = "notify 1024 16912533 0" ] \
      || fail "viewer $name got: $(grep '^notify' "$workdir/$name.out")"
  fi
}

case $case in
  delivers)
    start_viewer viewer
    notify
    expect_notifications viewer 1
    ;;
  exact-prefix)
    start_viewer viewer --title "Quorvex"
    notify
    expect_notifications viewer 1
    ;;
  lower-case-title-is-no-viewer)
    start_viewer viewer
    start_viewer lower --title "quorvex lower"
    notify
    expect_notifications lower 0
    expect_notifications viewer 1
    ;;
  topmost-viewer-first)
    start_viewer lower --title "Quorvex below"
    start_viewer upper --title "Quorvex above"
    notify
    expect_notifications upper 1
    expect_notifications lower 0
    ;;
  own-window-skipped)
    start_viewer viewer
    start_viewer own --title "Quorvex Channel List Editor V1.06b"
    notify "$(window_of own)"
    expect_notifications own 0
    expect_notifications viewer 1
    ;;
  below-window-manager-frame)
    start_viewer other --title "Some other program"
    start_viewer viewer --framed
    notify
    expect_notifications viewer 1
    expect_notifications other 0
    ;;
  no-viewer)
    start_viewer other --title "Some other program"
    notify
    expect_notifications other 0
    ;;
  no-display)
    start_viewer viewer
    env -u DISPLAY timeout 3 "$driver" >"$workdir/driver.out" || fail "the driver failed without a display"
    grep -qx done "$workdir/driver.out" || fail "the driver did not finish"
    sleep 0.3
    expect_notifications viewer 0
    ;;
  *)
    fail "unknown case $case"
    ;;
esac
echo "ok: $case"
