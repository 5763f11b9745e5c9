#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of the release build and prints its path:
#   ./scripts/package.sh    ->  build/release/quorvex-editor_VERSION_ARCH.deb
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
./scripts/configure.sh release
(cd build/release && cpack -G DEB >/dev/null)
ls -1 build/release/quorvex-editor_*.deb
