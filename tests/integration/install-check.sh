#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks one aspect of the result:
#   install-check.sh BUILD_DIR CASE [PROGRAM...]
# CASE: layout (PROGRAMS are the executables expected in bin/), desktop-entry, metainfo, copyright,
# mime-types, manual-pages. A check whose tool is not installed is skipped (exit 77).
set -euo pipefail
build=$1 case=$2; shift 2

source "$(dirname "${BASH_SOURCE[0]}")/script-support.sh"
skip() { echo "skipped: $*" >&2; exit 77; }

prefix=$workdir/usr
if ! cmake --install "$build" --prefix "$prefix" >"$workdir/install.log"; then
  cat "$workdir/install.log" >&2
  fail "cmake --install failed"
fi
share=$prefix/share

# Width and height of a PNG file, from its IHDR chunk.
png_size() {
  local bytes
  bytes=$(od -An -tu1 -j16 -N8 "$1" | tr -s ' \n' ' ')
  set -- $bytes
  echo "$(( ($1 << 24) | ($2 << 16) | ($3 << 8) | $4 ))x$(( ($5 << 24) | ($6 << 16) | ($7 << 8) | $8 ))"
}

case $case in
  layout)
    for program in "$@"; do
      [ -x "$prefix/bin/$program" ] || fail "bin/$program is not installed"
    done
    for file in applications/quorvex-editor.desktop mime/packages/quorvex-editor.xml \
                metainfo/io.quorvex.editor.metainfo.xml icons/hicolor/scalable/apps/quorvex-editor.svg \
                man/man1/qvxtool.1.gz man/man1/qvxedit.1.gz; do
      [ -s "$share/$file" ] || fail "share/$file is not installed"
    done
    for size in 16 32 48 64 128 256; do
      icon=$share/icons/hicolor/${size}x${size}/apps/quorvex-editor.png
      [ -s "$icon" ] || fail "the ${size} pixel icon is not installed"
      [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "the ${size} pixel icon is $(png_size "$icon")"
    done
    ;;
  desktop-entry)
    command -v desktop-file-validate >/dev/null || skip "desktop-file-validate is not installed"
    entry=$share/applications/quorvex-editor.desktop
    desktop-file-validate "$entry" || fail "desktop-file-validate rejects the desktop entry"
    grep -qx 'Exec=qvxedit %f' "$entry" || fail "the entry does not start qvxedit with the file"
    grep -qx 'StartupWMClass=qvxedit' "$entry" || fail "the entry does not name the window's class"
    [ -s "$share/icons/hicolor/48x48/apps/$(sed -n 's/^Icon=//p' "$entry").png" ] \
      || fail "the entry's icon is not installed in the hicolor theme"
    # Every file type the entry opens is described by the installed MIME package.
    for type in $(sed -n 's/^MimeType=//p' "$entry" | tr ';' ' '); do
      grep -q "<mime-type type=\"$type\">" "$share/mime/packages/quorvex-editor.xml" \
        || fail "the entry names $type, which no MIME description defines"
    done
    ;;
  metainfo)
    command -v appstreamcli >/dev/null || skip "appstreamcli is not installed"
    appstreamcli validate --no-net "$share/metainfo/io.quorvex.editor.metainfo.xml" \
      || fail "appstreamcli rejects the metainfo"
    grep -q '<launchable type="desktop-id">quorvex-editor.desktop</launchable>' \
      "$share/metainfo/io.quorvex.editor.metainfo.xml" \
      || fail "the metainfo does not launch the desktop entry"
    metainfo=$share/metainfo/io.quorvex.editor.metainfo.xml
    for tag in '<project_license>GPL-3.0-or-later</project_license>' '<url type="homepage">' \
               '<screenshot type="default">' '<developer_name>'; do
      grep -qF "$tag" "$metainfo" || fail "the metainfo has no $tag"
    done
    ;;
  copyright)
    copyright=$share/doc/quorvex-editor/copyright
    [ -s "$copyright" ] || fail "share/doc/quorvex-editor/copyright is not installed"
    head -n1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
      || fail "the copyright file is not in the Debian copyright format"
    grep -qx 'License: GPL-3.0-or-later' "$copyright" || fail "the copyright file names no GPL-3.0-or-later"
    ;;
  mime-types)
    command -v update-mime-database >/dev/null || skip "update-mime-database is not installed"
    update-mime-database "$share/mime" || fail "update-mime-database rejects the description"
    # globs2 lines: weight:type:pattern[:flags]; a ":cs" flag would make the match case-sensitive.
    for pair in qvx:application/x-quorvex-channel-list chl:application/x-windvblive-channel-list \
                dvb:application/x-dvb98-channel-list xch:application/x-dvbextreme-channel-list; do
      extension=${pair%%:*} type=${pair#*:}
      line=$(grep ":$type:\*\.$extension" "$share/mime/globs2") || fail "no glob *.$extension for $type"
      case $line in *:cs*) fail "the glob for *.$extension is case-sensitive: $line";; esac
      grep -q "<comment>" "$share/mime/$type.xml" || fail "$type has no comment"
    done
    ;;
  manual-pages)
    command -v man >/dev/null || skip "man is not installed"
    for page in qvxtool qvxedit; do
      file=$share/man/man1/$page.1.gz
      text=$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -l "$file" 2>"$workdir/$page.warnings") \
        || fail "man cannot show $page.1"
      [ ! -s "$workdir/$page.warnings" ] || fail "$page.1: $(cat "$workdir/$page.warnings")"
      grep -q "^NAME" <<<"$text" || fail "$page.1 has no NAME section"
    done
    # Every command and option of qvxtool is described.
    text=$(MANWIDTH=200 LC_ALL=C.UTF-8 man -l "$share/man/man1/qvxtool.1.gz" 2>/dev/null)
    for word in convert dump info compare --json --by --help --version "EXIT STATUS"; do
      grep -q -- "$word" <<<"$text" || fail "qvxtool.1 does not mention $word"
    done
    ;;
  *)
    fail "unknown case $case"
    ;;
esac
echo "ok: $case"
