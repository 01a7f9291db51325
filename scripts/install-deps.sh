#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing the kit need.
# Safe to run again: packages already present are skipped.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-tools-dev qt6-tools-dev-tools
  libqt6multimedia6 libqt6svg6 qt6-qpa-plugins qt6-l10n-tools qt6-translations-l10n
  qt6-httpserver-dev qt6-websockets-dev libqrencode-dev zlib1g-dev python3-websockets
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  pulseaudio pulseaudio-utils
  fonts-liberation fonts-ipafont-gothic
  clang libclang-rt-14-dev
  poppler-utils xvfb xauth x11-utils xdotool imagemagick
  desktop-file-utils appstream
  cups cups-client printer-driver-cups-pdf
  dpkg-dev lintian
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: everything is installed"
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
