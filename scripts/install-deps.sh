#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need;
# does nothing when they are all present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-tools-dev qt6-l10n-tools libqt6multimedia6 libasound2-dev libasound2-plugins alsa-utils
  libgtest-dev libgmock-dev libbenchmark-dev libfftw3-dev
  pulseaudio pulseaudio-utils sox libsox-fmt-all
  # The sound server's client library, for the audio backend that follows a
  # server restart; PipeWire's PulseAudio server, which the tests also start
  # privately (scripts/loopback-pipewire.sh).
  libpulse-dev pipewire pipewire-pulse wireplumber
  fonts-wqy-microhei qt6-translations-l10n xvfb xauth imagemagick poppler-utils linux-perf
  desktop-file-utils dpkg-dev file pavucontrol
  # The package's checks and what it is made with: manual pages from the
  # programs' own --help (help2man), the user guide's HTML (cmark-gfm), the
  # icon's PNG sizes from its SVG (rsvg-convert), the metainfo check
  # (appstreamcli), lintian, man and bash-completion for the install tests.
  help2man cmark-gfm librsvg2-bin appstream lintian man-db bash-completion
  # The sanitizer and fuzzing builds: clang, its sanitizer and libFuzzer
  # runtimes, and the symbolizer that names the frames of a report.
  clang libclang-rt-14-dev llvm
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"

# Debian enables PipeWire's user services for every user when it installs
# them. The project only starts them privately, in its tests; on a desktop
# whose sound is PulseAudio they would take its place at the next login. So
# the services of the packages installed just now are switched off again; a
# machine that had them before keeps them as they were.
user_units=()
for p in "${missing[@]}"; do
  case "$p" in
    pipewire) user_units+=(pipewire.socket pipewire.service) ;;
    pipewire-pulse) user_units+=(pipewire-pulse.socket pipewire-pulse.service) ;;
    wireplumber) user_units+=(wireplumber.service) ;;
  esac
done
if [ ${#user_units[@]} -gt 0 ] && command -v systemctl >/dev/null; then
  $SUDO systemctl --global disable "${user_units[@]}" || true
fi
