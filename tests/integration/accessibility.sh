#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the editor on a sample list with the accessibility bus on and reads it as a screen
# reader does (accessibility-check.py): the status pane, a tree row's description, the
# drop-down lists by label and value, the context menu that Shift+F10 opens. Run it under
# an X server and a private session bus:
#   with-xvfb.sh dbus-run-session -- accessibility.sh SAMPLE_QVX PRESS_KEYS EDITOR
# SAMPLE_QVX is examples/sample.qvx, whose providers and channels the check names.
set -euo pipefail
sample=$1 press_keys=$2 editor=$3
title="Quorvex Channel List Editor V1.06b"
here=$(dirname "${BASH_SOURCE[0]}")

source "$here/script-support.sh"
skip() { echo "skipped: $*" >&2; exit 77; }

launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || skip "at-spi2-core is not installed"
[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || skip "no session bus (run under dbus-run-session)"
# The Python that has the AT-SPI bindings (a python3 first in PATH may be another one). Only
# looked up, not imported: importing would start a second accessibility bus by D-Bus activation.
python=
for candidate in python3 /usr/bin/python3; do
  if command -v "$candidate" >/dev/null &&
     "$candidate" -c 'import importlib.util, sys; sys.exit(importlib.util.find_spec("pyatspi") is None)' 2>/dev/null; then
    python=$candidate
    break
  fi
done
[ -n "$python" ] || skip "python3-pyatspi is not installed"

"$launcher" --launch-immediately >"$workdir/bus.log" 2>&1 &
pids+=($!)
# The editor starts once the bus answers: started while the launcher still sets itself up,
# the editor at times cannot even reach the X server.
bus_up() {
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1
}
wait_for 100 bus_up || fail "the accessibility bus did not start"
sleep 0.5
list="$workdir/sample.qvx"
cp "$sample" "$list"
# Qt asks the session whether a screen reader runs; the bridge is switched on here instead.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$editor" "$list" >"$workdir/editor.log" 2>&1 &
pids+=($!)
wait_for 150 window_shown "$title" || fail "the editor did not show its window"
sleep 0.5
"$python" "$here/accessibility-check.py" "$press_keys" "$title" "$(basename "$list")" || fail "see above"
echo "ok: a screen reader reads the window"
