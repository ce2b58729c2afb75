#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
cd build
# The real-audio tests play and record in real time: they run after the
# others, alone, so a busy processor does not starve their sound streams.
ctest --output-on-failure --timeout 300 -j "$(nproc)" -LE audio
ctest --output-on-failure --timeout 300 -L audio
