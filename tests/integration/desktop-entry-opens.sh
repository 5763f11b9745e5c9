#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and opens a list the way a file manager
# does: with the Exec line of the installed desktop entry, %f being the list. The window
# must show, carry the class the entry names (so a dock groups it under the entry's icon),
# and Save of list 1 (only enabled when list 1 holds a loaded file) must write
# that list. Run it against an X server (see with-xvfb.sh):
#   desktop-entry-opens.sh BUILD_DIR MAKE_SAMPLE_LIST PRESS_KEYS
set -euo pipefail
build=$1 make_sample=$2 press_keys=$3
title="Quorvex Channel List Editor V1.06b"

source "$(dirname "${BASH_SOURCE[0]}")/script-support.sh"

cmake --install "$build" --prefix "$workdir/usr" >/dev/null
exec_line=$(sed -n 's/^Exec=//p' "$workdir/usr/share/applications/quorvex-editor.desktop")
[ -n "$exec_line" ] || fail "the desktop entry has no Exec line"
list="$workdir/My Lists/channels.qvx"
mkdir -p "$(dirname "$list")"
"$make_sample" "$list"
touch -d '2001-01-01' "$list"
before=$(stat -c %.Y "$list")

read -r -a words <<<"$exec_line"
command=()
for word in "${words[@]}"; do
  [ "$word" = "%f" ] && word=$list
  command+=("$word")
done
PATH="$workdir/usr/bin:$PATH" QT_QPA_PLATFORM=xcb "${command[@]}" >"$workdir/editor.log" 2>&1 &
pids+=($!)

wait_for 100 window_shown "$title" || fail "the editor did not show its window"
wm_class=$(sed -n 's/^StartupWMClass=//p' "$workdir/usr/share/applications/quorvex-editor.desktop")
[ -n "$wm_class" ] || fail "the desktop entry has no StartupWMClass"
window=$(xwininfo -name "$title" | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')
# WM_CLASS(STRING) = "INSTANCE", "CLASS"
class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*= ".*", "\(.*\)"$/\1/p')
[ "$class" = "$wm_class" ] || fail "the window's class is \"$class\", the entry expects \"$wm_class\""
sleep 0.5
# From list 2's tree, the start of the focus order, five steps lead to list 1's Save.
"$press_keys" "$title" Tab Tab Tab Tab Tab space
saved() { [ "$(stat -c %.Y "$list")" != "$before" ]; }
wait_for 100 saved || fail "list 1 does not hold the list opened through the desktop entry"
echo "ok: the desktop entry opened the list in list 1"
