#!/usr/bin/env bash
# The CPU the running program uses while it shows two live tones at
# 1920 x 1080: the program runs on a private X server (Xvfb) with a private
# loopback sound server, a 441 Hz tone (left) and a 1000 Hz tone (right) are
# played into it, and after a warm-up the process's user + system time is
# read from /proc/PID/stat over each measuring window. Prints the share of
# one core per window and their median.
#
#   bench/measure-cpu.sh [--bin DIR] [--warmup S] [--seconds S] [--repeat N]
#                        [--perf FILE] [--shot FILE.png] [--silent] [--distortion] [--transfer [--excite]]
#                        [--toggle]
#
# --bin      the runtime folder to run (default build/bin; it is copied, so
#            its setting.ini is not touched)
# --perf     also record a profile (perf, cpu-clock) over one more window
#            into FILE and print where the time goes, by library and symbol
# --shot     a screenshot of the screen after the warm-up
# --silent   play nothing: the cost of a still picture (ticks, input, event loop)
# --distortion  open the distortion analyzer (View menu, by its keys) before
#            the warm-up: the cost of the program with that window open
# --transfer open the transfer-function window (View menu, by keys): it
#            averages the tone pair; the cost of the window at work
# --excite   with --transfer, also play the window's pink noise (the noise
#            makes the main view's traces change on every tick)
# --toggle   with --distortion or --transfer, close the window (Ctrl+W) before
#            every other measuring window and open it again after: prints the
#            median with the window open and closed, measured in turn within
#            one run, so a busy machine weighs on both alike
#
# Needs Xvfb, pulseaudio, sox, paplay; perf (linux-perf) for --perf,
# imagemagick for --shot and xdotool for --distortion and --transfer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=$root/build/bin
warmup=5
seconds=30
repeat=3
perf_file=""
shot=""
silent=0
distortion=0
transfer=0
excite=0
toggle=0
while [[ $# -gt 0 ]]; do
  case "$1" in
    --bin) bin=$2; shift 2 ;;
    --warmup) warmup=$2; shift 2 ;;
    --seconds) seconds=$2; shift 2 ;;
    --repeat) repeat=$2; shift 2 ;;
    --perf) perf_file=$2; shift 2 ;;
    --shot) shot=$2; shift 2 ;;
    --silent) silent=1; shift ;;
    --distortion) distortion=1; shift ;;
    --transfer) transfer=1; shift ;;
    --excite) excite=1; shift ;;
    --toggle) toggle=1; shift ;;
    *) echo "usage: $0 [--bin DIR] [--warmup S] [--seconds S] [--repeat N] [--perf FILE] [--shot FILE.png] [--silent] [--distortion] [--transfer [--excite]] [--toggle]" >&2; exit 2 ;;
  esac
done
[[ -x "$bin/ondrix" ]] || { echo "measure-cpu: no program at $bin/ondrix (build first)" >&2; exit 2; }

work=$(mktemp -d)
xvfb_pid="" app_pid="" player_pid=""
cleanup() {
  for pid in $player_pid $app_pid $xvfb_pid; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  "$root/scripts/loopback-audio.sh" stop "$work/audio" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A private X server.
source "$root/scripts/private-xvfb.sh"
start_private_xvfb "$work" 1920x1080x24 measure-cpu

# The sound server first: Qt does not find one that starts later.
"$root/scripts/loopback-audio.sh" start "$work/audio"
eval "$("$root/scripts/loopback-audio.sh" env "$work/audio")"

cp -r "$bin" "$work/bin"
(cd "$work/bin" && exec ./ondrix) >"$work/ondrix.log" 2>&1 &
app_pid=$!

windows=$repeat
[[ -n "$perf_file" ]] && windows=$((repeat + 1))
total=$((warmup + windows * (seconds + 1) + 5))
if ((silent == 0)); then
  sox -q -n -r 44100 -c 2 -b 16 -e signed "$work/tones.wav" synth "$total" sine 441 sine 1000 vol 0.5
  paplay "$work/tones.wav" &
  player_pid=$!
fi

# Opens the analysis window (the View menu's fourth item, or its last), and
# closes it with the Close key. There is no window manager: the windows are
# given the focus by hand.
open_window() {
  xdotool search --onlyvisible --name '^Orvanta' windowfocus --sync >/dev/null 2>&1 || true
  if ((distortion)); then xdotool key alt+v Down Down Return; else xdotool key alt+v Up Return; fi
  sleep 0.5
}
close_window() {
  xdotool search --onlyvisible --name '失真分析|Distortion analyzer|传递函数|Transfer function' windowfocus --sync >/dev/null 2>&1 || true
  xdotool key ctrl+w
  sleep 0.5
}
if ((distortion || transfer)); then
  sleep 2
  open_window
  sleep 1
fi
if ((transfer)); then
  # Play: the third control of the window.
  if ((excite)); then
    xdotool search --onlyvisible --name '传递函数|Transfer function' windowfocus --sync key Tab Tab space
  fi
fi
sleep "$warmup"
kill -0 "$app_pid" 2>/dev/null || { echo "measure-cpu: the program exited; its output:" >&2; cat "$work/ondrix.log" >&2; exit 1; }
[[ -n "$shot" ]] && import -window root "$shot"

ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$app_pid/stat"; }
shares=() open_shares=() closed_shares=()
state=open
for ((r = 1; r <= repeat; r++)); do
  if ((toggle)); then
    if ((r % 2 == 0)); then close_window; state=closed; else ((r == 1)) || open_window; state=open; fi
    sleep 1
  fi
  c0=$(cpu_ticks); t0=$(date +%s.%N)
  sleep "$seconds"
  c1=$(cpu_ticks); t1=$(date +%s.%N)
  share=$(awk -v c="$((c1 - c0))" -v hz="$ticks" -v t0="$t0" -v t1="$t1" 'BEGIN { printf "%.2f", 100 * c / hz / (t1 - t0) }')
  shares+=("$share")
  if ((toggle)); then
    if [[ $state == open ]]; then open_shares+=("$share"); else closed_shares+=("$share"); fi
  fi
  which=""
  ((toggle)) && which=" with the window $state"
  echo "window $r: ${share} % of one core over ${seconds} s$which (load average $(cut -d' ' -f1-3 /proc/loadavg))"
done
median_of() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
range_of() { echo "$(printf '%s\n' "$@" | sort -n | head -n1)-$(printf '%s\n' "$@" | sort -n | tail -n1)"; }
echo "median: $(median_of "${shares[@]}") % of one core (range $(range_of "${shares[@]}"))"
if ((toggle && ${#closed_shares[@]} > 0)); then
  echo "window open: median $(median_of "${open_shares[@]}") % (range $(range_of "${open_shares[@]}")); closed: median $(median_of "${closed_shares[@]}") % (range $(range_of "${closed_shares[@]}"))"
fi

if [[ -n "$perf_file" ]]; then
  perf record -q -e cpu-clock -F 1000 -g -p "$app_pid" -o "$perf_file" -- sleep "$seconds" 2>/dev/null
  echo "--- profile by kind of work"
  perf report -i "$perf_file" --no-children --sort dso,sym --stdio -g none 2>/dev/null | awk '
    /%/ {
      share = $1; sub("%", "", share); dso = $2; sym = $4
      if (dso == "ondrix") kind = "the program'"'"'s own code"
      else if (sym ~ /^__mem(move|cpy|set)/) kind = "memory copies and fills (libc)"
      else if (sym ~ /QFont|QText|QUnicode|QChar|Glyph|Shap|^hb_/ || dso ~ /harfbuzz|freetype/) kind = "text layout and fonts"
      else if (dso ~ /Qt6Gui/ && sym ~ /^0x/) kind = "QtGui pixel loops (fill, blend)"
      else if (dso ~ /kernel/) kind = "kernel (system calls, wake-ups)"
      else if (dso ~ /pulse|Multimedia/) kind = "audio input (PulseAudio, Qt Multimedia)"
      else kind = "event loop, widgets, X11, other"
      total[kind] += share
    }
    END { for (k in total) printf "%7.2f%%  %s\n", total[k], k }' | sort -rn
  echo "--- profile by library"
  perf report -i "$perf_file" --no-children --sort dso --stdio -g none 2>/dev/null | grep '%' | head -n 12
  echo "--- profile by symbol"
  perf report -i "$perf_file" --no-children --sort dso,sym --stdio -g none 2>/dev/null | grep '%' | head -n 25
fi
