#!/usr/bin/env bash
# Installs the build into a temporary prefix and opens a list the way a file manager
# does: with the Exec line of the installed desktop entry, %f being the list. Run it
# against an X server (see with-xvfb.sh):
#   desktop-entry-opens.sh BUILD_DIR MAKE_SAMPLE_LIST EDITOR_SHOWS_SCRIPT
set -euo pipefail
build=$1 make_sample=$2 editor_shows=$3

workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
cmake --install "$build" --prefix "$workdir/usr" >/dev/null
exec_line=$(sed -n 's/^Exec=//p' "$workdir/usr/share/applications/quorvex-editor.desktop")
[ -n "$exec_line" ] || { echo "FAIL: the desktop entry has no Exec line" >&2; exit 1; }
read -r -a command <<<"$exec_line"
PATH="$workdir/usr/bin:$PATH" "$editor_shows" "$make_sample" "${command[@]}"
