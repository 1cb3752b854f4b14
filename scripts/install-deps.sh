#!/usr/bin/env bash
# Installs the Debian packages Covermint needs to build, test and run.
# Quiet and quick when everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev qt6-image-formats-plugins libpugixml-dev
  libjpeg62-turbo-dev libpng-dev libcdio-dev libudev-dev libtag1-dev
  fonts-liberation2
  libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  poppler-utils libxml2-utils libjpeg-turbo-progs xvfb xauth
  libiso9660-dev xorriso
  desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
