#!/usr/bin/env bash
# Installs the Debian packages the given tasks need, and nothing when they are
# all present already. Each README command asks for its own task only.
#   tools/install-deps.sh game           to build and play the game (tools/play.sh)
#   tools/install-deps.sh web            to build the site for the browser (tools/web.sh)
#   tools/install-deps.sh package        to build the Debian package (tools/package.sh)
#   tools/install-deps.sh package-arm64  to cross-build it for arm64 (tools/package.sh arm64)
#   tools/install-deps.sh package-armhf  to cross-build it for armhf (tools/package.sh armhf)
#   tools/install-deps.sh windows        to build the Windows .zip (tools/windows.sh)
#   tools/install-deps.sh portable       to build the portable Linux game (tools/portable.sh)
#   tools/install-deps.sh native-tests   the native tests, the package's checks among them
#   tools/install-deps.sh game-tests     the game's own tests alone: unit, rendering, played on X,
#                                        and as a Wayland client where GLFW is 3.4 (Debian 13)
#   tools/install-deps.sh wayland-tests  the same, as a Wayland client whatever the release
#   tools/install-deps.sh bare-tests     the test command's trixie stage: a bare Debian 13 made here
#   tools/install-deps.sh web-tests      the site's tests under node and in headless Chromium
#   tools/install-deps.sh windows-tests  the Windows build's tests, under Wine
#   tools/install-deps.sh arm-tests      the arm64 and armhf builds' tests, under qemu-user
#   tools/install-deps.sh static         the format and static checks
#   tools/install-deps.sh tools          the figures and the memory check (tools/measure.sh ...)
#   tools/install-deps.sh                everything: all of the above
#   tools/install-deps.sh --list TASK... prints the packages, one a line, installing nothing
set -euo pipefail

declare -A needs
needs[build]="build-essential cmake"
needs[game]="${needs[build]} libglfw3-dev libgl-dev libglu1-mesa-dev"
# The icons of every target are drawn by a program for this machine, with libpng.
needs[icons]="${needs[build]} libpng-dev"
needs[web]="${needs[icons]} emscripten nodejs python3"
needs[package]="${needs[game]} ${needs[icons]} dpkg-dev file"
# The portable game is built in a bare Debian 11 made here; inside it, its
# build's packages (GLFW 3.4 is built from third_party/, with the X11 and
# Wayland headers), and for aarch64 the cross compilers and arm64's GL and GLU.
needs[portable]="debootstrap"
needs[portable-build]="${needs[icons]} pkg-config libgl-dev libglu1-mesa-dev libx11-dev libxrandr-dev
  libxinerama-dev libxcursor-dev libxi-dev libwayland-dev libxkbcommon-dev wayland-protocols"
needs[portable-build-aarch64]="${needs[portable-build]} crossbuild-essential-arm64 libgl-dev:arm64
  libglu1-mesa-dev:arm64"
# Where its game is tried: the C library, Mesa's GL and the window systems'
# client libraries, and nothing else of the game's.
needs[portable-run]="libgl1 libgl1-mesa-dri libegl1 libegl-mesa0 libx11-6 libxrandr2 libxinerama1
  libxcursor1 libxi6 libxkbcommon0 libwayland-client0 libwayland-cursor0 libwayland-egl1"
needs[windows]="${needs[icons]} g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 zip"
# Another CPU's package: Debian's cross compilers and the game's libraries of
# that architecture, installed beside this machine's (multiarch); the icons
# are drawn by a program for this machine.
for arch in arm64 armhf; do
  needs[package-$arch]="${needs[icons]} dpkg-dev file crossbuild-essential-$arch
    libglfw3-dev:$arch libgl-dev:$arch libglu1-mesa-dev:$arch"
done
# The game's tests: GoogleTest, the virtual display and the tools its window
# tests drive, the sound test's server.
needs[game-tests]="${needs[game]} libgtest-dev libgmock-dev libx11-dev
  xvfb libgl1-mesa-dri xdotool x11-utils x11-xserver-utils imagemagick
  pulseaudio pulseaudio-utils sox"
# A headless compositor, its screenshot tool and what reads its reports; the
# tests' keyboard's libraries and protocol compiler; Mesa's EGL, which GLFW
# draws through on Wayland (only recommended by its packages);
# clang-tidy, for the sources only a GLFW 3.4 build compiles.
wayland="sway grim jq libwayland-dev libxkbcommon-dev libwayland-bin libegl-mesa0 clang-tidy"
needs[wayland-tests]="${needs[game-tests]} $wayland"
# Where Debian's GLFW is 3.4 (Debian 13) the game is a Wayland client too, and
# its tests play it as one: the release's GLFW as installed, else as apt
# would install it, else by the release.
glfw=$(dpkg-query -W -f='${Version}' libglfw3-dev 2>/dev/null) ||
  glfw=$(apt-cache policy libglfw3-dev 2>/dev/null | awk '$1 == "Candidate:" { print $2 }')
if ! dpkg --compare-versions "${glfw:-x}" ge 0 2>/dev/null; then
  glfw=$(. /etc/os-release && [ "${VERSION_ID:-0}" -ge 13 ] && echo 3.4 || echo 3.3)
fi
if dpkg --compare-versions "$glfw" ge 3.4; then
  needs[game-tests]+=" $wayland"
fi
# The dev build besides: the benchmarks, the package's checks.
needs[native-tests]="${needs[package]} ${needs[game-tests]} libbenchmark-dev
  lintian desktop-file-utils appstream man-db"
needs[bare-tests]="debootstrap"
# GoogleTest's sources, built for the web; the page's test drives Debian's
# Chromium through puppeteer-core from the npm registry, which npm reaches
# with the certificate authorities Debian's nodejs only recommends; the site
# packed as a portal's .zip and unpacked.
needs[web-tests]="${needs[web]} googletest chromium npm ca-certificates zip unzip"
# Wine, and the X libraries its display driver loads for the game's GL window
# (only recommended by its packages).
# pkg-config tells which GLFW the native game it is compared with runs on.
needs[windows-tests]="${needs[windows]} wine64 python3 pkg-config libgl1 libxrandr2 libxrender1 libxi6
  libxcursor1 libxinerama1 libxcomposite1 libxfixes3 libxxf86vm1"
# Both packages, their unit tests (GoogleTest of each architecture), and
# qemu-user to run them here, their games drawn by Mesa's software renderers
# of their own architecture; the native game they are compared with.
needs[arm-tests]="${needs[native-tests]} ${needs[package-arm64]} ${needs[package-armhf]}
  qemu-user-static libgtest-dev:arm64 libgtest-dev:armhf libgmock-dev:arm64 libgmock-dev:armhf
  libgl1-mesa-dri:arm64 libgl1-mesa-dri:armhf"
needs[static]="clang-format clang-tidy cppcheck"
needs[tools]="valgrind xauth"
tasks_in_order=(game web package package-arm64 package-armhf windows portable native-tests game-tests
  wayland-tests bare-tests web-tests windows-tests arm-tests static tools)

list=false
if [ "${1:-}" = --list ]; then
  list=true
  shift
fi
[ $# -gt 0 ] || set -- "${tasks_in_order[@]}"

wanted=()
for task in "$@"; do
  if [ -z "${needs[$task]:-}" ] || [ "$task" = build ] || [ "$task" = icons ]; then
    echo "usage: $0 [--list] [${tasks_in_order[*]}]..." >&2
    exit 2
  fi
  # shellcheck disable=SC2206  # the lists are words
  wanted+=(${needs[$task]})
done
mapfile -t wanted < <(printf '%s\n' "${wanted[@]}" | sort -u)

if $list; then
  printf '%s\n' "${wanted[@]}"
  exit 0
fi

missing=()
for package in "${wanted[@]}"; do
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
# Packages of another architecture (libglfw3-dev:arm64) come only once dpkg
# takes that architecture beside this machine's.
mapfile -t foreign < <(printf '%s\n' "${missing[@]}" | sed -n 's/^.*://p' | sort -u)
for arch in "${foreign[@]}"; do
  if [ "$arch" != "$(dpkg --print-architecture)" ] &&
    ! dpkg --print-foreign-architectures | grep -qx "$arch"; then
    $sudo dpkg --add-architecture "$arch"
  fi
done
# A list that cannot be fetched (a mirror half-way through a sync, say) leaves
# apt the others: the install below says if a package is missing from them.
$sudo apt-get update -qq || echo "apt-get update could not fetch every list; going on with those it has" >&2
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
