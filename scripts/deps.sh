#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build and the tests need, when missing.
# As root it runs apt-get itself; otherwise it prints the one line to run.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libicu-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libxcb1-dev
  xvfb xauth
  x11-utils desktop-file-utils appstream shared-mime-info dpkg-dev
  dbus at-spi2-core python3-pyatspi
  acl attr
  dvb-tools dtv-scan-tables
)
if [ "${QVX_WITH_FUZZ:-0}" = 1 ]; then
  packages+=(clang libclang-rt-14-dev)
fi
# scripts/screenshots.sh: a window manager to frame the window.
if [ "${QVX_WITH_SCREENSHOTS:-0}" = 1 ]; then
  packages+=(openbox)
fi

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$package")
done

[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "Missing packages. Run this once, then try again:" >&2
  echo "  sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
