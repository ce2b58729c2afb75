#!/usr/bin/env bash
# Builds everything with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/ (scripts/build-asan.sh) and runs
# every test there.
# A sanitizer report ends the test that made it, which then fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build-asan.sh
source scripts/sanitizer-env.sh
cd build-asan
# The real-audio tests measure rates and levels: they run after the others,
# alone, so the slower instrumented code has the processor to itself.
ctest --output-on-failure --timeout 600 -j "$(nproc)" -LE audio
ctest --output-on-failure --timeout 600 -L audio
