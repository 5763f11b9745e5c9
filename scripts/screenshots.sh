#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Retakes the README's pictures into docs/ (or FOLDER): scripts/screenshots.sh [FOLDER]
# bench/window_screenshots runs on a private Xvfb under openbox, so the pictures
# carry the window frame; list 1 is the sample .qvx, list 2 the sample .xch.
set -euo pipefail
cd "$(dirname "$0")/.."
folder=$(realpath -m "${1:-docs}")
mkdir -p "$folder"
QVX_WITH_SCREENSHOTS=1 ./scripts/deps.sh
./scripts/configure.sh test window_screenshots >/dev/null

# Runs on the Xvfb display: the window manager first, and only once it manages
# the screen (a window mapped before gets no frame), the driver.
take() {
  openbox --sm-disable >/dev/null 2>&1 &
  local manager=$!
  local status=1
  for _ in $(seq 100); do
    if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then status=0; break; fi
    sleep 0.1
  done
  if [ "$status" = 0 ]; then
    build/test/bench/window_screenshots "$1" examples/sample.qvx examples/sample.xch || status=$?
  else
    echo "openbox did not start" >&2
  fi
  kill "$manager"
  wait "$manager" 2>/dev/null || true
  return "$status"
}
export -f take
tests/integration/with-xvfb.sh bash -c 'take "$0"' "$folder"
