#!/usr/bin/env bash
# Installs the Debian packages the game, its tests and its tools need, and
# nothing when they are all present already.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  dpkg-dev file lintian desktop-file-utils appstream man-db
  libglfw3-dev libgl-dev libglu1-mesa-dev libx11-dev libpng-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth libgl1-mesa-dri xdotool x11-utils imagemagick
  clang-format clang-tidy cppcheck valgrind
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
