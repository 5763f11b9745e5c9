#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program and starts it on LIST, or on the bundled sample list.
#   ./scripts/run.sh [LIST]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
list=${1:-$root/examples/sample.qvx}
cd "$root"
./scripts/deps.sh
# Only the two programs: the tests and benchmarks would keep the window waiting for minutes.
./scripts/configure.sh release qvxedit qvxtool
if [ -x build/release/src/app/qvxedit ]; then
  exec build/release/src/app/qvxedit "$list"
fi
exec build/release/src/app/qvxtool info "$list"
