#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The editor without a display to show its window on: one line on stderr and
# exit status 1, never the toolkit's abort and core dump.
#   no-display.sh QVXEDIT
set -euo pipefail
qvxedit=$1

source "$(dirname "${BASH_SOURCE[0]}")/script-support.sh"

expect_one_line() {
  local what=$1 expected=$2; shift 2
  local status=0
  env -u WAYLAND_DISPLAY "$@" "$qvxedit" >"$workdir/out" 2>"$workdir/err" </dev/null || status=$?
  [ "$status" -eq 1 ] || { cat "$workdir/err" >&2; fail "$what: exit status $status, not 1"; }
  [ "$(cat "$workdir/err")" = "$expected" ] || { cat "$workdir/err" >&2; fail "$what: not the one line expected"; }
  [ ! -s "$workdir/out" ] || fail "$what: something on stdout"
  echo "ok: $what"
}

hint="set DISPLAY or run it on a desktop"
expect_one_line "DISPLAY not set" "qvxedit: cannot open the display (DISPLAY is not set): $hint" \
  -u DISPLAY -u QT_QPA_PLATFORM
expect_one_line "X11 chosen, DISPLAY not set" "qvxedit: cannot open the display (DISPLAY is not set): $hint" \
  -u DISPLAY QT_QPA_PLATFORM=xcb
# A display number no server listens on.
expect_one_line "no server at DISPLAY" "qvxedit: cannot open the display \":97\": $hint" \
  -u QT_QPA_PLATFORM DISPLAY=:97
