#!/usr/bin/env bash
# Builds ondrix-make-artwork and runs it to regenerate the committed artwork
# in res/ (Toolbar_.bmp, icons32.png, icons16.png, ondrix.png, artwork.qrc).
# Usage: scripts/make-artwork.sh [BUILD_DIR]   (default: build-art)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-art}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel 1 --target ondrix-make-artwork
"$build/tools/ondrix-make-artwork" res
# Re-run the configuration so the runtime folder gets the new toolbar bitmap.
cmake -S . -B "$build" >/dev/null
