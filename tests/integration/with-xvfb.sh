#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command against a private Xvfb server on a free display:
#   with-xvfb.sh COMMAND [ARGS...]
# The command sees DISPLAY=:N; the server is stopped afterwards. Exits 77 (skipped)
# when Xvfb is not installed.
set -euo pipefail

if ! command -v Xvfb >/dev/null 2>&1; then
  echo "Xvfb is not installed; skipping" >&2
  exit 77
fi

source "$(dirname "${BASH_SOURCE[0]}")/script-support.sh"

# -displayfd lets the server pick a free display number itself. Servers that pick at
# the same moment can still trip over each other's sockets, so they start one at a
# time. -noreset: the server must not go through a reset (and stop listening for a
# moment) when the readiness check below, its first client, leaves.
exec 9>"${TMPDIR:-/tmp}/quorvex-xvfb-start.lock"
flock 9
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x1024x24 3>"$workdir/display" 2>"$workdir/xvfb.log" 9>&- &
pids+=($!)
for _ in $(seq 100); do
  [ -s "$workdir/display" ] && break
  if ! kill -0 "${pids[0]}" 2>/dev/null; then
    echo "Xvfb did not start:" >&2
    cat "$workdir/xvfb.log" >&2
    exit 1
  fi
  sleep 0.1
done
if [ ! -s "$workdir/display" ]; then
  echo "Xvfb did not report its display in 10 seconds" >&2
  exit 1
fi

DISPLAY=":$(head -n1 "$workdir/display")"
export DISPLAY
# The display number can come before the server accepts clients: wait until it answers.
for _ in $(seq 100); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.1
done
if ! xdpyinfo >/dev/null 2>&1; then
  echo "Xvfb on $DISPLAY did not answer in 10 seconds" >&2
  exit 1
fi
exec 9>&-
"$@"
