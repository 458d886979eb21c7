#!/usr/bin/env bash
# Installs the Debian packages the build, the demo and the tests need; skips what is present.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config git
  qtbase5-dev qttools5-dev qttools5-dev-tools libqt5svg5-dev
  libavcodec-dev libavformat-dev libavutil-dev libswscale-dev libswresample-dev ffmpeg
  libsdl2-dev libcpp-httplib-dev libssl-dev
  xvfb xauth x11-utils xdotool libgl1-mesa-dri libglx-mesa0 mesa-utils
  clang libclang-rt-dev ccache
  libsdbus-c++-dev  # libhidlink talks to BlueZ over D-Bus
  # home screen: X11 window property, guide pictures (QR code, Chinese labels), desktop tests
  libqt5x11extras5-dev libxcb1-dev libqrencode-dev fonts-wqy-microhei openbox dbus-daemon
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
