#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything with warnings as errors and runs every test; then the same
# tests built with AddressSanitizer + UndefinedBehaviorSanitizer; then each
# fuzz target for a few seconds. CI runs exactly this.
set -euo pipefail
cd "$(dirname "$0")/.."
export QVX_WITH_FUZZ=1
./scripts/deps.sh

step() { printf '\n=== %s\n' "$*"; }

step "Test build (warnings are errors)"
./scripts/configure.sh test
ctest --preset test --parallel "$(nproc)"

step "Sanitizer build (ASan + UBSan, leaks checked): every test"
./scripts/sanitize.sh

step "Fuzz targets: smoke run of each (clang, libFuzzer)"
./scripts/configure.sh fuzz
ctest --preset fuzz --parallel "$(nproc)"
