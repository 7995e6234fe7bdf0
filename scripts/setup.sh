#!/usr/bin/env bash
# Installs, with apt-get, every Debian package the project needs. Idempotent:
# prints nothing when everything is present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  libsdl2-dev libepoxy-dev libopenal-dev libsndfile1-dev
  libavformat-dev libavcodec-dev libavutil-dev libswscale-dev libswresample-dev
  libassimp-dev libfreetype-dev libfontconfig-dev fonts-liberation
  libstb-dev libjpeg62-turbo-dev libpugixml-dev libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth libgl1-mesa-dri libegl-mesa0 mesa-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
