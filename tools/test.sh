#!/usr/bin/env bash
# Builds everything and runs every test, on a virtual display of its own: a
# desktop session's display is never used, so no key the tests press lands
# there. Stages can be run alone, in any order:
#   tools/test.sh [STAGE...]    (no stage: all of them, in this order)
#     native    the player's build, then the developers' build and its tests:
#               unit, rendering, the real game played, the Debian package
#     web       the site as a publisher builds it, then its tests under node
#               and in headless Chromium
#     windows   the .zip as tools/windows.sh makes it, then its tests under Wine
#     arm       the arm64 and armhf packages as tools/package.sh makes them,
#               their tick logs, unit tests, package checks and window run
#               under qemu-user beside the native game
#     sanitize  the native tests again under AddressSanitizer and
#               UndefinedBehaviorSanitizer; the logic tests and the sound
#               test under ThreadSanitizer
#     static    the format, clang-tidy and cppcheck
# Each player's build is made with every package it does not use hidden from
# it, so a dependency that leaks into the wrong build fails here.
set -euo pipefail
cd "$(dirname "$0")/.."

all_stages=(native web windows arm sanitize static)
[ $# -gt 0 ] || set -- "${all_stages[@]}"
deps=()
for stage in "$@"; do
  case "$stage" in
    native) deps+=(game native-tests) ;;
    web) deps+=(native-tests web web-tests) ;;
    windows) deps+=(native-tests windows windows-tests) ;;
    arm) deps+=(arm-tests) ;;
    sanitize) deps+=(native-tests) ;;
    static) deps+=(native-tests static) ;;
    *) echo "usage: $0 [${all_stages[*]}]..." >&2; exit 2 ;;
  esac
done
tools/install-deps.sh "${deps[@]}"

jobs=$(nproc)

# What a player's build must do without: the tests' and benchmarks' libraries,
# X11 (the window tests'), GoogleTest's sources (the web tests').
hidden=(--no-warn-unused-cli -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON
  -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON -DCMAKE_DISABLE_FIND_PACKAGE_X11=ON
  -DCMAKE_IGNORE_PATH=/usr/src/googletest)

# A virtual display of our own, on the first free number: Xvfb picks it and
# says which. The tests' game must not find a Wayland session either.
display_log=$(mktemp)
xvfb_pid=""
stop_display() {
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  rm -f "$display_log"
}
trap stop_display EXIT
Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp >"$display_log" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 300); do
  [ -s "$display_log" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { echo "the virtual display did not start" >&2; exit 1; }
  sleep 0.1
done
[ -s "$display_log" ] || { echo "the virtual display did not start within 30 s" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$display_log")"
unset WAYLAND_DISPLAY XDG_SESSION_TYPE

configure_and_build() {
  cmake --preset "$1" "${@:2}" >/dev/null
  cmake --build --preset "$1" -j"$jobs"
}

# The developers' build: the native game the web and Windows builds are
# compared with, and what the static checks read.
dev_build() { configure_and_build dev; }

stage_native() {
  echo "== The player's build, with only the game's own packages"
  configure_and_build play "${hidden[@]}" -DCMAKE_DISABLE_FIND_PACKAGE_PNG=ON
  echo "== The developers' build and its tests"
  dev_build
  ctest --preset dev -j"$jobs"
}

stage_web() {
  dev_build
  echo "== The site as a publisher builds it, without the tests' packages"
  configure_and_build web "${hidden[@]}"
  echo "== The site with its tests: logic under node, the page in headless Chromium"
  configure_and_build web-dev
  # puppeteer-core, at the version the lock file pins; it never fetches a browser.
  if ! [ -d tests/web/node_modules/puppeteer-core ]; then
    npm ci --prefix tests/web --no-audit --no-fund --loglevel=error
  fi
  ctest --preset web-dev
}

stage_windows() {
  dev_build
  echo "== The .zip as tools/windows.sh makes it, without the tests' packages"
  tools/windows.sh "${hidden[@]}"
  echo "== The .zip built again in another folder, the same byte for byte"
  bash tests/package/reproducible.sh zip build-windows/torvik-*-windows-x64.zip
  echo "== The Windows build with its tests: the .zip, its torvik.exe, the game under Wine"
  configure_and_build windows-dev
  ctest --preset windows-dev
}

stage_arm() {
  echo "== The native game and tick log the other CPUs' are compared with"
  cmake --preset dev >/dev/null
  cmake --build --preset dev -j"$jobs" --target torvik tick_log torvik_pass_gate send_close >/dev/null
  local arch
  for arch in arm64 armhf; do
    echo "== The $arch package as tools/package.sh makes it, with its tests under qemu-user"
    # One build for both: the package's game is the one the tests run.
    tools/package.sh "$arch" "build-$arch" -DTORVIK_BUILD_TESTS=ON -DTORVIK_WARNINGS_AS_ERRORS=ON
    ctest --test-dir "build-$arch" -j"$jobs" --output-on-failure
  done
}

stage_sanitize() {
  echo "== The tests under AddressSanitizer + UndefinedBehaviorSanitizer"
  configure_and_build asan
  ctest --preset asan -j"$jobs"
  echo "== Under ThreadSanitizer: the logic tests, and the game heard through a sound server"
  configure_and_build tsan
  # Any report fails the test that made it. The tsan test preset sets
  # LP_NUM_THREADS=0, so that Mesa's software renderer draws on the game's
  # own thread: its uninstrumented workers' hand-offs are reported otherwise.
  # GCC 12's ThreadSanitizer cannot
  # lay out its memory on kernels that randomise mappings with more than 28
  # bits; without the randomisation it always can.
  setarch "$(uname -m)" -R ctest --preset tsan -j"$jobs" -LE 'display|package'
  setarch "$(uname -m)" -R ctest --preset tsan -R '^e2e\.sound$'
}

stage_static() {
  echo "== Format"
  find app world characters render assets audio packaging tools tests bench web \
    \( -name '*.[ch]pp' -o -name '*.c' \) -not -path '*/node_modules/*' -print0 | sort -z |
    xargs -0 clang-format --dry-run -Werror
  tools/lint.sh
}

summary=()
for stage in "$@"; do
  started=$SECONDS
  "stage_$stage"
  summary+=("$stage $(((SECONDS - started) / 60))m$(((SECONDS - started) % 60))s")
done
echo "== All passed: ${summary[*]}"
