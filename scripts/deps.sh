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
  libsqlite3-dev libpq-dev libsodium-dev libcurl4-openssl-dev postgresql  # account service; its tests run a private PostgreSQL
  libudev-dev umockdev libumockdev-dev  # hardware summary of the options; its test's mocked devices
  # home screen: X11 window property, guide pictures (QR code, Chinese labels), desktop tests
  libqt5x11extras5-dev libxcb1-dev libqrencode-dev fonts-wqy-microhei openbox dbus-daemon
  libavahi-client-dev avahi-utils  # announcing the receiver, pivora-cast --discover
  avahi-daemon iproute2  # tests: a private Avahi daemon in a network namespace
  libudev-dev pkexec umockdev libumockdev-dev  # USB phones: device list, rule helper, mock devices in tests
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
# Daemons that come with a package (avahi-daemon) must not start on their own: the tests start
# theirs in a namespace of their own, and the program uses one only when the system runs it.
policy=/usr/sbin/policy-rc.d
if [ ! -e "$policy" ]; then
  printf '#!/bin/sh\nexit 101\n' | $SUDO tee "$policy" >/dev/null
  $SUDO chmod +x "$policy"
  trap '$SUDO rm -f "$policy"' EXIT
fi
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
