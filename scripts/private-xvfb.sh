# Sourced by the scripts that show the program on a screen of their own.
# start_private_xvfb WORK SIZE NAME: starts Xvfb at SIZE (e.g. 1920x1080x24)
# on a free display, keeps its files in WORK, sets xvfb_pid and exports
# DISPLAY; NAME prefixes the message when it does not start.
start_private_xvfb() {
  local work="$1" size="$2" name="$3"
  # Xvfb writes the display number it took.
  Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.05; done
  [[ -s "$work/display" ]] || { echo "$name: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
  export DISPLAY=:$(head -n1 "$work/display")
}
