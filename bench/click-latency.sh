#!/usr/bin/env bash
# The input's latency: clicks played into a private loopback sound server,
# found in the running view's picture (build/bench/click_latency). Prints
# each click's latency and the median, 90th percentile and worst.
#
#   bench/click-latency.sh [--pipewire] [CLICKS]     (default 100 clicks)
#
# --pipewire runs PipeWire with its PulseAudio server instead of PulseAudio.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=$root/build/bench/click_latency
script=$root/scripts/loopback-audio.sh
if [[ "${1:-}" == --pipewire ]]; then script=$root/scripts/loopback-pipewire.sh; shift; fi
clicks=${1:-100}
[[ $# -le 1 && "$clicks" =~ ^[1-9][0-9]*$ ]] || { echo "usage: $0 [--pipewire] [CLICKS]" >&2; exit 2; }
[[ -x "$bin" ]] || { echo "click-latency: no $bin (build first)" >&2; exit 2; }

work=$(mktemp -d)
cleanup() {
  "$script" stop "$work/audio" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
"$script" start "$work/audio"
eval "$("$script" env "$work/audio")"
echo "server: $(pactl info | sed -n 's/^Server Name: //p'); load average $(cut -d' ' -f1-3 /proc/loadavg)"
"$bin" --clicks "$clicks"
