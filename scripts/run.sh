#!/usr/bin/env bash
# Installs what is missing, builds, and runs Ondrix. Until the main window
# lands this measures a demo recording with the command-line tool.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
cd build/bin
demo=demo.wav
# A 1 kHz sine on CH1 and a 2.5 kHz sine on CH2, 16-bit stereo 44100 Hz.
sox -q -n -r 44100 -c 2 -b 16 "$demo" synth 1 sine 1000 sine 2500 vol 0.5
echo "== ondrix-cli info $demo"
./ondrix-cli info "$demo"
echo "== ondrix-cli measure $demo"
./ondrix-cli measure "$demo"
echo "== ondrix-cli spectrum $demo"
./ondrix-cli spectrum "$demo"
