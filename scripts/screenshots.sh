#!/usr/bin/env bash
# Remakes the user guide's pictures (docs/images/en and docs/images/zh) from
# the program as it is built now. Run it after every visible change:
#
#   scripts/screenshots.sh [--out DIR]
#
# Installs what is missing and builds, then works in a temporary folder: a
# private X server (Xvfb) of 1280 x 800, a private loopback sound server, a
# copy of the runtime folder for each language (so neither the user's files
# nor the build's change), and a tone pair played into the input with
# ondrix-cli: a 441 Hz sine on the left, an 882 Hz triangle on the right
# (whole periods of 100 and 50 samples at 44100 Hz, so every frame the
# trigger picks looks the same, and so do the pictures of every run). The
# screenshot driver ondrix-shots takes the pictures in English and in
# Chinese; they are reduced to a 256-colour palette and replace the old ones
# only when every picture of both languages was taken. --out writes them to
# DIR/en and DIR/zh instead.
#
# Uses Xvfb, pulseaudio, imagemagick and poppler-utils (scripts/install-deps.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/docs/images
while [[ $# -gt 0 ]]; do
  case "$1" in
    --out) out=$2; shift 2 ;;
    *) echo "usage: $0 [--out DIR]" >&2; exit 2 ;;
  esac
done
mkdir -p "$out"
out=$(cd "$out" && pwd)

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
[[ -x "$root/build/tools/ondrix-shots" ]] || { echo "screenshots: the build made no build/tools/ondrix-shots" >&2; exit 1; }

# A short folder name: the plug-in manager's picture shows paths in it.
work=$(mktemp -d /tmp/ondrix.XXXXXX)
xvfb_pid="" player_pid=""
cleanup() {
  for pid in $player_pid $xvfb_pid; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  "$root/scripts/loopback-audio.sh" stop "$work/audio" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Every file a client would keep in the user's home goes to the work folder.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_CACHE_HOME=$work/home/.cache QT_QPA_PLATFORM=xcb
mkdir -p "$HOME"

# A private X server.
source "$root/scripts/private-xvfb.sh"
start_private_xvfb "$work" 1280x800x24 screenshots

# The sound server first: Qt does not find one that starts later.
"$root/scripts/loopback-audio.sh" start "$work/audio"
eval "$("$root/scripts/loopback-audio.sh" env "$work/audio")"

cp -r "$root/build/bin" "$work/build"
cp "$root/build/tools/ondrix-shots" "$work/build/"
"$work/build/ondrix-cli" generate "$work/tones.wav" --left sine --right triangle --left-freq 441 --right-freq 882 \
  --left-peak 16000 --right-peak 12000 --play 3600 >"$work/player.log" 2>&1 &
player_pid=$!
sleep 1
kill -0 "$player_pid" 2>/dev/null || { echo "screenshots: the tone pair does not play:" >&2; cat "$work/player.log" >&2; exit 1; }

for lang in en zh; do
  echo "screenshots: $lang"
  rm -rf "$work/bin"
  cp -r "$work/build" "$work/bin"
  shots=$work/shots-$lang
  mkdir -p "$shots" "$work/new/$lang"
  timeout 180 "$work/bin/ondrix-shots" --lang "$lang" "$shots" || { echo "screenshots: the driver failed ($lang)" >&2; exit 1; }
  pdftoppm -png -singlefile -scale-to 1000 "$shots/report.pdf" "$shots/report"
  convert "$shots/report.png" -bordercolor '#a0a0a0' -border 1 "$shots/report.png"
  for picture in "$shots"/*.png; do
    # A palette keeps the files small; no dithering, so text stays crisp. No
    # time stamps: an unchanged picture gives an unchanged file.
    convert "$picture" +dither -colors 256 -strip "PNG8:$work/new/$lang/$(basename "$picture")"
  done
done

# Every picture was taken: each language's folder is replaced as a whole.
for lang in en zh; do
  rm -rf "$out/.$lang.new" "$out/.$lang.old"
  cp -r "$work/new/$lang" "$out/.$lang.new"
  [[ -d "$out/$lang" ]] && mv "$out/$lang" "$out/.$lang.old"
  mv "$out/.$lang.new" "$out/$lang"
  rm -rf "$out/.$lang.old"
done
ls -l "$out/en" "$out/zh"
