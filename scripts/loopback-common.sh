# What the private loopback servers' scripts (loopback-audio.sh,
# loopback-pipewire.sh) share. Sourced, not run.

# DIR made absolute, so the printed exports work from any directory.
absolute_dir() {
  case "$1" in
    /*) echo "$1" ;;
    *) echo "$PWD/$1" ;;
  esac
}

# The export lines that make clients use the server living in $dir.
print_env() {
  echo "export XDG_RUNTIME_DIR='$dir'"
  echo "export PULSE_RUNTIME_PATH='$dir/pulse'"
  echo "export PULSE_SERVER='unix:$dir/pulse/native'"
  echo "export DBUS_SESSION_BUS_ADDRESS='disabled:'"
}

# Alive and not a zombie: in a container nobody may reap an orphaned server.
alive() {
  kill -0 "$1" 2>/dev/null || return 1
  local state
  state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) || return 0
  [[ "$state" != Z ]]
}
