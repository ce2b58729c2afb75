#!/usr/bin/env bash
# Builds everything with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/ and runs every test there.
# A sanitizer report ends the test that made it, which then fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DONDRIX_SANITIZE=ON -DONDRIX_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build build-asan --parallel "$(nproc)"
source scripts/sanitizer-env.sh
cd build-asan
# The real-audio tests measure rates and levels: they run after the others,
# alone, so the slower instrumented code has the processor to itself.
ctest --output-on-failure --timeout 600 -j "$(nproc)" -LE audio
ctest --output-on-failure --timeout 600 -L audio
