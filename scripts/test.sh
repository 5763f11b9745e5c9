#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
./scripts/configure.sh test
ctest --preset test --parallel "$(nproc)"
