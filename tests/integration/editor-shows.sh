#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the editor on a list, as a file manager does, against a running X server (see
# with-xvfb.sh), finds its window by title and checks that it is shown:
#   editor-shows.sh MAKE_SAMPLE_LIST COMMAND [ARGS...]
# Every argument "%f" of COMMAND is replaced by the path of a fresh sample list.
set -euo pipefail
make_sample=$1; shift
title="Quorvex Channel List Editor V1.06b"

source "$(dirname "${BASH_SOURCE[0]}")/script-support.sh"

list="$workdir/Sample List.qvx"
"$make_sample" "$list"
command=()
for argument in "$@"; do
  [ "$argument" = "%f" ] && argument=$list
  command+=("$argument")
done

QT_QPA_PLATFORM=xcb "${command[@]}" >"$workdir/editor.log" 2>&1 &
pids+=($!)

info=
for _ in $(seq 150); do
  kill -0 "${pids[0]}" 2>/dev/null || fail "the editor ended before showing its window"
  if info=$(xwininfo -name "$title" 2>/dev/null) && grep -q 'Map State: IsViewable' <<<"$info"; then
    break
  fi
  info=
  sleep 0.1
done
[ -n "$info" ] || fail "no shown window titled \"$title\" within 15 seconds"
echo "ok: the editor shows its window"
