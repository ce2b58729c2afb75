#!/usr/bin/env bash
# A private PulseAudio server whose default input hears its default output:
# what a client plays on sink "loop" comes back at source "loopin". Needs no
# sound card, no D-Bus and no system services; works for root too.
#
#   loopback-audio.sh start DIR [--rate HZ]
#                                 start a server living in DIR (made mode 700);
#                                 its sink "loop" runs at HZ (default 44100),
#                                 16-bit stereo, so a client playing and
#                                 recording at that rate gets its samples back
#                                 bit for bit
#   loopback-audio.sh stop DIR    stop it and remove its socket and pid file
#   loopback-audio.sh env DIR     print the export lines that make clients use it
#
# Start the server before any Qt Multimedia client: Qt does not reconnect to a
# server that appears later.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/loopback-common.sh"

usage() {
  echo "usage: $0 start DIR [--rate HZ] | stop DIR | env DIR" >&2
  exit 2
}

[[ $# -ge 2 ]] || usage
cmd=$1
dir=$2
[[ -n "$dir" ]] || usage
shift 2
rate=44100
if [[ "$cmd" == start && $# -eq 2 && "$1" == --rate ]]; then
  rate=$2
  [[ "$rate" =~ ^[1-9][0-9]{3,5}$ ]] || { echo "loopback-audio: the rate must be a whole number of Hz, not '$rate'" >&2; exit 2; }
  shift 2
fi
[[ $# -eq 0 ]] || usage
dir=$(absolute_dir "$dir")

# The environment every client of this server needs.
export XDG_RUNTIME_DIR="$dir"
export PULSE_RUNTIME_PATH="$dir/pulse"
export PULSE_SERVER="unix:$dir/pulse/native"
export DBUS_SESSION_BUS_ADDRESS="disabled:"
# Keep the server's and clients' own state (cookie, config) in DIR too, away
# from the user's home directory.
export PULSE_STATE_PATH="$dir/pulse/state"
export PULSE_COOKIE="$dir/pulse/cookie"

pidfile="$dir/pulse/loopback.pid"
socket="$dir/pulse/native"

server_running() {
  [[ -f "$pidfile" ]] && alive "$(cat "$pidfile")"
}

start_server() {
  if server_running; then
    echo "loopback-audio: a server already runs in $dir (pid $(cat "$pidfile"))" >&2
    exit 1
  fi
  mkdir -p "$dir"
  chmod 700 "$dir"
  mkdir -p "$dir/pulse" "$dir/pulse/state"
  chmod 700 "$dir/pulse" "$dir/pulse/state"
  rm -f "$socket" "$pidfile"

  # The keeper sink stays at 44100 Hz whatever the rate: the loopback into it
  # adjusts its resampler's rates all the time, and with both of its sides far
  # above 65536 Hz that adjustment overflows inside the resampler and aborts
  # the server (seen at 200000 Hz after a few minutes).
  cat >"$dir/loopback.pa" <<EOF
load-module module-native-protocol-unix auth-anonymous=1 socket=$socket
load-module module-null-sink sink_name=loop rate=$rate channels=2 format=s16le
load-module module-remap-source master=loop.monitor source_name=loopin
load-module module-null-sink sink_name=keeper
load-module module-loopback source=loop.monitor sink=keeper latency_msec=30
suspend-sink loop 1
suspend-sink loop 0
set-default-sink loop
set-default-source loopin
EOF

  # HOME points into DIR so the server's cookie and state files stay there.
  HOME="$dir" setsid pulseaudio -n -F "$dir/loopback.pa" --daemonize=no --system=false \
    --exit-idle-time=-1 --realtime=false --high-priority=false \
    --use-pid-file=false </dev/null >"$dir/pulse/server.log" 2>&1 &
  local pid=$!
  echo "$pid" >"$pidfile"

  # Ready when a client gets an answer; 500 polls of 20 ms = 10 s.
  local i
  for ((i = 0; i < 500; i++)); do
    if pactl info >/dev/null 2>&1; then
      return 0
    fi
    if ! alive "$pid"; then
      echo "loopback-audio: pulseaudio exited during start-up; its log ($dir/pulse/server.log):" >&2
      cat "$dir/pulse/server.log" >&2 2>/dev/null || true
      rm -f "$pidfile" "$socket"
      exit 1
    fi
    sleep 0.02
  done
  echo "loopback-audio: pulseaudio did not answer within 10 s; its log ($dir/pulse/server.log):" >&2
  cat "$dir/pulse/server.log" >&2 2>/dev/null || true
  stop_server
  exit 1
}

stop_server() {
  if [[ -f "$pidfile" ]]; then
    local pid
    pid=$(cat "$pidfile")
    if alive "$pid"; then
      kill -TERM "$pid" 2>/dev/null || true
      local i
      for ((i = 0; i < 250; i++)); do
        alive "$pid" || break
        sleep 0.02
      done
      if alive "$pid"; then
        kill -KILL "$pid" 2>/dev/null || true
      fi
    fi
  fi
  rm -f "$socket" "$pidfile"
}

case "$cmd" in
  start) start_server ;;
  stop) stop_server ;;
  env) print_env ;;
  *) usage ;;
esac
