#!/usr/bin/env bash
# Installs the Debian packages a task needs, and nothing when they are all
# present already.
#   tools/install-deps.sh game      to build and play the game
#   tools/install-deps.sh web       to build the browser version
#   tools/install-deps.sh package   to build the Debian package
#   tools/install-deps.sh windows   to build the Windows .zip
#   tools/install-deps.sh           everything, with what the tests and tools need
set -euo pipefail

game=(build-essential cmake pkg-config libglfw3-dev libgl-dev libglu1-mesa-dev libx11-dev)
web=(build-essential cmake emscripten nodejs python3)
package=("${game[@]}" libpng-dev dpkg-dev file lintian desktop-file-utils appstream man-db)
# The icon is drawn by a native program, hence the game's own packages too.
windows=("${game[@]}" libpng-dev g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64)
everything=(
  "${game[@]}" "${web[@]}" "${package[@]}" "${windows[@]}"
  # Wine, and the X libraries its display driver loads for the game's GL
  # window (only recommended by its packages).
  wine64 libgl1 libxrandr2 libxrender1 libxi6 libxcursor1 libxinerama1 libxcomposite1 libxfixes3
  libxxf86vm1
  libgtest-dev libgmock-dev libbenchmark-dev googletest
  xvfb xauth libgl1-mesa-dri xdotool x11-utils x11-xserver-utils imagemagick
  pulseaudio pulseaudio-utils sox
  chromium npm
  clang-format clang-tidy cppcheck valgrind
)

case "${1:-everything}" in
  game) packages=("${game[@]}") ;;
  web) packages=("${web[@]}") ;;
  package) packages=("${package[@]}") ;;
  windows) packages=("${windows[@]}") ;;
  everything) packages=("${everything[@]}") ;;
  *) echo "usage: $0 [game|web|package|windows]" >&2; exit 2 ;;
esac

missing=()
for package in $(printf '%s\n' "${packages[@]}" | sort -u); do
  # A node from elsewhere brings its own npm, and Debian's would conflict with it.
  if [ "$package" = npm ] && command -v npm >/dev/null; then
    continue
  fi
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
