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
#     trixie    a bare Debian 13 made here (kept between runs), and inside it
#               the game stage: GLFW 3.4, the game played on X and as a
#               native Wayland client (tools/bare-test.sh; needs root or sudo)
#     portable  the portable game as tools/portable.sh makes it in a bare
#               Debian 11, its archive checked, and played in bare Debian 11,
#               12 and 13 with nothing of its own installed (needs root or
#               sudo); its aarch64 build is the arm stage's
#   and, alone:
#     game      the player's build, then the game's own tests: unit,
#               rendering, played on X and, with GLFW 3.4, on Wayland
# Each player's build is made with every package it does not use hidden from
# it, so a dependency that leaks into the wrong build fails here.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/common.sh

all_stages=(native web windows arm sanitize static trixie portable)
[ $# -gt 0 ] || set -- "${all_stages[@]}"
deps=()
for stage in "$@"; do
  case "$stage" in
    native) deps+=(game native-tests) ;;
    game) deps+=(game game-tests) ;;
    web) deps+=(native-tests web web-tests) ;;
    windows) deps+=(native-tests windows windows-tests) ;;
    arm) deps+=(arm-tests portable) ;;
    sanitize) deps+=(native-tests) ;;
    static) deps+=(native-tests static) ;;
    trixie) deps+=(bare-tests) ;;
    portable) deps+=(native-tests portable bare-tests) ;;
    *) echo "usage: $0 [${all_stages[*]} game]..." >&2; exit 2 ;;
  esac
done
tools/install-deps.sh "${deps[@]}"

# The bare Debian 13 is made and its packages installed in the background,
# mostly waiting on the network and the disk, while the stages before it
# build; its stage waits for it, and a test command ending first stops it.
sudo=""
bare_log=""
bare_pid=""
if [[ " $* " == *" trixie "* ]]; then
  if [ "$(id -u)" -ne 0 ]; then
    sudo=sudo
    sudo -v
  fi
  bare_log=$(mktemp)
  $sudo tools/bare-test.sh prepare trixie >"$bare_log" 2>&1 &
  bare_pid=$!
fi
# The same for the portable game's: the Debian 11 it is built in (with the
# arm64 cross compilers for the arm stage), and the systems it is played in.
portable_pids=()
portable_logs=()
background_for() {
  local log
  log=$(mktemp)
  "$@" >"$log" 2>&1 &
  portable_pids+=($!)
  portable_logs+=("$log")
}
if [[ " $* " == *" portable "* || " $* " == *" arm "* ]]; then
  [ "$(id -u)" -eq 0 ] || { sudo=sudo && sudo -v; }
  portable_arch=x86_64
  [[ " $* " != *" arm "* ]] || portable_arch=aarch64
  background_for $sudo tools/portable.sh --prepare "$portable_arch"
  [[ " $* " != *" portable "* ]] || background_for $sudo bash tests/portable/runs.sh prepare
fi

jobs=$(nproc)

# What a player's build must do without: the tests' and benchmarks' libraries,
# X11 (the window tests'), GoogleTest's sources (the web tests').
hidden=(--no-warn-unused-cli -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON
  -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON -DCMAKE_DISABLE_FIND_PACKAGE_X11=ON
  -DCMAKE_IGNORE_PATH=/usr/src/googletest)

# A virtual display of our own. The tests' game must not find a Wayland
# session either.
display_log=$(mktemp)
VIRTUAL_DISPLAY_PID=""
stop_display() {
  [ -z "$VIRTUAL_DISPLAY_PID" ] || kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true
  rm -f "$display_log"
  if [ -n "$bare_pid" ]; then
    $sudo kill -TERM "$bare_pid" 2>/dev/null || true
    wait "$bare_pid" 2>/dev/null || true
  fi
  [ -z "$bare_log" ] || rm -f "$bare_log"
  local i
  for i in "${!portable_pids[@]}"; do
    if [ -n "${portable_pids[i]}" ]; then
      $sudo kill -TERM "${portable_pids[i]}" 2>/dev/null || true
      wait "${portable_pids[i]}" 2>/dev/null || true
    fi
    rm -f "${portable_logs[i]}"
  done
}
trap stop_display EXIT
start_virtual_display 1024 768 "$display_log" || exit 1
export DISPLAY=$VIRTUAL_DISPLAY
# GLFW 3.4 looks for a Wayland session in the runtime directory too.
unset WAYLAND_DISPLAY WAYLAND_SOCKET XDG_RUNTIME_DIR XDG_SESSION_TYPE

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

# The game as the trixie stage builds and tests it on Debian 13: the native
# stage without the benchmarks, tools and package.
stage_game() {
  echo "== The player's build, with only the game's own packages"
  configure_and_build play "${hidden[@]}" -DCMAKE_DISABLE_FIND_PACKAGE_PNG=ON
  echo "== The game's own tests"
  configure_and_build game
  # Two at a time: the tests on the shared X display one after another (its
  # windows would cover each other in the pictures), and beside them the
  # rest, the Wayland ones with compositors of their own among them. The
  # bare-system scripts' test is the host's.
  local display_tests status=0
  display_tests=$(mktemp)
  ctest --preset game -L display >"$display_tests" 2>&1 &
  local display_pid=$!
  ctest --preset game -LE 'display|tools' || status=$?
  wait "$display_pid" || status=$?
  cat "$display_tests"
  rm -f "$display_tests"
  [ "$status" -eq 0 ] || return "$status"
  # The tests' keyboard is built where GLFW is 3.4.
  if [ -x build-game/tests/wayland/press_keys ]; then
    echo "== clang-tidy on what only a GLFW 3.4 build compiles"
    clang-tidy -p build-game --quiet app/window_system_glfw34.cpp tests/wayland/press_keys.cpp 2>/dev/null
  fi
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
  echo "== The portable aarch64 game, cross-built in a bare Debian 11, under qemu-user"
  portable_systems 0
  local archive
  archive=$($sudo tools/portable.sh aarch64 | tail -n 1)
  bash tests/portable/contents.sh "$archive"
  bash tests/ticks/same_ticks.sh build/tests/tick_log qemu-aarch64-static \
    build-portable/tick_log-aarch64
  SEND_CLOSE=build/tests/e2e/send_close E2E_OUT=build-portable/emulated \
    bash tests/portable/emulated.sh "$archive"
}

# The bare systems made in the background for the portable game: the first
# ($1 = 0) the one it is built in, the second those it is played in.
portable_systems() {
  local pid=${portable_pids[$1]:-} status=0
  [ -n "$pid" ] || return 0
  wait "$pid" || status=$?
  portable_pids[$1]=""
  cat "${portable_logs[$1]}"
  [ "$status" -eq 0 ] || { echo "the portable game's bare systems could not be made" >&2; return 1; }
}

stage_portable() {
  echo "== The portable game as tools/portable.sh makes it, in a bare Debian 11"
  portable_systems 0
  local archive
  archive=$($sudo tools/portable.sh | tail -n 1)
  bash tests/portable/contents.sh "$archive"
  echo "== Played in bare Debian 11, 12 and 13: only the C library, Mesa and the window systems"
  portable_systems 1
  cmake --preset dev >/dev/null
  cmake --build --preset dev -j"$jobs" --target tick_log send_close >/dev/null
  $sudo env DISPLAY="$DISPLAY" SEND_CLOSE="$PWD/build/tests/e2e/send_close" \
    NATIVE_TICK_LOG="$PWD/build/tests/tick_log" \
    bash tests/portable/runs.sh "$archive" build-portable/tick_log-x86_64
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

stage_trixie() {
  echo "== A bare Debian 13, and the game stage inside it"
  local status=0
  wait "$bare_pid" || status=$?
  bare_pid=""
  cat "$bare_log"
  [ "$status" -eq 0 ] || { echo "the bare Debian 13 could not be made" >&2; return 1; }
  $sudo tools/bare-test.sh run trixie
}

summary=()
for stage in "$@"; do
  started=$SECONDS
  "stage_$stage"
  summary+=("$stage $(took "$started")")
done
echo "== All passed: ${summary[*]}"
