#!/usr/bin/env bash
# The capture soak: MINUTES (default 10) of 200 kHz 16-bit stereo through the
# program's own input path, with a counting signal played into it. Starts a
# private loopback sound server whose sink runs at 200 kHz (so the signal
# comes back bit for bit: no resampling, volume 100 %), plays the signal with
# pacat, runs build/bench/capture_soak and prints its figures: lost, repeated
# and reordered frames, the byte rate, the display tick's lateness. Exit
# status: capture_soak's (0 pass, 1 fail, 2 no input or no signal).
#
#   bench/capture-soak.sh [--keep-awake] [MINUTES]
#
# --keep-awake keeps the processors out of their idle state for the run, as
# latency tests like cyclictest do: it holds a zero request on
# /dev/cpu_dma_latency (when it may) and runs one busy loop per core at the
# SCHED_IDLE policy, which gets a core only when nothing else wants it. A
# virtual machine's halted processor can be woken tens of milliseconds late by
# its host; this takes that wake-up out of the figures, so they show the
# program's own lateness.
#
# Needs pulseaudio and pacat (pulseaudio-utils); build first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
soak=$root/build/bench/capture_soak
keep_awake=0
if [[ "${1:-}" == --keep-awake ]]; then keep_awake=1; shift; fi
minutes=${1:-10}
rate=200000
[[ $# -le 1 && "$minutes" =~ ^[0-9]+([.][0-9]+)?$ ]] || { echo "usage: $0 [--keep-awake] [MINUTES]" >&2; exit 2; }
[[ -x "$soak" ]] || { echo "capture-soak: no $soak (build first)" >&2; exit 2; }

work=$(mktemp -d)
emit_pid="" player_pid="" awake_pids=""
cleanup() {
  for pid in $player_pid $emit_pid $awake_pids; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  "$root/scripts/loopback-audio.sh" stop "$work/audio" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

"$root/scripts/loopback-audio.sh" start "$work/audio" --rate "$rate"
eval "$("$root/scripts/loopback-audio.sh" env "$work/audio")"

# The player: the counting signal through a pipe into pacat at the sink's own
# rate and format, with pacat's default (large) buffer against stalls.
mkfifo "$work/signal"
"$soak" --emit >"$work/signal" &
emit_pid=$!
pacat --raw --rate="$rate" --channels=2 --format=s16le <"$work/signal" &
player_pid=$!
sleep 1

if ((keep_awake)); then
  # The request holds while the file stays open: on descriptor 9 of this shell.
  { exec 9>/dev/cpu_dma_latency; } 2>/dev/null && printf '\0\0\0\0' >&9 ||
    echo "capture-soak: /dev/cpu_dma_latency not writable; busy loops only"
  for ((core = 0; core < $(nproc); core++)); do
    chrt --idle 0 bash -c 'while :; do :; done' &
    awake_pids+=" $!"
  done
  echo "processors kept awake: $(nproc) idle-policy busy loops"
fi

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg) ($(nproc) cores)"
status=0
"$soak" --seconds "$(awk -v m="$minutes" 'BEGIN { print m * 60 }')" --rate "$rate" || status=$?
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
exit "$status"
