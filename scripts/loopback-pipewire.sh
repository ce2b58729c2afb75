#!/usr/bin/env bash
# A private PipeWire sound server, spoken to through its PulseAudio server
# (pipewire-pulse), whose default input hears its default output: the same
# loopback as loopback-audio.sh gives with PulseAudio, for the same clients.
# pipewire, wireplumber and pipewire-pulse run from DIR with their own
# configuration: no D-Bus, no realtime module, no ALSA, Bluetooth or camera
# monitor, so they never touch a sound card or the session's own server.
#
#   loopback-pipewire.sh start DIR   start the three servers living in DIR
#   loopback-pipewire.sh stop DIR    stop them and remove their sockets
#   loopback-pipewire.sh env DIR     print the export lines that make clients use it
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/loopback-common.sh"

usage() {
  echo "usage: $0 start DIR | stop DIR | env DIR" >&2
  exit 2
}

[[ $# -eq 2 && -n "$2" ]] || usage
cmd=$1
dir=$2
dir=$(absolute_dir "$dir")

# Everything the servers and their clients look up lives in DIR.
export XDG_RUNTIME_DIR="$dir"
export PIPEWIRE_RUNTIME_DIR="$dir"
export PULSE_RUNTIME_PATH="$dir/pulse"
export PULSE_SERVER="unix:$dir/pulse/native"
export PULSE_COOKIE="$dir/pulse/cookie"
export DBUS_SESSION_BUS_ADDRESS="disabled:"
export DBUS_SYSTEM_BUS_ADDRESS="disabled:"
export XDG_CONFIG_HOME="$dir/config"
export XDG_STATE_HOME="$dir/state"
export PIPEWIRE_CONFIG_DIR="$dir/config/pipewire"
export WIREPLUMBER_CONFIG_DIR="$dir/config/wireplumber"
unset PIPEWIRE_REMOTE

pidfile="$dir/pipewire.pids"
socket="$dir/pulse/native"

write_config() {
  mkdir -p "$PIPEWIRE_CONFIG_DIR" "$WIREPLUMBER_CONFIG_DIR/main.lua.d" "$XDG_STATE_HOME" "$dir/pulse"
  chmod 700 "$dir/pulse"
  # The graph runs at 44100 Hz with short periods: 256 frames (5.8 ms).
  cat >"$PIPEWIRE_CONFIG_DIR/pipewire.conf" <<EOF
context.properties = {
  core.daemon = true
  core.name = pipewire-0
  support.dbus = false
  link.max-buffers = 16
  default.clock.rate = 44100
  default.clock.allowed-rates = [ 44100 ]
  default.clock.quantum = 256
  default.clock.min-quantum = 64
  default.clock.max-quantum = 2048
  mem.allow-mlock = false
}
context.spa-libs = {
  audio.convert.* = audioconvert/libspa-audioconvert
  support.* = support/libspa-support
}
context.modules = [
  { name = libpipewire-module-protocol-native }
  { name = libpipewire-module-metadata }
  { name = libpipewire-module-spa-node-factory }
  { name = libpipewire-module-client-node }
  { name = libpipewire-module-client-device }
  { name = libpipewire-module-access }
  { name = libpipewire-module-adapter }
  { name = libpipewire-module-link-factory }
  { name = libpipewire-module-session-manager }
]
context.objects = [
  { factory = spa-node-factory
    args = { factory.name = support.node.driver node.name = Dummy-Driver
             node.group = pipewire.dummy priority.driver = 20000 } }
]
EOF
  cat >"$PIPEWIRE_CONFIG_DIR/pipewire-pulse.conf" <<EOF
context.properties = {
  support.dbus = false
  mem.allow-mlock = false
}
context.spa-libs = {
  audio.convert.* = audioconvert/libspa-audioconvert
  support.* = support/libspa-support
}
context.modules = [
  { name = libpipewire-module-protocol-native }
  { name = libpipewire-module-client-node }
  { name = libpipewire-module-adapter }
  { name = libpipewire-module-metadata }
  { name = libpipewire-module-protocol-pulse
    args = { server.address = [ "unix:$socket" ] } }
]
EOF
  cat >"$WIREPLUMBER_CONFIG_DIR/wireplumber.conf" <<EOF
context.properties = {
  log.level = 2
  wireplumber.script-engine = lua-scripting
  support.dbus = false
}
context.spa-libs = {
  audio.convert.* = audioconvert/libspa-audioconvert
  support.* = support/libspa-support
}
context.modules = [
  { name = libpipewire-module-protocol-native }
  { name = libpipewire-module-client-node }
  { name = libpipewire-module-client-device }
  { name = libpipewire-module-adapter }
  { name = libpipewire-module-metadata }
  { name = libpipewire-module-session-manager }
]
wireplumber.components = [
  { name = libwireplumber-module-lua-scripting, type = module }
  { name = main.lua, type = config/lua }
  { name = policy.lua, type = config/lua }
]
EOF
  # WirePlumber's own scripts, but no device monitors and no suspending of
  # idle nodes (a suspended sink would start late when a client attaches).
  cp -r /usr/share/wireplumber/common /usr/share/wireplumber/scripts "$WIREPLUMBER_CONFIG_DIR/" 2>/dev/null || true
  cp /usr/share/wireplumber/main.lua.d/*.lua "$WIREPLUMBER_CONFIG_DIR/main.lua.d/"
  cp -r /usr/share/wireplumber/policy.lua.d "$WIREPLUMBER_CONFIG_DIR/"
  # The portal's permission store needs D-Bus, which is off.
  sed -i 's/\["enable-flatpak-portal"\] = true/["enable-flatpak-portal"] = false/' \
    "$WIREPLUMBER_CONFIG_DIR/main.lua.d/50-default-access-config.lua"
  cat >"$WIREPLUMBER_CONFIG_DIR/main.lua.d/90-enable-all.lua" <<EOF
load_module("metadata")
default_access.enable()
device_defaults.enable()
stream_defaults.enable()
load_script("intended-roles.lua")
EOF
}

start_servers() {
  if [[ -f "$pidfile" ]]; then
    local pid
    for pid in $(cat "$pidfile"); do
      if alive "$pid"; then
        echo "loopback-pipewire: servers already run in $dir" >&2
        exit 1
      fi
    done
  fi
  mkdir -p "$dir"
  chmod 700 "$dir"
  rm -f "$socket" "$pidfile" "$dir/pipewire-0" "$dir/pipewire-0.lock"
  write_config

  local pids=()
  setsid pipewire </dev/null >"$dir/pipewire.log" 2>&1 &
  pids+=($!)
  echo "${pids[*]}" >"$pidfile"
  local i
  for ((i = 0; i < 250; i++)); do
    [[ -S "$dir/pipewire-0" ]] && break
    sleep 0.02
  done
  setsid wireplumber </dev/null >"$dir/wireplumber.log" 2>&1 &
  pids+=($!)
  setsid pipewire -c pipewire-pulse.conf </dev/null >"$dir/pipewire-pulse.log" 2>&1 &
  pids+=($!)
  echo "${pids[*]}" >"$pidfile"

  # Ready when the PulseAudio side answers; 500 polls of 20 ms = 10 s.
  for ((i = 0; i < 500; i++)); do
    pactl info >/dev/null 2>&1 && break
    local pid
    for pid in "${pids[@]}"; do
      if ! alive "$pid"; then
        echo "loopback-pipewire: a server exited during start-up; logs in $dir:" >&2
        tail -n 20 "$dir"/*.log >&2 || true
        stop_servers
        exit 1
      fi
    done
    sleep 0.02
  done
  if ! pactl info >/dev/null 2>&1; then
    echo "loopback-pipewire: pipewire-pulse did not answer within 10 s; logs in $dir:" >&2
    tail -n 20 "$dir"/*.log >&2 || true
    stop_servers
    exit 1
  fi

  # The loopback: sink "loop", and source "loopin" that hears it.
  pactl load-module module-null-sink sink_name=loop rate=44100 channels=2 format=s16le >/dev/null
  pactl load-module module-remap-source master=loop.monitor source_name=loopin >/dev/null
  pactl set-default-sink loop
  pactl set-default-source loopin
  # WirePlumber takes the defaults when it has seen the new nodes.
  for ((i = 0; i < 250; i++)); do
    [[ "$(pactl get-default-sink 2>/dev/null)" == loop && "$(pactl get-default-source 2>/dev/null)" == loopin ]] && return 0
    sleep 0.02
  done
  echo "loopback-pipewire: the loopback devices did not become the defaults; logs in $dir:" >&2
  tail -n 20 "$dir"/*.log >&2 || true
  stop_servers
  exit 1
}

stop_servers() {
  if [[ -f "$pidfile" ]]; then
    local pid pids
    pids=$(cat "$pidfile")
    for pid in $pids; do kill -TERM "$pid" 2>/dev/null || true; done
    local i
    for pid in $pids; do
      for ((i = 0; i < 250; i++)); do
        alive "$pid" || break
        sleep 0.02
      done
      alive "$pid" && kill -KILL "$pid" 2>/dev/null || true
    done
  fi
  rm -f "$socket" "$pidfile" "$dir/pipewire-0" "$dir/pipewire-0.lock" "$dir/pulse/pid"
}

case "$cmd" in
  start) start_servers ;;
  stop) stop_servers ;;
  env) print_env ;;
  *) usage ;;
esac
