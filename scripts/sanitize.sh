#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds every test program with AddressSanitizer and UndefinedBehaviorSanitizer
# (leak checking on) and runs all of ctest in that build (preset "sanitize",
# build dir build/sanitize). Extra arguments go to ctest, e.g. -R SafeSave.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
# Any finding ends the test program with an error; Qt's and fontconfig's own
# process-lifetime allocations are not ours to report (tests/lsan.supp). The
# test preset sets the same for ctest; these cover the test discovery that
# runs the programs while building.
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
./scripts/configure.sh sanitize
ctest --preset sanitize --parallel "$(nproc)" "$@"
