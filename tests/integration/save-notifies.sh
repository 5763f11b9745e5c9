#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The editor, driven from the keyboard, notifies a running viewer after Save of list 1
# and not after Save of list 2. Run it against an X server (see with-xvfb.sh):
#   save-notifies.sh MAKE_SAMPLE_LIST TEST_VIEWER PRESS_KEYS QVXEDIT
set -euo pipefail
make_sample=$1 viewer=$2 press_keys=$3 editor=$4
title="Quorvex Channel List Editor V1.06b"

source "$(dirname "${BASH_SOURCE[0]}")/script-support.sh"
notifications() { grep -c '^notify' "$workdir/viewer.out" || true; }
# Modification time in nanoseconds.
changed_at() { stat -c %.Y "$1"; }

"$make_sample" "$workdir/list1.qvx"
"$make_sample" "$workdir/list2.qvx"
touch -d '2001-01-01' "$workdir/list1.qvx" "$workdir/list2.qvx"
before1=$(changed_at "$workdir/list1.qvx")
before2=$(changed_at "$workdir/list2.qvx")

"$viewer" --seconds 120 >"$workdir/viewer.out" &
pids+=($!)
wait_for 50 grep -qx ready "$workdir/viewer.out" || fail "the test viewer did not show"

QT_QPA_PLATFORM=xcb "$editor" "$workdir/list1.qvx" >"$workdir/editor.log" 2>&1 &
pids+=($!)
wait_for 50 window_shown "$title" || fail "the editor did not show its window"
sleep 0.5

# The focus starts on list 2's tree; five steps on, past list 1's tree, Load, Save as and
# Quit, lies list 1's Save.
"$press_keys" "$title" Tab Tab Tab Tab Tab space
saved1() { [ "$(changed_at "$workdir/list1.qvx")" != "$before1" ]; }
wait_for 50 saved1 || fail "Save of list 1 did not write the list"
notified() { [ "$(notifications)" -ge 1 ]; }
wait_for 50 notified || fail "the viewer got no notification after Save of list 1"
[ "$(notifications)" -eq 1 ] || fail "the viewer got $(notifications) notifications after one Save"
[ "$(grep '^notify' "$workdir/viewer.out")" = "notify 1024 16912533 0" ] \
  || fail "the viewer got: $(grep '^notify' "$workdir/viewer.out")"

# Past Clear all lies list 2's Load; its file dialog takes the path, then Save as and
# Save of list 2 follow.
"$press_keys" "$title" Tab Tab space
# The file dialog: the one other shown window with a title.
dialog=
find_dialog() {
  local id name
  while read -r id name; do
    [ "$name" = "$title" ] || [ "$name" = "Quorvex test viewer" ] && continue
    if xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable'; then dialog=$name; return 0; fi
  done < <(xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) "\([^"]\+\)".*/\1 \2/p')
  return 1
}
wait_for 50 find_dialog || fail "no file dialog opened for Load of list 2"
"$press_keys" "$dialog" "text:$workdir/list2.qvx" Return
dialog_gone() { ! xwininfo -name "$dialog" 2>/dev/null | grep -q 'Map State: IsViewable'; }
wait_for 50 dialog_gone || fail "the file dialog did not take the path"
sleep 0.3
"$press_keys" "$title" Tab Tab space
saved2() { [ "$(changed_at "$workdir/list2.qvx")" != "$before2" ]; }
wait_for 50 saved2 || fail "Save of list 2 did not write the list"
sleep 0.5
[ "$(notifications)" -eq 1 ] || fail "Save of list 2 notified the viewer too"
echo "ok: Save of list 1 notified the viewer once, Save of list 2 did not"
