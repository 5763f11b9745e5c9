#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build tree, unpacks it into a temporary root as
# dpkg would install it, and runs the programs from there:
#   package-check.sh BUILD_DIR MAKE_SAMPLE_LIST VERSION
# VERSION is the build's one version, which the package, its programs, the metainfo and
# the manual pages must all carry.
set -euo pipefail
build=$1 make_sample=$2 expected=$3

command -v dpkg-deb >/dev/null || { echo "skipped: dpkg-deb is not installed" >&2; exit 77; }
source "$(dirname "${BASH_SOURCE[0]}")/script-support.sh"

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$workdir/package" >"$workdir/cpack.log" 2>&1 \
  || { cat "$workdir/cpack.log" >&2; fail "cpack failed"; }
debs=("$workdir"/package/quorvex-editor_*.deb)
[ -f "${debs[0]}" ] || fail "cpack made no package"
deb=${debs[0]}

root=$workdir/root
dpkg -x "$deb" "$root"
bin=$root/usr/bin
[ -x "$bin/qvxtool" ] || fail "the package holds no usr/bin/qvxtool"
for file in usr/share/mime/packages/quorvex-editor.xml usr/share/man/man1/qvxtool.1.gz \
            usr/share/doc/quorvex-editor/copyright; do
  [ -s "$root/$file" ] || fail "the package holds no $file"
done

version=$("$bin/qvxtool" --version) || fail "qvxtool --version failed"
[ "$version" = "qvxtool $expected" ] || fail "qvxtool --version printed: $version"
package_version=$(dpkg-deb -f "$deb" Version)
[ "$package_version" = "$expected" ] || fail "the package has version $package_version, not $expected"
for page in qvxtool qvxedit; do
  manual=$root/usr/share/man/man1/$page.1.gz
  [ -f "$manual" ] || continue
  zcat "$manual" | head -n1 | grep -qF "\"Quorvex $expected\"" || fail "$page.1 names another version"
done
list=$workdir/sample.qvx
"$make_sample" "$list"
"$bin/qvxtool" info "$list" >/dev/null || fail "the installed qvxtool cannot read a list"

depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libc6* ]] || fail "the package declares no C library dependency: $depends"
if [ -x "$bin/qvxedit" ]; then
  for needed in libqt6widgets6 libqt6gui6 libqt6core6 libxcb1 qt6-qpa-plugins; do
    [[ $depends == *"$needed"* ]] || fail "the package does not declare $needed: $depends"
  done
  for file in usr/share/applications/quorvex-editor.desktop \
              usr/share/metainfo/io.quorvex.editor.metainfo.xml \
              usr/share/icons/hicolor/256x256/apps/quorvex-editor.png; do
    [ -s "$root/$file" ] || fail "the package holds no $file"
  done
  # --help and --version answer without a display.
  editor_version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/qvxedit" --version) \
    || fail "qvxedit --version failed"
  [ "$editor_version" = "qvxedit $expected" ] || fail "qvxedit --version printed: $editor_version"
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/qvxedit" --help | grep -q '^Usage: qvxedit \[LIST\]' \
    || fail "qvxedit --help printed no usage"
  release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$root/usr/share/metainfo/io.quorvex.editor.metainfo.xml" | head -n1)
  [ "$release" = "$expected" ] || fail "the metainfo's newest release is $release, not $expected"
  # The editor is a dialog that waits for the user: still running after a while means it
  # started and loaded the list without crashing.
  QT_QPA_PLATFORM=offscreen "$bin/qvxedit" "$list" >"$workdir/editor.log" 2>&1 &
  pids+=($!)
  sleep 3
  kill -0 "${pids[0]}" 2>/dev/null || fail "the installed qvxedit ended at start"
fi
echo "ok: $(basename "$deb") installs; $version"
