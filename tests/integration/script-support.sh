# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the integration scripts: a private work folder that is removed at exit,
# after every background process recorded in pids has been stopped.
workdir=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$workdir"
}
trap cleanup EXIT

# Ends the script with the message, followed by the editor's output where there is one.
fail() { echo "FAIL: $*" >&2; cat "$workdir/editor.log" >&2 2>/dev/null || true; exit 1; }

# Waits up to TENTHS tenths of a second for COMMAND to hold: wait_for TENTHS COMMAND [ARGS...]
wait_for() {
  local tenths=$1; shift
  for _ in $(seq "$tenths"); do "$@" && return 0; sleep 0.1; done
  return 1
}

# Whether a window titled TITLE is shown.
window_shown() { xwininfo -name "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
