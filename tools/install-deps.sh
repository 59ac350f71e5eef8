#!/usr/bin/env bash
# Installs what building Vellicor needs on Debian 12, and only what is
# missing; with --for-tests also what the test run needs (clang's libFuzzer
# for the fuzz smoke run; openbox, xdotool and xprop for the journeys, which
# press real keys under Xvfb; debhelper, lintian and the desktop and AppStream
# validators for the package test; pgrep for the practice run; Dire Wolf for
# the over-the-air test, two packet engines without a sound card). Uses sudo
# when not run as root.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config dpkg-dev
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-multimedia-dev
  qt6-qpa-plugins libgl-dev
  fonts-liberation fonts-dejavu-core
  xvfb xauth python3 file
)
if [ "${1:-}" = "--for-tests" ]; then
  packages+=(clang libclang-rt-14-dev x11-utils openbox xdotool
             debhelper lintian desktop-file-utils appstream procps direwolf)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
