#!/usr/bin/env bash
# Installs what building, testing and running Zerlith needs on Debian 12. Does nothing
# when every package is already there, so the other scripts can call it every time.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  libboost-regex-dev libcurl4-openssl-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libfontconfig-dev
  fontconfig fonts-arphic-uming
  xvfb openbox xdotool x11-apps imagemagick
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
