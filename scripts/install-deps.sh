#!/usr/bin/env bash
# Installs every Debian 12 package the project needs to build, test and run.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-svg-dev libqt6opengl6-dev libqt6svg6
  # Hot-plug: the discovery worker waits on a udev monitor for hidraw nodes.
  libudev-dev
  libjsoncpp-dev libcurl4-openssl-dev libssl-dev openssl python3 libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-apps x11-utils xdotool fonts-dejavu-core
  # Input capture for macro recording: XInput2 raw events (xinput to inspect them by hand).
  # The recording tests click on a client window under a real window manager.
  libx11-dev libxi-dev xinput openbox
  # Profile per program: the focused window through xcb and the X Resource extension.
  libxcb1-dev libxcb-res0-dev
  # Chinese control texts ("控制灯光") need a CJK font; tools/art/make_art.py renders with rsvg-convert.
  fonts-wqy-microhei librsvg2-bin
  # scripts/check-packaging.sh: validators for the desktop entry and metainfo, man for the pages.
  desktop-file-utils appstream man-db
  # Fuzz targets (scripts/fuzz.sh): clang with the libFuzzer and sanitizer runtimes.
  clang libclang-rt-14-dev
  # scripts/check-format.sh: the one style of .clang-format.
  clang-format
  # The headset's microphone and monitor (sidetone) controls on the sound card.
  libasound2-dev
  # The headset's equaliser: a PipeWire filter chain (tests start a private daemon).
  libpipewire-0.3-dev pipewire-bin pipewire
)
# The SDK server's test drives the program with an OpenRGB-protocol client from npm. A
# node.js that brings its own npm (NodeSource builds) conflicts with Debian's npm package:
# ask for the packages only when the commands are missing.
if ! command -v node >/dev/null 2>&1 || ! command -v npm >/dev/null 2>&1; then
  PACKAGES+=(nodejs npm)
fi
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
