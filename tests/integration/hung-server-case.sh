#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The notification against an X server that stops answering after the connection
# setup must give up within its two-second bound:
#   hung-server-case.sh SILENT_SERVER DRIVER
set -euo pipefail
server=$1 driver=$2
source "$(dirname "${BASH_SOURCE[0]}")/script-support.sh"

"$server" 30 >"$workdir/server.out" &
pids+=($!)
for _ in $(seq 100); do
  grep -q '^display ' "$workdir/server.out" 2>/dev/null && break
  sleep 0.05
done
display=$(sed -n 's/^display //p' "$workdir/server.out")
[ -n "$display" ] || fail "the silent server did not start"

started=$(date +%s%N)
DISPLAY=":$display" timeout 5 "$driver" >"$workdir/driver.out" || fail "the notification hung (status $?)"
took_ms=$(( ($(date +%s%N) - started) / 1000000 ))
grep -qx done "$workdir/driver.out" || fail "the driver did not finish"
# The bound is two seconds; allow for a slow machine, but not for a second wait.
[ "$took_ms" -lt 3500 ] || fail "the notification took $took_ms ms against a hung server"
echo "ok: gave up after $took_ms ms"
