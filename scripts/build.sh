#!/usr/bin/env bash
# Configures and builds everything into build/ (runtime folder: build/bin).
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
# A compiler cache, when installed, makes rebuilds of unchanged sources free.
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
cmake --build build --parallel "$(nproc)"
