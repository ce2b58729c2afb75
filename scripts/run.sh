#!/usr/bin/env bash
# Installs what is missing, builds, and runs Ondrix from the build's runtime
# folder. With no audio server running, a private loopback server is started
# first (what the program plays comes back at its input) and stopped when the
# program exits.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
root=$(pwd)
cd build/bin

if ! pactl info >/dev/null 2>&1; then
  audio_dir=$(mktemp -d)
  "$root/scripts/loopback-audio.sh" start "$audio_dir"
  trap '"$root/scripts/loopback-audio.sh" stop "$audio_dir"; rm -rf "$audio_dir"' EXIT
  eval "$("$root/scripts/loopback-audio.sh" env "$audio_dir")"
fi
./ondrix "$@"
