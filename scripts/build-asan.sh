#!/usr/bin/env bash
# Configures and builds the instrumented tree build-asan/ with clang:
# AddressSanitizer and UndefinedBehaviorSanitizer everywhere, plus libFuzzer's
# coverage feedback, so the same objects serve the sanitizer test run and the
# fuzz targets. Builds TARGET... (default: everything).
#
#   scripts/build-asan.sh [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
launcher=()
# The coverage ignore list's hash is in the compile flags, so a compiler cache
# sees a change of the list.
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DONDRIX_FUZZ=ON -DONDRIX_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build build-asan "${targets[@]}" --parallel "$(nproc)"
